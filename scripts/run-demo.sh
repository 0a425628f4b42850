#!/usr/bin/env bash
# Builds the release tree and runs the simulator on the demo project, started the way the design tool
# starts it: a hand-off file "Temp.dat" next to the program names the project, model 0 (an 800 x 600
# panel), offline. With a display the panel opens in a window; without one it runs headless for a few
# seconds and writes a screenshot of the panel, whose path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
run=$PWD/build/default/run
printf '%s\r\n01\r\n' "$run/demo/demo.pnl" > "$run/Temp.dat"
cd "$run"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    exec ./hmisim
fi
shot=$run/demo-panel.png
script=$(mktemp)
trap 'rm -f "$script"' EXIT
printf 'wait 3000\nscreenshot %s\n' "$shot" > "$script"
./hmisim --headless --script "$script"
echo "$shot"
