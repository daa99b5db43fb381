#!/usr/bin/env bash
# Sets up, builds and runs every test: the Linux build with its tests, then the Windows
# program cross-built with MinGW-w64 and tested under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/setup.sh "${build_packages[@]}" "${test_packages[@]}"
cmake --workflow --preset default
cmake --workflow --preset windows
