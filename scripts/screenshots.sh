#!/usr/bin/env bash
# Screenshots of the built program under Wine on a virtual screen, for a person to look at:
# build/windows/screenshots/run.png (main page), run-menu.png (command menu), run-about.png
# (About box), run-form.png (a form with typed data). Fails when one of them was not made.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

shots=build/windows/screenshots
rm -rf "$shots"
mkdir -p "$shots"
xvfb-run -a -s "-screen 0 1024x768x24" scripts/screenshot.sh build/windows/k60gen.exe "$shots/run.png"
for name in run run-menu run-about run-form; do
  [[ -s "$shots/$name.png" ]] || { echo "screenshots: $shots/$name.png was not made" >&2; exit 1; }
done
echo "Screenshots in $PWD/$shots: run.png, run-menu.png, run-about.png, run-form.png"
