#!/usr/bin/env bash
# The Windows k60tool.exe under Wine: a program download and a 1,000-record collection through
# a COM port that the Wine prefix maps to a pty, against the native peer paced at 115200
# bit/s on the other end (socat joins the two ptys). A manual run, not a test.
#
#   bench/wine_bench.sh NATIVE_K60TOOL K60TOOL_EXE [RUNS]
#
# The times come from k60tool's own -v log, from "opened" to "closed": Wine's start-up, which
# is longer than what is measured, is left out. The wire-time bound counts the bytes that the
# log shows crossing the line, both directions, 10 bits a byte.
set -euo pipefail

k60tool=$(realpath "$1")
exe=$(realpath "$2")
runs=${3:-3}
baud=115200

WORK=$(mktemp -d "${TMPDIR:-/tmp}/k60_wine_bench.XXXXXX")
export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all
SOCAT=""
cleanup() {
  [[ -n "$SOCAT" ]] && kill "$SOCAT" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

wineboot -i >/dev/null 2>&1
wine cmd /c exit >/dev/null 2>&1 || true
socat pty,raw,echo=0,link="$WORK/pc" pty,raw,echo=0,link="$WORK/term" 2>/dev/null &
SOCAT=$!
for _ in $(seq 100); do [[ -e "$WORK/pc" && -e "$WORK/term" ]] && break; sleep 0.05; done
wine reg add 'HKLM\Software\Wine\Ports' /v COM7 /d "$WORK/pc" /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true

"$k60tool" new -o "$WORK/t.ATX"
for i in $(seq 0 999); do printf 'record %-33s\n' "$i" | tr ' ' x | cut -c1-40; done >"$WORK/records.txt"

# measure NAME PEER_OPTIONS -- K60TOOL_ARGS: one run; prints "wall_ms wire_ms".
measure() {
  local peer_args=() tool_args=()
  while [[ $1 != -- ]]; do peer_args+=("$1"); shift; done
  shift
  tool_args=("$@")
  "$k60tool" peer --port "$WORK/term" --baud "$baud" --pace --count 1 --timeout 30 "${peer_args[@]}" \
    >"$WORK/peer.log" 2>&1 &
  local peer=$!
  sleep 0.3
  wine "$exe" "${tool_args[@]}" --port COM7 --baud "$baud" -v 2>"$WORK/tool.log" >/dev/null || true
  wait "$peer" || true
  awk -v baud="$baud" '
    / opened /   { t0 = $1 }
    / closed/    { t1 = $1 }
    / sent (again )?[0-9]+ bytes/ { for (i = 1; i <= NF; ++i) if ($i == "bytes:") bytes += $(i - 1) }
    / received [0-9]+ bytes/      { for (i = 1; i <= NF; ++i) if ($i == "bytes:") bytes += $(i - 1) }
    END { printf "%.1f %.1f\n", (t1 - t0) * 1000, bytes * 10 * 1000 / baud }' "$WORK/tool.log"
}

report() {
  local name=$1
  shift
  local total_wall=0 wire=0
  for _ in $(seq "$runs"); do
    read -r wall wire < <(measure "$@")
    total_wall=$(awk -v a="$total_wall" -v b="$wall" 'BEGIN { print a + b }')
  done
  awk -v n="$name" -v w="$total_wall" -v r="$runs" -v x="$wire" \
    'BEGIN { printf "%-22s wire_ms=%8.1f  wall_ms=%8.1f  wall/wire=%.3f\n", n, x, w / r, w / r / x }'
}

# k60tool.exe takes Windows paths: a leading "/" would read as an option.
win=$(winepath -w "$WORK")
report "download (wine)" --mode program -- download "$win\\t.ATX"
report "collection (wine)" --records "$WORK/records.txt" -- collect -o "$win\\out.txt"
