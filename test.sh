#!/usr/bin/env bash
# Installs what is missing, builds, generates the content and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/test -j"$(nproc)"
# Tests never need a display, a sound card or the player's real saves.
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
export XDG_DATA_HOME="$(mktemp -d)"
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
cd build/test
ctest --output-on-failure -j"$(nproc)"
