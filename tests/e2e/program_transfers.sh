#!/bin/bash
# End-to-end under Wine: k60gen.exe itself, worked from outside by the driver program, opens
# the example template, downloads it, downloads a lookup file and collects the records
# (a second time through the IR transceiver) over COM1, which the Wine prefix maps to one
# end of a pty pair; `k60tool peer` (Linux) plays the terminal on the other end. Checks that
# the peer got exactly `k60tool image` of the template and the lookup file, and that the
# collected files hold exactly the peer's records; then k60tool.exe watch collects them
# once more on the same port. Screenshots of the progress window and
# the counter box go to BUILD/screenshots/.
# Usage: program_transfers.sh PATH/TO/k60tool PATH/TO/k60_drive_k60gen.exe PATH/TO/k60gen.exe BUILD_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -x "$1" ]; then
  echo "no Linux k60tool at $1: build the native preset first (scripts/test.sh does)" >&2
  exit 1
fi
K60TOOL=$(realpath "$1")
DRIVER=$(realpath "$2")
K60GEN=$(realpath "$3")
BUILD=$(realpath "$4")
WINE_RUN="$here/../../scripts/wine-run.sh"
export WINEPREFIX="$BUILD/wineprefix" K60_WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all
. "$here/e2e_lib.sh"
cd "$WORK" || exit 1
SHOTS="$BUILD/screenshots"
mkdir -p "$SHOTS"

# The example application on COM1 at 115200; its image as a download sends it.
"$K60TOOL" new --example -o example.atx
"$K60TOOL" image example.atx -o expected.bin
printf '123\r\nABC\r\n\r\n\xd6\xd0\xce\xc4 \xb2\xe2\xca\xd4\r\n' >lookup.txt
for i in $(seq 0 149); do printf 'REC%03d,4711,\xb2\xe2 data\r\n' "$i"; done >records.txt

pair link
# COM1 on the PC end: the registry value is read when the Wine server starts.
"$WINE_RUN" reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$WORK/link.pc" /f >/dev/null 2>&1
wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
restore_port() {
  "$WINE_RUN" reg delete 'HKLM\Software\Wine\Ports' /v COM1 /f >/dev/null 2>&1
  wineserver -k 2>/dev/null
}
# Also when the script is stopped: COM1 must not stay pointed at a pty that is gone.
trap 'restore_port; cleanup' EXIT

# Paced at 9600 bit/s, so that the windows stay up long enough to be photographed.
# The peer also plays the IR transceiver, for the last command.
peer link --count 4 --ir --baud 9600 --pace --image-out got.bin --lookup-out got.txt --records records.txt

# shoot NAME WINDOW-TITLE: once a window of that title is up, a picture of the screen.
shoot() {
  local i
  for i in $(seq 600); do
    if xdotool search --name "$2" >/dev/null 2>&1; then
      sleep 1.5
      import -window root "$SHOTS/$1.png" 2>/dev/null && echo "screenshot $SHOTS/$1.png"
      return 0
    fi
    sleep 0.1
  done
  echo "no window named $2 appeared" >&2
}
(shoot transfer-progress '进行中'; shoot transfer-counter '接收到的数据') &
SHOOTER=$!
PIDS+=($SHOOTER)

windows_path() { echo "Z:$(echo "$1" | tr / '\\')"; }
K60_WINE_TIMEOUT=180 "$WINE_RUN" "$DRIVER" "$(windows_path "$K60GEN")" "$(windows_path "$WORK")" >e2e.out 2>&1
status=$?
cat e2e.out
check "the program's commands ran as a user would see them" test $status -eq 0
wait "$PEER_PID"
kill "$SHOOTER" 2>/dev/null; wait "$SHOOTER" 2>/dev/null
check "the peer's image equals k60tool image" cmp -s got.bin expected.bin
check "the lookup lines arrive unchanged" cmp -s got.txt lookup.txt
check "the collected file holds exactly the peer's records" cmp -s "collected data.TXT" records.txt
check "so does the one collected through the IR transceiver" cmp -s collected_ir.TXT records.txt
check "the IR transceiver was commanded to 115200" grep -q 'commanded to 115200' link.peer
check "the screenshots were taken" test -s "$SHOTS/transfer-progress.png" -a -s "$SHOTS/transfer-counter.png"

# k60tool.exe watch on the same COM1, with a terminal that answers its second poll.
peer link --once --ignore-reads 1 --records records.txt
mkdir watched
K60_WINE_TIMEOUT=60 "$WINE_RUN" "$(dirname "$K60GEN")/tools/k60tool/k60tool.exe" watch --port COM1 \
  --dir "$(windows_path "$WORK/watched")" --interval 0.5 --once 2>watch.err
check "k60tool.exe watch ends with status 0 after its collection" test $? -eq 0
check "its one file is named for COM1 and holds exactly the peer's records" \
  bash -c 'test "$(ls -A watched)" = "$(ls watched/COM1-*.TXT | xargs -n1 basename)" && cmp -s watched/COM1-*.TXT records.txt'
restore_port  # here too: finish() drops the exit trap when a check failed
finish
