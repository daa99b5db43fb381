#!/usr/bin/env bash
# Sets up, builds and launches the program; with --web, builds the web page and serves it on
# 127.0.0.1, printing the address to open in a browser.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
if [ "${1:-}" = "--web" ]; then
  scripts/setup.sh "${build_packages[@]}" "${web_packages[@]}"
  cmake --preset web
  cmake --build --preset web
  exec /usr/bin/python3 scripts/serve_web.py build/web/platform/web/site "${PORT:-8000}"
fi
scripts/setup.sh "${build_packages[@]}"
cmake --preset app
cmake --build --preset app
exec build/app/platform/fltk/pruhomat
