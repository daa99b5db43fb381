# The Debian packages each command needs; sourced by run.sh and test.sh.
build_packages=(cmake ninja-build g++ pkg-config libfltk1.3-dev libatk1.0-dev libatk-bridge2.0-dev fonts-liberation2 fonts-dejavu-core librsvg2-bin)
test_packages=(universal-ctags dbus at-spi2-core python3-pyatspi xdotool libgtest-dev libgmock-dev libbenchmark-dev locales xvfb xauth libxtst-dev xclip valgrind clang libclang-rt-14-dev g++-mingw-w64-x86-64 wine64 fonts-wine imagemagick)
# What scripts/package.sh needs beyond the build, and what the tests of its files need.
package_packages=(g++-mingw-w64-x86-64 nsis dpkg-dev file)
package_test_packages=(lintian desktop-file-utils appstream debootstrap xvfb xauth x11-utils wine64 binutils binutils-mingw-w64-x86-64)
