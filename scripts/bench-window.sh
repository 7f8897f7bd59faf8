#!/usr/bin/env bash
# Measures the real game as a player starts it, in an X window: the time from the start of
# its process to the first lit pixel, the CPU it uses in each scene of a first start, and its
# peak memory. Prints one JSON object on stdout; the steps go to stderr.
#
#   scripts/bench-window.sh [--xvfb] [--screen WxH] [--no-wm] [--renderer software|accelerated]
#                           [--seconds N] [--build DIR] [--keep DIR]
#
# --xvfb starts a private Xvfb (also done when DISPLAY is unset, and by --screen), of the size
# --screen gives (1366x768), with a small window manager (openbox) on it unless --no-wm: a
# new player's game starts full screen, so the screen's size is the game's. --renderer is handed to the
# game as WENDMOOR_RENDERER; --seconds is the length of each measured phase (10); --build
# is the build folder (build/test); --keep leaves the pictures and logs of the run in DIR.
# SDL's own variables (SDL_RENDER_DRIVER, SDL_AUDIODRIVER, …) pass through to the game.
set -euo pipefail
cd "$(dirname "$0")/.."

use_xvfb=0
screen=1366x768
use_wm=1
renderer=""
seconds=10
build=build/test
keep=""
while [ $# -gt 0 ]; do
  case "$1" in
    --xvfb) use_xvfb=1 ;;
    --screen) screen="${2:?}"; use_xvfb=1; shift ;;
    --no-wm) use_wm=0 ;;
    --renderer) renderer="${2:?}"; shift ;;
    --seconds) seconds="${2:?}"; shift ;;
    --build) build="${2:?}"; shift ;;
    --keep) keep="${2:?}"; shift ;;
    *) echo "usage: $0 [--xvfb] [--screen WxH] [--no-wm] [--renderer software|accelerated] [--seconds N] [--build DIR] [--keep DIR]" >&2
       exit 2 ;;
  esac
  shift
done
case "$renderer" in ""|software|accelerated) ;; *) echo "bench-window: unknown renderer $renderer" >&2; exit 2 ;; esac
[[ "$screen" =~ ^[0-9]+x[0-9]+$ ]] || { echo "bench-window: --screen is WIDTHxHEIGHT" >&2; exit 2; }

say() { echo "bench-window: $*" >&2; }
fail() {
  say "$*"
  # A game that ended by itself says how, and its last words.
  sleep 0.2
  if [ -n "${work:-}" ] && grep -q '^ended ' "$work/launch.txt" 2>/dev/null; then
    say "the game $(grep '^ended ' "$work/launch.txt"); its last output:"
    tail -15 "$work/game.log" >&2 || true
  fi
  if [ -n "${xvfb_pid:-}" ] && ! kill -0 "$xvfb_pid" 2>/dev/null; then
    say "our Xvfb has ended: $(tail -3 "$work/xvfb.log" 2>/dev/null)"
  fi
  exit 1
}

# ---- build: the game, its content, the harness and the window probe ----
./scripts/install-deps.sh --bench >&2
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
targets=()
available=$(cmake --build "$build" --target help 2>/dev/null)
for t in wendmoor wendmoor-harness wendmoor-windowbench images wendmoor_content wendmoor_sounds; do
  grep -qE "^(\.\.\. )?$t(:|\$)" <<<"$available" && targets+=(--target "$t")
done
cmake --build "$build" -j2 "${targets[@]}" >&2
bin="$build/bin"
probe="$bin/wendmoor-windowbench"
[ -x "$probe" ] || probe="$build/tools/windowbench/wendmoor-windowbench"
[ -x "$probe" ] || fail "the window probe was not built (X11 and XTest headers missing? run scripts/install-deps.sh)"
[ -x "$bin/wendmoor" ] && [ -x "$bin/wendmoor-harness" ] || fail "the game or the harness was not built"

# ---- a scratch folder, and everything started here ends with the script ----
work=$(mktemp -d /tmp/wendmoor-bench-window.XXXXXX)
xvfb_pid=""
wm_pid=""
launcher_pid=""
game_pid=""
probe_pid=""
cleanup() {
  [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null || true
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
    kill "$game_pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$game_pid" 2>/dev/null || true
  fi
  [ -n "$launcher_pid" ] && wait "$launcher_pid" 2>/dev/null || true
  if [ -n "$wm_pid" ]; then
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  if [ -n "$keep" ]; then
    mkdir -p "$keep" && cp -r "$work"/. "$keep"/ && say "the run's files are in $keep"
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# ---- the X server ----
if [ "$use_xvfb" = 1 ] || [ -z "${DISPLAY:-}" ]; then
  command -v Xvfb >/dev/null || fail "Xvfb is not installed"
  # Xvfb picks a free display itself and writes its number.
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(tail -3 "$work/xvfb.log")"
  export DISPLAY=":$(head -1 "$work/display")"
  display_name="Xvfb $DISPLAY $screen"
  if [ "$use_wm" = 1 ]; then
    command -v openbox >/dev/null || fail "openbox is not installed (scripts/install-deps.sh --bench)"
    openbox --sm-disable >"$work/wm.log" 2>&1 &
    wm_pid=$!
    "$probe" wm-ready --timeout 10 >&2 || fail "the window manager did not start: $(tail -3 "$work/wm.log")"
    display_name+=" openbox"
  else
    display_name+=" no window manager"
  fi
else
  display_name="$DISPLAY"
fi
say "display $display_name"

# ---- where the game puts things: the same first start played headless by the harness ----
flow=scripts/bench-window-flow.txt
captures=()
while read -r _ _ frame name _; do captures+=("$name:$frame"); done < <(grep '^# at ' "$flow")
at=()
for c in "${captures[@]}"; do at+=(--at "${c#*:}:$work/${c%%:*}.png"); done
mkdir -p "$work/harness-data"
SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$work/harness-data" \
  "$bin/wendmoor-harness" widgets --input "$flow" "${at[@]}" >"$work/widgets.txt" \
  || fail "the harness could not play the first start (see $work/widgets.txt)"

# The scene of a capture, and the centre of a widget or area in it.
scene_at() { awk -v f="$1" '$1=="frame"{on=($2==f)} on&&$1=="scene"{print $2}' "$work/widgets.txt"; }
centre_of() {
  awk -v f="$1" -v n="$2" '$1=="frame"{on=($2==f)}
    on&&($1=="widget"||$1=="area")&&$2==n{printf "%d %d\n",$3+$5/2,$4+$6/2; exit}' "$work/widgets.txt"
}
rect_of() {
  awk -v f="$1" -v n="$2" '$1=="frame"{on=($2==f)}
    on&&($1=="widget"||$1=="area")&&$2==n{printf "%d,%d,%d,%d\n",$3,$4,$5,$6; exit}' "$work/widgets.txt"
}
frame_of() { for c in "${captures[@]}"; do [ "${c%%:*}" = "$1" ] && echo "${c#*:}"; done; }
# The scenes must come in the order the flow says.
while read -r _ _ frame name scene; do
  got=$(scene_at "$frame")
  [ "$got" = "$scene" ] || fail "the harness's first start reached $got where $scene was expected ($name)"
done < <(grep '^# at ' "$flow")
awk -v f="$(frame_of level)" '$1=="frame"{on=($2==f)} on&&$1=="tile"' "$work/widgets.txt" >"$work/tiles.txt"
[ -s "$work/tiles.txt" ] || fail "the harness shows no board squares in the level"

# ---- the game ----
mkdir -p "$work/data" "$work/run"
chmod 700 "$work/run"
export XDG_DATA_HOME="$work/data"
# The instance lock lives there: a game the developer has open does not stop the bench.
export XDG_RUNTIME_DIR="$work/run"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
if [ -n "$renderer" ]; then export WENDMOOR_RENDERER="$renderer"; else unset WENDMOOR_RENDERER; fi

"$probe" launch --timeout 60 --log "$work/game.log" -- "$bin/wendmoor" >"$work/launch.txt" &
launcher_pid=$!
for _ in $(seq 100); do grep -q '^pid ' "$work/launch.txt" && break; sleep 0.05; done
game_pid=$(awk '$1=="pid"{print $2}' "$work/launch.txt")
[ -n "$game_pid" ] || fail "the game did not start"
say "game pid $game_pid"
while ! grep -q '^first_frame_ms ' "$work/launch.txt"; do
  kill -0 "$launcher_pid" 2>/dev/null || fail "no first frame: $(tail -5 "$work/game.log")"
  sleep 0.1
done
first_frame_ms=$(awk '$1=="first_frame_ms"{print $2}' "$work/launch.txt")
say "first frame after $first_frame_ms ms, window $(awk '$1=="window"{print $2,$3,$4,$5}' "$work/launch.txt")"

# In the background, so that a signal to the script ends the run at once.
probe() {
  "$probe" "$1" --pid "$game_pid" "${@:2}" &
  probe_pid=$!
  wait "$probe_pid"
}
# Waits for a scene: the window looks like the harness's picture of it, where it differs from
# the scene before.
wait_for() {
  local name=$1 before=$2
  shift 2
  say "waiting for the $name"
  probe wait --like "$work/$name.png" ${before:+--unlike "$work/$before.png"} --timeout 60 \
    --fail-shot "$work/failed-$name.png" "$@" >&2 || fail "the $name did not come"
}
declare -A cpu waiting
measure() {
  local name=$1
  shift
  say "measuring the $name for $seconds s"
  probe measure --seconds "$seconds" "$@" >"$work/measure-$name.txt" || fail "could not measure the $name"
  cpu[$name]=$(awk '$1=="cpu_percent"{print $2}' "$work/measure-$name.txt")
  waiting[$name]=$(awk '$1=="wait_percent"{print $2}' "$work/measure-$name.txt")
  say "$name: ${cpu[$name]} % of a core, ${waiting[$name]:-?} % waiting for one $(awk '$1=="drags"{printf "(%d drags)", $2}
    $1=="screen_changes"{printf "(the screen changed in %d of %d looks, %s %% of its pixels)", $2, $4, $5}' "$work/measure-$name.txt")"
  # What the phase ended on, for a look afterwards (--keep).
  probe shot "$work/live-$name.png" || true
}
click() { probe click $(centre_of "$(frame_of "$1")" "$2") || fail "cannot click $2"; }

wait_for splash "" --area "$(rect_of "$(frame_of splash)" LoadingBar)"
measure splash --watch
click splash LoadingBar
wait_for name splash
# The flow's texts in order: the cheat name, whose Return sends the name window away and
# back, then the player's name.
mapfile -t texts < <(sed -n 's/^[0-9][0-9]* text //p' "$flow")
[ "${#texts[@]}" = 2 ] || fail "the flow should type the cheat name and then the player's"
probe type "${texts[0]}" && probe key Return || fail "cannot type the cheat name"
sleep 0.3
wait_for name ""
probe type "${texts[1]}" && probe key Return || fail "cannot type the name"
wait_for story name
measure story --watch
click story StorySkipButton
wait_for menu story
measure menu --watch
click menu PlayButton
wait_for question menu
click question WindowNoButton
wait_for map question
measure map --watch
click map MapPlayButton
# Over the island the fog, fairies, petals and butterflies drift at random, alive behind the
# level's windows too: the live window agrees with the harness's picture in 0.88–0.95 of the
# cells that tell the scenes apart, so a little less is asked there.
island=(--tiles "$work/tiles.txt" --match 0.8)
wait_for announce map "${island[@]}"
# Anywhere on the announcement takes it away; its middle is the board's.
probe click $(awk '{x+=$4; y+=$5; n++} END {printf "%d %d\n", x/n, y/n}' "$work/tiles.txt")
# A new player's first level opens with its tutorial page.
wait_for tutorial announce "${island[@]}"
measure tutorial --watch
click tutorial TutorialOKButton
wait_for level tutorial "${island[@]}"
measure level --tiles "$work/tiles.txt" --seed 1
click level InGameMenuButton
wait_for paused level --tiles "$work/tiles.txt"
measure still --watch
# Back in the level, the cheat key wins it; the result, then the hub and a dish's practice.
click paused InGameResumeButton
wait_for level paused "${island[@]}"
probe key F2 || fail "cannot press F2"
wait_for result level
click result WindowOKButton
# The hub's first visit: a conversation over it, then its tutorial page and the shop's tip.
wait_for chat result
measure chat --watch
click chat StorySkipButton
wait_for page chat
click page TutorialOKButton
wait_for tip page
click tip TutorialOKButton
wait_for hub tip
measure hub --watch
click hub BuySlotBuyButton
wait_for practice hub
measure practice --watch

peak_rss_mb=$(probe peak-rss | awk '$1=="peak_rss_mb"{print $2}')
name=$(sed -n 's/^renderer: *//p' "$work/game.log" | head -1)
# The machine's load: on a shared machine the CPU shares are what the game got, not what it
# wanted; cpu_wait_percent is how long its threads were ready and got no processor.
load=$(cut -d' ' -f1 /proc/loadavg)
phases() {
  local -n of=$1
  printf '{"splash":%s,"story":%s,"menu":%s,"map":%s,"tutorial":%s,"level":%s,"still":%s,"chat":%s,"hub":%s,"practice":%s}' \
    "${of[splash]:-null}" "${of[story]:-null}" "${of[menu]:-null}" "${of[map]:-null}" \
    "${of[tutorial]:-null}" "${of[level]:-null}" "${of[still]:-null}" "${of[chat]:-null}" \
    "${of[hub]:-null}" "${of[practice]:-null}"
}
printf '{"renderer":"%s","first_frame_ms":%s,"cpu_percent":%s,"cpu_wait_percent":%s,"peak_rss_mb":%s,"display":"%s","load_average":%s}\n' \
  "${name:-unknown}" "$first_frame_ms" "$(phases cpu)" "$(phases waiting)" "${peak_rss_mb:-null}" \
  "$display_name" "$load"
