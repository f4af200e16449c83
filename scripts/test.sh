#!/usr/bin/env bash
# Builds everything and runs every test: the native suite, then the Windows
# suites under Wine inside Xvfb (64-bit, then 32-bit where Wine can run it).
set -u
. "$(dirname "$0")/common.sh"
start=$(date +%s)
install_packages || { echo "!! could not install the build dependencies"; exit 1; }

echo "== native build and tests"
configure_and_build native -DCMAKE_BUILD_TYPE=Release || exit 1
(cd "$build/native" && ctest --output-on-failure -j"$(nproc)") || exit 1

echo "== Windows builds (x86_64, i686)"
build_windows || exit 1

prepare_wine_prefix
status=0
run_windows_suite() {  # build name
    echo "== Windows tests, $1, under Wine"
    (cd "$build/$1" && xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
        . '$root/scripts/common.sh'
        start_wine
        ctest --output-on-failure
        rc=\$?
        stop_wine
        exit \$rc") || status=1
}
run_windows_suite win64
if wine32_works; then
    run_windows_suite win32
else
    echo "!! The 32-bit Windows suite did not run: Wine cannot start 32-bit programs on this machine"
    echo "!! (no wine32:i386, or a kernel without 32-bit support). The i686 build itself succeeded."
fi
echo "== all done in $(( $(date +%s) - start )) s"
exit $status
