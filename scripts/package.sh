#!/usr/bin/env bash
# Builds the shipped 32-bit program and writes the download,
# dist/Krelmot-<version>-win32.zip: Krelmot.exe, README.txt, LISEZMOI.txt and
# LICENSE.txt. The build's krelmot_zip target packs it; the download test
# unpacks that same file.
set -u
. "$(dirname "$0")/common.sh"
install_packages || { echo "!! could not install the build dependencies"; exit 1; }
build_for_windows win32 || exit 1
zip=$(ls "$build"/win32/dist/Krelmot-*-win32.zip 2>/dev/null | head -1)
[ -n "$zip" ] || { echo "!! the build made no zip"; exit 1; }
mkdir -p "$root/dist"
cp "$zip" "$root/dist/"
echo "Written: dist/$(basename "$zip")"
python3 -m zipfile -l "$root/dist/$(basename "$zip")"
