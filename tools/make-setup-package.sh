#!/usr/bin/env bash
# Builds the TurnPixa installer package from a build folder with the
# installer's own packing mode:
#   tools/make-setup-package.sh BUILD_DIR OUTPUT [PROGRAM]
# BUILD_DIR holds installer/setup-turnpixa and installer/lzma (built side by
# side) and, unless PROGRAM is given, app/turnpixa. OUTPUT is the new
# installer: the stub followed by the script, licence, help pages and program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [[ $# -lt 2 || $# -gt 3 ]]; then
  echo "usage: $0 BUILD_DIR OUTPUT [PROGRAM]" >&2
  exit 2
fi
build="$(cd "$1" && pwd)"
output="$2"
program="${3:-$build/app/turnpixa}"
packer="$build/installer/setup-turnpixa"
for f in "$packer" "$build/installer/lzma" "$program"; do
  [[ -f "$f" ]] || { echo "$0: missing $f" >&2; exit 1; }
done
version="$(sed -n 's/^TURNPIXA_SPECIAL_BUILD:[A-Z]*=//p' "$build/CMakeCache.txt")"
version="${version:-1.032}"

stage="$(mktemp -d "${TMPDIR:-/tmp}/turnpixa-package.XXXXXX")"
trap 'rm -rf "$stage"' EXIT

# Entries are named "NN - file" so that names stay unique in the package.
n=10
copies=()
add_copy() {  # source, destination below <Destination>
  local entry="$n - $(basename "$1")"
  cp "$1" "$stage/$entry"
  copies+=("$entry" "$2")
  n=$((n + 1))
}
add_copy "$root/installer/package/license.txt" 'license.txt'
for page in "$root"/resources/help/*; do
  add_copy "$page" "TurnPixa-help\\$(basename "$page")"
done
add_copy "$program" 'turnpixa'
cp "$root/installer/package/license.txt" "$stage/Setup.lic"

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
} >"$stage/Setup.dat"

# The new installer starts as a copy of the stub; each run adds one entry.
cp "$packer" "$output.tmp"
for f in "$stage/Setup.dat" "$stage/Setup.lic" "${copies[@]/#/$stage/}"; do
  [[ -f "$f" ]] || continue
  "$packer" "<packthis>\"$f\"" "<packto>\"$output.tmp\""
done
chmod 0755 "$output.tmp"
mv "$output.tmp" "$output"
