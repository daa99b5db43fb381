# The Debian packages each command needs; sourced by run.sh and test.sh.
build_packages=(cmake ninja-build g++ libfltk1.3-dev fonts-liberation2 fonts-dejavu-core)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev locales xvfb xauth libxtst-dev xclip valgrind clang libclang-rt-14-dev g++-mingw-w64-x86-64 wine64 fonts-wine imagemagick)
