#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Start-up time and peak memory of Tallyfox against a bare Qt Widgets
window built in the same tree, plus the time to handle a press of the
answer button against a plain button. Runs both alternately on the same
machine and prints medians and ratios.

    python3 bench/startup/measure.py BUILD_DIR [RUNS]

BUILD_DIR is a build with -DTALLYFOX_BUILD_BENCHMARKS=ON. Runs under the
display in $DISPLAY, or offscreen when there is none.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


def run_once(probe, mode, env):
    start = time.perf_counter()
    proc = subprocess.Popen([probe, mode], env=env, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    proc.returncode = os.waitstatus_to_exitcode(status)
    if proc.returncode != 0:
        sys.exit(f"{mode} probe failed with {proc.returncode}")
    return elapsed * 1000.0, usage.ru_maxrss / 1024.0  # ms, MiB


def press_time(probe, mode, env):
    out = subprocess.run([probe, mode, "press"], env=env, check=True,
                         capture_output=True, text=True).stdout
    return float(out.strip())


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    probe = os.path.join(sys.argv[1], "bin", "startupprobe")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    env = dict(os.environ)
    if not env.get("DISPLAY") and not env.get("WAYLAND_DISPLAY"):
        env["QT_QPA_PLATFORM"] = "offscreen"
    # A private settings folder, so the user's options are neither read nor changed.
    env["XDG_CONFIG_HOME"] = tempfile.mkdtemp(prefix="tallyfox-bench-")
    env.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp(prefix="tallyfox-run-"))

    results = {"tallyfox": [], "bare": []}
    for mode in results:  # warm the file cache
        run_once(probe, mode, env)
    for _ in range(runs):
        for mode in results:
            results[mode].append(run_once(probe, mode, env))

    summary = {}
    for mode, samples in results.items():
        times = [t for t, _ in samples]
        memory = [m for _, m in samples]
        summary[mode] = (statistics.median(times), statistics.median(memory))
        print(f"{mode:9s} start-up median {summary[mode][0]:7.1f} ms "
              f"(min {min(times):.1f}, max {max(times):.1f}), "
              f"peak memory median {summary[mode][1]:6.1f} MiB")
    print(f"ratio     start-up {summary['tallyfox'][0] / summary['bare'][0]:.2f}, "
          f"peak memory {summary['tallyfox'][1] / summary['bare'][1]:.2f}")

    presses = {mode: statistics.median(press_time(probe, mode, env) for _ in range(5))
               for mode in ("tallyfox", "bare")}
    frame = 1e6 / 60
    print(f"press     answer button {presses['tallyfox']:.1f} us, plain button "
          f"{presses['bare']:.1f} us, ratio {presses['tallyfox'] / presses['bare']:.1f}; "
          f"a press takes {presses['tallyfox'] / frame:.4f} of a 60 Hz frame")


if __name__ == "__main__":
    main()
