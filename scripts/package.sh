#!/usr/bin/env bash
# Installs what is missing, makes the release build and its Debian package, prints the package.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
cpack --preset release | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p'
