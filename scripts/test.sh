#!/usr/bin/env bash
# Checks the layout of the lines the change touches, builds everything, checks that every
# source also compiles with clang (scripts/clang_syntax.sh) and runs all tests (among them the
# replay of the fuzz corpora and the installed package's consumer).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/format.sh
scripts/build.sh "$@"
scripts/clang_syntax.sh build
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300
