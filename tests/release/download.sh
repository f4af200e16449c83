#!/usr/bin/env bash
# The download as a player gets it: the zip holds the program, the two
# documents and the licence and nothing else, the program needs no DLL of
# ours, and, unpacked into an empty folder and started from there with no
# INI file, it plays, ends with Escape and leaves its INI file beside itself.
set -u
zip=$1
objdump=$2
title=$3
. "$(dirname "$0")/../smoke/game.sh"
game_folder

names=$(python3 -m zipfile -l "$zip" | awk 'NR > 1 {print $1}' | sort | tr '\n' ' ')
[ "$names" = "Krelmot.exe LICENSE.txt LISEZMOI.txt README.txt " ] || fail "the zip holds: $names"
python3 -m zipfile -e "$zip" "$dir" || fail "the zip does not unpack"
for doc in README.txt LISEZMOI.txt LICENSE.txt; do
    [ "$(grep -c $'\r$' "$dir/$doc")" = "$(wc -l <"$dir/$doc")" ] || fail "$doc has a line without CR LF"
done
# "Démarrage" in Windows-1252: one byte for the accented letter.
grep -q $'D\xe9marrage' "$dir/LISEZMOI.txt" || fail "LISEZMOI.txt is not in Windows-1252"

dlls=$("$objdump" -p "$dir/Krelmot.exe" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
echo "imports: $dlls"
for dll in $dlls; do
    case $dll in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | COMCTL32.DLL | COMDLG32.DLL | WINMM.DLL | SHELL32.DLL | ADVAPI32.DLL | MSVCRT.DLL) ;;
    *) fail "Krelmot.exe imports $dll, which Windows does not bring" ;;
    esac
done

start_game "$dir/Krelmot.exe"
[ -f "$dir/Krelmot.ini" ] || fail "no Krelmot.ini beside the program after its start"
# The first key ends the intro; then steps, a hello and a teleportation.
press 0.5 space KP_6 KP_2 h t
end_with_escape
ini=$(tr -d '\r' <"$dir/Krelmot.ini")
echo "$ini"
for line in '\[profile\]' 'version=1' '\[gen\]' 'col_fenetre=-?[0-9]+' 'lig_fenetre=-?[0-9]+'; do
    echo "$ini" | grep -qxE "$line" || fail "Krelmot.ini lacks a line $line"
done
echo "download test passed"
