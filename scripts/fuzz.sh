#!/usr/bin/env bash
# Builds the fuzz entry points with clang's libFuzzer into build-fuzz/ and fuzzes each target
# for a while, starting from its seed corpus and regression inputs:
#   scripts/fuzz.sh [SECONDS] [TARGET...]     (default: 60 seconds, every target)
# New corpus entries go to build-fuzz/corpus/<target>/, crash inputs to build-fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(form_binary form_text bmp ico compress buffer listfile imagelist facesettings ini reghive)
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZYL_FUZZ=ON -DZYL_BENCH=OFF >/dev/null
cmake --build build-fuzz --target "${targets[@]/#/fuzz_}"
status=0
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t" build-fuzz/crashes
  cp -n tests/fuzz/"$t"/seed/* "build-fuzz/corpus/$t/"
  if ! ZYL_TEST_TMP="$PWD/build-fuzz/testtmp" "build-fuzz/fuzz/fuzz_$t" "build-fuzz/corpus/$t" \
      "tests/fuzz/$t/regress" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=8192 -artifact_prefix="build-fuzz/crashes/$t-" >"build-fuzz/$t.log" 2>&1; then
    echo "fuzz_$t: found a fault (see build-fuzz/$t.log)"
    status=1
  else
    echo "fuzz_$t: nothing found in ${seconds}s"
  fi
done
exit $status
