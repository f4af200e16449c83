#!/usr/bin/env bash
# The real Krelmot.exe from outside: started under Wine in the test's X
# display with a prepared INI file beside it, driven with keys, refusing a
# second copy, closed with Escape, and judged by the INI file it leaves.
set -u
exe=$1
probe=$2
title=$3
. "$(dirname "$0")/game.sh"
game_folder
cp "$exe" "$dir/Krelmot.exe"
printf '[profile]\r\nversion=1\r\n[gen]\r\ncol_fenetre=60\r\nlig_fenetre=50\r\nmeilleur_score=99999\r\nlangue=1\r\n[std]\r\nlargeur=20\r\nhauteur=15\r\nnb_robot_base=5\r\nnb_robot_incr=1\r\nintro=0\r\n' >"$dir/Krelmot.ini"
cp "$dir/Krelmot.ini" "$dir/before.ini"

start_game "$dir/Krelmot.exe"
# A second copy shows the first and ends at once.
timeout 30 "$run" "$dir/Krelmot.exe" </dev/null >/dev/null 2>&1
[ $? -eq 0 ] || fail "the second copy did not end with 0"
[ "$(xdotool search --name "^$title\$" | wc -l)" -eq 1 ] || fail "two windows after a second start"

press 0.3 KP_6 KP_2 t h space KP_5 i KP_4
# A new game and one teleportation, read back from the status bar.
press 0.5 i t
parts=$("$run" "$probe" </dev/null 2>/dev/null | tr -d '\r')
echo "status bar after a new game and a teleportation:" $parts
[ "$(echo "$parts" | sed -n '3,5p' | tr '\n' ' ')" = "Level:1 Sonic:0 Tele:1 " ] || fail "status bar reads: $parts"
robots=$(echo "$parts" | sed -n 6p)
[ "$robots" -ge 1 ] && [ "$robots" -le 6 ] || fail "robots left: $robots"
kill -0 $game 2>/dev/null || fail "the game ended before Escape"
end_with_escape
# Nothing changed: the same place, size and settings; the file as it was.
cmp -s "$dir/before.ini" "$dir/Krelmot.ini" || { diff "$dir/before.ini" "$dir/Krelmot.ini"; fail "the INI file changed"; }
echo "smoke test passed"
