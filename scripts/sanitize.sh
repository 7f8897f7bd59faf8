#!/usr/bin/env bash
# Builds the game and its tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build/asan and runs the tests the way test.sh does. Any finding fails its test.
# Extra arguments go to ctest, e.g. scripts/sanitize.sh -R PlayerSave
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/asan
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# The content generators are left out: they only write files, and the tests that want
# generated content skip themselves without it.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWENDMOOR_SANITIZE=ON \
  -DWENDMOOR_SKIP_TOOLS="assetgen;contentgen;soundgen" "${launcher[@]}" >/dev/null
nice cmake --build "$build" -j"$(nproc)"

# The harness tests play the real game and need its generated content. Generating it with
# sanitizers on would be slow and check nothing more: borrow the folders of the test or
# release build (./test.sh or ./run.sh makes them).
for from in build/test/bin build/release/bin; do
  if [ -d "$from/Images" ] && [ -d "$from/Levels" ] && [ -d "$from/Texts" ]; then
    for d in Images Levels Texts Sounds Music Voices SlotPrices.dat HiddenIngrds.dat; do
      [ -e "$from/$d" ] && ln -sfn "$PWD/$from/$d" "$build/bin/$d"
    done
    break
  fi
done
[ -d "$build/bin/Images" ] || echo "No generated content yet (run ./test.sh once): the harness tests will fail."

export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
export XDG_DATA_HOME="$(mktemp -d)"
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"
