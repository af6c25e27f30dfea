#!/usr/bin/env bash
# Configures and builds the project into build/ (extra arguments go to CMake).
set -euo pipefail
cd "$(dirname "$0")/.."
"$(dirname "$0")/deps.sh"
cmake -S . -B build -G Ninja "$@" >/dev/null
cmake --build build
