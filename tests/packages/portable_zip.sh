#!/bin/sh
# The portable zip holds the program and its read-me and nothing else; the program in it carries
# the project version in its version resource, its icon's frames and no symbol table, and starts as
# it is, unpacked anywhere.
set -eu
zip="$2"
version="$3"
. "$(dirname "$0")/wine_prefix.sh"
contents=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
[ "$contents" = "README.txt pruhomat.exe " ] || { echo "the zip holds: $contents"; exit 1; }
unpacked="$WINEPREFIX/drive_c/portable"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$zip")
header=$(x86_64-w64-mingw32-objdump -f "$unpacked/pruhomat.exe")
echo "$header" | grep -q 'file format pei-x86-64' || { echo "objdump read no Windows program: $header"; exit 1; }
if echo "$header" | grep -q HAS_SYMS; then
  echo "the shipped program carries its symbol table"
  exit 1
fi
# The program's icon holds a frame for each size Windows picks from 100 to 200 % (0 stands for 256).
frames=$(x86_64-w64-mingw32-windres -J coff -O rc -i "$unpacked/pruhomat.exe" |
  sed -n 's/^ *"\\\([0-7]*\)\\.*Element no.*/\1/p' | while read -r octal; do printf '%d ' "0$octal"; done)
[ "$frames" = "16 20 24 32 40 48 64 0 " ] || { echo "the program's icon holds the frames $frames"; exit 1; }
for field in FileVersion ProductVersion; do
  strings -el -n 3 "$unpacked/pruhomat.exe" | grep -A1 -x "$field" | tail -n 1 | grep -q -x "$version" ||
    { echo "the program's $field is not $version"; exit 1; }
done
"$wine" 'C:\portable\pruhomat.exe' &
wait_for_main_window
echo "the portable program started"
