#!/usr/bin/env bash
# Checks that every source of the tree compiles with clang, which the README promises from
# version 14 on: each command of a configured build folder's compile_commands.json is run again
# with clang++ and -fsyntax-only (no code is generated, warnings are left to the real builds),
# several at a time. Arguments: the build folder (default build), then the number of jobs
# (default: the number of processors). CLANGXX names another clang++.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
jobs=${2:-$(nproc)}
cxx=${CLANGXX:-clang++}
db="$dir/compile_commands.json"
if [ ! -f "$db" ]; then
  echo "clang_syntax: $db is missing (configure $dir first)" >&2
  exit 1
fi
if ! command -v "$cxx" >/dev/null; then
  echo "clang_syntax: $cxx is not installed (scripts/deps.sh installs it)" >&2
  exit 1
fi
# One command a line: the JSON escapes undone, the launcher and compiler (the words before the
# first option) and the object file dropped.
commands=$(sed -n 's/^ *"command": "\(.*\)",\{0,1\}$/\1/p' "$db" |
  sed -e 's/\\\\/\\/g' -e 's/\\"/"/g' -e 's/^\([^ -][^ ]* \)*//' -e 's/ -o [^ ]*//')
count=$(printf '%s\n' "$commands" | grep -c .)
echo "clang_syntax: $count sources with $("$cxx" --version | head -n 1)"
cd "$dir"
if ! printf '%s\n' "$commands" | xargs -d '\n' -P "$jobs" -I{} sh -c "$cxx -fsyntax-only -w {}"; then
  echo "clang_syntax: sources above do not compile with $cxx" >&2
  exit 1
fi
echo "clang_syntax: all $count sources compile"
