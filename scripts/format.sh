#!/usr/bin/env bash
# Checks the layout of the lines a change touches against .clang-format (C++ files only).
#   scripts/format.sh [BASE]   compare with BASE; default: the merge base with main, or, on
#                              main itself, the previous commit
#   scripts/format.sh --fix    reformat those lines in place instead
# Skips (exit 0) when there is no git history or no clang-format to check with.
set -euo pipefail
cd "$(dirname "$0")/.."
fix=0
if [ "${1:-}" = "--fix" ]; then fix=1; shift; fi
skip() { echo "format check skipped: $1"; exit 0; }
command -v clang-format >/dev/null || skip "no clang-format"
git rev-parse --verify -q HEAD >/dev/null 2>&1 || skip "no git history"
git clang-format -h >/dev/null 2>&1 || skip "no git clang-format"
base=${1:-}
if [ -z "$base" ]; then
  base=$(git merge-base HEAD main 2>/dev/null || true)
  if [ -z "$base" ] || [ "$base" = "$(git rev-parse HEAD)" ]; then
    base=$(git rev-parse -q --verify HEAD~1 || true)
  fi
fi
[ -n "$base" ] || skip "nothing to compare with"
if [ $fix -eq 1 ]; then
  git clang-format --binary "$(command -v clang-format)" --extensions cpp,h "$base" -- || true
  exit 0
fi
out=$(git clang-format --binary "$(command -v clang-format)" --extensions cpp,h --diff "$base" -- 2>&1 || true)
if printf '%s\n' "$out" | grep -q '^diff '; then
  printf '%s\n' "$out"
  echo "format check failed: run scripts/format.sh --fix" >&2
  exit 1
fi
echo "format check passed (against $(git rev-parse --short "$base"))"
