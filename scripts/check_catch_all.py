#!/usr/bin/env python3
"""Counts the catch-all handlers (`catch (...)`) of the shipped code and fails above a limit.

Clean-up goes in guard objects (vcl::TFinally, vcl::TOnFailure, vcl::TRestore, the DC and GDI
guards); a catch-all stays only where every exception must stop, with its reason on its line.
The checker reads every .h and .cpp under ROOT except tests/, build folders and hidden ones,
lists the catch-all handlers as `file:line` and exits 1 when there are more than LIMIT.

Usage: check_catch_all.py ROOT LIMIT
"""

import os
import re
import sys

from sources import shipped_sources

CATCH_ALL = re.compile(r"\bcatch\s*\(\s*\.\.\.\s*\)")


def handlers(root):
    for path in shipped_sources(root):
        with open(path, encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, 1):
                code = line.split("//", 1)[0]
                if CATCH_ALL.search(code):
                    yield f"{os.path.relpath(path, root)}:{number}: {line.strip()}"


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    found = list(handlers(argv[1]))
    limit = int(argv[2])
    for line in found:
        print(line)
    print(f"{len(found)} catch-all handlers outside the tests (at most {limit})")
    return 1 if len(found) > limit else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
