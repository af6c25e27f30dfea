#!/usr/bin/env bash
# Builds the fuzz entry points with clang's libFuzzer into build-fuzz/ and fuzzes each target
# for a while, starting from its seed corpus and regression inputs:
#   scripts/fuzz.sh [SECONDS] [TARGET...]     (default: 60 seconds, every target)
# Every target means every entry point fuzz/fuzz.cmake lists (configure writes them to
# build-fuzz/fuzz/targets.txt). ZYL_FUZZ_JOBS=N fuzzes N targets at once (default 1).
# New corpus entries go to build-fuzz/corpus/<target>/, crash inputs to build-fuzz/crashes/,
# each target's output to build-fuzz/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
jobs=${ZYL_FUZZ_JOBS:-1}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZYL_FUZZ=ON -DZYL_BENCH=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < build-fuzz/fuzz/targets.txt
fi
cmake --build build-fuzz --target "${targets[@]/#/fuzz_}"

# Fuzzes one target; answers non-zero when libFuzzer stopped on a fault.
fuzz_one() {
  local t=$1
  mkdir -p "build-fuzz/corpus/$t" build-fuzz/crashes
  cp -n tests/fuzz/"$t"/seed/* "build-fuzz/corpus/$t/" 2>/dev/null || true
  # The regression inputs, when the target has any (libFuzzer refuses a missing folder).
  local regress=()
  [ -d "tests/fuzz/$t/regress" ] && regress=("tests/fuzz/$t/regress")
  if ! ZYL_TEST_TMP="$PWD/build-fuzz/testtmp/$t" "build-fuzz/fuzz/fuzz_$t" "build-fuzz/corpus/$t" \
      "${regress[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=8192 -artifact_prefix="build-fuzz/crashes/$t-" >"build-fuzz/$t.log" 2>&1; then
    echo "fuzz_$t: found a fault (see build-fuzz/$t.log)"
    return 1
  fi
  echo "fuzz_$t: nothing found in ${seconds}s ($(grep -o 'Done [0-9]* runs' "build-fuzz/$t.log" | tail -1))"
}

status=0
running=0
for t in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
  fuzz_one "$t" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
exit $status
