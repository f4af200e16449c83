#!/usr/bin/env bash
# Takes the README's pictures from the real program under Xvfb, in English:
# docs/intro.png (the intro, before any key), docs/play.png (a level after a
# few moves), docs/options.png (the options sheet, key O) and docs/help.png
# (the help, F1). Each is one window, cut out of the screen at its place.
set -u
. "$(dirname "$0")/common.sh"
install_packages || { echo "!! could not install the build dependencies"; exit 1; }
build_for_windows win64 >/dev/null || exit 1
prepare_wine_prefix
mkdir -p "$root/docs"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$root" "$build/win64/shell/Krelmot.exe" <<'INNER'
set -u
root=$1
exe=$2
title=$(sed -n 's/^#define KRELMOT_TITLE "\(.*\)"$/\1/p' "$root/build/win64/generated/Version.h")
. "$root/tests/smoke/game.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"; stop_wine' EXIT
cp "$exe" "$dir/Krelmot.exe"
start_wine

start() {  # intro number
    printf '[profile]\r\nversion=1\r\n[gen]\r\nlangue=1\r\n[std]\r\nlargeur=30\r\nhauteur=20\r\nnb_robot_base=8\r\nintro=%s\r\n' \
        "$1" >"$dir/Krelmot.ini"
    start_game "$dir/Krelmot.exe"
    sleep 2
}
shoot() {  # window, picture name
    import -window "$1" "$root/docs/$2.png" && echo "docs/$2.png"
}
dialog() {  # title, key that opens it, picture name
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key --window "$window" "$2"
    local found
    found=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | tail -1)
    [ -n "$found" ] || fail "no window titled $1 after $2"
    sleep 1
    shoot "$found" "$3"
    xdotool windowfocus --sync "$found" 2>/dev/null
    xdotool key Escape
    for _ in $(seq 1 25); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null || break
        sleep 0.2
    done
}
# The hero's sky blue is in no other piece: without it the moves killed him,
# and a new game is tried.
hero_alive() {
    local sky
    sky=$(convert "$root/docs/play.png" -gravity South -crop 100%x70%+0+0 +repage \
        -fill black +opaque '#94c4ff' -fill white -opaque '#94c4ff' -format '%[fx:round(mean*w*h)]' info:)
    [ "$sky" -ge 7 ]
}

start 2
shoot "$window" intro
end_with_escape
restart_wine

start 0
# Three turns with the hero alive; a new game whenever he dies.
alive=0
for _ in $(seq 1 20); do
    press 1 KP_5
    shoot "$window" play >/dev/null
    if hero_alive; then alive=$((alive + 1)); else alive=0; press 1 i; fi
    [ $alive -ge 3 ] && break
done
[ $alive -ge 3 ] || fail "the hero never lived three turns"
echo docs/play.png
dialog Options o options
dialog Help F1 help
# The pictures are taken; Wine's server ends whatever is still open.
xdotool key --window "$window" Escape 2>/dev/null
INNER
