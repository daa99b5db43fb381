#!/usr/bin/env bash
# Writes the Windows program's icon file from the icon's pixel design and its scalable drawing
# (run after changing either).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target windows_icon
cp build/default/resources/pruhomat.ico platform/win32/pruhomat.ico
