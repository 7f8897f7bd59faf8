#!/usr/bin/env bash
# Pictures of the opening story as a new player sees it: the harness starts the game with a
# fresh save, types the first player's name and lets the story play to the menu, taking a
# picture in the middle of every strip's narration and one of a strip fading out.
#
#   scripts/story-shots.sh [--build DIR] OUT_DIR
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/test
if [ "${1:-}" = "--build" ]; then build="${2:?}"; shift 2; fi
out="${1:?usage: $0 [--build DIR] OUT_DIR}"
mkdir -p "$out"
cmake --build "$build" -j2 --target wendmoor-harness images wendmoor_content wendmoor_sounds >&2

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
# The story begins at frame 294; these frames fall while each strip's narration is written.
shots=()
n=1
for frame in 560 1000 1450 1930 2400 2850; do
  shots+=(--shot "$frame:$out/strip$n.png")
  n=$((n + 1))
done
shots+=(--shot "765:$out/fading.png")
XDG_DATA_HOME="$data" SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy \
  "$build/bin/wendmoor-harness" run --frames 3200 --input tests/tools/harness/opening-story.txt \
  --trace "$out/trace.txt" "${shots[@]}"
grep -E ' (scene|voice) ' "$out/trace.txt" >&2
ls "$out"/*.png
