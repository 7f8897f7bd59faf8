#!/usr/bin/env bash
# Installs what is missing, builds in Release, generates the content and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
# Only the game and its content; the tests are test.sh's.
cmake --build build/release -j"$(nproc)" --target wendmoor images wendmoor_content wendmoor_sounds
exec build/release/bin/wendmoor
