#!/usr/bin/env python3
"""Records per second and the time of one record over loopback, with 1 and 8 clients,
against kestrune-cli serve --plain-http on a fresh small book in FOLDER (by default the
temporary folder; its disk decides most of the time: every record is flushed to it).

Usage: bench/household_server.py CLI [FOLDER] [RECORDS_PER_CLIENT]
"""
import concurrent.futures
import os
import shutil
import statistics
import sys
import tempfile
import time

CLI = sys.argv[1]
FOLDER = sys.argv[2] if len(sys.argv) > 2 else None
RECORDS = int(sys.argv[3]) if len(sys.argv) > 3 else 200
sys.argv = [sys.argv[0], CLI]
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "server"))
import household_server as hs  # noqa: E402  (the test's book, server and client)

PERSONS = ["Anna", "Bob", "Cleo", "Dan"]


def client_run(server, index):
    client = hs.Client(server)
    client.sign_in(PERSONS[index % 4])
    token, times = client.token(), []
    for n in range(RECORDS):
        started = time.perf_counter()
        reply, _ = client.record(f"{n % 90 + 1}.25", f"bench {index} {n}", PERSONS[index % 4], token)
        times.append(time.perf_counter() - started)
        assert reply.status == 200, reply.status
    return times


def measure(clients):
    work = hs.make_book(FOLDER or tempfile.gettempdir())
    server = hs.Server(work)
    try:
        started = time.perf_counter()
        with concurrent.futures.ThreadPoolExecutor(clients) as pool:
            times = sum(pool.map(lambda i: client_run(server, i), range(clients)), [])
        elapsed = time.perf_counter() - started
    finally:
        server.stop()
        shutil.rmtree(work)
    times.sort()
    p99 = times[min(len(times) - 1, int(len(times) * 0.99))]
    print(f"| {clients} | {len(times)} | {len(times) / elapsed:.0f} | "
          f"{statistics.median(times) * 1000:.1f} | {p99 * 1000:.1f} |", flush=True)


if __name__ == "__main__":
    print("| clients | records | records/s | median ms | p99 ms |\n|---|---|---|---|---|")
    for clients in (1, 8):
        measure(clients)
