#!/usr/bin/env python3
"""Prints why each test of the last ctest run in BUILD_DIR was skipped: the
message its GTEST_SKIP gave, read from Testing/Temporary/LastTest.log.

    python3 tools/skipped_tests.py BUILD_DIR
"""

import os
import re
import sys

TEST = re.compile(r"^\d+/\d+ Testing: (.*)$", re.M)


def skip_reasons(log):
    """(test name, reason) for every test the skip expression matched."""
    starts = list(TEST.finditer(log))
    for i, match in enumerate(starts):
        end = starts[i + 1].start() if i + 1 < len(starts) else len(log)
        block = log[match.end():end]
        if "Skip regular expression found in output" not in block:
            continue
        output = block.split("<end of output>")[0]
        # GoogleTest prints "file:line: Skipped", the message, then "[  SKIPPED ]".
        found = re.search(r": Skipped\n(.*?)\n\[  SKIPPED \]", output, re.S)
        reason = " ".join(found.group(1).split()) if found else "(no message)"
        yield match.group(1).strip(), reason or "(no message)"


def main():
    path = os.path.join(sys.argv[1], "Testing", "Temporary", "LastTest.log")
    if not os.path.exists(path):
        return 0
    with open(path, encoding="utf-8", errors="replace") as f:
        for name, reason in skip_reasons(f.read()):
            print(f"skipped {name}: {reason}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
