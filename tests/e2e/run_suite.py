#!/usr/bin/env python3
"""Runs the end-to-end suite: starts a virtual desktop (Xvfb with openbox),
plays the real game of a build on it, and stops the desktop whatever
happened. Usage: run_suite.py --build BUILD_FOLDER --output FOLDER
[unittest names or -k patterns]."""

import argparse
import os
import shutil
import signal
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # the source tree stays as checked out

import game_case  # noqa: E402
from desktop import VirtualDesktop  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("-k", dest="patterns", action="append", default=[])
    parser.add_argument("names", nargs="*")
    args = parser.parse_args()

    output = os.path.abspath(args.output)
    shutil.rmtree(output, ignore_errors=True)
    os.makedirs(output)
    game_case.build = os.path.abspath(args.build)
    game_case.output = output

    loader = unittest.TestLoader()
    loader.testNamePatterns = [f"*{p}*" for p in args.patterns] or None
    suite = (loader.loadTestsFromNames(args.names) if args.names
             else loader.discover(HERE, pattern="test_*.py", top_level_dir=HERE))
    # Ended from outside (a test driver's timeout), the suite stops as on
    # Ctrl+C: the runner gives up and the screen is stopped on the way out,
    # which ends any game still on it.
    signal.signal(signal.SIGTERM, signal.default_int_handler)
    started = time.monotonic()
    with VirtualDesktop(800, 600, log_folder=output) as desktop:
        game_case.desktop = desktop
        result = unittest.TextTestRunner(verbosity=2).run(suite)
    print(f"e2e: {result.testsRun} tests in {time.monotonic() - started:.0f} s; "
          f"screenshots and logs in {output}")
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
