#!/bin/sh
# One GUI case of the board loader under Wine, driven from outside by gui_driver.
# usage: velk_kt_gui.sh CASE VELK_KT_EXE COM_DLL VELK2_DLL GUI_DRIVER SOURCE_DIR WORK_DIR SIM
# Runs inside scripts/wine-gui-run (display, prefix and ML_WINE_PORTS set).
# Exit 77 (skipped) when a SECS case finds no simulator binary.
set -eu
case_name=$1 exe=$2 com_dll=$3 velk2_dll=$4 driver=$5 source=$6 work=$7 sim=$8
ports=$ML_WINE_PORTS
caption="KT Control Panel V1.18.M"
key='HKCU\Software\Vardo\VelkKT\2.1\config'
helpers=""
loader_pid=""

fail() { echo "FAIL ($case_name): $*" >&2; exit 1; }
cleanup() {
  [ -n "$loader_pid" ] && kill "$loader_pid" 2>/dev/null || true
  for pid in $helpers; do kill "$pid" 2>/dev/null || true; done
  for pid in $helpers; do wait "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

rm -rf "$work"
mkdir -p "$work"
cp "$exe" "$com_dll" "$velk2_dll" "$work/"
cp "$source/stubs/velk2/examples/BOOTSTR.H86" "$work/BOOTSTR.H86"
cp "$source/stubs/velk2/examples/BOOTSTR.H86" "$work/fw.h86"
cp "$source/stubs/velk2/examples/BOOTSTR.H86" "$work/top.mcs"
W=$(winepath -w "$work" 2>/dev/null)
log="$work/velk2-standin.txt"  # the stand-in's log without its CRs
wine reg delete 'HKCU\Software\Vardo' /f >/dev/null 2>&1 || true
rm -f "$ports/com5"

# A live COM port: a pty pair whose Windows end is where the prefix maps COMn.
live_port() {
  n=$1
  rm -f "$ports/com$n" "$ports/peer$n"
  socat "pty,raw,echo=0,link=$ports/com$n" "pty,raw,echo=0,link=$ports/peer$n" &
  helpers="$helpers $!"
  for _ in $(seq 100); do [ -e "$ports/com$n" ] && return 0; sleep 0.05; done
  fail "socat did not make $ports/com$n"
}

start_loader() {
  (cd "$work" && exec wine Velk_KT.exe "$@") >"$work/loader.out" 2>&1 &
  loader_pid=$!
}

drive() {
  cat >"$work/script.txt"
  wine "$driver" -f "$(winepath -w "$work/script.txt")" || fail "driver script failed (see above)"
}

finish_loader() {
  status=0
  wait "$loader_pid" || status=$?
  loader_pid=""
  [ ! -e "$work/velk2-standin.log" ] || tr -d '\r' <"$work/velk2-standin.log" >"$log"
  [ $status -eq 0 ] || fail "Velk_KT exited with status $status"
}

value() {  # the registry value's data, or nothing
  wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"
}

expect_value() {
  got=$(value "$1")
  [ "$got" = "$2" ] || fail "registry $1 is '$got', expected '$2'"
}

expect_log() {  # a whole line of the stand-in's log
  grep -qxF -- "$1" "$log" || { cat "$log" >&2; fail "log line missing: $1"; }
}

start_sim() {
  [ -x "$sim" ] || { echo "SKIPPED ($case_name): no simulator at $sim"; exit 77; }
  rm -f "$ports/com3"
  "$sim" --link "$ports/com3" --workdir "$work/sim" "$@" "$source/sim/examples/machine.txt" >"$work/sim.out" 2>&1 &
  helpers="$helpers $!"
  for _ in $(seq 200); do grep -q "ready" "$work/sim.out" 2>/dev/null && [ -e "$ports/com3" ] && return 0; sleep 0.05; done
  cat "$work/sim.out" >&2
  fail "simulator not ready"
}

sim_saw() {  # stops the simulator, then looks for a line of its trace
  cleanup
  helpers=""
  grep -qF -- "$1" "$work/sim.out"
}

secs_download() {  # clicks "Download SECS" on COM 3 and waits for the download to end
  start_loader
  drive <<SCRIPT
find "$caption" 116
select 101 2
click 113
wait-text 103 "COM3 Close." 20000
expect-no-message 300
click 114
wait-gone
SCRIPT
  finish_loader
  expect_value LAST_SPEED_USE 0
  sim_saw "<- S127F1" || { cat "$work/sim.out" >&2; fail "the download was not announced with S127F1"; }
}

case "$case_name" in
first_start)
  echo junk >"$work/concat.H86"
  start_loader
  drive <<SCRIPT
find "$caption" 116
expect-caption "$caption"
expect-items 101 "COM 1" "COM 2" "COM 3" "COM 4" "COM 5" "COM 6" "COM 7" "COM 8"
expect-selected 101 "COM 1"
expect-items 102 9600 19200 57600
expect-selected 102 9600
expect-items 106 "$W\\BOOTSTR.H86" "$W\\concat.H86" "$W\\fw.h86"
expect-selected 106 "$W\\BOOTSTR.H86"
expect-items 109 "$W\\top.mcs"
expect-selected 109 "$W\\top.mcs"
expect-text 103 "COM close"
expect-text 104 "Com Speed"
expect-checked 105 yes
expect-checked 108 no
expect-checked 111 no
expect-text 111 Verify
expect-text 107 Microcontroller
expect-text 110 FPGA
expect-text 112 "Download Bootstrap"
expect-text 113 "Download SECS"
expect-text 114 Exit
expect-visible 112 yes
expect-visible 115 no
expect-visible 116 no
click 114
wait-gone
SCRIPT
  finish_loader
  wine reg query "$key" >/dev/null 2>&1 || fail "the configuration key was not created"
  [ -z "$(value VLK_H86_1)" ] || fail "start-up wrote a recent file"
  [ ! -e "$work/concat.H86" ] || fail "concat.H86 was not deleted at close"
  [ ! -e "$log" ] || fail "VELK2 was called at start-up"
  ;;
download)
  live_port 8
  printf ':0400100001020304E2\r\n:00000001FF\r\n' >"$work/a.h86"
  printf 'older copy\r\n' >"$work/LastDownloadedFile.ldw"
  start_loader
  drive <<SCRIPT
find "$caption" 116
select 101 7
select-text 106 "$W\\fw.h86"
check 111 yes
click 112
wait-text 103 "COM8 Close."
expect-no-message 300
check 108 yes
post-click 112
wait-text 103 "COM8 Open."
expect-message "You must shut-down power to terminate operation"
wait-text 103 "COM8 Close."
select 101 4
post-click 112
expect-message "Unable To Open COM"
expect-text 103 "COM8 Close."
check 108 no
select 101 7
select-text 106 "$W\\a.h86"
click 112
wait-text 103 "COM8 Close."
click 114
wait-gone
SCRIPT
  finish_loader
  expect_value VLK_H86_1 "$W\\a.h86"
  expect_value VLK_H86_2 "$W\\fw.h86"
  [ -z "$(value VLK_H86_3)" ] || fail "VLK_H86_3 written from an empty slot"
  expect_value VLK_MCS_1 "$W\\top.mcs"
  expect_value INDEX_COM_USE 7
  cmp -s "$work/a.h86" "$work/LastDownloadedFile.ldw" || fail "LastDownloadedFile.ldw is not the last file"
  expect_log "SetNumeroUnique number=-1"
  expect_log "Velk command=0 port=8 speed=57600 unique=-1 result=0"
  expect_log "Velk command=7 boot=BOOTSTR.H86 micro=$W\\fw.h86 load_micro=1 fpga=$W\\top.mcs load_fpga=0 verify=1 checked=BOOTSTR.H86(5 records) checked=$W\\fw.h86(5 records) unique=-1 result=0"
  expect_log "Velk command=7 boot=BOOTSTR.H86 micro=$W\\fw.h86 load_micro=1 fpga=$W\\top.mcs load_fpga=1 verify=1 checked=BOOTSTR.H86(5 records) checked=$W\\fw.h86(5 records) checked=$W\\top.mcs(5 records) unique=-1 result=0"
  expect_log "Velk command=1 unique=-1 result=0"
  grep -q "^Velk command=0 port=5 speed=57600 error=cannot open COM5 " "$log" || fail "no failed open of COM5 in the log"
  [ "$(grep -c '^Velk command=7' "$log")" = 3 ] || fail "expected three downloads"
  [ "$(grep -c '^Velk command=1' "$log")" = 3 ] || fail "expected three closes (none after the failed open)"
  ;;
junk_registry)
  live_port 8
  wine reg add "$key" /v INDEX_COM_USE /d abc /f >/dev/null 2>&1
  wine reg add "$key" /v LAST_SPEED_USE /d 7 /f >/dev/null 2>&1
  start_loader
  drive <<SCRIPT
expect-message "'abc' is not a valid integer value (INDEX_COM_USE): first entry selected" 20000
expect-message "'7' is not a valid integer value (LAST_SPEED_USE): first entry selected"
find "$caption" 116
expect-selected 101 "COM 1"
expect-selected 102 9600
select 101 7
select-text 106 "$W\\fw.h86"
click 112
wait-text 103 "COM8 Close."
click 114
wait-gone
SCRIPT
  finish_loader
  expect_value INDEX_COM_USE 7
  expect_value VLK_H86_1 "$W\\fw.h86"
  ;;
command_line)
  live_port 8
  mkdir -p "$work/my fw"
  cp "$source/stubs/velk2/examples/BOOTSTR.H86" "$work/my fw/b.h86"
  start_loader "$W\\my fw\\b.h86"
  drive <<SCRIPT
find "$caption" 116
expect-items 106 "$W\\BOOTSTR.H86" "$W\\fw.h86" "$W\\my fw\\b.h86"
expect-selected 106 "$W\\my fw\\b.h86"
select 101 7
click 112
wait-text 103 "COM8 Close."
post-click 110
find Open 1148
set-text 1148 "$W\\top.mcs"
click 1
find "$caption" 116
expect-items 109 "$W\\top.mcs" "$W\\top.mcs"
expect-selected 109 "$W\\top.mcs"
click 114
wait-gone
SCRIPT
  finish_loader
  expect_value asDirMcs "$W\\"
  cmp -s "$work/my fw/b.h86" "$work/my fw/LastDownloadedFile.ldw" || fail "no copy beside the command-line file"
  expect_value VLK_H86_1 "$W\\my fw\\b.h86"
  ;;
secs_unique)
  start_sim --unique-number 1234
  secs_download
  expect_log "SetNumeroUnique number=1234"
  expect_log "Velk command=0 port=3 speed=57600 unique=1234 result=0"
  grep -q "^Velk command=7 .* unique=1234 result=0\$" "$log" || { cat "$log" >&2; fail "download without 1234"; }
  after=$(sed -n '/^SetNumeroUnique number=1234$/,$p' "$log" | grep -c '^SetNumeroUnique' || true)
  [ "$after" = 1 ] || { cat "$log" >&2; fail "the unique number was reset before the download ended"; }
  ;;
secs_old_firmware)
  start_sim --old-firmware=S9F5
  secs_download
  grep -q "^Velk command=7 .* unique=-1 result=0\$" "$log" || { cat "$log" >&2; fail "no download with -1"; }
  ! grep -q "^SetNumeroUnique number=[^-]" "$log" || fail "a unique number was set"
  ;;
secs_refused)
  start_sim --wrong-reply 1
  start_loader
  drive <<SCRIPT
find "$caption" 116
select 101 2
click 113
post-click 116
find DebugWindow 202
wait-item 201 "S127F3 sent on COM3"
wait-item 201 "received S127F6" 20000
click 202
find "$caption" 116
expect-no-message 500
expect-text 103 "COM close"
click 114
wait-gone
SCRIPT
  finish_loader
  ! grep -q "^Velk" "$log" 2>/dev/null || { cat "$log" >&2; fail "VELK2 was called"; }
  ! sim_saw "<- S127F1" || fail "S127F1 sent after a refusal"
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "PASS ($case_name)"
