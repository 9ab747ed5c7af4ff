#!/usr/bin/env python3
"""Crash consistency, I/O faults and hostile books of kestrune-cli, seen from outside.

Each changing command runs on a copy of one small book while strace kills it (or makes a
system call fail) at its k-th openat, write, fsync, rename or unlink, for every k the
command reaches. The next command (check) must then find the book, its undo entries included,
exactly as it was or exactly as the command leaves it, with every total adding up and no
temporary file left. "undo" takes back the book's newest change the same way.

Usage: crash_and_faults.py CLI (crash | faults | limits | writers | hostile)
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading

CLI = sys.argv[1]
TRACED = ["openat", "write", "fsync", "rename", "unlink"]
OPERATIONS = [
    ["record", "Food", "Milk", "2004-03-07", "Anna", "3.25", "new"],
    ["delete-purchase", "Food", "Milk", "2004|January|05|Anna|a|12.50"],
    ["edit-item", "Food", "Milk", "Drinks", "Milk", "moved"],
    ["edit-category", "Food", "Meals"],
    ["delete-person", "Anna"],
    ["delete-month", "2004 January"],
    ["undo"],
]


def cli(work, *args, check=True, prefix=(), timeout=60, **kw):
    p = subprocess.run([*prefix, CLI, "--workdir", work, *args], capture_output=True,
                       text=True, stdin=subprocess.DEVNULL, timeout=timeout, **kw)
    if check and p.returncode != 0:
        raise SystemExit(f"{args} failed with {p.returncode}: {p.stderr}")
    return p


def make_book():
    work = tempfile.mkdtemp(prefix="kestrune-crash-")
    cli(work, "init")
    for args in (["add-category", "Food"], ["add-category", "Drinks"],
                 ["add-item", "Food", "Milk"], ["add-item", "Food", "Bread"],
                 ["add-item", "Drinks", "Tea"], ["add-person", "Anna"], ["add-person", "Bob"],
                 ["record", "Food", "Milk", "2004-01-05", "Anna", "12.50", "a"],
                 ["record", "Food", "Milk", "2004-01-09", "for all", "3", "b"],
                 ["record", "Food", "Bread", "2004-02-01", "Bob", "2", "c"],
                 ["record", "Drinks", "Tea", "2004-01-02", "Anna", "1.5", "d"]):
        cli(work, *args)
    return work


def timeless(entry):
    """An undo entry without the time of its change (and the checksum that covers it)."""
    return re.sub(rb"^(kestrune undo 1\ntime 19\n).{19}(.*\n)end [0-9a-f]+\n$", rb"\1\2",
                  entry, flags=re.S)


def snapshot(work, base=None):
    base = base or os.path.join(work, "data", "BASE")
    files = {}
    for folder, _, names in os.walk(base):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, base)] = timeless(f.read())
    for lock in ("lock", "change"):
        files.pop(os.path.join(".kestrune", lock), None)
    return files


def copy_of(template):
    work = tempfile.mkdtemp(prefix="kestrune-run-")
    shutil.copytree(os.path.join(template, "data"), os.path.join(work, "data"))
    return work


def calls_to_try(template, op):
    """For each traced call: the numbers k of its calls made once the book is opened."""
    work = copy_of(template)
    trace = os.path.join(work, "trace")
    cli(work, *op, prefix=["strace", "-f", "-qq", "-o", trace, "-e",
                           "trace=" + ",".join(TRACED)])
    counts = {name: 0 for name in TRACED}
    first = {}
    with open(trace) as f:
        for line in f:
            m = re.match(r"\d+\s+(\w+)\(", line)
            if not m or m.group(1) not in counts:
                continue
            counts[m.group(1)] += 1
            if "data/BASE" in line and not first:
                first = dict(counts)
    shutil.rmtree(work)
    return {name: range(max(1, first.get(name, 1)), counts[name] + 1) for name in TRACED}


def settle(work, old, new, what):
    """The next command sees the old or the new book, whole, and nothing left over."""
    p = cli(work, "check", check=False)
    state = snapshot(work)
    problems = []
    if p.returncode != 0 or "Everything adds up." not in p.stdout:
        problems.append(f"check: {p.returncode} {p.stdout}{p.stderr}")
    leftovers = [n for n in state
                 if n.startswith(".kestrune") and not n.startswith(os.path.join(".kestrune", "undo"))]
    if leftovers:
        problems.append(f"left over: {leftovers}")
    if state not in (old, new):
        names = sorted(set(old) | set(new) | set(state))
        as_old = [n for n in names if state.get(n) == old.get(n) != new.get(n)]
        as_new = [n for n in names if state.get(n) == new.get(n) != old.get(n)]
        other = [n for n in names if state.get(n) not in (old.get(n), new.get(n))]
        problems.append(f"neither old nor new: old {as_old}, new {as_new}, other {other}")
    for problem in problems:
        print(f"FAIL {what}: {problem}")
    return state, not problems


def run_injections(template, inject, judge):
    tried = failed = 0
    for op in OPERATIONS:
        old = snapshot(template)
        work = copy_of(template)
        cli(work, *op)
        new = snapshot(work)
        shutil.rmtree(work)
        for name, ks in calls_to_try(template, op).items():
            for k in ks:
                work = copy_of(template)
                p = cli(work, *op, check=False, prefix=["strace", "-f", "-qq", "-o", os.devnull,
                                                        "-e", f"inject={name}:{inject}:when={k}"])
                what = f"{op[0]} {name} #{k}"
                state, ok = settle(work, old, new, what)
                ok = judge(p, state, old, new, what) and ok
                tried += 1
                failed += 0 if ok else 1
                shutil.rmtree(work)
    return tried, failed


def crash(template):
    return run_injections(template, "signal=KILL", lambda *a: True)


def reported(p, state, old, new, what):
    """A failed write is reported; only a change past its commit point may show as made."""
    if p.returncode == 0:
        ok = state == new
    else:
        ok = p.stderr.strip() != "" and (state == old or "next start" in p.stderr)
    if not ok:
        print(f"FAIL {what}: exit {p.returncode}, stderr {p.stderr!r}, "
              f"{'old' if state == old else 'new' if state == new else 'mixed'} state")
    return ok


def faults(template):
    # The program tells no write error apart from another (only a missing file, a link or
    # a refused permission), so a full disk stands for them all.
    return run_injections(template, "error=ENOSPC", reported)


def limits(template):
    """A file size limit (EFBIG); read_only below tries a folder the user may not write to."""
    failed = 0
    old = snapshot(template)
    work = copy_of(template)

    def small_files():
        import resource
        # Python ignores SIGXFSZ and a child inherits that; a user's shell does not.
        signal.signal(signal.SIGXFSZ, signal.SIG_DFL)
        resource.setrlimit(resource.RLIMIT_FSIZE, (64, 64))

    p = cli(work, *OPERATIONS[0], check=False, preexec_fn=small_files)
    if p.returncode != 3 or "File too large" not in p.stderr or snapshot(work) != old:
        print(f"FAIL file size limit: {p.returncode} {p.stderr!r}")
        failed += 1
    shutil.rmtree(work)
    return 1, failed


def writers(template):
    """Two writers at once: every accepted purchase counted exactly once."""
    work = copy_of(template)
    accepted = []
    refused_badly = []

    def writer(who):
        for i in range(200):
            p = cli(work, "record", "Drinks", "Tea", "2005-03-01", who, "1", f"{who}{i}",
                    check=False)
            if p.returncode == 0:
                accepted.append(who)
            elif p.returncode != 3 or "in use by another Kestrune" not in p.stderr:
                refused_badly.append(p.stderr)

    threads = [threading.Thread(target=writer, args=(w,)) for w in ("Anna", "Bob")]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    failed = len(refused_badly)
    purchases = cli(work, "purchases", "Drinks", "Tea", "--month", "2005 March").stdout
    total = cli(work, "total", "Drinks", "Tea", "--month", "2005 March").stdout.strip()
    if len(purchases.splitlines()) != len(accepted) or float(total) != len(accepted):
        print(f"FAIL writers: {len(accepted)} accepted, {len(purchases.splitlines())} lines, "
              f"total {total}")
        failed += 1
    if "Everything adds up." not in cli(work, "check", check=False).stdout:
        print("FAIL writers: check found differences")
        failed += 1
    print(f"{len(accepted)} of 400 concurrent records accepted, {400 - len(accepted)} refused")
    shutil.rmtree(work)
    return 400, failed


def seen(work, user=()):
    """What a user sees: every category's total and every item's purchase lines."""
    view = []
    for category in cli(work, "categories", prefix=user).stdout.splitlines():
        view.append(cli(work, "total", category, prefix=user).stdout)
        for item in cli(work, "items", category, prefix=user).stdout.splitlines():
            view.append(cli(work, "purchases", category, item, prefix=user).stdout)
    return view


def own_names(template):
    """A category, an item and a person renamed to every name of the program's own files."""
    work = copy_of(template)
    before = sorted(seen(work))
    names = {"category": "Food", "item": "Milk", "person": "Anna"}
    problems = []
    for name in ("lock", "journal", ".kestrune", ".kestrune.lock", ".kestrune-journal",
                 ".kestrune-tmp-abcdef", ".kestrune-tmp-Food"):
        cli(work, "edit-category", names["category"], name)
        cli(work, "edit-item", name, names["item"], name, name)
        cli(work, "edit-person", names["person"], name)
        names = {"category": name, "item": name, "person": name}
        after = sorted(line.replace(f"|{name}|", "|Anna|") for line in seen(work))
        if after != before or "Everything adds up." not in cli(work, "check").stdout:
            problems.append(f"renamed to {name}: {after}")
    with open(os.path.join(work, "data", "BASE", "KSDBMonths.txt"), "w") as f:
        f.write("")  # something for check --repair to mend, after a backup
    state = snapshot(work)
    cli(work, "check", "--repair")
    backups = os.path.join(work, "data", "backups")
    if snapshot(None, os.path.join(backups, os.listdir(backups)[0])) != state:
        problems.append("the backup differs from the book")
    shutil.rmtree(work)
    return problems


def special_files(template):
    """A link or FIFO where a file of the book should be: refused at once, named, harmless."""
    problems = []
    cases = [("symlink", ".kestrune/lock", ["record", *OPERATIONS[0][1:]]),
             ("hardlink", ".kestrune/lock", ["record", *OPERATIONS[0][1:]]),
             ("fifo", "KSDBCategories.txt", ["categories"]),
             ("fifo", "categories/Food.txt", ["record", *OPERATIONS[0][1:]]),
             ("fifo", "items/Food Milk.txt", ["purchases", "Food", "Milk"]),
             ("folder", "persons/Anna.txt", ["persons"])]
    for kind, name, command in cases:
        work = copy_of(template)
        base = os.path.join(work, "data", "BASE")
        path, victim = os.path.join(base, name), os.path.join(base, "KSDBMonths.txt")
        with open(victim) as f:
            months = f.read()
        if os.path.lexists(path):
            os.remove(path)
        {"symlink": lambda: os.symlink(victim, path), "hardlink": lambda: os.link(victim, path),
         "fifo": lambda: os.mkfifo(path), "folder": lambda: os.mkdir(path)}[kind]()
        try:
            p = cli(work, *command, check=False, timeout=20)
            if p.returncode != 3 or f"{name}: not a" not in p.stderr:
                problems.append(f"{kind} {name}: {p.returncode} {p.stderr!r}")
        except subprocess.TimeoutExpired:
            problems.append(f"{kind} {name}: still waiting after 20 s")
        with open(victim) as f:
            if f.read() != months:
                problems.append(f"{kind} {name}: the months index changed")
        shutil.rmtree(work)
    return problems


def read_only(template):
    """A book the user may only read: every reading command works, a change is refused and
    changes nothing, a pending change is named."""
    if os.geteuid() != 0 or not shutil.which("setpriv"):
        return []
    work = copy_of(template)
    own = os.path.join(work, "data", "BASE", ".kestrune")
    os.chmod(work, 0o755)
    nobody = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
    problems = []
    if seen(work, nobody) != seen(work):
        problems.append("a reader sees another book")
    old = snapshot(work)
    p = cli(work, *OPERATIONS[0], check=False, prefix=nobody)
    if p.returncode != 3 or "Permission denied" not in p.stderr or snapshot(work) != old:
        problems.append(f"a change to a book it may only read: {p.returncode} {p.stderr!r}")
    shutil.rmtree(own)  # no lock file, and none can be made
    p = cli(work, "check", check=False, prefix=nobody)
    if "Everything adds up." not in p.stdout:
        problems.append(f"check on a book it may only read: {p.returncode} {p.stderr!r}")
    os.mkdir(own)
    with open(os.path.join(own, "journal"), "w") as f:
        f.write("kestrune journal 1\n")
    p = cli(work, "categories", check=False, prefix=nobody)
    if p.returncode != 3 or "earlier change is not finished: " + work not in p.stderr:
        problems.append(f"pending change: {p.returncode} {p.stderr!r}")
    shutil.rmtree(work)
    return problems


def hostile(template):
    problems = own_names(template) + special_files(template) + read_only(template)
    for problem in problems:
        print(f"FAIL {problem}")
    return 3, len(problems)


def main():
    template = make_book()
    try:
        tried, failed = {"crash": crash, "faults": faults, "limits": limits,
                         "writers": writers, "hostile": hostile}[sys.argv[2]](template)
    finally:
        shutil.rmtree(template)
    print(f"{tried - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
