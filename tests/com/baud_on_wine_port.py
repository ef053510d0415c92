#!/usr/bin/env python3
"""baud_on_wine_port.py PROBE_EXE PORT FIRST_BAUD SECOND_BAUD

Linux side of the baud-rate check under Wine. COM<PORT> of the test prefix is
made live with a socat pty pair; the probe opens it at the rate its library read
from paramcom.txt at load (FIRST_BAUD), and after ChangeBaud at SECOND_BAUD. At
each block's ENQ the rate of the Windows end is read with stty, then the block
is taken and acknowledged so the probe goes on."""
import os
import select
import subprocess
import sys
import tempfile
import time
import tty

ENQ, EOT, ACK = 0x05, 0x04, 0x06


def read_bytes(fd, count, seconds):
    got = b""
    deadline = time.monotonic() + seconds
    while len(got) < count:
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            break
        got += os.read(fd, count - len(got))
    return got


def main():
    probe, port, first, second = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4]
    ports = os.environ["ML_WINE_PORTS"]
    windows_end = os.path.join(ports, "com" + port)
    peer_end = os.path.join(ports, "peer" + port)
    for path in (windows_end, peer_end):
        if os.path.lexists(path):
            os.unlink(path)
    socat = subprocess.Popen(["socat", "pty,raw,echo=0,link=" + windows_end,
                              "pty,raw,echo=0,link=" + peer_end])
    probe_process = None
    try:
        for _ in range(200):
            if os.path.exists(windows_end) and os.path.exists(peer_end):
                break
            time.sleep(0.05)
        peer = os.open(peer_end, os.O_RDWR | os.O_NOCTTY)
        tty.setraw(peer)
        work = tempfile.mkdtemp()
        with open(os.path.join(work, "paramcom.txt"), "w") as f:
            f.write("BAUDRATE %s\nTIMEOUT_PROTOCOL 10000\nTIMEOUT_CARACTERE 5000\n" % first)
        probe_process = subprocess.Popen(["wine", probe, port, second], cwd=work,
                                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        rates = []
        for patience in (120, 30):
            enq = read_bytes(peer, 1, patience)
            if enq != bytes([ENQ]):
                print("expected ENQ, got %r" % enq)
                break
            rate = subprocess.run(["stty", "-F", windows_end, "speed"], capture_output=True, text=True)
            rates.append(rate.stdout.strip())
            os.write(peer, bytes([EOT]))
            length = read_bytes(peer, 1, 10)
            body = read_bytes(peer, length[0] + 2, 10) if length else b""
            if not length or len(body) != length[0] + 2:
                print("block cut short: length %r, %d bytes" % (length, len(body)))
                break
            os.write(peer, bytes([ACK]))
        output = probe_process.communicate(timeout=60)[0].decode(errors="replace").strip()
        print("probe: %s (exit %d)" % (output, probe_process.returncode))
        print("rates seen on the Windows end: %s (expected %s, %s)" % (rates, first, second))
        os.close(peer)
        return 0 if probe_process.returncode == 0 and rates == [first, second] else 1
    finally:
        if probe_process is not None and probe_process.poll() is None:
            probe_process.kill()
        socat.terminate()
        socat.wait()


if __name__ == "__main__":
    sys.exit(main())
