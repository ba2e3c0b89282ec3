#!/usr/bin/env bash
# Installs what is missing, builds and starts the simulator.  It runs in build/help, where the
# build put the help documents that its menus open; the results file is written there too.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh trelvix help_documents # only the program and its help documents
cd build/help
exec ../shell/trelvix
