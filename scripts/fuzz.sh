#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build/fuzz, then runs each for a bounded time.
#   scripts/fuzz.sh [SECONDS-PER-TARGET] [TARGET...]      (default: 60 s, every target)
# The corpus grows in build/fuzz/corpus/<target>; a crash, leak or hang leaves its input in
# build/fuzz/artifacts/<target>/ and makes the script fail. Keep such an input in
# tests/fuzz/findings/<target>/ once the reader is mended: the test suite replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=build/fuzz
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWENDMOOR_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DWENDMOOR_SKIP_TOOLS="assetgen;contentgen;soundgen;harness" "${launcher[@]}" >/dev/null
nice cmake --build "$build" -j"$(nproc)" --target fuzz_targets

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(sed -n '/^set(fuzz_targets/,/)/p' tests/fuzz/CMakeLists.txt |
             tr -d '()' | tr ' ' '\n' | grep '^Fuzz'))
fi

export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
summary=""
for t in "${targets[@]}"; do
  bin="$build/tests/fuzz/$t"
  corpus="$build/corpus/$t"
  artifacts="$build/artifacts/$t"
  log="$build/logs/$t.log"
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  WENDMOOR_FUZZ_SEEDS_TO="$corpus" "$bin" >/dev/null
  dirs=("$corpus")
  [ -d "tests/fuzz/findings/$t" ] && dirs+=("tests/fuzz/findings/$t")
  echo "== $t: ${seconds} s"
  status=0
  nice "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "${dirs[@]}" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  line=$(printf '%-18s %6s s %12s runs  corpus %5s files' "$t" "$seconds" "${runs:-?}" \
         "$(ls "$corpus" | wc -l)")
  if [ $status -ne 0 ]; then
    failed+=("$t")
    line="$line  FAILED (see $log)"
    grep -m3 -E "ERROR|runtime error|check failed|SUMMARY" "$log" || true
  fi
  echo "$line"
  summary+="$line"$'\n'
done
echo
printf '%s' "$summary"
if [ ${#failed[@]} -ne 0 ]; then
  echo "findings in: ${failed[*]}"
  exit 1
fi
