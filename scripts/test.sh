#!/usr/bin/env bash
# Sets up, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/setup.sh "${build_packages[@]}" "${test_packages[@]}"
cmake --workflow --preset default
