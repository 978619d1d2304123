#!/usr/bin/env bash
# On the current DISPLAY (normally a bare Xvfb): starts k60gen.exe on a Wine virtual desktop,
# saves screenshots, then closes the program with Alt+F4.
#   OUT.png        the program as started
#   OUT-menu.png   the command menu opened by a right-click
#   OUT-about.png  the About box chosen from that menu
#
#   scripts/screenshot.sh PATH/k60gen.exe OUT.png
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
out=$2
title='应用程序产生器'
size=$(xdpyinfo 2>/dev/null | awk '/dimensions:/ {print $2}' || true)
size=${size:-1024x768}

# Wine's virtual desktop: without a window manager, dialogs would get neither captions nor
# keyboard focus; on the desktop Wine draws and focuses its windows itself. Wine sees the
# Unix root as drive Z:.
export K60_WINEPREFIX="${K60_WINEPREFIX:-$(dirname "$exe")/wineprefix}"
"$here/wine-run.sh" explorer "/desktop=K60,$size" "Z:${exe//\//\\}" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# A fresh prefix may take a while for its first window; give up after a minute.
window=
for _ in $(seq 1 120); do
  window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
  [[ -n "$window" ]] && break
  kill -0 "$pid" 2>/dev/null || { echo "screenshot: the program ended early" >&2; exit 1; }
  sleep 0.5
done
if [[ -z "$window" ]]; then
  echo "screenshot: no window titled $title appeared" >&2
  exit 1
fi

shot() { sleep 1; import -window root "$1"; }

shot "$out"
xdotool mousemove --window "$window" --sync 40 120 click 3
shot "${out%.png}-menu.png"
xdotool key Up Up Return  # About is the last item but one
shot "${out%.png}-about.png"
xdotool key Return

xdotool key alt+F4
for _ in $(seq 1 20); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.25
done
if kill -0 "$pid" 2>/dev/null; then
  echo "screenshot: the program did not close on Alt+F4; stopping it" >&2
  kill "$pid"
fi
wait "$pid" 2>/dev/null || true
trap - EXIT
