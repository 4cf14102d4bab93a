#!/usr/bin/env python3
"""Runs test programs side by side, then prints each one's output in turn.

    sidebyside.py --tmp FOLDER PROGRAM...

For the tests that spend nearly all their time waiting on a clock: a recording's three
seconds at the unit's rate, the attach's chain of retries, the count of a unit's writing
seconds. Side by side their waits overlap instead of queueing in ctest's slots. Each
program gets FOLDER/NAME as its TMPDIR, as it would as a test of its own.
Exit status: 0 when every program passed, 1 otherwise.
"""

import argparse
import os
import subprocess
import sys


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tmp", required=True)
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args()
    runs = []
    for program in args.programs:
        name = os.path.basename(program)
        tmp = os.path.join(args.tmp, name)
        os.makedirs(tmp, exist_ok=True)
        runs.append((name, subprocess.Popen([program], stdout=subprocess.PIPE,
                                            stderr=subprocess.STDOUT,
                                            env={**os.environ, "TMPDIR": tmp})))
    failed = []
    for name, run in runs:
        out, _ = run.communicate()
        sys.stdout.write("--- %s ---\n" % name)
        sys.stdout.flush()
        sys.stdout.buffer.write(out)
        if run.returncode != 0:
            failed.append("%s (exit %d)" % (name, run.returncode))
    if failed:
        print("failed: " + ", ".join(failed))
    sys.stdout.flush()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
