#!/usr/bin/env bash
# Under an X server: starts turnpixa with a typed option and two photos,
# waits until both photos show on screen (each is one plain colour, red
# and green, that the wizard never paints itself), then closes the window
# and wants a clean exit.
# usage: wizard_with_photos.sh SOURCE_DIR RED.png GREEN.png
set -uo pipefail
src=$1 red=$2 green=$3
shot=$(mktemp --suffix=.png)
err=$(mktemp)
trap 'rm -f "$shot" "$err"' EXIT
# Pixels of exactly one colour in the screenshot.
count() {
  convert "$shot" -fill black +opaque "$1" -fill white -opaque "$1" \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}
turnpixa --strict "$red" "$green" 2>"$err" &
pid=$!
seen=0
for _ in $(seq 60); do
  sleep 0.5
  kill -0 $pid 2>/dev/null || break
  import -window root "$shot" 2>/dev/null || continue
  reds=$(count '#ff0000') greens=$(count '#00ff00')
  if ((reds > 400 && greens > 400)); then seen=1; break; fi
done
echo "on screen: ${reds:-0} red and ${greens:-0} green pixels"
if ((!seen)); then
  [[ -n ${SCREENSHOT:-} ]] && cp "$shot" "$SCREENSHOT"
  kill $pid 2>/dev/null; cat "$err"; exit 1
fi
[[ -n ${SCREENSHOT:-} ]] && cp "$shot" "$SCREENSHOT"
/usr/bin/python3 "$src/tests/package/close_window.py" TurnPixa 20 || { kill $pid; echo "did not close"; exit 1; }
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $pid 2>/dev/null; then kill -9 $pid; echo "still running"; exit 1; fi
wait $pid || { echo "exit status $?"; cat "$err"; exit 1; }
