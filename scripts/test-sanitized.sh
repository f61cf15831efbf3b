#!/usr/bin/env bash
# Builds the project with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitized/ and runs every test there. Assumes scripts/install-deps.sh
# has run (scripts/test.sh runs it first).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitized -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHOSHI_SANITIZE=ON
cmake --build build-sanitized -j2
# Leaks are not judged: Qt and fontconfig keep caches for the process's life.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitized --output-on-failure -j2 --timeout 1200
