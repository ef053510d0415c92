# Sourced by the scripts that drive the Windows programs against the simulator
# (demo, guide-screenshots). Sets and uses $sim_pid.

# start_linked_sim SIM LINK WORKDIR OUTPUT [sim options...]: the simulator with
# the sample machine on a pseudo-terminal linked at LINK (a COM port of a Wine
# prefix), its output in OUTPUT. Returns 1, with that output on standard error,
# when it did not come up within 10 s.
start_linked_sim() {
  local sim=$1 link=$2 workdir=$3 output=$4
  shift 4
  stop_sim
  rm -f "$link"
  "$sim" --link "$link" --workdir "$workdir" "$@" "$root/sim/examples/machine.txt" >"$output" 2>&1 &
  sim_pid=$!
  for _ in $(seq 200); do
    if grep -q "ready" "$output" 2>/dev/null && [ -e "$link" ]; then return 0; fi
    kill -0 "$sim_pid" 2>/dev/null || break
    sleep 0.05
  done
  cat "$output" >&2
  return 1
}

stop_sim() {
  if [ -n "${sim_pid:-}" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  sim_pid=""
}

# run_gui_driver DRIVER_EXE SCRIPT_FILE: the driver commands on standard input,
# kept in SCRIPT_FILE, run by the GUI test driver under Wine.
run_gui_driver() {
  cat >"$2"
  wine "$1" -f "$(winepath -w "$2")"
}
