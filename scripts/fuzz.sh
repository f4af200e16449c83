#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a number of inputs
# (default one million), starting from the seed corpus in tests/fuzz/corpus.
# New inputs the fuzzer finds go to build/fuzz-work, never into the corpus;
# a failing input is kept there as crash-* with the report before it. Inputs
# stay under 1 KB: the game's INI file is a few hundred bytes, and every
# reader call reads the whole file again.
#   scripts/fuzz.sh [runs]
set -u
. "$(dirname "$0")/common.sh"
runs=${1:-1000000}
install_packages || exit 1
CC=clang CXX=clang++ configure_and_build fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKRELMOT_FUZZ=ON || exit 1
status=0
for target in ini:ini settings:ini intro:intro; do
    name=${target%%:*}
    work="$build/fuzz-work/$name"
    mkdir -p "$work"
    echo "== fuzz_$name, $runs runs"
    (cd "$work" && "$build/fuzz/tests/fuzz/fuzz_$name" -runs="$runs" -max_len=1024 -timeout=10 -rss_limit_mb=1024 \
        -print_final_stats=1 "$work" "$root/tests/fuzz/corpus/${target#*:}") 2>&1 |
        grep -E 'stat::number_of_executed_units|stat::peak_rss_mb|Done|ERROR|SUMMARY|does not hold|crash-' || true
    [ "${PIPESTATUS[0]}" = 0 ] || status=1
done
exit $status
