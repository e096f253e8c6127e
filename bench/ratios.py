#!/usr/bin/env python3
"""Prints the ratio of every benchmark case to its baseline from Google Benchmark JSON.

Cases are registered in pairs, "CASE:subject" and "CASE:baseline", measured in the same
run on the same bytes. With repetitions the median is used.
    bench/ratios.py build/bench/bench.json
"""
import json
import sys


def times(benchmarks):
    """CPU time (wall time for real-time cases) per iteration in ns of each name; the
    median aggregate when there is one."""
    plain, median = {}, {}
    for b in benchmarks:
        if b.get("error_occurred"):
            continue
        name = b.get("run_name", b["name"])
        # Cases that work on several threads are timed by the wall clock.
        clock = "cpu_time"
        if name.endswith("/real_time"):
            name, clock = name[: -len("/real_time")], "real_time"
        ns = b[clock] * {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b.get("time_unit", "ns")]
        if b.get("run_type") == "aggregate":
            if b.get("aggregate_name") == "median":
                median[name] = ns
        else:
            plain.setdefault(name, ns)
    plain.update(median)
    return plain


def main(path):
    with open(path) as f:
        measured = times(json.load(f)["benchmarks"])
    cases = [n[: -len(":subject")] for n in measured if n.endswith(":subject")]
    print("%-36s %14s %14s %9s" % ("case", "subject ns", "baseline ns", "ratio"))
    missing = 0
    for case in cases:
        subject, baseline = measured[case + ":subject"], measured.get(case + ":baseline")
        if not baseline:
            print("%-36s %14.1f %14s %9s" % (case, subject, "-", "-"))
            missing += 1
            continue
        print("%-36s %14.1f %14.1f %9.1f" % (case, subject, baseline, subject / baseline))
    return 1 if missing or not cases else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
