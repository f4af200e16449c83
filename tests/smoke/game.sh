# Sourced by the tests that start the real Krelmot.exe from outside, in the
# test's X display: starting it and finding its window, keys, the end with
# Escape. The caller sets title (the window's title) before start_game.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
run="$here/../../scripts/wine-run.sh"
. "$here/../../scripts/common.sh"
fail() { echo "FAIL: $*"; exit 1; }

# The window is gone before the X server releases the Escape that closed it,
# so Wine's server would keep that key down for every later program; a fresh
# server (started detached, as before the tests) forgets it.
restart_wine() {
    stop_wine
    start_wine
}

# A fresh folder for the program ($dir), removed at the end, when Wine's
# server is restarted too.
game_folder() {
    dir=$(mktemp -d)
    trap 'rm -rf "$dir"; restart_wine' EXIT
}

start_game() {  # exe; sets game (the process) and window
    "$run" "$1" </dev/null >/dev/null 2>&1 &
    game=$!
    window=$(timeout 45 xdotool search --sync --name "^$title\$" | head -1)
    # In a fresh prefix, the very first 32-bit window after a 64-bit suite
    # has been seen never to show (the same program starts at once the next
    # time): say so, start Wine's server afresh and try once more.
    if [ -z "$window" ]; then
        echo "no window 45 s after the first start; Wine's server restarted, second start"
        kill $game 2>/dev/null
        restart_wine
        "$run" "$1" </dev/null >/dev/null 2>&1 &
        game=$!
        window=$(timeout 45 xdotool search --sync --name "^$title\$" | head -1)
    fi
    [ -n "$window" ] || fail "no window titled $title"
    xdotool windowfocus --sync "$window" 2>/dev/null
}

press() {  # pause in seconds, keys...
    local pause=$1 key
    shift
    for key in "$@"; do
        xdotool key --window "$window" "$key"
        sleep "$pause"
    done
    kill -0 $game 2>/dev/null || fail "the game ended before Escape"
}

end_with_escape() {
    xdotool key --window "$window" Escape
    for _ in $(seq 1 50); do
        kill -0 $game 2>/dev/null || break
        sleep 0.2
    done
    kill -0 $game 2>/dev/null && { kill $game; fail "Escape did not end the game"; }
    wait $game
    local status=$?
    [ $status -eq 0 ] || fail "the game ended with $status"
}
