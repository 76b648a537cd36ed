#!/usr/bin/env bash
# The whole test suite: installs what is missing, checks the formatting,
# builds with warnings as errors, runs every test, then runs the core tests again under
# AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --test
tools/check-format.sh

jobs=$(nproc)
cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

cmake --preset asan-ubsan
cmake --build --preset asan-ubsan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --preset asan-ubsan -j "$jobs" -L core
