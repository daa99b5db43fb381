#!/usr/bin/env bash
# Writes the Windows program's icon file from the shared icon pixels (run after changing them).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target export_icon
build/default/resources/export_icon platform/win32/pruhomat.ico
