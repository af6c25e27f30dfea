#!/usr/bin/env bash
# Checks the layout of the lines the change touches, builds everything and runs all tests
# (among them the replay of the fuzz corpora and the installed package's consumer).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/format.sh
scripts/build.sh "$@"
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300
