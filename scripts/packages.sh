# The Debian packages each command needs; sourced by run.sh and test.sh.
build_packages=(cmake ninja-build g++ pkg-config libfltk1.3-dev libatk1.0-dev libatk-bridge2.0-dev fonts-liberation2 fonts-dejavu-core librsvg2-bin)
test_packages=(universal-ctags dbus at-spi2-core python3-pyatspi xdotool libgtest-dev libgmock-dev libbenchmark-dev locales xvfb xauth libxtst-dev xclip valgrind clang libclang-rt-14-dev g++-mingw-w64-x86-64 wine64 fonts-wine imagemagick)
# The web page: the core compiled to WebAssembly by clang-19 with its libc++ for wasm32-wasi, and
# what tests it in headless Chromium (ImageMagick reads its screenshots).
web_packages=(clang-19 lld-19 libc++-19-dev-wasm32 libc++abi-19-dev-wasm32 libclang-rt-19-dev-wasm32 wasi-libc librsvg2-bin python3)
web_test_packages=(chromium chromium-driver python3-selenium imagemagick)
# What scripts/package.sh needs beyond the build, and what the tests of its files need.
package_packages=(g++-mingw-w64-x86-64 nsis dpkg-dev file "${web_packages[@]}")
package_test_packages=(lintian desktop-file-utils appstream debootstrap xvfb xauth x11-utils wine64 binutils binutils-mingw-w64-x86-64 "${web_test_packages[@]}")
