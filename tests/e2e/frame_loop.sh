#!/usr/bin/env bash
# The real window: it draws, fades between screens on a click, pauses with P, leaves through
# the exit screen on Escape and on a close request, refuses a second copy, and reports an
# error raised inside the frame loop.
export ROSEWICK_START=demo
source "$(dirname "$0")/lib.sh"
start_x 1280x1024

start_game
wait_window
continue_past_loading
sleep 0.8
screenshot "$WORK/a.png"
# The window sits at the top-left of the bare X screen; its middle shows the demo's wash.
IFS=, read -r r g b <<<"$(pixel "$WORK/a.png" 300 600)"
[ "$b" -gt "$r" ] || fail "first screen not drawn (pixel $r,$g,$b)"

click 300 300
wait_output "Screen started: demo2"
sleep 0.8
screenshot "$WORK/b.png"
IFS=, read -r r g b <<<"$(pixel "$WORK/b.png" 300 600)"
[ "$g" -gt "$b" ] || fail "second screen not drawn (pixel $r,$g,$b)"

key p
sleep 0.5
screenshot "$WORK/c.png"
IFS=, read -r r2 g2 b2 <<<"$(pixel "$WORK/c.png" 300 600)"
[ "$g2" -lt "$g" ] || fail "pause did not dim the picture ($g2 vs $g)"
key p
sleep 0.3

# A second copy ends at once, without a window of its own.
start=$(date +%s%N)
"$GAME" >"$WORK/second.out" 2>&1 || fail "the second copy failed"
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$elapsed" -lt 3000 ] || fail "the second copy took ${elapsed} ms"
[ "$(xdotool search --name '^Rosewick' | wc -l)" -eq 1 ] || fail "a second window appeared"

key Escape
wait_exit 10
[ "$GAME_RC" -eq 0 ] || fail "Escape exit code $GAME_RC"
[ -f "$SHARED/GoodExit.dat" ] || fail "no GoodExit.dat after a clean exit"

# A close request (SIGTERM reaches SDL as a quit) fades out and exits cleanly too.
rm -f "$SHARED/GoodExit.dat"
start_game
wait_window
continue_past_loading
kill -TERM "$GAME_PID"
wait_exit 10
[ "$GAME_RC" -eq 0 ] || fail "close exit code $GAME_RC"
[ -f "$SHARED/GoodExit.dat" ] || fail "no GoodExit.dat after closing"

# A deliberate error in the frame loop: reported with the start-up step, logged, ended.
ROSEWICK_FAULT_AT_TICK=40 start_game
wait_window
continue_past_loading
wait_exit 15
[ "$GAME_RC" -ne 0 ] || fail "a fault should end with an error code"
log="$SHARED/ErrorLog.txt"
[ -f "$log" ] || fail "no ErrorLog.txt"
grep -qE '^-{57}$' "$log" || fail "no rule line in the log"
grep -qE '^Date: [0-9]{2} [A-Z][a-z]{2} [0-9]{4}   Time: [0-9]{2}:[0-9]{2}:[0-9]{2}$' "$log" ||
  fail "no date line in the log"
grep -qF "(11) Deliberate fault" "$log" || fail "the report lacks the step: $(cat "$log")"
grep -qF "(11) Deliberate fault" "$WORK/game.out" || fail "the report was not shown"
echo "frame loop checks passed"
