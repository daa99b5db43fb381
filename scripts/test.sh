#!/usr/bin/env bash
# Sets up, builds and runs every test: the Linux build with its tests (real windows under Xvfb,
# valgrind memcheck), the same under AddressSanitizer and UndefinedBehaviorSanitizer, a bounded
# fuzzing run, then the Windows program cross-built with MinGW-w64 and tested under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/setup.sh "${build_packages[@]}" "${test_packages[@]}"
# The optimised build that scripts/run.sh launches must build too.
cmake --preset app
cmake --build --preset app
cmake --workflow --preset default
cmake --workflow --preset asan
cmake --workflow --preset fuzz
cmake --workflow --preset windows
