#!/usr/bin/env bash
# Full screen on a wide display: the 1024x768 area is pillar-boxed where the computed viewport
# says, a click lands at the right game coordinates, and Alt+Enter goes back to a window.
export ROSEWICK_START=demo
source "$(dirname "$0")/lib.sh"
start_x 1920x1080
mkdir -p "$SHARED"
ini="$SHARED/rosewick.ini"
printf 'FULL SCREEN=1\nPROFILE NAME=Clara\n' >"$ini"
touch "$SHARED/GoodExit.dat"  # the previous run ended cleanly

start_game
wait_window
continue_past_loading
sleep 1
screenshot "$WORK/full.png"
# Virtual width 1364 with the area from 171 to 1193: window pixels 240.5 to 1677.6.
for x in 230 1690; do
  IFS=, read -r r g b <<<"$(pixel "$WORK/full.png" "$x" 540)"
  [ $((r + g + b)) -eq 0 ] || fail "pixel $x,540 should be a black bar ($r,$g,$b)"
done
for x in 250 960 1668; do
  IFS=, read -r r g b <<<"$(pixel "$WORK/full.png" "$x" 540)"
  [ $((r + g + b)) -gt 0 ] || fail "pixel $x,540 should show the game"
done

# 960 * 1364 / 1920 = 682 virtual units, less the 170 of the bar: game x 512.
wait_window  # full screen may have replaced the first window
click 960 540
wait_output "Click at 512,384"
wait_output "Screen started: demo2"
sleep 0.8  # past the fade

key alt+Return
# Recreating the window can take a while on a loaded machine.
for _ in $(seq 1 100); do
  grep -qx "FULL SCREEN=0" "$ini" && break
  sleep 0.1
done
sleep 0.5
wait_window  # leaving full screen makes a new window
grep -qx "FULL SCREEN=0" "$ini" || fail "Alt+Enter did not save windowed mode: $(cat "$ini")"
[ -f "$SHARED/inichanged.dat" ] || fail "a display change leaves no marker"
read -r w h <<<"$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p')"
[ "$w" -eq 1024 ] && [ "$h" -eq 768 ] || fail "window is ${w}x${h} after leaving full screen"
key Escape
wait_exit 10
[ -f "$SHARED/GoodExit.dat" ] || fail "no GoodExit.dat after a clean exit"
echo "full screen checks passed"
