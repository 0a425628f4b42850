#!/usr/bin/env bash
# Builds the release tree and shows the bundled demo project: for now page 0 of the demo drawing is
# rendered to a PNG, whose path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
out=$PWD/build/demo-page0.png
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} build/default/run/pnl render demo/demo.pnl 0 "$out"
echo "$out"
