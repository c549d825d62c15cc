#!/usr/bin/env bash
# Settings across runs of the real executable: it finds its data beside itself from any
# working folder, writes its settings file in the shared folder, and after being killed
# restores the defaults it changed (keeping the player) and starts in a window.
export ROSEWICK_START=demo
source "$(dirname "$0")/lib.sh"
start_x 1280x1024
GAME=$(cd "$(dirname "$GAME")" && pwd)/$(basename "$GAME")
mkdir -p "$WORK/elsewhere"
cd "$WORK/elsewhere"

start_game
wait_window
continue_past_loading
sleep 0.8  # past the fade-in
ini="$SHARED/rosewick.ini"
[ -f "$ini" ] || fail "no settings file in the shared folder"
grep -qx "FULL SCREEN=0" "$ini" || fail "the shipped defaults should start windowed: $(cat "$ini")"
grep -qx "VERSION NO=1.20" "$ini" || fail "no version line"
key Escape
wait_exit 10
[ -f "$SHARED/GoodExit.dat" ] || fail "no GoodExit.dat after a clean exit"

# A clean previous run: no restore, no message.
sed -i 's/^MUSIC VOLUME=.*/MUSIC VOLUME=5/; s/^PROFILE NAME=.*/PROFILE NAME=Clara/' "$ini"
start_game
wait_window
continue_past_loading
sleep 0.8  # past the fade-in
grep -qx "MUSIC VOLUME=5" "$ini" || fail "a clean start changed the settings"
# Killed after a display change: the marker is what a toggle leaves behind.
touch "$SHARED/inichanged.dat"
kill -9 "$GAME_PID"
wait_exit 10
rm -f "$SHARED/GoodExit.dat"

start_game
wait_window
continue_past_loading
sleep 0.8  # past the fade-in
grep -qF "Starting in Windowed mode due to incorrect shutdown." "$WORK/game.out" ||
  fail "no windowed-start message"
grep -qF "Starting in Windowed mode due to incorrect shutdown." "$SHARED/ErrorLog.txt" ||
  fail "the windowed-start message was not logged"
grep -qx "PROFILE NAME=Clara" "$ini" || fail "the player was lost: $(cat "$ini")"
grep -qx "MUSIC VOLUME=5" "$ini" && fail "the settings were not restored"
[ -f "$SHARED/inichanged.dat" ] && fail "the change marker survived"
key Escape
wait_exit 10
echo "settings restart checks passed"
