#!/usr/bin/env bash
# Screenshots of the built program under Wine on a virtual screen, for a person to look at,
# added to build/windows/screenshots/ beside those the Windows tests took: run.png (main
# page), run-menu.png (command menu), run-about.png (About box), run-settings.png (the
# property sheet's settings page), run-wedge.png (the keyboard wedge dialog), run-form.png
# (a form with typed data), run-scan.png (the form after a barcode scan). Fails when one of them was not made; ends by listing every
# screenshot of the directory.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

shots=build/windows/screenshots
mkdir -p "$shots"
names=(run run-menu run-about run-settings run-wedge run-form run-scan)
for name in "${names[@]}"; do rm -f "$shots/$name.png"; done
xvfb-run -a -s "-screen 0 1024x768x24" scripts/screenshot.sh build/windows/k60gen.exe "$shots/run.png"
for name in "${names[@]}"; do
  [[ -s "$shots/$name.png" ]] || { echo "screenshots: $shots/$name.png was not made" >&2; exit 1; }
done
echo "Screenshots in $PWD/$shots:"
(cd "$shots" && ls -1 ./*.png | sed 's|^\./|  |')
