#!/usr/bin/env bash
# The widget gallery in the real window: reached by its button on the first screen, a yes/no
# answer and a typed name reach the screen, and Escape leads back.
export ROSEWICK_START=demo
source "$(dirname "$0")/lib.sh"
start_x 1280x1024

start_game
wait_window
continue_past_loading
sleep 0.8
[ -n "${GALLERY_SHOTS:-}" ] && screenshot "$GALLERY_SHOTS/demo.png"

# The Gallery button sits at the top right of the first screen.
click 909 53
wait_output "Gallery: started"
sleep 0.8
[ -n "${GALLERY_SHOTS:-}" ] && screenshot "$GALLERY_SHOTS/gallery.png"

# Ask, then answer Yes with its key once the dialog has slid in.
click 165 245
wait_output "Gallery: yes/no opened"
sleep 0.6
[ -n "${GALLERY_SHOTS:-}" ] && screenshot "$GALLERY_SHOTS/dialog.png"
key y
wait_output "Gallery: yes/no answered 1"

# A name with a banned character in it: the character is refused, the rest kept.
click 110 338
wait_output "Gallery: typing started"
xdotool type --delay 60 'Ann#e'
wait_output "Gallery: refused character #"
key Return
wait_output "Gallery: name typed Anne"

# The effects play from their buttons.
click 165 523
wait_output "Gallery: effect "
sleep 0.3
[ -n "${GALLERY_SHOTS:-}" ] && screenshot "$GALLERY_SHOTS/effect.png"

key Escape
wait_output "Gallery: back"
for _ in $(seq 1 50); do
  [ "$(grep -c 'Screen started: demo$' "$WORK/game.out")" -ge 2 ] && break
  sleep 0.1
done
[ "$(grep -c 'Screen started: demo$' "$WORK/game.out")" -ge 2 ] || fail "Escape did not lead back"
sleep 0.8  # an Escape during the fade-in would only end the fade

key Escape
wait_exit 10
[ "$GAME_RC" -eq 0 ] || fail "exit code $GAME_RC"
echo "gallery: ok"
