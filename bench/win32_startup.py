#!/usr/bin/python3
"""Start-up of the Windows program under Wine: runs the probe alternately as
the real window and as an empty window of the same size built the same way,
and reports the median time from process creation to the first painted frame
and their ratio. Run after building the windows preset:
    bench/win32_startup.py build/windows
"""
import os
import statistics
import subprocess
import sys

RUNS = 21


def probe(build, mode):
    out = subprocess.run([os.path.join(build, "wine_run.sh"),
                          os.path.join(build, "bench", "win32_startup_probe.exe"), mode],
                         capture_output=True, text=True, check=True).stdout
    for line in out.splitlines():
        if line.startswith("first_frame_us="):
            return float(line.split("=")[1]) / 1000.0
    raise RuntimeError("no timing in: " + out)


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/windows"
    probe(build, "velmora")  # the first Wine start also makes the prefix
    times = {"velmora": [], "empty": []}
    for _ in range(RUNS):
        for mode in times:
            times[mode].append(probe(build, mode))
    medians = {mode: statistics.median(values) for mode, values in times.items()}
    for mode, value in medians.items():
        print(f"{mode:8s} first frame: median {value:7.1f} ms over {RUNS} runs")
    print(f"ratio: {medians['velmora'] / medians['empty']:.2f} (target at most 1.2)")
    exe = os.path.join(build, "win32", "velmora.exe")
    print(f"velmora.exe: {os.path.getsize(exe) / 1024:.0f} KiB (target under 1536 KiB)")


if __name__ == "__main__":
    main()
