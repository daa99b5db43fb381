#!/bin/sh
# The portable zip holds the program and its read-me and nothing else; the program in it carries
# the project version in its version resource and no symbol table, and starts as it is, unpacked
# anywhere.
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
for field in FileVersion ProductVersion; do
  strings -el -n 3 "$unpacked/pruhomat.exe" | grep -A1 -x "$field" | tail -n 1 | grep -q -x "$version" ||
    { echo "the program's $field is not $version"; exit 1; }
done
"$wine" 'C:\portable\pruhomat.exe' &
wait_for_main_window
echo "the portable program started"
