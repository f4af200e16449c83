#!/usr/bin/env bash
# Builds everything and runs every test: the native suite, again under the
# address and undefined-behaviour sanitizers, the fuzz targets over their
# corpus, then the Windows suites under Wine inside Xvfb (64-bit, then 32-bit
# where Wine can run it).
# Ends with what ran and how many tests each suite passed.
set -u
. "$(dirname "$0")/common.sh"
start=$(date +%s)
install_packages || { echo "!! could not install the build dependencies"; exit 1; }
logs="$build/test-logs"
mkdir -p "$logs"
summary=""
passed=0
failed=0
status=0

# Reads CTest's closing count from a suite's log into the summary.
count_suite() {  # suite name, log file, exit status
    local line p f t
    line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$2" | tail -1)
    if [ -z "$line" ]; then
        summary="$summary$1: no test ran (exit status $3)"$'\n'
        status=1
        return
    fi
    f=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
    t=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/')
    p=$((t - f))
    passed=$((passed + p))
    failed=$((failed + f))
    summary="$summary$1: $p passed, $f failed"$'\n'
    [ "$3" = 0 ] && [ "$f" = 0 ] || status=1
}

echo "== native build and tests"
configure_and_build native -DCMAKE_BUILD_TYPE=Release || exit 1
(cd "$build/native" && ctest --output-on-failure -j"$(nproc)") 2>&1 | tee "$logs/native.log"
count_suite native "$logs/native.log" "${PIPESTATUS[0]}"

echo "== native build and tests under AddressSanitizer and UndefinedBehaviorSanitizer"
configure_and_build native-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKRELMOT_SANITIZE=ON || exit 1
(cd "$build/native-sanitize" && ctest --output-on-failure -j"$(nproc)") 2>&1 | tee "$logs/native-sanitize.log"
count_suite "native, sanitized" "$logs/native-sanitize.log" "${PIPESTATUS[0]}"

echo "== fuzz targets (clang, libFuzzer) over their seed corpus"
CC=clang CXX=clang++ configure_and_build fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKRELMOT_FUZZ=ON || exit 1
(cd "$build/fuzz" && ctest --output-on-failure) 2>&1 | tee "$logs/fuzz.log"
count_suite "fuzz corpus" "$logs/fuzz.log" "${PIPESTATUS[0]}"

echo "== Windows builds (x86_64, i686)"
build_windows || exit 1

prepare_wine_prefix
run_windows_suite() {  # build name
    echo "== Windows tests, $1, under Wine"
    (cd "$build/$1" && xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
        . '$root/scripts/common.sh'
        start_wine
        ctest --output-on-failure
        rc=\$?
        stop_wine
        exit \$rc") 2>&1 | tee "$logs/$1.log"
    count_suite "$1 (Windows, x86_64)" "$logs/$1.log" "${PIPESTATUS[0]}"
}
run_windows_suite win64
probe=$(wine32_probe_output)
if [ "$probe" = "$WINE32_PROBE_LINE" ]; then
    run_windows_suite win32
    summary=${summary//win32 (Windows, x86_64)/win32 (Windows, i686: the shipped program)}
else
    echo "!! The 32-bit probe printed '$probe' instead of '$WINE32_PROBE_LINE':"
    echo "!! Wine cannot start 32-bit programs here (no wine32:i386, or a kernel without 32-bit support)."
    head -3 "$build/wine32-probe.err" 2>/dev/null | sed 's/^/!! wine said: /'
    summary="${summary}win32 (Windows, i686): did not run, Wine cannot start 32-bit programs here; the i686 build succeeded"$'\n'
fi
echo "== summary, in $(( $(date +%s) - start )) s"
printf '%s' "$summary"
echo "$passed passed, $failed failed"
exit $status
