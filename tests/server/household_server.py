#!/usr/bin/env python3
"""The household server seen from a browser's side: real HTTP on 127.0.0.1 against
kestrune-cli serve on a small book, every wait bounded.

Usage: household_server.py CLI
"""
import concurrent.futures
import hashlib
import html.parser
import http.client
import os
import random
import re
import shutil
import signal
import socket
import ssl
import subprocess
import sys
import tempfile
import time
import urllib.parse

CLI = sys.argv[1]
CAT = "Food|Drinks"  # a "|" in a category's name must survive the server's own files
PASS = {"Anna": "anna's passphrase", "Bob": "bob's passphrase", "Cleo": "cleo's passphrase",
        "Dan": "dan's passphrase"}


def cli(work, *args, stdin=None):
    p = subprocess.run([CLI, "--workdir", work, *args], input=stdin, capture_output=True,
                       text=True, timeout=30)
    assert p.returncode == 0, (args, p.stderr)
    return p.stdout


def make_book(folder=None):
    # By default on tmpfs where there is one: what is tested is the server, not how fast a
    # disk flushes (a killed process loses nothing the kernel holds either way).
    if folder is None and os.access("/dev/shm", os.W_OK):
        folder = "/dev/shm"
    work = tempfile.mkdtemp(prefix="kestrune-serve-", dir=folder)
    cli(work, "init")
    for args in (["add-category", CAT], ["add-item", CAT, "Milk"],
                 ["add-item", CAT, "<u>Bread<u>"], *(["add-person", p] for p in PASS)):
        cli(work, *args)
    for person, passphrase in PASS.items():
        cli(work, "access", person, *(["--owner"] if person == "Dan" else []),
            stdin=passphrase + "\n")
    return work


class Server:
    """kestrune-cli serve on a free port; stopped (or killed) by its own process id."""

    def __init__(self, work, tls=False):
        env = dict(os.environ, XDG_DATA_HOME=os.path.join(work, "userdata"))
        self.proc = subprocess.Popen(
            [CLI, "--workdir", work, "serve", "--listen", "127.0.0.1:0",
             *([] if tls else ["--plain-http"])], stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL, text=True, env=env)
        self.lines = [self.proc.stdout.readline() for _ in range(2 if tls else 1)]
        self.port = int(re.search(r":(\d+)/", self.lines[0]).group(1))
        self.tls = tls

    def stop(self, sig=signal.SIGTERM):
        self.proc.send_signal(sig)
        assert self.proc.wait(timeout=10) in (0, -signal.SIGKILL), "serve did not stop"


class Client:
    """One browser: a keep-alive connection and its session cookie."""

    def __init__(self, server):
        if server.tls:
            context = ssl.create_default_context()
            context.check_hostname, context.verify_mode = False, ssl.CERT_NONE
            self.conn = http.client.HTTPSConnection("127.0.0.1", server.port, timeout=10,
                                                    context=context)
        else:
            self.conn = http.client.HTTPConnection("127.0.0.1", server.port, timeout=10)
        self.cookie = None

    def request(self, method, path, fields=None):
        headers = {"Cookie": self.cookie} if self.cookie else {}
        body = None
        if fields is not None:
            headers["Content-Type"] = "application/x-www-form-urlencoded"
            body = urllib.parse.urlencode(fields)
        self.conn.request(method, path, body=body, headers=headers)
        reply = self.conn.getresponse()
        page = reply.read().decode()
        if reply.getheader("Set-Cookie"):
            self.cookie = reply.getheader("Set-Cookie").split(";")[0]
        return reply, page

    def token(self, path="/record"):
        return re.search(r'name="token" value="([0-9a-f]+)"', self.request("GET", path)[1])[1]

    def sign_in(self, person, passphrase=None):
        token = self.token("/signin")
        return self.request("POST", "/signin", {"token": token, "person": person,
                                                "passphrase": passphrase or PASS[person]})[0]

    def record(self, sum_text, note, person=None, token=None, item="Milk"):
        fields = {"category": CAT, "item": item, "person": person or "for all",
                  "date": "2026-03-04", "sum": sum_text, "note": note}
        if token is not False:  # False: a form without its token
            fields["token"] = token or self.token()
        return self.request("POST", "/record", fields)


class Elements(html.parser.HTMLParser):
    """The start tags of a page, so injected markup would show as an element."""

    def __init__(self, page):
        super().__init__()
        self.tags = []
        self.feed(page)

    def handle_starttag(self, tag, attrs):
        self.tags.append((tag, dict(attrs)))


def purchase_lines(work, item="Milk"):
    return cli(work, "purchases", CAT, item).splitlines()


def test_sign_in_tokens_and_owners(work):
    household = os.path.join(work, "data", "BASE", "household")
    assert os.stat(household).st_mode & 0o077 == 0, "others may read the passphrase hashes"
    cli(work, "record", CAT, "<u>Bread<u>", "2026-03-06", "Anna", "4", "desk")
    server = Server(work)
    try:
        anna, bob = Client(server), Client(server)
        assert anna.sign_in("Anna", "wrong").status == 401
        assert anna.request("GET", "/record")[0].status == 303, "a wrong passphrase signed in"
        assert anna.sign_in("Anna").status == 303
        reply, page = anna.request("GET", "/record?category=Food%7CDrinks")
        assert reply.status == 200 and "HttpOnly" not in page
        assert reply.getheader("X-Content-Type-Options") == "nosniff"
        assert "script-src" not in reply.getheader("Content-Security-Policy")
        tags = Elements(page).tags
        assert ("u", {}) not in tags and ("option", {"value": "<u>Bread<u>"}) in tags
        stale = anna.token()
        assert anna.record("2.50", "<i>x</i>", token=False)[0].status == 403
        bob.sign_in("Bob")
        assert bob.record("1", "bob's", token=stale)[0].status == 403
        assert purchase_lines(work) == [], "a form without its own token was taken"
        reply, page = anna.record("2,50", "<i>x</i>|y%41", person="Anna")
        assert reply.status == 200 and "Saved: Milk (Food|Drinks), 2.50" in page, page
        assert ("i", {}) not in Elements(page).tags
        line = "2026|March|04|Anna|<i>x</i>/y%41| 2.50"
        assert purchase_lines(work) == [line]
        form = {"category": CAT, "item": "Milk", "line": line}
        assert bob.request("POST", "/delete", {"token": bob.token(), **form})[0].status == 403
        assert "/delete" not in bob.request("GET", "/purchases")[1]
        assert purchase_lines(work) == [line], "Bob deleted Anna's purchase"
        edit = {"token": anna.token(), **form, "person": "Anna", "date": "2026-03-05",
                "sum": "3", "note": "z"}
        assert anna.request("POST", "/edit", edit)[0].status == 200
        form["line"] = "2026|March|05|Anna|z| 3.00"
        assert purchase_lines(work) == [form["line"]]
        assert anna.request("POST", "/delete", {"token": anna.token(), **form})[0].status == 200
        assert purchase_lines(work) == []
        form = {"category": CAT, "item": "<u>Bread<u>", "line": "2026|March|06|Anna|desk| 4.00"}
        assert anna.request("POST", "/delete", {"token": anna.token(), **form})[0].status == 403
        dan = Client(server)
        dan.sign_in("Dan")
        assert dan.request("POST", "/delete", {"token": dan.token(), **form})[0].status == 200
        assert purchase_lines(work, "<u>Bread<u>") == []
        assert anna.record("0", "none")[0].status == 422
        cli(work, "access", "Anna", stdin="a new passphrase\n")
        short = subprocess.run([CLI, "--workdir", work, "access", "Bob"], input="éééé\n",
                               capture_output=True, text=True, timeout=30)
        assert short.returncode == 1, "four characters of two bytes made a passphrase"
        assert anna.request("GET", "/record")[0].status == 303, "an old passphrase still works"
        for _ in range(5):
            bob.sign_in("Cleo", "wrong")
        assert bob.sign_in("Cleo").status == 401, "sign-in attempts are not limited"
    finally:
        server.stop()


def test_four_clients_record_at_once(work):
    server = Server(work)
    persons = ["Anna", "Bob", "Cleo", "Dan"]

    def record_many(person):
        client = Client(server)
        client.sign_in(person)
        token, accepted = client.token(), []
        for n in range(200):
            note = f"{person} {n}"
            if client.record(f"{n + 1}.01", note, person, token)[0].status == 200:
                accepted.append(note)
        return accepted

    try:
        with concurrent.futures.ThreadPoolExecutor(4) as pool:
            accepted = sum(pool.map(record_many, persons), [])
    finally:
        server.stop()
    notes = [line.split("|")[4] for line in purchase_lines(work)]
    assert len(accepted) == 800 and sorted(notes) == sorted(accepted), "purchases lost or doubled"
    assert "Everything adds up." in cli(work, "check")
    return notes


def test_hostile_requests(work):
    server = Server(work)
    try:
        for path in ("/../data/BASE/KSDBPersons.txt", "/%2e%2e/%2e%2e/etc/passwd", "/record/",
                     "//record", "/2.css/..%2f..%2fKSDBPersons.txt", "/record%00"):
            reply, page = Client(server).request("GET", path)
            assert reply.status == 404 and "Anna" not in page, path
        for overlong in (b"GET /" + b"a" * 200_000 + b" HTTP/1.1\r\n\r\n",
                         b"GET / HTTP/1.1\r\nX: " + b"b" * 200_000 + b"\r\n\r\n",
                         b"POST /signin HTTP/1.1\r\nContent-Length: 1000000\r\n\r\n" +
                         b"c" * 1_000_000):
            with socket.create_connection(("127.0.0.1", server.port), timeout=10) as raw:
                try:
                    raw.sendall(overlong)
                    answer = raw.recv(100)
                except (ConnectionResetError, BrokenPipeError):
                    answer = b""
                assert not answer.startswith(b"HTTP/1.1 200"), overlong[:30]
        anna = Client(server)
        anna.sign_in("Anna")
        form = urllib.parse.urlencode({"token": anna.token(), "category": CAT, "item": "Milk",
                                       "person": "Anna", "date": "2026-03-04", "sum": "1"})
        with socket.create_connection(("127.0.0.1", server.port), timeout=10) as raw:
            raw.sendall(f"POST /record HTTP/1.1\r\nHost: 127.0.0.1\r\nCookie: {anna.cookie}\r\n"
                        "Content-Type: application/x-www-form-urlencoded\r\n"
                        f"Content-Length: {len(form) + 9}\r\n\r\n{form}".encode())
        flood = Client(server)
        for _ in range(1100):  # more sign-in pages than the server keeps sessions for
            flood.cookie = None
            flood.request("GET", "/signin")
        assert anna.record("2", "whole")[0].status == 200, "a flood signed a member out"
        assert [line.split("|")[4] for line in purchase_lines(work)] == ["whole"], \
            "a request cut off midway changed the book"
        rebound = Client(server)
        rebound.conn.putrequest("GET", "/signin", skip_host=True)
        rebound.conn.putheader("Host", f"evil.example:{server.port}")
        rebound.conn.endheaders()
        assert rebound.conn.getresponse().status == 421, "a page of another site was served"
        assert Client(server).request("GET", "/signin")[0].status == 200
    finally:
        server.stop()


def test_tls_identity(work):
    server = Server(work, tls=True)
    try:
        printed = server.lines[1].split(": ")[1].strip()
        client = Client(server)
        reply, _ = client.request("GET", "/signin")
        der = client.conn.sock.getpeercert(binary_form=True)
        assert printed == ":".join(f"{b:02X}" for b in hashlib.sha256(der).digest())
        assert "; Secure" in reply.getheader("Set-Cookie")
    finally:
        server.stop()


def test_killed_server_loses_nothing_acknowledged(work):
    acknowledged = []
    for _ in range(3):
        server = Server(work)
        client = Client(server)
        client.sign_in("Anna")
        token = client.token()
        deadline = time.monotonic() + random.uniform(0.3, 1.0)
        try:
            while time.monotonic() < deadline:
                note = f"kill {len(acknowledged)} {random.random()}"
                if client.record("1", note, "Anna", token)[0].status == 200:
                    acknowledged.append(note)
        finally:
            server.stop(signal.SIGKILL)
    notes = {line.split("|")[4] for line in purchase_lines(work)}
    assert set(acknowledged) <= notes, "an acknowledged purchase was lost"
    assert "Everything adds up." in cli(work, "check")


if __name__ == "__main__":
    started = time.monotonic()
    for test in (test_sign_in_tokens_and_owners, test_four_clients_record_at_once,
                 test_hostile_requests, test_tls_identity,
                 test_killed_server_loses_nothing_acknowledged):
        work = make_book()
        test(work)
        shutil.rmtree(work)
        print(f"{test.__name__}: ok ({time.monotonic() - started:.1f} s)", flush=True)
