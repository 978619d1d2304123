#!/bin/bash
# End-to-end: k60tool watch collecting from several cradles at once, a cradle unplugged and
# plugged in again, and SIGTERM in the middle of a collection.
# Usage: watch.sh PATH/TO/k60tool
set -u
K60TOOL=$(realpath "$1")
. "$(dirname "$0")/e2e_lib.sh"
cd "$WORK" || exit 1
mkdir a b
for t in A:5 B:7 C:3; do seq -f "${t%:*}-%03g" "${t#*:}" >"$(echo "${t%:*}" | tr A-C a-c).rec"; done
seq 120 | awk '{ printf "D-%03d;%040d\n", $1, $1 }' >d.rec

# one_file DIR PREFIX RECORDS: exactly one .TXT file named PREFIX..., holding each record once.
one_file() { test "$(ls "$1"/"$2"*.TXT 2>/dev/null | wc -l)" -eq 1 && diff <(tr -d '\r' <"$1"/"$2"*.TXT) "$3"; }
no_temporary() { test -z "$(ls -A "$1" | grep -v '\.TXT$')"; }

# Terminal a answers only the fourth poll; terminal b falls silent before its third record in
# its first collection. Cradle c is unplugged while watched and plugged in again; port none
# never exists.
for p in a b c; do pair $p; done
SOCAT_C=${PIDS[-1]}
peer a --once --records a.rec --ignore-reads 3
peer b --once --records b.rec --stall-at-record 2
"$K60TOOL" watch --port a.pc --port b.pc --port c.pc --port none.pc --dir a --interval 0.5 \
  --log watch.log 2>watch.err &
WATCH=$!
PIDS+=($WATCH)
wait_for watch.log "c.pc: 端口已打开"
kill "$SOCAT_C"
wait_for watch.log "c.pc: 端口已断开" || sleep 5
pair c
peer c --once --records c.rec
for _ in $(seq 600); do
  [ "$(ls a/*.TXT 2>/dev/null | wc -l)" -ge 3 ] && break
  sleep 0.05
done
sleep 1.5  # a terminal served twice would show by now
kill -TERM "$WATCH"
wait "$WATCH"
check "watch ends with status 0 on SIGTERM" test $? -eq 0
check "terminal a: one complete file, each record once" one_file a a.pc- a.rec
check "terminal b: one complete file, each record once" one_file a b.pc- b.rec
check "cradle c, plugged in again: one complete file" one_file a c.pc- c.rec
check "no temporary file is left" no_temporary a
check "b's failed collection was reported" grep -q 'b.pc: 收集失败，数据仍在终端中' watch.err
check "c's loss was reported once" test "$(grep -c 'c.pc: 端口已断开' watch.err)" -eq 1
check "c was opened again" test "$(grep -c 'c.pc: 端口已打开' watch.err)" -eq 2
check "the missing port was reported once" test "$(grep -c 'none.pc: 打开COM端口失败' watch.err)" -eq 1
check "the log file holds the same lines" diff watch.log watch.err

# SIGTERM during a collection: with the terminal still sending, the collection ends and its
# file is written; with the terminal gone quiet, the collection's time-outs end it and
# nothing is written.
for p in d e; do pair $p && peer $p --once --records d.rec --pace --baud 9600; done
QUIET_PEER=$PEER_PID
"$K60TOOL" watch --port d.pc --dir a --baud 9600 2>d.err &
FINISHES=$!
"$K60TOOL" watch --port e.pc --dir b --baud 9600 2>e.err &
GIVES_UP=$!
wait_for d.err "开始收集数据" && wait_for e.err "开始收集数据"
kill -STOP "$QUIET_PEER"
kill -TERM "$FINISHES" "$GIVES_UP"
STOPPED=$SECONDS
wait "$GIVES_UP"
check "a watch whose terminal fell quiet ends with status 0" test $? -eq 0
check "... within the collection's time-outs" test $((SECONDS - STOPPED)) -le 8
check "... and leaves no file" test -z "$(ls -A b)"
wait "$FINISHES"
check "a watch whose terminal kept sending ends with status 0" test $? -eq 0
check "... after writing the whole collection" one_file a d.pc- d.rec
check "... and no temporary file" no_temporary a
kill -CONT "$QUIET_PEER"

# Nothing to watch.
"$K60TOOL" watch --port none.pc --dir a 2>none.err
check "a watch none of whose ports opens ends with status 1" test $? -eq 1
check "it says so" grep -q '没有可以打开的端口 (none of the ports could be opened)' none.err
"$K60TOOL" watch --port a.pc --dir missing 2>nodir.err
check "a missing --dir ends with status 1" test $? -eq 1
finish
