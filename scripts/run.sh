#!/usr/bin/env bash
# Sets up, builds and launches the program.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/setup.sh "${build_packages[@]}"
cmake --preset app
cmake --build --preset app
exec build/app/platform/fltk/pruhomat
