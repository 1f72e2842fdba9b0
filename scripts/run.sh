#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [ -x build/release/app/startup/plx ]; then
  exec build/release/app/startup/plx "$@"
fi
exec build/release/cli/plxcal day "$@"
