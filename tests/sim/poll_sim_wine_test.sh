#!/usr/bin/env bash
# poll_sim_wine_test.sh SIM_EXE POLL_EXE EXAMPLES
# The Windows simulator and the Windows poll client under Wine, on COM2 and COM1
# of the test prefix, joined by a pseudo-terminal pair.
set -u
SIM=$(realpath "$1") POLL=$(realpath "$2") EXAMPLES=$(realpath "$3")
failures=0
. "$(dirname "$0")/../pty_pair.sh"
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

host_end=$ML_WINE_PORTS/com1 sim_end=$ML_WINE_PORTS/com2
pty_pair "$host_end" "$sim_end" "$work/socat.err" || exit 1

cp "$EXAMPLES/machine.txt" "$EXAMPLES/switches.txt" "$work/"
mkdir "$work/host"
printf 'TIMEOUT_CARACTERE 500\nTIMEOUT_PROTOCOL 2000\n' > "$work/host/paramcom.txt"
(cd "$work" && wine "$SIM" --device COM2 --char-timeout 500 --proto-timeout 2000 machine.txt > "$work/sim.out" 2>&1) &
peer_pid=$!
for _ in $(seq 600); do
  grep -q "sim: ready" "$work/sim.out" 2>/dev/null && break
  sleep 0.1
done
grep -q "sim: ready" "$work/sim.out" || { fail "sim.exe never said ready"; cat "$work/sim.out"; exit 1; }

poll() { (cd "$work/host" && wine "$POLL" "$@" 2> "$work/poll.err" | tr -d '\r'); }
out=$(poll COM1 --element 1,0x1F00,0,0)
[ "$out" = 258 ] || { fail "a word read through COM1: expected 258, got '$out'"; cat "$work/poll.err"; }
out=$(poll COM1 --points ../switches.txt)
[ "$(echo "$out" | wc -l)" = 3 ] || fail "one value per switch of the sample file, got '$out'"
poll /dev/ttyS0 --element 1,0x1F00,0,0 > /dev/null
grep -q "is not a port here: give COMn" "$work/poll.err" || fail "a device path is refused on Windows: $(cat "$work/poll.err")"

[ "$failures" -eq 0 ] && echo PASS
[ "$failures" -eq 0 ]
