# Shared by the end-to-end scripts: pty pairs made by socat, a peer on one end, checks.
# The caller sets K60TOOL and sources this file.

WORK=$(mktemp -d "${TMPDIR:-/tmp}/k60_e2e.XXXXXX")
PIDS=()
FAILURES=0

# Stops socat and the peers: left running they would hold the test's output open.
stop_background() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
}

cleanup() {
  stop_background
  rm -rf "$WORK"
}
trap cleanup EXIT

# check DESCRIPTION COMMAND...: runs the command and records the outcome.
check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok    $what"
  else
    echo "FAIL  $what"
    FAILURES=$((FAILURES + 1))
  fi
}

# wait_for FILE [PATTERN]: up to 5 s for the file to exist (and to hold the pattern).
wait_for() {
  local i
  for i in $(seq 100); do
    if [ -e "$1" ] && { [ $# -lt 2 ] || grep -q "$2" "$1"; }; then return 0; fi
    sleep 0.05
  done
  echo "timed out waiting for $1 ${2:-}" >&2
  return 1
}

# pair NAME: a pty pair whose ends are $WORK/NAME.pc and $WORK/NAME.term.
pair() {
  socat pty,raw,echo=0,link="$WORK/$1.pc" pty,raw,echo=0,link="$WORK/$1.term" 2>"$WORK/$1.socat" &
  PIDS+=($!)
  wait_for "$WORK/$1.pc" && wait_for "$WORK/$1.term"
}

# peer NAME OPTIONS...: k60tool peer on NAME's terminal end, output in $WORK/NAME.peer.
peer() {
  local name=$1
  shift
  "$K60TOOL" peer --port "$WORK/$name.term" --timeout 30 -v "$@" >"$WORK/$name.peer" 2>&1 &
  PEER_PID=$!
  PIDS+=($PEER_PID)
  wait_for "$WORK/$name.peer" "listening on"
}

# finish: the script's exit status.
finish() {
  if [ "$FAILURES" -ne 0 ]; then
    echo "$FAILURES check(s) failed; files kept in $WORK"
    trap - EXIT
    stop_background
    exit 1
  fi
  echo "all checks passed"
}
