#!/usr/bin/env bash
# Sets everything up, builds, and starts the program with the shipped dictionary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build="${DLX_BUILD_DIR:-build}"
if [ -x "$build/bin/dualexicon" ] && [ "$#" -eq 0 ]; then
    exec "$build/bin/dualexicon"
fi
# Without a desktop program yet (or with arguments): the command-line translator on the sample text.
if [ "$#" -eq 0 ]; then set -- data/sample.txt; fi
exec "$build/bin/dualexicon-translate" "$@"
