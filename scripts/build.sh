#!/usr/bin/env bash
# Configures and builds everything into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Configure every time: subsystem, test and benchmark folders are found when configuring.
cmake --preset default > /dev/null
cmake --build --preset default
