#!/usr/bin/env python3
"""Lists the shipped units longer than a limit and fails when there is one.

A unit that grows past the limit is split along its classes or its families of functions. The
checker reads every .h and .cpp under ROOT except tests/, build folders and hidden ones, prints
each longer one as `file: N lines` and exits 1 when there is any.

Usage: check_unit_size.py ROOT LIMIT
"""

import os
import sys

from sources import shipped_sources


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    limit = int(argv[2])
    longer = []
    for path in shipped_sources(argv[1]):
        with open(path, encoding="utf-8", errors="replace") as f:
            lines = sum(1 for _ in f)
        if lines > limit:
            longer.append(f"{os.path.relpath(path, argv[1])}: {lines} lines")
    for line in longer:
        print(line)
    print(f"{len(longer)} units over {limit} lines")
    return 1 if longer else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
