#!/usr/bin/env bash
# Sets up, builds and runs every test: the Linux build with its tests (real windows under Xvfb,
# valgrind memcheck), the same under AddressSanitizer and UndefinedBehaviorSanitizer, a bounded
# fuzzing run, the Windows program cross-built with MinGW-w64 and tested under Wine, the web page
# compiled to WebAssembly and tested in headless Chromium, then the release files made and
# tested: lintian and the desktop validators, the .deb installed into a throwaway Debian root, the
# installer and the portable zip under Wine, the web page's zip served and opened.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/setup.sh "${build_packages[@]}" "${test_packages[@]}" "${web_packages[@]}" "${web_test_packages[@]}" \
  "${package_packages[@]}" "${package_test_packages[@]}"
# The optimised build that scripts/run.sh launches must build too.
cmake --preset app
cmake --build --preset app
cmake --workflow --preset default
cmake --workflow --preset asan
cmake --workflow --preset fuzz
cmake --workflow --preset windows
cmake --workflow --preset web
# The release files, then the tests that install and remove them as a user would.
scripts/package.sh
cmake --workflow --preset packages
