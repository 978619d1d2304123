#!/bin/bash
# End-to-end: download, lookup and collect of k60tool against k60tool peer over pty pairs,
# with faults the PC side must ride out: every transfer must arrive exactly.
# Usage: transfers.sh PATH/TO/k60tool
set -u
K60TOOL=$(realpath "$1")
. "$(dirname "$0")/e2e_lib.sh"
cd "$WORK" || exit 1

# A template whose COM settings name rate index 2; the image as a download sends it.
"$K60TOOL" new -o t.atx && printf '\002' | dd of=t.atx bs=1 seek=9 conv=notrunc status=none
"$K60TOOL" image t.atx -o expected.bin || echo "k60tool image failed" >&2

pair prog
peer prog --once --image-out got.bin
"$K60TOOL" download --port prog.pc t.atx </dev/null 2>prog.err
check "download ends with status 0" test $? -eq 0
wait "$PEER_PID"
check "the peer's image equals k60tool image" cmp -s got.bin expected.bin
check "download says it is done" grep -q '下载完毕!' prog.err

# Noise before an answer, refused and unanswered-then-resent blocks, explicit program mode.
pair prog2
peer prog2 --once --mode program --image-out got2.bin --noise-at 7 --reject-at 20 --reject-times 3
"$K60TOOL" download --port prog2.pc --baud 9600 t.atx </dev/null 2>prog2.err
check "download through noise and refusals ends with status 0" test $? -eq 0
wait "$PEER_PID"
check "the image is still exact" cmp -s got2.bin expected.bin
check "the faults did happen" grep -q 'noise sent with 7' prog2.peer
check "block 20 was refused three times" test "$(grep -c 'block 20 refused' prog2.peer)" -eq 3

# Lookup: CR LF lines, GB2312 text, a blank line, a line whose checksum byte would be CR.
printf '123\r\nABC\r\n\r\n\xd6\xd0\xce\xc4 \xb2\xe2\xca\xd4\r\n\x86\x87\r\n' >lookup.txt
pair look
peer look --once --lookup-out got.txt --reject-at 1
"$K60TOOL" lookup --port look.pc lookup.txt </dev/null 2>look.err
check "lookup ends with status 0" test $? -eq 0
wait "$PEER_PID"
check "the lookup lines arrive unchanged" cmp -s got.txt lookup.txt

# The same lines with LF, CR LF and mixed line ends, and in UTF-8: the peer receives the same
# lines each time (it writes them with CR LF).
printf '123\r\n\xd6\xd0\xce\xc4\r\n\r\nlast\r\n' >expected_lines.txt
printf '123\n\xd6\xd0\xce\xc4\n\nlast\n' >lf.txt
printf '123\r\n\xd6\xd0\xce\xc4\r\n\r\nlast\r\n' >crlf.txt
printf '123\r\xd6\xd0\xce\xc4\n\r\nlast' >mixed.txt
printf '123\n\xe4\xb8\xad\xe6\x96\x87\n\nlast\n' >utf8.txt
for name in lf crlf mixed; do
  pair "$name"
  peer "$name" --once --lookup-out "got_$name.txt"
  "$K60TOOL" lookup --port "$name.pc" "$name.txt" </dev/null 2>"$name.err"
  check "lookup of $name lines ends with status 0" test $? -eq 0
  wait "$PEER_PID"
  check "... and the peer has the same four lines" cmp -s "got_$name.txt" expected_lines.txt
  check "... and the report names lines, bytes and time" \
    grep -Eq '^下载: 下载完毕! \(download complete: lookup file of 4 lines, [0-9]+ bytes, in [0-9.]+ s\)$' "$name.err"
done
pair utf8
peer utf8 --count 1 --lookup-out got_utf8.txt
"$K60TOOL" lookup --port utf8.pc utf8.txt </dev/null 2>utf8_refused.err
check "a UTF-8 lookup file is refused with status 1" test $? -eq 1
check "... naming its first line that is not GB2312" grep -q '^错误: utf8.txt: 索引文件第2行是UTF-8文本，不是GB2312，不能下载! (the lookup file is UTF-8 and line 2' utf8_refused.err
"$K60TOOL" lookup --port utf8.pc --encoding utf-8 - <utf8.txt 2>utf8.err
check "with --encoding utf-8 (from standard input) it is sent" test $? -eq 0
wait "$PEER_PID"
check "... as GB2312, the same lines" cmp -s got_utf8.txt expected_lines.txt
check "... and the peer saw one handshake only" test "$(grep -c 'handshake answered' utf8.peer)" -eq 1

# -v logs each block with its time; bytes an earlier run left on the line are dropped.
pair left
printf 'QUIB\x01\x02stale block without an end' >left.pc
peer left --once --lookup-out got_left.txt
printf 'more stale bytes' >left.pc
"$K60TOOL" lookup -v --port left.pc crlf.txt </dev/null 2>left.err
check "lookup after stale bytes ends with status 0" test $? -eq 0
wait "$PEER_PID"
check "... with the first handshake answered" test "$(grep -c 'bytes: QUIBEL<0D>' left.err)" -eq 1
check "... the stale bytes dropped by the peer" grep -q 'bytes before a command' left.peer
check "... its lines exact" cmp -s got_left.txt expected_lines.txt
check "-v logs every line block with its time and the replies" \
  bash -c "test \$(grep -Ec '^ +[0-9]+\.[0-9]{3} s  sent [0-9]+ bytes: ' left.err) -eq 6 && grep -q 'received 4 bytes: ACK<0D>' left.err"

# Collection of 25 records (the sequence wraps twice) with a record repeated, one with a
# bad checksum and noise before another.
for i in $(seq 0 24); do printf 'REC%02d,4711,\xb2\xe2 data\r\n' "$i"; done >records.txt
pair coll
peer coll --once --records records.txt --repeat-record 3 --corrupt-record 12 --noise-at 20
"$K60TOOL" collect --port coll.pc -o collected.txt </dev/null >coll.out 2>coll.err
check "collect ends with status 0" test $? -eq 0
wait "$PEER_PID"
check "the collected file holds exactly the peer's records" cmp -s collected.txt records.txt
check "collect reports the records, bytes and time on stderr" \
  grep -Eq '^上传数据: Done : 25 records received. \(collection complete: 25 records, [0-9]+ bytes into collected.txt, in [0-9.]+ s\)$' coll.err
check "and prints nothing on stdout" test ! -s coll.out
check "record 3 went twice" grep -q 'record 3 sent again' coll.peer
check "the damaged record 12 was NAKed" grep -q 'record 12 NAKed' coll.peer
check "the noisy record 20 was NAKed" grep -q 'record 20 NAKed' coll.peer

# Through the IR transceiver: the third probe is answered, then the terminal speaks.
pair ir
peer ir --once --ir --ir-probe 3 --records records.txt
"$K60TOOL" collect --ir --baud 57600 --port ir.pc -o collected_ir.txt </dev/null >/dev/null 2>ir.err
check "collect through the IR transceiver ends with status 0" test $? -eq 0
wait "$PEER_PID"
check "its file is exact too" cmp -s collected_ir.txt records.txt
check "the transceiver was commanded to 57600" grep -q 'commanded to 57600' ir.peer

finish
