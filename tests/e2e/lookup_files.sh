#!/bin/bash
# End-to-end: a lookup file built from a spreadsheet's CSV with k60tool lookup-file and sent
# with k60tool lookup to k60tool peer, which receives exactly its lines.
# Usage: lookup_files.sh PATH/TO/k60tool
set -u
K60TOOL=$(realpath "$1")
. "$(dirname "$0")/e2e_lib.sh"
cd "$WORK" || exit 1

# A template whose lookup 1 (the record at file offset 8545) has a member of 20 bytes: a code
# at 1..6, a name at 8..17, a count at 19..20.
"$K60TOOL" new -o t.atx
printf '\024\003\000\001\010\023\001\001\001\001\001\006\012\002\000\000\000\000\000' |
  dd of=t.atx bs=1 seek=8545 conv=notrunc status=none

# As a spreadsheet saves it on a Chinese system: GB2312, CR LF, a header row, a quoted name
# with the delimiter in it, a quote doubled, an empty count.
printf 'code,name,qty\r\nA001,"\xc6\xbb\xb9\xfb, \xba\xec",12\r\n"B""2",\xc0\xe6,\r\n' >stock.csv
# Worked out by hand from lookup 1's layout.
printf 'A001   \xc6\xbb\xb9\xfb, \xba\xec   12\r\nB"2    \xc0\xe6           \r\n' >expected.txt

"$K60TOOL" lookup-file --template t.atx --lookup 1 --header stock.csv -o stock.txt 2>build.err
check "lookup-file ends with status 0" test $? -eq 0
check "the built file is the one worked out by hand" cmp -s stock.txt expected.txt

pair link
peer link --once --lookup-out got.txt
"$K60TOOL" lookup --port link.pc stock.txt </dev/null 2>lookup.err
check "lookup of the built file ends with status 0" test $? -eq 0
wait "$PEER_PID"
check "the peer receives exactly its lines" cmp -s got.txt expected.txt

finish
