#!/usr/bin/env bash
# A catalogue of 24 products of 36 photos (the 1600 x 1200 sample photos,
# frames 400 wide) made four ways, with wall and CPU seconds:
#   loop      a shell loop of single turnpixa-cli runs, one per product
#   batch     turnpixa-cli --batch over the same rows, from nothing
#   again     the same batch with nothing changed (every row skipped)
#   touched   one photo given a new time, same bytes (its row is looked at)
#   changed   one photo changed (its row alone is made again)
#   shards    two shards through GNU parallel, from nothing
# and checks that the batch's sets are byte for byte the loop's.
#
#   bench/cli/batch.sh              build/release/cli/turnpixa-cli
#   TURNPIXA_CLI=path bench/cli/batch.sh
#
# Needs GNU parallel and time (tools/install-deps.sh --test).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
cli=${TURNPIXA_CLI:-$root/build/release/cli/turnpixa-cli}
samples=$root/resources/sample-photos
products=24
count=36
width=400
gnu_time=/usr/bin/time

for tool in "$cli" "$gnu_time" /usr/bin/parallel; do
  if [[ ! -x $tool ]]; then
    echo "batch.sh: $tool not found (build: cmake --preset release &&" \
      "cmake --build --preset release --target turnpixa-cli; packages:" \
      "tools/install-deps.sh --test)" >&2
    exit 1
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/turnpixa-batch.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

# Every product its own copies, so that one photo can change alone.
echo "output,photos" >catalogue.csv
for ((p = 1; p <= products; p++)); do
  name=$(printf 'p%02d' "$p")
  mkdir -p "photos/$name"
  for ((i = 1; i <= count; i++)); do
    cp "$samples/turntable-$(printf '%02d' "$i").jpg" "photos/$name/$(printf '%02d' "$i").jpg"
  done
  echo "out/$name,photos/$name/*.jpg" >>catalogue.csv
done

declare -A wall cpu
names=()
# measure NAME COMMAND...: wall and user + system seconds of COMMAND.
measure() {
  local name=$1 e u s
  shift
  "$gnu_time" -f '%e %U %S' -o time.txt "$@" >/dev/null 2>run.log || {
    cat run.log >&2
    exit 1
  }
  read -r e u s <time.txt
  wall[$name]=$e
  cpu[$name]=$(awk -v u="$u" -v s="$s" 'BEGIN { print u + s }')
  names+=("$name")
}

# shellcheck disable=SC2016 # expanded by the inner bash
measure loop bash -c 'for d in photos/*/; do
    n=$(basename "$d"); "$1" -q --width="$2" "$d"*.jpg -o "loop/$n"; done' _ "$cli" "$width"
measure batch "$cli" -q --width="$width" --batch=catalogue.csv --report=report.jsonl
for ((p = 1; p <= products; p++)); do
  name=$(printf 'p%02d' "$p")
  for f in "loop/$name.htm" loop/"$name"-turnpixa/*; do
    cmp -s "$f" "out/${f#loop/}" || {
      echo "batch.sh: out/${f#loop/} differs from the single run's" >&2
      exit 1
    }
  done
done
measure again "$cli" -q --width="$width" --batch=catalogue.csv --report=again.jsonl
touch photos/p07/12.jpg
measure touched "$cli" -q --width="$width" --batch=catalogue.csv --report=touched.jsonl
cp "$samples/turntable-01.jpg" photos/p07/12.jpg
measure changed "$cli" -q --width="$width" --batch=catalogue.csv --report=changed.jsonl
rm -rf out
measure shards /usr/bin/parallel --will-cite "$cli" -q --width="$width" --batch=catalogue.csv \
  --shard=auto/2 --report=shard-{}.jsonl ::: 1 2

status_count() { grep -c "\"status\":\"$2\"" "$1" || true; }
echo "$products products of $count photos of 1600 x 1200 to frames $width wide; $(nproc) cores"
printf '%-8s %8s %8s %9s  %s\n' run seconds 'cpu s' 'of batch' rows
for name in "${names[@]}"; do
  case $name in
    loop) rows="$products single runs" ;;
    batch) rows="$(status_count report.jsonl made) made" ;;
    again) rows="$(status_count again.jsonl skipped) skipped" ;;
    touched) rows="$(status_count touched.jsonl made) made, $(status_count touched.jsonl skipped) skipped" ;;
    changed) rows="$(status_count changed.jsonl made) made, $(status_count changed.jsonl skipped) skipped" ;;
    shards) rows="$(cat shard-1.jsonl shard-2.jsonl | grep -c '"status":"made"') made by 2 shards" ;;
  esac
  awk -v n="$name" -v w="${wall[$name]}" -v c="${cpu[$name]}" -v b="${wall[batch]}" -v r="$rows" \
    'BEGIN { printf "%-8s %8.2f %8.2f %8.2f%%  %s\n", n, w, c, (b > 0 ? 100 * w / b : 0), r }'
done
echo "(seconds: elapsed; cpu s: user + system; of batch: elapsed over the first batch run's)"
