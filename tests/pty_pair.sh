# Sourced by line tests (sh or bash) that join two programs through pseudo-terminals:
# a scratch folder $work, and a clean-up at exit that stops the pair and the peer
# process the test started (its pid in $peer_pid) and removes the folder.
# pty_pair END_A END_B ERROR_FILE joins two pseudo-terminals with socat, linked at
# END_A and END_B, and sets $socat_pid. Returns non-zero, with socat's complaint
# printed, when the links never appear.
work=$(mktemp -d)
socat_pid="" peer_pid=""
line_test_cleanup() {
  [ -n "$peer_pid" ] && kill "$peer_pid" 2>/dev/null
  [ -n "$socat_pid" ] && kill "$socat_pid" 2>/dev/null
  rm -rf "$work"
}
trap line_test_cleanup EXIT

pty_pair() {
  rm -f "$1" "$2"
  socat pty,raw,echo=0,link="$1" pty,raw,echo=0,link="$2" 2>"$3" &
  socat_pid=$!
  for _ in $(seq 100); do
    [ -e "$1" ] && [ -e "$2" ] && return 0
    sleep 0.05
  done
  echo "no pty pair"
  cat "$3"
  return 1
}
