#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what .clang-format makes of it.
# tools/check-format.sh --fix formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--fix" ]]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run -Werror "${files[@]}" 2>/tmp/turnpixa-format.$$; then
  grep -E '^[^ ].*: (error|warning):' /tmp/turnpixa-format.$$ | cut -d: -f1 | sort -u |
    sed 's/^/needs clang-format: /' >&2
  rm -f /tmp/turnpixa-format.$$
  echo "Run tools/check-format.sh --fix" >&2
  exit 1
fi
rm -f /tmp/turnpixa-format.$$
