#!/bin/bash
# End-to-end: k60tool's transfers when the terminal refuses, stays silent or has nothing,
# and k60tool's answers to wrong command lines.
# Usage: faults.sh PATH/TO/k60tool
set -u
K60TOOL=$(realpath "$1")
. "$(dirname "$0")/e2e_lib.sh"
cd "$WORK" || exit 1
"$K60TOOL" new -o t.atx

# Silence: a download asks three times and a collection four (about 12 s); run together.
pair quiet1
peer quiet1 --silent
"$K60TOOL" download --port quiet1.pc t.atx </dev/null 2>quiet1.err &
DOWNLOAD=$!
pair quiet2
peer quiet2 --silent
"$K60TOOL" collect --port quiet2.pc -o silent.txt </dev/null >quiet2.out 2>quiet2.err
check "collect from a silent terminal ends with status 1" test $? -eq 1
check "and leaves no file" test ! -e silent.txt
check "it says time-out, then no data" grep -q '超时!' quiet2.err
check "... no data" grep -q '没有接收到数据!' quiet2.err
wait "$DOWNLOAD"
check "download to a silent terminal ends with status 1" test $? -eq 1
check "it says the terminal is not ready" grep -q '终端没有准备好!' quiet1.err
check "the retry question is answered No without a terminal" grep -q '下载失败，要重试吗?.*-> No' quiet1.err

# FULL at block 5 with the retry answered No.
pair full
peer full --once --full-at 5 --image-out never.bin
"$K60TOOL" download --port full.pc t.atx </dev/null 2>full.err
check "download to a full terminal ends with status 1" test $? -eq 1
check "it says the memory is full" grep -q '终端内存已满!' full.err
check "then asks to retry, answered No" grep -q '下载失败，要重试吗?.*-> No' full.err
check "no success is claimed" bash -c "! grep -q '下载完毕!' full.err"
wait "$PEER_PID"
check "the peer refused block 5 and got no image" bash -c "grep -q 'refused at block 5' full.peer && test ! -e never.bin"

# A terminal with no records: "OVER" at once; an existing file stays as it was.
printf 'keep me\r\n' >kept.txt
pair none
peer none --once
"$K60TOOL" collect --port none.pc -o kept.txt </dev/null >none.out 2>none.err
check "collect of no records ends with status 1" test $? -eq 1
check "it says no data" grep -q '没有接收到数据!' none.err
check "the file already there is untouched" test "$(cat kept.txt)" = $'keep me\r'

# A lookup line longer than 253 bytes is refused before anything is sent.
{ printf 'ok\r\n'; head -c 300 /dev/zero | tr '\0' 'x'; printf '\r\n'; } >long.txt
pair long
peer long --once --lookup-out never.txt
"$K60TOOL" lookup --port long.pc long.txt </dev/null 2>long.err
check "a lookup file with an overlong line ends with status 1" test $? -eq 1
check "the terminal received nothing" bash -c "! grep -q 'handshake answered' long.peer"

# Ports and files that are not there.
"$K60TOOL" download --port "$WORK/no-such-port" t.atx </dev/null 2>noport.err
check "a missing port ends download with status 1" test $? -eq 1
check "it names the port and the reason" \
  grep -qx "错误: $WORK/no-such-port: 不能打开COM端口: 没有这个设备 (cannot open the port: no such device)" noport.err
"$K60TOOL" collect --port "$WORK/no-such-port" -o x.txt </dev/null 2>noport2.err
check "a missing port ends collect with status 1" test $? -eq 1
check "... with collect's own words, the port and the reason" \
  grep -qx "错误: $WORK/no-such-port: 打开COM端口失败: 没有这个设备 (cannot open the port: no such device)" noport2.err
"$K60TOOL" download --port t.atx t.atx </dev/null 2>notserial.err
check "a file that is not a serial line is named as such" grep -q 't.atx: 不能打开COM端口: 不是串口设备 (cannot open the port: not a serial line)' notserial.err
pair busy
peer busy
"$K60TOOL" download --port busy.term t.atx </dev/null 2>busy.err
check "a port another program holds is busy" grep -q 'busy.term: 不能打开COM端口: 端口正被其他程序使用 (cannot open the port: busy' busy.err
"$K60TOOL" lookup --port "$WORK/no-such-port" missing.txt </dev/null 2>nofile.err
check "a missing lookup file ends with status 1" test $? -eq 1
check "it names the file and the reason" \
  grep -qx '错误: missing.txt: 不能打开文件!: 没有这个文件 (cannot open the file: no such file)' nofile.err
"$K60TOOL" show missing.atx 2>notemplate.err
check "a missing template is named, in the program's words" \
  grep -qx '错误: missing.atx: 不能打开文件!: 没有这个文件 (cannot open the file: no such file)' notemplate.err
"$K60TOOL" show long.txt 2>wrongfile.err
check "a file that is no template is named" grep -qx '错误: long.txt: 格式不匹配 !!! (not a template file of a known format)' wrongfile.err
pair quiet3
"$K60TOOL" peer --port quiet3.term --timeout 0.3 --count 1 >/dev/null 2>quiet3.err
check "peer --timeout ends with status 1 when its sessions did not end" test $? -eq 1
check "... and says that it timed out" grep -q 'quiet3.term: 超时! (timed out: no byte for 0.300 s; 0 sessions ended of the 1 asked for)' quiet3.err

# Wrong command lines: status 2.
"$K60TOOL" download --port x --baud 1234 t.atx </dev/null 2>/dev/null
check "a rate that is not one of the five is a wrong command line" test $? -eq 2
"$K60TOOL" collect --port x </dev/null 2>/dev/null
check "collect without -o is a wrong command line" test $? -eq 2
"$K60TOOL" peer --port x --mode sideways </dev/null 2>/dev/null
check "an unknown peer mode is a wrong command line" test $? -eq 2
"$K60TOOL" frobnicate 2>unknown.err
check "an unknown command is a wrong command line" test $? -eq 2
check "... named in the message" grep -qx "未知命令 'frobnicate' (unknown command 'frobnicate'; k60tool --help lists the commands)" unknown.err
check "--version prints the program's version" test "$("$K60TOOL" --version)" = "k60tool 4.10"
check "--help lists the exit codes" bash -c "'$K60TOOL' --help | grep -q '2 the command line is wrong'"
check "every usage line names the program" bash -c "'$K60TOOL' lookup --help | grep -q '^Usage: k60tool lookup '"
"$K60TOOL" lookup --port x 2>usage.err
check "a command's wrong command line shows its own usage" grep -q '^Usage: k60tool lookup ' usage.err
check "- writes standard output and reads standard input" \
  bash -c "'$K60TOOL' image t.atx -o - | cmp -s - <('$K60TOOL' image - -o /dev/stdout <t.atx)"
check "show - reads standard input" bash -c "'$K60TOOL' show - <t.atx | grep -q '^COM port: COM1'"
check "new -o - writes the template to standard output" bash -c "'$K60TOOL' new -o - | cmp -s - t.atx"

# A template whose rate index is damaged: refused without --baud, fine with it.
cp t.atx bad.atx && printf '\007' | dd of=bad.atx bs=1 seek=9 conv=notrunc status=none
"$K60TOOL" download --port "$WORK/no-such-port" bad.atx </dev/null 2>badrate.err
check "a damaged rate index is refused before the port is opened" \
  bash -c "grep -q 'rate index 7' badrate.err && ! grep -q '不能打开COM端口' badrate.err"
pair rate
peer rate --once
"$K60TOOL" download --port rate.pc --baud 19200 bad.atx </dev/null 2>/dev/null
check "--baud overrides it" test $? -eq 0

finish
