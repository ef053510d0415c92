#!/usr/bin/env bash
# sim_line_test.sh SIM POLL EXAMPLES CASE
# The simulator process against the poll client over a pseudo-terminal pair.
# Processes are waited for by their readiness line and stopped by their own pid.
set -u
SIM=$(realpath "$1") POLL=$(realpath "$2") EXAMPLES=$(realpath "$3") CASE=$4
MACHINE=$EXAMPLES/machine.txt
work=$(mktemp -d)
sim_pid="" drain_pid="" failures=0
line=""

cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL [$CASE]: $*"; failures=$((failures + 1)); }
expect_eq() { [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"; }
expect_in() { grep -qF -- "$2" "$1" || { fail "$3: '$2' not in $(basename "$1")"; sed 's/^/    | /' "$1" | tail -40; }; }

# Time-outs generous enough that a heavily loaded machine does not turn a slow
# process switch into retries; the silent cases then take a few seconds each.
mkdir "$work/host"
printf 'TIMEOUT_CARACTERE 250\nTIMEOUT_PROTOCOL 1000\n' > "$work/host/paramcom.txt"

# start_sim ARGS...: runs sim on a new pseudo-terminal; sets $line to the host's end.
start_sim() {
  traced=1
  case " $* " in *" --quiet "*) traced=0 ;; esac
  rm -f "$work/sim.fifo"
  mkfifo "$work/sim.fifo"
  "$SIM" --char-timeout 250 --proto-timeout 1000 "$@" > "$work/sim.fifo" 2> "$work/sim.err" &
  sim_pid=$!
  exec 3< "$work/sim.fifo"
  local ready=""
  if ! IFS= read -r -t 20 -u 3 ready; then
    fail "sim never said ready"; cat "$work/sim.err"; exit 1
  fi
  case "$ready" in
    "sim: ready on "*) line=${ready#sim: ready on } ;;
    *) fail "first line is not the ready line: $ready"; exit 1 ;;
  esac
  : > "$work/sim.out"
  cat <&3 >> "$work/sim.out" &
  drain_pid=$!
  exec 3<&-
}

# stop_sim [SIGNAL]: stops sim by its pid; its summary is then in $work/sim.out.
stop_sim() {
  kill "-${1:-TERM}" "$sim_pid"
  wait_sim
}
wait_sim() {
  wait "$sim_pid"; local status=$?
  sim_pid=""
  wait "$drain_pid"
  expect_eq "$status" 0 "sim exit status"
}

replies_traced() { local n; n=$(grep -c '^\[[ 0-9.]*\] -> ' "$work/sim.out"); echo "${n:-0}"; }

# run_poll ARGS...: poll from the host folder; output in $out, status in $status.
# An answered poll returns as soon as it has ACKed the reply; the next poll's
# opening purge would throw that ACK away on a pseudo-terminal if sim had not
# read it yet, so wait for sim to trace the reply as delivered.
run_poll() {
  local before
  before=$(replies_traced)
  out=$(cd "$work/host" && "$POLL" "$line" "$@" 2> "$work/poll.err")
  status=$?
  [ "$status" -eq 0 ] && [ "$traced" -eq 1 ] || return 0
  case " $* " in *" --s127f1 "*) return 0 ;; esac
  local deadline=$(( $(now_ms) + 15000 ))
  while [ "$(replies_traced)" -le "$before" ]; do
    [ "$(now_ms)" -lt "$deadline" ] || { fail "sim never traced the reply to poll $*"; return 0; }
    sleep 0.01
  done
}

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

case "$CASE" in
operations)
  start_sim "$MACHINE"
  run_poll --element 1,0x1F00,0,0;           expect_eq "$out" 258 "op 0 reads a word"
  run_poll --element 3,0x3F00,1,0;           expect_eq "$out" 3735928559 "op 1 reads a double word"
  run_poll --element 1,0x1F00,2,0x1000;      expect_eq "$out" 4354 "op 2 is word | data"
  run_poll --element 1,0x1F00,3,0x00FF;      expect_eq "$out" 2 "op 3 is word & data"
  run_poll --element 2,0x2F10,4,0x1234;      expect_eq "$out" 4660 "op 4 writes and reads back"
  run_poll --element 2,0x2F10,0,0 --hex;     expect_eq "$out" 0x1234 "the written word stays"
  run_poll --element 9,0x10,0,0 --element 1,0x1F00,0,0
  expect_eq "$out" "$(printf '0\n258')" "unknown node answers 0, in order"
  run_poll --points "$EXAMPLES/switches.txt"; expect_eq "$(echo "$out" | wc -l)" 3 "one value per switch"
  run_poll --points "$EXAMPLES/encoders.txt"; expect_eq "$(echo "$out" | wc -l)" 3 "one value per encoder"
  run_poll --points "$EXAMPLES/leds_photos.txt"
  expect_eq "$(echo "$out" | wc -l)" 2 "LEDs yield no value: the two photo sensors answer"
  [ "$status" -eq 0 ] || fail "poll of the sample LED file failed"
  stop_sim
  expect_in "$work/sim.out" "requests (S2F63)    10" "requests counted"
  expect_in "$work/sim.out" "unknown nodes       1" "unknown node counted"
  expect_in "$work/sim.out" "S2F63 : W" "trace names the request with its wait bit"
  expect_in "$work/sim.out" "<U4 3735928559>" "trace shows the items"
  ;;
leds)
  start_sim "$MACHINE"
  run_poll --points "$EXAMPLES/leds_photos.txt" --leds on
  run_poll --points "$EXAMPLES/leds_photos.txt" --leds off
  run_poll --element 1,0x1004,2,0x0001
  stop_sim INT
  expect_in "$work/sim.out" "LED Door1 (node 1 address 0x1000) on" "LED lit"
  expect_in "$work/sim.out" "LED Door1 (node 1 address 0x1000) off" "LED put out"
  expect_in "$work/sim.out" "led node 1 address 0x1000 Door1: off (2 commands)" "final state of Door1"
  expect_in "$work/sim.out" "led node 1 address 0x1004 Lamp2: on (3 commands)" "final state of Lamp2"
  expect_in "$work/sim.out" "LED changes         5" "changes counted"
  ;;
download)
  start_sim --unique-number 4242 "$MACHINE"
  run_poll --s127f3; expect_eq "$out" 4242 "S127F4 carries the unique number"
  run_poll --s127f1; expect_eq "$status" 0 "S127F1 acknowledged"
  stop_sim
  expect_in "$work/sim.out" "S127F3 / S127F1     1 / 1" "both counted"
  start_sim --old-firmware "$MACHINE"
  run_poll --s127f3; expect_eq "$out" S9F5 "old firmware answers S9F5"
  stop_sim
  start_sim --old-firmware=S9F3 "$MACHINE"
  run_poll --s127f3; expect_eq "$out" S9F3 "old firmware can answer S9F3"
  stop_sim
  ;;
unknown)
  start_sim "$MACHINE"
  run_poll --send S1F1
  expect_eq "$(echo "$out" | head -1)" S9F3 "unknown stream"
  case "$(echo "$out" | sed -n 2p)" in
    "header 00 00 81 01 80 01 00 00 "*) ;;
    *) fail "S9F3 carries the header of S1F1 W: $out" ;;
  esac
  run_poll --send S2F17
  expect_eq "$(echo "$out" | head -1)" S9F5 "unknown function"
  expect_eq "$(echo "$out" | sed -n 2p | cut -c1-30)" "header 00 00 82 11 80 01 00 00" "S9F5 carries the header"
  stop_sim
  expect_in "$work/sim.out" "unknown messages    2" "counted"
  ;;
faults)
  start_sim --nak 1 "$MACHINE"
  run_poll --element 1,0x1F00,0,0; expect_eq "$out" 258 "the host's retry after a NAK gets through"
  stop_sim
  expect_in "$work/sim.out" "faults injected     1 (nak 1," "NAK injected"
  expect_in "$work/sim.out" "0 sent, 1 blocks refused" "the refusal went on the line"

  for fault in corrupt drop; do
    start_sim --$fault 1 "$MACHINE"
    run_poll --element 1,0x1F00,0,0; expect_eq "$out" 258 "reply recovered after --$fault"
    stop_sim
    expect_in "$work/sim.out" "reply acknowledged after 2 attempts" "--$fault made the host refuse the first"
    expect_in "$work/sim.out" "1 sent, 0 blocks refused" "one retry sent after --$fault"
  done

  start_sim --silent "$MACHINE"
  run_poll --element 1,0x1F00,0,0 --timeout 400
  expect_eq "$status" 1 "no reply is a failure"
  expect_in "$work/poll.err" "no reply within 400 ms" "poll says why"
  stop_sim
  expect_in "$work/sim.out" "silent 1)" "withheld reply counted"

  start_sim --wrong-reply 1 "$MACHINE"
  run_poll --element 1,0x1F00,0,0 --timeout 400
  expect_eq "$status" 1 "a wrong reply is no reply"
  expect_in "$work/poll.err" "skipped S2F66" "poll saw the wrong function"
  stop_sim

  start_sim --delay 300 "$MACHINE"
  start=$(now_ms)
  run_poll --element 1,0x1F00,0,0
  elapsed=$(( $(now_ms) - start ))
  expect_eq "$out" 258 "delayed reply arrives"
  [ "$elapsed" -ge 300 ] || fail "reply came after $elapsed ms, before the 300 ms delay"
  stop_sim

  # 13 values at 1200 bit/s: ENQ and a 67-byte block take at least 560 ms.
  start_sim --line-speed 1200 --proto-timeout 2000 "$MACHINE"
  args=()
  for i in $(seq 13); do args+=(--element 1,0x1F00,0,0); done
  start=$(now_ms)
  run_poll "${args[@]}" --timeout 5000
  elapsed=$(( $(now_ms) - start ))
  expect_eq "$(echo "$out" | wc -l)" 13 "paced reply complete"
  [ "$elapsed" -ge 560 ] || fail "paced reply took $elapsed ms, faster than 1200 bit/s"
  stop_sim
  ;;
run)
  start_sim --max-requests 2 --quiet "$MACHINE"
  run_poll --element 1,0x1F00,0,0
  run_poll --element 1,0x1F00,0,0
  wait_sim
  expect_in "$work/sim.out" "replies sent        2" "stopped by itself after two answers"
  start_sim --duration 0.3 --link "$work/com1" "$MACHINE"
  [ "$(readlink "$work/com1")" = "$line" ] || fail "--link points at $(readlink "$work/com1"), not $line"
  line=$work/com1
  run_poll --element 1,0x1F00,0,0; expect_eq "$out" 258 "served through the link"
  wait_sim
  [ -e "$work/com1" ] && fail "link left behind"
  expect_in "$work/sim.out" "sim: summary" "summary after --duration"
  ;;
errors)
  printf 'node 1\nled 1 0x10\n' > "$work/bad.txt"
  "$SIM" "$work/bad.txt" > /dev/null 2> "$work/err"; status=$?
  expect_eq "$status" 2 "bad file exit status"
  expect_in "$work/err" "bad.txt:2: led needs its on-pattern: on=PATTERN" "bad file message"
  "$SIM" --device /nonexistent/tty "$MACHINE" > /dev/null 2> "$work/err"; status=$?
  expect_eq "$status" 1 "unopenable device exit status"
  expect_in "$work/err" "sim: cannot open /nonexistent/tty: No such file or directory" "device message"
  "$SIM" --help > "$work/help"; expect_eq "$?" 0 "--help"
  for option in --device --link --baud --esc --no-esc --char-timeout --proto-timeout --paramcom --workdir \
                --seed --unique-number --old-firmware --nak --corrupt --drop --wrong-reply --delay --silent \
                --line-speed --duration --max-requests --quiet --version; do
    expect_in "$work/help" "$option" "--help documents $option"
  done
  expect_eq "$("$SIM" --version | cut -d' ' -f1)" sim "--version"
  (cd "$work/host" && "$POLL" /nonexistent/tty --element 1,1,0,0 2> "$work/err"); status=$?
  expect_eq "$status" 1 "poll on a missing device"
  (cd "$work/host" && "$POLL" /nonexistent/tty --element 1,1,9 2> "$work/err"); status=$?
  expect_eq "$status" 2 "poll with a wrong element"
  # A number with anything after its digits is refused, not read as its leading digits.
  for bad in "--timeout 2s" "--baud 96OO" "--count 1e3" "--timeout 0x"; do
    # shellcheck disable=SC2086
    (cd "$work/host" && "$POLL" /nonexistent/tty --element 1,1,0,0 $bad 2> "$work/err"); status=$?
    expect_eq "$status" 2 "poll $bad"
    expect_in "$work/err" "${bad%% *}" "poll $bad names the option"
  done
  ;;
*)
  echo "unknown case $CASE"; exit 2 ;;
esac

[ "$failures" -eq 0 ] && echo "PASS [$CASE]"
[ "$failures" -eq 0 ]
