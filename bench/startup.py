#!/usr/bin/python3
"""Start-up harness: runs the probe alternately as the real window, as an
empty window built the same way and as that window with one label, and
reports medians and their ratios, then
the time of a Calculate click up to the repaint. Needs a display: run it as
    tests/e2e/run_under_xvfb.sh bench/startup.py build/default/bench/startup_probe
"""
import os
import statistics
import subprocess
import sys
import time

RUNS = 21


def probe(program, mode):
    env = dict(os.environ, VELMORA_PROBE_SPAWN_NS=str(time.monotonic_ns()))
    out = subprocess.run([program, mode], env=env, capture_output=True, text=True, check=True).stdout
    fields = dict(item.split("=") for item in out.split("\n")[0].split())
    return float(fields["first_frame_us"]) / 1000.0, int(fields["peak_kib"]) / 1024.0, out


def main():
    program = sys.argv[1]
    runs = {"velmora": [], "empty": [], "label": []}
    probe(program, "empty")  # warm the file cache
    for _ in range(RUNS):
        for mode in runs:
            runs[mode].append(probe(program, mode)[:2])
    ms = {m: statistics.median(r[0] for r in runs[m]) for m in runs}
    mib = {m: statistics.median(r[1] for r in runs[m]) for m in runs}
    print(f"start-up to first frame: window {ms['velmora']:.1f} ms, empty {ms['empty']:.1f} ms, "
          f"ratio {ms['velmora'] / ms['empty']:.2f} (target <= 1.30)")
    print(f"peak memory: window {mib['velmora']:.1f} MiB, empty {mib['empty']:.1f} MiB, "
          f"difference {mib['velmora'] - mib['empty']:+.1f} MiB (target <= +6)")
    print(f"for reference, the empty window with one label: {ms['label']:.1f} ms, "
          f"ratio {ms['label'] / ms['empty']:.2f}, {mib['label'] - mib['empty']:+.1f} MiB")
    print(probe(program, "click")[2].split("\n")[1] + " (target < 1000)")


if __name__ == "__main__":
    main()
