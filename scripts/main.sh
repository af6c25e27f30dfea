#!/usr/bin/env bash
# The main job: builds, then converts every example form file between its binary and text
# forms into out/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
mkdir -p out
shopt -s nullglob
for f in examples/*.dfm examples/*.txt; do
  name=$(basename "$f")
  build/tools/formconv "$f" "out/${name%.*}.converted"
  echo "converted $f -> out/${name%.*}.converted"
done
