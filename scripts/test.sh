#!/usr/bin/env bash
# Sets everything up, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build="${DLX_BUILD_DIR:-build}"
ctest --test-dir "$build" --output-on-failure -j"${DLX_JOBS:-2}" "$@"
