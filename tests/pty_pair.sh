# Sourced by line tests (sh or bash): pty_pair END_A END_B ERROR_FILE joins two
# pseudo-terminals with socat, linked at END_A and END_B, and sets $socat_pid.
# Returns non-zero, with socat's complaint printed, when the links never appear.
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
