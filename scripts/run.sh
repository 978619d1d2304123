#!/usr/bin/env bash
# Builds k60gen.exe and starts it under Wine.
# With a DISPLAY the program simply runs. Without one it runs on a virtual screen just long
# enough for screenshots in build/windows/screenshots/ (see scripts/screenshots.sh), then it
# is closed again.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --preset windows
cmake --build --preset windows --target k60gen k60tool k60_show_editor

exe=build/windows/k60gen.exe
if [[ -n "${DISPLAY:-}" ]]; then
  exec scripts/wine-run.sh "$exe" "$@"
fi

exec scripts/screenshots.sh
