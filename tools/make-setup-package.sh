#!/usr/bin/env bash
# Builds the TurnPixa installer with the installer's own packing mode:
#   tools/make-setup-package.sh BUILD_DIR OUTPUT [STAGE_DIR]
# BUILD_DIR holds installer/setup-turnpixa and installer/lzma (built side by
# side). The files packed are those of STAGE_DIR, laid out as installed;
# without it tools/stage-turnpixa.sh stages the shipped set from BUILD_DIR.
# OUTPUT is the new installer: the stub followed by the install script, the
# licence and every staged file.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [[ $# -lt 2 || $# -gt 3 ]]; then
  echo "usage: $0 BUILD_DIR OUTPUT [STAGE_DIR]" >&2
  exit 2
fi
build="$(cd "$1" && pwd)"
output="$2"
packer="$build/installer/setup-turnpixa"
for f in "$packer" "$build/installer/lzma"; do
  [[ -f "$f" ]] || { echo "$0: missing $f" >&2; exit 1; }
done
version="$(sed -n 's/^TURNPIXA_SPECIAL_BUILD:[A-Z]*=//p' "$build/CMakeCache.txt")"
version="${version:-1.032}"

work="$(mktemp -d "${TMPDIR:-/tmp}/turnpixa-package.XXXXXX")"
trap 'rm -rf "$work"' EXIT
stage="${3:-}"
if [[ -z "$stage" ]]; then
  stage="$work/stage"
  "$root/tools/stage-turnpixa.sh" "$build" "$stage" >&2
fi
stage="$(cd "$stage" && pwd)"
[[ -f "$stage/turnpixa" ]] || { echo "$0: $stage holds no turnpixa" >&2; exit 1; }
entries="$work/entries"
mkdir "$entries"

# Entries are named "NNN - file" so that names stay unique in the package.
n=100
copies=()
while IFS= read -r -d '' file; do
  rel="${file#"$stage"/}"
  entry="$n - $(basename "$rel")"
  cp "$file" "$entries/$entry"
  copies+=("$entry" "${rel//\//\\}")
  n=$((n + 1))
done < <(find "$stage" -type f -print0 | sort -z)

{
  printf '[Project Name]\r\nTurnPixa\r\n\r\n'
  printf '[Install To]\r\n<Program Files>\\TurnPixa\r\n\r\n'
  printf '[ProgramVersion]\r\n%s\r\n\r\n' "$version"
  printf '[NoOfferUninstallOld]\r\n\r\n'
  printf '[Action]\r\nInstalling TurnPixa\r\n\r\n'
  for ((i = 0; i < ${#copies[@]}; i += 2)); do
    printf '[CopyFile]\r\n%s\r\n<Destination>\\%s\r\n\r\n' "${copies[i]}" "${copies[i + 1]}"
  done
  printf '[Action]\r\nCreating Icons\r\n\r\n'
  printf '[CreateIcon]\r\n<Destination>\\turnpixa\r\n<Start Programs>\\TurnPixa\\TurnPixa.lnk\r\n\r\n\r\n\r\n'
  printf '[CreateIcon]\r\n<Destination>\\TurnPixa-help\\index.htm\r\n<Start Programs>\\TurnPixa\\TurnPixa Help.lnk\r\n\r\n\r\n\r\n'
  printf '[CreateIcon]\r\n<Destination>\\turnpixa\r\n<DeskTop>\\TurnPixa.lnk\r\n\r\n\r\n\r\n'
  printf '[RunFile]\r\n<Destination>\\turnpixa\r\n\r\nOptional - Run TurnPixa now\r\n'
} >"$work/Setup.dat"
licence=()
if [[ -f "$stage/license.txt" ]]; then
  cp "$stage/license.txt" "$work/Setup.lic"
  licence=("$work/Setup.lic")
fi

# The new installer starts as a copy of the stub; each run adds one entry.
cp "$packer" "$output.tmp"
for f in "$work/Setup.dat" "${licence[@]}" "${copies[@]/#/$entries/}"; do
  [[ -f "$f" ]] || continue
  "$packer" "<packthis>\"$f\"" "<packto>\"$output.tmp\""
done
chmod 0755 "$output.tmp"
mv "$output.tmp" "$output"
