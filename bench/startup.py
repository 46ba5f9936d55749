#!/usr/bin/env python3
"""Start-up of OXTAStaffing: launches the program over and over until its first window (the
sign-in) has been painted, and reports the time from launch to that window, the resident memory
then, and every launch that ended otherwise (status, signal, standard error).

The program runs with OXTA_STARTUP_TRACE=quit, which makes it write a line when its first form
is painted and end normally right after. Run it where the program finds its config.ini (run/
after scripts/start.sh) and with a display (DISPLAY of an X server, or QT_QPA_PLATFORM):

    cd run && xvfb-run -a ../bench/startup.py --runs 500 ../build/app/OXTAStaffing
"""
import argparse
import os
import re
import signal
import statistics
import subprocess
import sys
import time

SHOWN = re.compile(rb"startup:\s+([\d.]+) ms\s+cpu\s+([\d.]+) ms\s+shown \"(.*)\"\s+rss ([\d.]+) MB")


def launch(program, timeout):
    env = dict(os.environ, OXTA_STARTUP_TRACE="quit")
    start = time.perf_counter()
    proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    shown_at = None
    rss = None
    inside = None
    cpu = None
    err = b""
    deadline = start + timeout
    for line in iter(proc.stderr.readline, b""):
        err += line
        m = SHOWN.search(line)
        if m and shown_at is None:
            shown_at = time.perf_counter()
            inside = float(m.group(1))
            cpu = float(m.group(2))
            rss = float(m.group(4))
        if time.perf_counter() > deadline:
            proc.kill()
            break
    try:
        status = proc.wait(timeout=max(0.1, deadline - time.perf_counter()))
    except subprocess.TimeoutExpired:
        proc.kill()
        status = "timeout"
    return {
        "to_window": None if shown_at is None else (shown_at - start) * 1000,
        "inside": inside,
        "cpu": cpu,
        "rss": rss,
        "status": status,
        "stderr": err.decode(errors="replace"),
        # each start of main() writes a "main" line: more than one when the program started
        # over because the display was busy
        "starts": len(re.findall(rb"^startup:.* main$", err, re.M)),
    }


def describe(status):
    if isinstance(status, int) and status < 0:
        return "signal %s" % signal.Signals(-status).name
    return "status %s" % status


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("program")
    ap.add_argument("--runs", type=int, default=30)
    ap.add_argument("--timeout", type=float, default=20.0, help="seconds per launch")
    args = ap.parse_args()

    times, insides, cpus, rsss, failures = [], [], [], [], []
    started_over = 0
    for i in range(args.runs):
        r = launch(args.program, args.timeout)
        if r["to_window"] is None or r["status"] != 0:
            failures.append((i + 1, r))
            print("launch %d: %s, %s" % (i + 1, describe(r["status"]),
                                         "window shown" if r["to_window"] else "no window"),
                  file=sys.stderr)
            for line in r["stderr"].splitlines()[-8:]:
                print("    " + line, file=sys.stderr)
        if r["starts"] > 1:
            started_over += 1
        if r["to_window"] is not None:
            times.append(r["to_window"])
            insides.append(r["inside"])
            cpus.append(r["cpu"])
            rsss.append(r["rss"])

    def q(values, p):
        values = sorted(values)
        return values[min(len(values) - 1, int(p * len(values)))]

    print("launches: %d, reached the first window: %d, failed: %d, started over (busy display): %d"
          % (args.runs, len(times), len(failures), started_over))
    if times:
        print("launch to first window: median %.1f ms, p90 %.1f ms, min %.1f ms, max %.1f ms"
              % (statistics.median(times), q(times, 0.9), min(times), max(times)))
        print("main() to first window: median %.1f ms" % statistics.median(insides))
        print("processor time to first window: median %.1f ms, min %.1f ms"
              % (statistics.median(cpus), min(cpus)))
        print("resident memory at the first window: median %.1f MB" % statistics.median(rsss))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
