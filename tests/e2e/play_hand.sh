#!/usr/bin/env bash
# The first hand in the real window, played with the mouse: the player clicks the cards of the
# layout (a refused card only wiggles) and the stock until the hand is over, and the next hand
# is dealt. SHOTS=folder keeps screenshots of the deal, the play and the outro.
source "$(dirname "$0")/lib.sh"
export ROSEWICK_SEED=20261211
LAYOUT="$(dirname "$0")/../../data/levels/1-1.txt"
start_x 1280x1024

start_game
wait_window
continue_past_loading
wait_output "Hand started: 1-1"
sleep 0.5
[ -n "${SHOTS:-}" ] && screenshot "$SHOTS/deal.png"
sleep 2.5
[ -n "${SHOTS:-}" ] && screenshot "$SHOTS/play.png"

# The window shows the game at its own size: its pixels are the game's.
mapfile -t CARDS < <(tac "$LAYOUT" | cut -d, -f1,2)
for round in $(seq 1 30); do
  grep -qF "Hand ended: 1-1" "$WORK/game.out" && break
  # One xdotool run clicks the whole layout.
  chain=()
  for xy in "${CARDS[@]}"; do
    chain+=(mousemove --window "$WID" "${xy%,*}" "${xy#*,}" click 1 sleep 0.03)
  done
  xdotool "${chain[@]}"
  grep -qF "Hand ended: 1-1" "$WORK/game.out" && break
  # The stock, or "End Hand" where it lay once it is empty.
  click 470 700
  sleep 0.3
  [ "$round" = 3 ] && [ -n "${SHOTS:-}" ] && screenshot "$SHOTS/midhand.png"
done
wait_output "Hand ended: 1-1" 5
sleep 0.6
[ -n "${SHOTS:-}" ] && screenshot "$SHOTS/outro.png"
# The hand-complete panel: Escape acts as its "Next", then leaves the wallpaper step.
wait_output "Hand complete panel shown" 10
sleep 1.5
[ -n "${SHOTS:-}" ] && screenshot "$SHOTS/panel.png"
key Escape
sleep 1.2
key Escape
wait_output "Hand started: 1-2" 15
grep -q "Hand ended: 1-1 cards left 0" "$WORK/game.out" || echo "note: the clicks left cards on the table"
kill -TERM "$GAME_PID"
wait_exit 10
echo "ok after $round rounds"
