#!/usr/bin/env python3
"""End-to-end tests of volmar: the real program on an X server (normally
Xvfb through xvfb-run), driven with xdotool, seen through screenshots, the
clipboard and the files it writes.

    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" python3 tests/e2e/run.py --volmar build/volmar [SESSION...]

Each session is one test_*.py module of this folder and stands on its own;
without names every session runs. ctest runs each one as a test of its own.
"""

import argparse
import glob
import os
import shutil
import signal
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import context  # noqa: E402
from editor import Editor  # noqa: E402

TOOLS = ["xdotool", "import", "xclip"]
HERE = os.path.dirname(os.path.abspath(__file__))


def all_sessions():
    return sorted(os.path.basename(path)[:-3] for path in glob.glob(os.path.join(HERE, "test_*.py")))


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--volmar", required=True, help="the volmar executable")
    parser.add_argument("--shots", help="keep a screenshot of every step, and the logs, in this folder")
    parser.add_argument("-k", dest="pattern", help="run only tests whose name holds this text")
    parser.add_argument("sessions", nargs="*", metavar="SESSION",
                        help="test_*.py modules to run (default: all of them)")
    return parser.parse_args()


def load_tests(sessions, pattern):
    loader = unittest.TestLoader()
    if pattern:
        loader.testNamePatterns = [f"*{pattern}*"]
    return unittest.TestSuite(loader.loadTestsFromName(name) for name in sessions)


def main():
    args = parse_arguments()
    if not os.environ.get("DISPLAY"):
        print("run.py needs an X display (start it under xvfb-run -a)", file=sys.stderr)
        return 2
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if missing:
        print(f"run.py needs {', '.join(missing)} (scripts/setup installs them)", file=sys.stderr)
        return 2
    context.executable = os.path.abspath(args.volmar)
    context.work_root = tempfile.mkdtemp(prefix="volmar-e2e-")
    shots = args.shots or os.path.join(context.work_root, "shots")
    context.shots = context.Shots(shots, record=bool(args.shots))
    started = time.monotonic()
    result = None
    # A stop request (ctest's time-out) still ends the editors.
    signal.signal(signal.SIGTERM, _interrupt)
    try:
        sessions = [name[:-3] if name.endswith(".py") else name for name in args.sessions]
        suite = load_tests(sessions or all_sessions(), args.pattern)
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    finally:
        for editor in list(Editor.running_editors):
            editor.kill()
        passed = result is not None and result.wasSuccessful()
        if args.shots:
            for name in os.listdir(context.work_root):
                if name.endswith(".log"):
                    shutil.copy(os.path.join(context.work_root, name), args.shots)
        if passed or args.shots:
            shutil.rmtree(context.work_root, ignore_errors=True)
        else:
            print(f"logs and screenshots of the failure are kept in {context.work_root}")
    print(f"e2e: {time.monotonic() - started:.1f} s")
    return 0 if passed else 1


def _interrupt(signum, frame):
    raise KeyboardInterrupt(f"signal {signum}")


if __name__ == "__main__":
    sys.exit(main())
