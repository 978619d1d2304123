#!/usr/bin/env bash
# On the current DISPLAY (normally a bare Xvfb): starts k60gen.exe on a Wine virtual desktop,
# saves screenshots, then closes the program with Alt+F4.
#   OUT.png        the program as started: the simulated main page with its clock
#   OUT-menu.png   the command menu opened by a right-click
#   OUT-about.png  the About box chosen from that menu
#   OUT-form-page.png, OUT-menu-page.png, OUT-settings.png ... the property sheet (Edit)
#                  on its pages and the dialogs their buttons open, one OUT-NAME.png each
#                  (only when the build tree holds k60_show_editor.exe, which opens them)
#   OUT-csv-lookup.png the lookup file download of a CSV file: the dialog that asks which
#                  lookup's layout builds the lookup file
#   OUT-form.png   the example application opened with Ctrl+O and run on the simulator: a
#                  form with typed data and the cursor, and
#   OUT-scan.png   the same form after a barcode scan typed on the PC keyboard (both only
#                  when the build tree holds k60tool.exe, which writes the example)
#
#   scripts/screenshot.sh PATH/k60gen.exe OUT.png
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
out=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
title='应用程序产生器'
size=$(xdpyinfo 2>/dev/null | awk '/dimensions:/ {print $2}' || true)
size=${size:-1024x768}

# Wine's virtual desktop: without a window manager, dialogs would get neither captions nor
# keyboard focus; on the desktop Wine draws and focuses its windows itself. Wine sees the
# Unix root as drive Z:.
export K60_WINEPREFIX="${K60_WINEPREFIX:-$(dirname "$exe")/wineprefix}"
winpath() { local p=${1//\//\\}; echo "Z:$p"; }

example=
tool=$(dirname "$exe")/tools/k60tool/k60tool.exe
if [[ -f "$tool" ]]; then
  example=$(dirname "$out")/example.ATX
  "$here/wine-run.sh" "$tool" new --example -o "$(winpath "$example")"
fi

"$here/wine-run.sh" explorer "/desktop=K60,$size" "$(winpath "$exe")" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# Waits up to a minute (a fresh prefix is slow) for a visible window whose name matches.
wait_window() {
  local w
  for _ in $(seq 1 120); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [[ -n "$w" ]] && { echo "$w"; return 0; }
    kill -0 "$pid" 2>/dev/null || { echo "screenshot: the program ended early" >&2; return 1; }
    sleep 0.5
  done
  echo "screenshot: no window named $1 appeared" >&2
  return 1
}

window=$(wait_window "^$title\$")
shot() { sleep 1; import -window root "$1"; }

# Key k of the picture, clicked at its middle: the upper keys 1..12 are 32 x 20 on a
# 45 x 28 grid from (30, 235), the lower keys 13..20 are 23 x 15 on a 31 x 23 grid from (33, 347).
press_key() {
  local k=$1 x y
  if (( k <= 12 )); then
    x=$(( 30 + 45 * ((k - 1) % 3) + 15 )); y=$(( 235 + 28 * ((k - 1) / 3) + 9 ))
  else
    x=$(( 33 + 31 * ((k - 13) % 4) + 11 )); y=$(( 347 + 23 * ((k - 13) / 4) + 7 ))
  fi
  xdotool mousemove --window "$window" --sync "$x" "$y" click 1
  sleep 0.2
}

shot "$out"
xdotool mousemove --window "$window" --sync 40 120 click 3
shot "${out%.png}-menu.png"
xdotool key Up Up Return  # About is the last item but one
shot "${out%.png}-about.png"
xdotool key Return

# The property sheet's pages and the dialogs their buttons open; a helper of the build opens
# them (the controls inside a Wine window are out of xdotool's reach). Esc closes a dialog,
# and at the end the sheet, storing nothing.
editor=$(dirname "$exe")/tests/win32/k60_show_editor.exe
# show_editor NAME ARGS...: runs the helper on the program's own desktop (windows of another
# desktop are out of its reach), then saves OUT-NAME.png.
show_editor() {
  local name=$1; shift
  "$here/wine-run.sh" explorer "/desktop=K60,$size" "$(winpath "$editor")" "$@"
  shot "${out%.png}-$name.png"
}
close_dialog() { xdotool key Escape; sleep 0.5; }
if [[ -f "$editor" ]]; then
  show_editor form-page page 0
  show_editor form-advance click 201   # line 1's 更多... (AdvanceDlg)
  close_dialog
  # From 名称, which has the focus, seven Tabs reach line 1's data type and seven Downs
  # choose 索引 (7): its 更多... opens LookupAdvanceDlg.
  xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Tab Down Down Down Down Down Down Down
  show_editor form-lookup click 201
  close_dialog
  show_editor menu-page page 1
  show_editor lookup-page page 2
  show_editor settings page 4
  show_editor wedge click 201   # the keyboard wedge button
  close_dialog
  show_editor barcode page 3
  show_editor code39 click 201    # the symbology dialogs' buttons
  close_dialog
  show_editor codabar click 207
  close_dialog
  show_editor industrial25 click 204
  close_dialog
  show_editor startup page 5
  show_editor prompt15 click 202   # the main menu's prompt dialog: 15-byte lines
  close_dialog
  show_editor prompt20 click 203   # the utility menu's: 20-byte lines
  close_dialog
  close_dialog  # the sheet
fi

# "下载索引文件" > "通过RS-232或IrDA..." with a CSV file: the dialog that picks the lookup.
csv=$(dirname "$out")/products.csv
printf 'code,name\r\nA001,apple\r\n' >"$csv"
xdotool mousemove --window "$window" --sync 40 120 click 3
sleep 0.5
xdotool key Up Up Up Up Right Return
sleep 1
xdotool type --delay 20 "$(winpath "$csv")"
xdotool key Return
shot "${out%.png}-csv-lookup.png"
close_dialog

if [[ -n "$example" ]]; then
  # A click on the housing (no key) gives the program the keyboard; then Ctrl+O.
  xdotool mousemove --window "$window" --sync 90 20 click 1
  xdotool key ctrl+o
  sleep 1
  xdotool type --delay 20 "$(winpath "$example")"
  xdotool key Return
  sleep 1
  # A successful Open shows the property sheet; Esc cancels it.
  xdotool key Escape
  sleep 0.5
  # The key labelled 1 starts the application (its menu), again opens form 1; then 1, 2, 3.
  for k in 7 7 7 8 9; do press_key "$k"; done
  xdotool mousemove --window "$window" --sync 170 390
  shot "${out%.png}-form.png"
  # From the PC keyboard: BS three times, then a barcode scanner's burst (a character every
  # 5 ms, ended by Enter) fills the item number and moves on to the quantity.
  xdotool key BackSpace BackSpace BackSpace
  sleep 0.2
  xdotool type --delay 5 $'6901234567892\n'
  shot "${out%.png}-scan.png"
fi

xdotool mousemove --window "$window" --sync 90 20 click 1
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
