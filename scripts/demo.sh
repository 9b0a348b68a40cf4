#!/usr/bin/env bash
# Builds everything, registers the add-in and opens the environment on the demo project with
# the add-in loaded.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
build/lib/tolvar/tolvar # registers the add-in's class and its VB.INI entry
if [ -x build/bin/vbhost ]; then
    exec build/bin/vbhost examples/Demo/Demo.vbp --addin VantixTolvarAddIn.connect "$@"
fi
echo "The add-in is built and registered (see VB.INI and CLASSES.INI in the Windows directory)."
