#!/usr/bin/env bash
# The long soak: the bot plays many levels in a row in one game (50 unless told otherwise),
# with saves, restarts, menu trips and tries again. First in the ordinary build, where
# resident memory must not grow from level to level; then under AddressSanitizer and
# UndefinedBehaviorSanitizer, where any report ends it.
set -euo pipefail
cd "$(dirname "$0")/.."
levels="${1:-50}"
./scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# The ordinary build makes the content both runs play on.
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/test -j"$(nproc)" --target wendmoor-harness images wendmoor_content wendmoor_sounds
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWENDMOOR_SANITIZE=ON \
  -DWENDMOOR_SKIP_TOOLS="assetgen;contentgen;soundgen" "${launcher[@]}" >/dev/null
nice cmake --build build/asan -j"$(nproc)" --target wendmoor-harness

content="$PWD/build/test/bin"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
export XDG_DATA_HOME="$(mktemp -d)"
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
echo "soak, ordinary build:"
build/test/bin/wendmoor-harness soak --levels "$levels" --content "$content"
rm -rf "$XDG_DATA_HOME"/*
echo "soak, sanitizers:"
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
# The sanitizer keeps freed memory aside for a while, so its resident size is not judged here.
build/asan/bin/wendmoor-harness soak --levels "$levels" --content "$content" --max-growth 0
echo "soak: clean"
