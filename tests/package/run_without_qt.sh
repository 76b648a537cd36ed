#!/usr/bin/env bash
# The staged program on a desktop without Qt 6: in a mount namespace the
# system's Qt libraries and plugins are hidden, and turnpixa must still load
# everything from its own lib/, show its window under Xvfb and close cleanly.
# usage: run_without_qt.sh SOURCE_DIR BUILD_DIR   (exit 77: cannot be tested here)
set -euo pipefail
src=$1 build=$2
if [[ $(id -u) -ne 0 ]] || ! command -v unshare >/dev/null || ! command -v xvfb-run >/dev/null; then
  echo "needs root (for a mount namespace) and xvfb-run"; exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$src/tools/stage-turnpixa.sh" "$build" "$work/stage" >/dev/null
mkdir -p "$work/home"

unshare --mount bash -s "$src" "$work" <<'INNER'
set -euo pipefail
src=$1 work=$2
qtdir=/usr/lib/x86_64-linux-gnu/qt6
[[ -d $qtdir ]] && mount -t tmpfs none "$qtdir"
for f in /usr/lib/x86_64-linux-gnu/libQt6*; do mount --bind /dev/null "$f"; done

if ldd "$work/stage/turnpixa" | grep -E 'not found|/usr/lib/.*libQt6'; then
  echo "FAIL: libraries resolved outside lib/"; exit 1
fi
cd "$work/home"
export HOME=$work/home
status=0
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
  "$1/stage/turnpixa" 2>"$1/stderr" & pid=$!
  python3_bin=/usr/bin/python3
  if ! "$python3_bin" "$2/tests/package/close_window.py" TurnPixa 20 "${SCREENSHOT:-$1/window.png}"; then
    kill $pid; echo "FAIL: no TurnPixa window appeared"; cat "$1/stderr"; exit 1
  fi
  for i in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then kill -9 $pid; echo "FAIL: did not close"; exit 1; fi
  wait $pid || { echo "FAIL: exit status $?"; cat "$1/stderr"; exit 1; }
' _ "$work" "$src" || status=$?
exit $status
INNER
echo "turnpixa ran without the system's Qt and closed cleanly"
