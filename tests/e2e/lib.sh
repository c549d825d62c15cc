# Shared helpers for the end-to-end checks: the real executable in a real X server (Xvfb),
# driven with xdotool. Source it; $1 of the script is the build directory.
set -euo pipefail

BUILD=${1:?build directory}
GAME="$BUILD/rosewick"
WORK=$(mktemp -d)
export XDG_DATA_HOME="$WORK/home"
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
SHARED="$XDG_DATA_HOME/Quellborne/Rosewick"
export ALSOFT_DRIVERS=null
export ROSEWICK_NO_MESSAGE_BOX=1
export LSAN_OPTIONS="${LSAN_OPTIONS:-}:suppressions=$(dirname "${BASH_SOURCE[0]}")/../lsan.supp:print_suppressions=0"
XVFB_PID=""
GAME_PID=""

cleanup() {
  [ -n "$GAME_PID" ] && kill -9 "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$WORK/game.out" ] && { echo "--- game output:" >&2; tail -40 "$WORK/game.out" >&2; }
  exit 1
}

# start_x [WIDTHxHEIGHT]: a private X server on a free display number.
start_x() {
  local size=${1:-1280x1024}
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    sleep 0.5
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
  done
  fail "no free display for Xvfb"
}

# start_game: runs the game in the background, output in $WORK/game.out.
start_game() {
  "$GAME" >"$WORK/game.out" 2>&1 &
  GAME_PID=$!
}

# wait_window: waits for the game's window, sets WID.
wait_window() {
  for _ in $(seq 1 100); do
    WID=$(xdotool search --name '^Rosewick' 2>/dev/null | head -n 1 || true)
    [ -n "$WID" ] && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window appeared"
    sleep 0.1
  done
  fail "no game window"
}

# wait_output TEXT [SECONDS]: waits until the game has printed TEXT.
wait_output() {
  local text=$1 limit=${2:-10}
  for _ in $(seq 1 $((limit * 10))); do
    grep -qF -- "$text" "$WORK/game.out" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the game never printed '$text'"
}

# wait_exit [SECONDS]: waits for the game to end, sets GAME_RC.
wait_exit() {
  local limit=${1:-10}
  for _ in $(seq 1 $((limit * 10))); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      GAME_RC=0
      wait "$GAME_PID" || GAME_RC=$?
      GAME_PID=""
      return 0
    fi
    sleep 0.1
  done
  fail "the game did not end"
}

# click X Y: a left click at window coordinates.
click() { xdotool mousemove --window "$WID" "$1" "$2" click 1; }
# Keys go through the X test extension to the focused window: events sent straight to a
# window carry no modifier state, so Alt+Enter would arrive as a bare Enter.
key() { xdotool windowfocus --sync "$WID" 2>/dev/null || true; xdotool key "$@"; }
# continue_past_loading: the loading screen waits for a click once everything is loaded. One
# click, then the fade has time to reach the first screen before another.
continue_past_loading() {
  wait_output "Loading finished" 60
  for _ in $(seq 1 10); do
    wait_window  # full screen may have replaced the first window
    click 300 300
    for _ in $(seq 1 10); do
      grep -qF "Screen started: " "$WORK/game.out" && return 0
      sleep 0.1
    done
  done
  fail "the loading screen did not continue on a click"
}
screenshot() { import -window root "$1"; }

# pixel FILE X Y: "r,g,b" of one pixel of a PNG.
pixel() { /usr/bin/convert "$1" -format "%[fx:int(255*u.p{$2,$3}.r)],%[fx:int(255*u.p{$2,$3}.g)],%[fx:int(255*u.p{$2,$3}.b)]" info:; }
