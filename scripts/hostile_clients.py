#!/usr/bin/env python3
"""Measures velmora-services under hostile clients, all on loopback.

Starts the service, then opens 256 connections that send their request header
a few bytes at a time and 2,000 idle keep-alive connections (from 127.0.0.2
and up, so that each address stays within the service's per-address limit),
and reports: the time a normal request from 127.0.0.1 takes to be answered,
the answer and memory growth for a 1 MB header block, and the time the service
takes to end on SIGTERM with all of that open. Every loop is bounded.

usage: scripts/hostile_clients.py [SERVICE_BINARY] [PROGRAM_FOLDER]
Exits 1 when an answer does not come within its deadline.
"""
import os
import resource
import signal
import socket
import subprocess
import sys
import time

SLOW = 256
IDLE = 2000
PER_ADDRESS = 250  # below the service's default of 256 per address


def rss_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def connect(port, address_index):
    s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    s.bind((f"127.0.0.{2 + address_index // PER_ADDRESS}", 0))
    s.settimeout(5)
    s.connect(("127.0.0.1", port))
    return s


def ask(port, request, deadline=10.0):
    """The status line of the answer and the seconds it took."""
    start = time.monotonic()
    answer = b""
    try:
        s = socket.create_connection(("127.0.0.1", port), timeout=deadline)
        s.sendall(request)
        while b"\r\n" not in answer:
            part = s.recv(4096)
            if not part:
                break
            answer += part
        s.close()
    except OSError as error:
        return f"no answer ({error})", time.monotonic() - start
    return answer.split(b"\r\n")[0].decode(errors="replace"), time.monotonic() - start


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    binary = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "../build/Velmora/velmora-services")
    folder = sys.argv[2] if len(sys.argv) > 2 else os.path.dirname(binary) + "/"
    soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
    resource.setrlimit(resource.RLIMIT_NOFILE, (hard, hard))
    service = subprocess.Popen([binary, "--listen", "127.0.0.1:0", "--folder", folder],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    port = int(service.stdout.readline().rsplit(":", 1)[1])
    failed = False
    held = []
    try:
        normal = b"GET /health HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"
        status, seconds = ask(port, normal)
        print(f"alone: {status} in {seconds * 1000:.1f} ms")
        for i in range(SLOW):
            s = connect(port, i)
            s.sendall(b"GET /health HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Slow: ")
            held.append(s)
        for i in range(IDLE):
            s = connect(port, SLOW + i)
            held.append(s)
        slow = held[:SLOW]
        for s in slow:  # one more byte each, as a slow client does
            s.send(b"a")
        status, seconds = ask(port, normal)
        print(f"with {SLOW} slow and {IDLE} idle connections: {status} in {seconds * 1000:.1f} ms")
        failed |= not status.endswith("200 OK") or seconds > 1.0

        before = rss_kb(service.pid)
        big = b"GET /health HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Big: " + b"a" * (1 << 20) + b"\r\n\r\n"
        status, seconds = ask(port, big)
        grown = (rss_kb(service.pid) - before) / 1024
        print(f"1 MB header block: {status} in {seconds * 1000:.1f} ms, memory growth {grown:.1f} MB")
        failed |= "431" not in status or grown >= 20

        start = time.monotonic()
        service.send_signal(signal.SIGTERM)
        try:
            service.wait(timeout=10)
        except subprocess.TimeoutExpired:
            pass
        seconds = time.monotonic() - start
        print(f"SIGTERM with {len(held)} connections open: ended in {seconds * 1000:.0f} ms"
              f" (status {service.returncode})")
        failed |= service.returncode is None or seconds > 2.0
    finally:
        for s in held:
            s.close()
        if service.poll() is None:
            service.kill()
            service.wait()
    print("FAILED" if failed else "all within their limits")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
