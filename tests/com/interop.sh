#!/bin/sh
# interop.sh ASK_KIND ASK_EXE ECHO_KIND ECHO_EXE [WINE_PORT]
# One S2F63/S2F64 round trip between two processes across a pty pair. A kind is
# "native" (the port's device comes from COM1_DEVICE) or "wine" (COM<WINE_PORT> of
# the test prefix, mapped to $ML_WINE_PORTS/com<WINE_PORT>). The asker is a HOST,
# the echo an EQUIPMENT, both with ESC, so the reply also carries the ESC exchange.
set -u
ask_kind=$1 ask_exe=$(realpath "$2") echo_kind=$3 echo_exe=$(realpath "$4") wine_port=${5:-1}
. "$(dirname "$0")/../pty_pair.sh"

end_path() {  # kind, native link name
  if [ "$1" = wine ]; then echo "$ML_WINE_PORTS/com$wine_port"; else echo "$work/$2"; fi
}
ask_dev=$(end_path "$ask_kind" ask.pty)
echo_dev=$(end_path "$echo_kind" echo.pty)
pty_pair "$ask_dev" "$echo_dev" "$work/socat.err" || exit 1

run() {  # kind, exe, device, mode
  if [ "$1" = wine ]; then
    wine "$2" "$4" "$wine_port" 60
  else
    COM1_DEVICE="$3" "$2" "$4" 1 60
  fi
}

mkdir "$work/ask" "$work/echo"
common="PROTOCOL AVEC_ESC\nTIMEOUT_CARACTERE 1000\nTIMEOUT_PROTOCOL 2000\nINFORMATION DEBUG\n"
printf "${common}SOURCE_TYPE HOST\n" >"$work/ask/paramcom.txt"
printf "${common}SOURCE_TYPE EQUIPMENT\n" >"$work/echo/paramcom.txt"

(cd "$work/echo" && run "$echo_kind" "$echo_exe" "$echo_dev" echo >"$work/echo.out" 2>&1) &
peer_pid=$!
for _ in $(seq 600); do
  grep -q ready "$work/echo.out" 2>/dev/null && break
  kill -0 "$peer_pid" 2>/dev/null || break
  sleep 0.1
done

(cd "$work/ask" && run "$ask_kind" "$ask_exe" "$ask_dev" ask >"$work/ask.out" 2>&1)
ask_status=$?
wait "$peer_pid"
echo_status=$?
peer_pid=""
echo "asker ($ask_kind): $(cat "$work/ask.out")"
echo "echo ($echo_kind): $(cat "$work/echo.out")"
if [ $ask_status -ne 0 ] || [ $echo_status -ne 0 ]; then
  for f in "$work"/*/com*.txt; do echo "== $f"; tail -40 "$f"; done
  exit 1
fi
