#!/usr/bin/env bash
# Builds the game and starts it under Wine. With no display it runs in Xvfb,
# takes a screenshot after a few seconds and says where it is.
set -u
. "$(dirname "$0")/common.sh"
install_packages || { echo "!! could not install the build dependencies"; exit 1; }
build_for_windows win64 || exit 1
prepare_wine_prefix
exe="$build/win64/shell/Krelmot.exe"
if [ -n "${DISPLAY:-}" ]; then
    exec "$root/scripts/wine-run.sh" "$exe"
fi
shot="$build/screenshot.png"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
    . '$root/scripts/common.sh'
    start_wine
    '$root/scripts/wine-run.sh' '$exe' &
    sleep 6
    import -window root '$shot'
    xdotool search --name '^Krelmot [0-9]' key Escape >/dev/null 2>&1
    sleep 1
    stop_wine"
echo "No display: the game ran in Xvfb; screenshot saved to $shot"
