#!/usr/bin/env bash
# Builds k60gen.exe and starts it under Wine.
# With a DISPLAY the program simply runs. Without one it runs on a virtual screen just long
# enough for screenshots in build/windows/screenshots/ (run.png, run-menu.png, run-about.png),
# then it is closed again.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --preset windows
cmake --build --preset windows --target k60gen

exe=build/windows/k60gen.exe
if [[ -n "${DISPLAY:-}" ]]; then
  exec scripts/wine-run.sh "$exe" "$@"
fi

shots=build/windows/screenshots
mkdir -p "$shots"
xvfb-run -a -s "-screen 0 1024x768x24" scripts/screenshot.sh "$exe" "$shots/run.png"
echo "Screenshots in $PWD/$shots: run.png (the program), run-menu.png (command menu), run-about.png (About box)"
