#!/usr/bin/env bash
# Sets up, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
# The printing tests print through the system's print service to a PDF queue.
bash scripts/start-cups.sh
ctest --test-dir build --output-on-failure -j2
