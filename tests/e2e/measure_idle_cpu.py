#!/usr/bin/env python3
"""Measures the CPU the running program uses while idle on a page (a measurement, not a test).

    measure_idle_cpu.py [--bin-dir DIR] [--seconds 20] [--page keys|macros|light|settings|home]

Starts the program on a private X server with the stand-in keyboard attached, opens the page,
waits until the program has settled, then reads the process's CPU time from /proc over the
interval and prints it as a share of one core.
"""

import argparse
import os
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import clavora_e2e  # noqa: E402
from clavora_e2e import ctl  # noqa: E402

TABS = {"home": ctl.kTabHome, "keys": ctl.kTabKeys, "macros": ctl.kTabMacros, "light": ctl.kTabLight,
        "settings": ctl.kTabSettings}


def cpu_seconds(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")  # utime + stime


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin-dir", default=os.path.join(here, "..", "..", "build", "release", "bin"))
    parser.add_argument("--seconds", type=float, default=20)
    parser.add_argument("--page", choices=sorted(TABS), default="keys")
    args = parser.parse_args()
    e2e = clavora_e2e.E2E("idle-cpu", args.bin_dir, os.path.join(os.getcwd(), "e2e-artifacts", "idle-cpu"))
    try:
        app = e2e.start()
        if args.page != "keys":
            app.click_tab(TABS[args.page])
        app.settle()
        pid = app.proc.pid
        start_cpu, start = cpu_seconds(pid), time.monotonic()
        time.sleep(args.seconds)
        used, elapsed = cpu_seconds(pid) - start_cpu, time.monotonic() - start
        print(f"{args.page} page, {elapsed:.1f} s: {used:.2f} s of CPU = {100 * used / elapsed:.2f} % of one core")
    finally:
        e2e.close()


if __name__ == "__main__":
    main()
