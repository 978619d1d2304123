#!/bin/bash
# End-to-end: a collection whose terminal delivers a record late and then damages the next,
# with a terminal that keeps the answers it gets while sending and with one that drops them;
# and Ctrl+C stopping a collection.
# Usage: late_line.sh PATH/TO/k60tool
set -u
K60TOOL=$(realpath "$1")
. "$(dirname "$0")/e2e_lib.sh"
cd "$WORK" || exit 1
printf 'r0\nr1\nr2\n' >records.txt
printf 'r0\r\nr1\r\nr2\r\n' >expected.txt

for answers in keep drop; do
  printf 'old\r\n' >"$answers.txt"
  pair "$answers"
  peer "$answers" --once --records records.txt --late-record 1 --corrupt-record 2 --answers-while-sending "$answers"
  "$K60TOOL" collect --port "$answers.pc" -o "$answers.txt" </dev/null >"$answers.out" 2>"$answers.err"
  check "$answers: collect ends with status 0" test $? -eq 0
  check "$answers: every record arrived exactly once" cmp -s "$answers.txt" expected.txt
  check "$answers: it reports 3 records" grep -q 'Done : 3 records received.' "$answers.err"
  wait "$PEER_PID"
  check "$answers: the peer served 3 records" grep -q 'records served): 3' "$answers.peer"
done

# Ctrl+C during a collection from a terminal that has gone quiet: the collection stops at its
# next wait, says so, and leaves the file that was there.
printf 'keep me\r\n' >kept.txt
pair quiet
peer quiet --silent
"$K60TOOL" collect --port quiet.pc -o kept.txt </dev/null >quiet.out 2>quiet.err &
COLLECT=$!
sleep 1
kill -INT "$COLLECT"
wait "$COLLECT"
check "Ctrl+C ends collect with status 1" test $? -eq 1
check "it says the transfer was cancelled" grep -q '传输已取消!' quiet.err
check "the file already there is untouched" test "$(cat kept.txt)" = $'keep me\r'
check "no temporary file is left" bash -c "test \$(ls | grep -c '^kept') -eq 1"

finish
