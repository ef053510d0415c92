#!/bin/sh
# with_live_port.sh N COMMAND...: runs COMMAND while COMn of the Wine prefix is
# a live pseudo-terminal (a socat pair under $ML_WINE_PORTS), then stops socat.
set -eu
n=$1
shift
rm -f "$ML_WINE_PORTS/com$n" "$ML_WINE_PORTS/peer$n"
socat "pty,raw,echo=0,link=$ML_WINE_PORTS/com$n" "pty,raw,echo=0,link=$ML_WINE_PORTS/peer$n" &
socat_pid=$!
trap 'kill $socat_pid 2>/dev/null || true; wait $socat_pid 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -e "$ML_WINE_PORTS/com$n" ] && break; sleep 0.05; done
[ -e "$ML_WINE_PORTS/com$n" ] || { echo "socat did not make com$n" >&2; exit 1; }
"$@"
