#!/usr/bin/env bash
# Installs what is missing, runs the whole test suite under the sanitizers, fuzzes every fuzz
# target for a bounded time, then builds normally and runs the test suite.  ctest's summary of
# the normal build closes the output, since CI reads the closing lines.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --test
tools/sanitize.sh
tools/fuzz.sh
tools/build.sh
cd build
ctest --output-on-failure
