#!/usr/bin/env python3
"""Runs whole-program tests: `run_e2e.py [options] FILE[::FUNCTION] ...`.

Each `test_*` function of each file gets a fresh E2E session (display, folders, processes);
its artifacts (screenshots, probe output, the program's stderr) go to OUT_DIR/<test name>/.
A test fails on an exception, and also when the program's stderr shows a sanitizer report.
"""

import argparse
import importlib.util
import os
import sys
import time
import traceback

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import clavora_e2e  # noqa: E402

SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "WARNING: ThreadSanitizer", "runtime error:")


def load_tests(target):
    path, _, only = target.partition("::")
    module_name = os.path.splitext(os.path.basename(path))[0]
    spec = importlib.util.spec_from_file_location(module_name, path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    names = [only] if only else sorted(n for n in vars(module) if n.startswith("test_"))
    return [(f"{module_name}.{n}", getattr(module, n)) for n in names]


def run_one(name, function, bin_dir, out_dir):
    started = time.monotonic()
    e2e = clavora_e2e.E2E(name, bin_dir, os.path.join(out_dir, name))
    failed = False
    try:
        function(e2e)
        for app in e2e.apps:
            marks = [line for line in app.stderr().splitlines() if any(m in line for m in SANITIZER_MARKS)]
            clavora_e2e.check(not marks, f"{app.label} reported: {marks[:3]}")
    except Exception:
        failed = True
        traceback.print_exc()
        e2e.save_failure()
        for app in e2e.apps:
            print(f"--- end of the output of {app.label} (all of it in {e2e.out_dir}) ---")
            print(app.stderr()[-4000:])
    finally:
        e2e.close()
    print(f"{'FAIL' if failed else 'ok  '} {name} ({time.monotonic() - started:.1f} s)")
    return not failed


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin-dir", default=os.environ.get("CLAVORA_BIN_DIR",
                                                            os.path.join(here, "..", "..", "build", "debug", "bin")))
    parser.add_argument("--out-dir", default=os.path.join(os.getcwd(), "e2e-artifacts"))
    parser.add_argument("targets", nargs="*", help="test files, optionally FILE::FUNCTION (default: all)")
    args = parser.parse_args()
    targets = args.targets or sorted(os.path.join(here, f) for f in os.listdir(here)
                                     if f.startswith("test_") and f.endswith(".py"))
    results = [run_one(name, fn, args.bin_dir, args.out_dir) for t in targets for name, fn in load_tests(t)]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
