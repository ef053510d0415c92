#!/bin/sh
# One GUI case of the diagnostic program under Wine, driven from outside by
# gui_driver, with the simulator on COM2 of the prefix.
# usage: diag_gui.sh CASE DIAG_EXE COM_DLL GUI_DRIVER SOURCE_DIR WORK_DIR SIM VERSION
# Runs inside scripts/wine-gui-run (display, prefix and ML_WINE_PORTS set).
# Exit 77 (skipped) when a case needing the simulator finds no simulator binary.
set -eu
case_name=$1 exe=$2 com_dll=$3 driver=$4 source=$5 work=$6 sim=$7 version=$8
ports=$ML_WINE_PORTS
caption=$(printf ' DIAGNOSIS (\265c 16bits) - Version %s' "$version")
helpers=""
diag_pid=""

fail() { echo "FAIL ($case_name): $*" >&2; exit 1; }
cleanup() {
  [ -n "$diag_pid" ] && kill "$diag_pid" 2>/dev/null || true
  for pid in $helpers; do kill "$pid" 2>/dev/null || true; done
  for pid in $helpers; do wait "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

rm -rf "$work"
mkdir -p "$work"
cp "$exe" "$work/DIAG.EXE"
cp "$com_dll" "$work/"
for f in leds_photos switches encoders; do cp "$source/sim/examples/$f.txt" "$work/$f.TXT"; done
W=$(winepath -w "$work" 2>/dev/null)
slots=$(printf '%s\\leds_photos.TXT\n%s\\switches.TXT\n%s\\encoders.TXT\n' "$W" "$W" "$W")
printf '%s\n' "$slots" >"$work/default.dia"

start_sim() {
  [ -x "$sim" ] || { echo "SKIPPED ($case_name): no simulator at $sim"; exit 77; }
  rm -f "$ports/com2"
  "$sim" --link "$ports/com2" --workdir "$work/sim" --seed 7 "$@" "$source/sim/examples/machine.txt" \
    >"$work/sim.out" 2>&1 &
  helpers="$helpers $!"
  for _ in $(seq 200); do grep -q "ready" "$work/sim.out" 2>/dev/null && [ -e "$ports/com2" ] && return 0; sleep 0.05; done
  cat "$work/sim.out" >&2
  fail "simulator not ready"
}

start_diag() {
  (cd "$work" && exec wine DIAG.EXE) >"$work/diag.out" 2>&1 &
  diag_pid=$!
}

finish_diag() {
  status=0
  wait "$diag_pid" || status=$?
  diag_pid=""
  [ $status -eq 0 ] || fail "diag exited with status $status"
}

drive_raw() {
  cat >"$work/script.txt"
  wine "$driver" -f "$(winepath -w "$work/script.txt")" || fail "driver script failed (see above)"
}

# Each script starts inside the main dialog of the program's window.
drive() {
  { printf 'find "%s" 0\nenter 0\n' "$caption"; cat; } | drive_raw
}

expect_sim() {  # a line of the simulator's trace
  grep -q -- "$1" "$work/sim.out" || { tail -40 "$work/sim.out" >&2; fail "simulator trace lacks: $1"; }
}

# Main dialog: 104 Com, 109.. ports, 108 tabs, 117 Exit, 201..203 file names, 548/549 cable.
# Child dialogs of the main dialog (enter N): the panels in tab order.
case $case_name in
start_up)
  start_diag
  drive <<SCRIPT
expect-text 201 leds_photos.TXT
expect-text 202 switches.TXT
expect-text 203 encoders.TXT
expect-checked 104 no
expect-checked 109 yes
expect-visible 548 yes
expect-visible 549 no
enter 0
expect-text 101 Door1
expect-text 253 Exit3
expect-visible 101 yes
expect-visible 102 yes
expect-visible 103 no
expect-visible 202 no
expect-visible 203 yes
expect-visible 303 no
expect-visible 402 no
expect-text 450 --
leave
enter 5
expect-text-start 101 "Version $version"
leave
click 117
wait-gone
SCRIPT
  finish_diag
  ;;
polling)
  start_sim
  start_diag
  drive <<'SCRIPT'
click 110
check 104 yes
expect-visible 549 yes
enter 0
check 101 yes
sleep 1000
leave
tab 108 4
enter 4
wait-item 531 "Send (COM 2)"
wait-item 531 "Receive (COM 2)"
wait-item 531 "S2F64 :"
leave
tab 108 0
check 104 no
sleep 3000
tab 108 2
check 104 yes
enter 2
expect-text 251 AxisX
wait-change 451 0 5000
leave
check 104 no
sleep 3000
tab 108 3
enter 3
set-text 108 3
set-text 103 3F00
select 666 0
leave
check 104 yes
enter 3
wait-text 451 BEEF 5000
select 666 1
wait-text 451 DEADBEEF 5000
click 114
wait-text 451 -559038737 5000
leave
check 104 no
click 117
wait-gone
SCRIPT
  finish_diag
  expect_sim "LED Door1 .* on"
  expect_sim "S2F63"
  ;;
no_response)
  start_sim --silent
  start_diag
  drive <<'SCRIPT'
click 110
check 104 yes
find Communication 1 10000
expect-text-start 103 "Comunication Error !"
post-click 1
wait-gone
SCRIPT
  drive <<'SCRIPT'
expect-checked 104 no
expect-visible 549 yes
enter 0
expect-text 450 --
leave
click 117
wait-gone
SCRIPT
  finish_diag
  ;;
restart)
  start_diag
  drive <<'SCRIPT'
click 111
click 117
wait-gone
SCRIPT
  finish_diag
  [ "$(cat "$work/default.dia")" = "$slots" ] || fail "default.dia is not the three slots"
  [ "$(tail -c 1 "$work/default.dia" | od -An -c | tr -d ' ')" = '\n' ] || fail "default.dia does not end in a line feed"
  printf '%s\\leds_photos.TXT\r\n\n' "$W" >"$work/default.dia"
  start_diag
  # The carriage return stays part of the path, so the LED/photo file cannot be opened.
  drive_raw <<'SCRIPT'
expect-message "Unable to open file"
SCRIPT
  drive <<'SCRIPT'
expect-text 202 ""
expect-text 203 ""
expect-checked 109 yes
click 117
wait-gone
SCRIPT
  finish_diag
  printf '%s\\leds_photos.TXT\r\n\n\n' "$W" >"$work/expected.dia"
  cmp -s "$work/default.dia" "$work/expected.dia" || fail "default.dia not rewritten slot by slot (carriage return kept)"
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "PASS ($case_name)"
