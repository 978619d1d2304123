#!/bin/bash
# End-to-end: a lookup file built from a spreadsheet's CSV with k60tool lookup-file, checked
# with lookup-check and sent with k60tool lookup to k60tool peer, which receives its lines.
# Usage: lookup_files.sh PATH/TO/k60tool
set -u
K60TOOL=$(realpath "$1")
. "$(dirname "$0")/e2e_lib.sh"
cd "$WORK" || exit 1

# send_lookup NAME FILE EXPECTED: k60tool lookup sends FILE to a peer, which must receive the
# lines of EXPECTED (it writes them with CR LF).
send_lookup() {
  pair "$1"
  peer "$1" --once --lookup-out "got_$1.txt"
  "$K60TOOL" lookup --port "$1.pc" "$2" </dev/null 2>"$1.err"
  check "lookup of $2 ends with status 0" test $? -eq 0
  wait "$PEER_PID"
  check "the peer receives exactly the lines of $2" cmp -s "got_$1.txt" "$3"
}

# A template with two lookups (records at file offset 8545, 19 bytes each; separators at 10498).
# Lookup 1: member 20, a code at 1..6, a name at 8..17, a count at 19..20.
# Lookup 2: a code of up to 6 and a name of up to 20 bytes, separated by ','.
"$K60TOOL" new -o t.atx
printf '\024\003\000\001\010\023\001\001\001\001\001\006\012\002\000\000\000\000\000' |
  dd of=t.atx bs=1 seek=8545 conv=notrunc status=none
printf '\000\002\000\001\001\001\001\001\001\001\001\006\024\000\000\000\000\000\000' |
  dd of=t.atx bs=1 seek=8564 conv=notrunc status=none
printf ',' | dd of=t.atx bs=1 seek=10499 conv=notrunc status=none

# As a spreadsheet saves it on a Chinese system: GB2312, CR LF, a header row, a quoted name
# with the delimiter in it, a quote doubled, an empty count.
printf 'code,name,qty\r\nA001,"\xc6\xbb\xb9\xfb, \xba\xec",12\r\n"B""2",\xc0\xe6,\r\n' >stock.csv
# Worked out by hand from lookup 1's layout.
printf 'A001   \xc6\xbb\xb9\xfb, \xba\xec   12\r\nB"2    \xc0\xe6           \r\n' >expected_fixed.txt

"$K60TOOL" lookup-file --template t.atx --lookup 1 --header stock.csv -o stock.txt 2>build.err
check "lookup-file ends with status 0" test $? -eq 0
check "the built file is the one worked out by hand" cmp -s stock.txt expected_fixed.txt
check "lookup-file says what it built" grep -q '索引文件已生成! (lookup file built by lookup 1: 2 lines, 44 bytes)' build.err
"$K60TOOL" lookup-check --template t.atx --lookup 1 stock.txt 2>check.err
check "the built file matches its lookup" test $? -eq 0

send_lookup fixed stock.txt expected_fixed.txt

# UTF-8 with LF ends through standard input, for the separator lookup.
printf 'B2,\xe6\xa2\xa8\nA1,"\xe4\xb8\xad\xe6\x96\x87 ""x"""\n' >names.csv
printf 'B2,\xc0\xe6\r\nA1,\xd6\xd0\xce\xc4 "x"\r\n' >expected_sep.txt
"$K60TOOL" lookup-file --template t.atx --lookup 2 - -o names.txt <names.csv 2>sep_build.err
check "lookup-file from standard input ends with status 0" test $? -eq 0
check "the separator lookup's file is the one worked out by hand" cmp -s names.txt expected_sep.txt
send_lookup sep names.txt expected_sep.txt

# A name too long for its field: refused, row and column named, nothing written.
printf 'A1,short\nA2,a name far too long\n' >long.csv
"$K60TOOL" lookup-file --template t.atx --lookup 1 long.csv -o long.txt 2>long.err
check "an over-long field ends with status 1" test $? -eq 1
check "... naming its row and column" grep -q 'CSV文件第2行第2列: 超过字段2的长度10字节!' long.err
check "... and leaving no file" test ! -e long.txt

finish
