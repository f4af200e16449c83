#!/bin/sh
# Runs a Windows program under Wine with the project's prefix: the 64-bit
# loader for 64-bit programs (it works without Wine's 32-bit half), the 32-bit
# loader for 32-bit ones.
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/../build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
program="$1"

machine=$(od -An -tx2 -j "$(od -An -tu4 -j 60 -N4 "$program" | tr -d ' ')" -N6 "$program" 2>/dev/null | awk '{print $3}')
if [ "$machine" = "8664" ] && [ -x /usr/lib/wine/wine64 ]; then
    export WINELOADER=/usr/lib/wine/wine64
    exec /usr/lib/wine/wine64 "$@"
fi
exec wine "$@"
