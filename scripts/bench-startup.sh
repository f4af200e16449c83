#!/usr/bin/env bash
# Builds the shipped 32-bit program and the start-up benchmark, and measures
# under Wine in Xvfb how long Krelmot.exe takes from its start to its first
# painted board, against an empty Win32 window program.
#     scripts/bench-startup.sh [runs]       (9 by default)
set -u
. "$(dirname "$0")/common.sh"
install_packages || { echo "!! could not install the build dependencies"; exit 1; }
build_for_windows win32 >/dev/null || exit 1
prepare_wine_prefix
b="$build/win32"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
    . '$root/scripts/common.sh'
    start_wine
    '$root/scripts/wine-run.sh' '$b/bench/krelmot_startup_bench.exe' '$b/shell/Krelmot.exe' '$b/bench/empty_window.exe' ${1:-9} | tr -d '\r'
    rc=\${PIPESTATUS[0]}
    stop_wine
    exit \$rc"
