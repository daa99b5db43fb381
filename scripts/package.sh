#!/usr/bin/env bash
# Builds the optimised programs and writes the release files into dist/: the Debian package,
# the Windows installer, the portable Windows program in a zip, the web page in a zip, and the
# SHA-256 sums of the four.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/setup.sh "${build_packages[@]}" "${package_packages[@]}"

rm -rf dist
mkdir dist

cmake --preset app
cmake --build --preset app
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/app/CMakeCache.txt)
(cd build/app && cpack)

cmake --preset windows
cmake --build --preset windows --target pruhomat
# The release files carry the program stripped; the one with its symbols stays in the build for
# debugging.
program=build/windows/shipped/pruhomat.exe
mkdir -p build/windows/shipped
x86_64-w64-mingw32-strip -o "$program" build/windows/platform/win32/pruhomat.exe
makensis -INPUTCHARSET UTF8 -V2 -WX -DVERSION="$version" -DPROGRAM="$PWD/$program" \
  -DICON="$PWD/platform/win32/pruhomat.ico" -DOUTFILE="$PWD/dist/pruhomat-$version-setup.exe" \
  packaging/windows/pruhomat.nsi

portable=build/windows/portable
rm -rf "$portable"
mkdir -p "$portable"
cp "$program" packaging/windows/README.txt "$portable/"
(cd "$portable" && cmake -E tar cf "../../../dist/pruhomat-$version-windows.zip" --format=zip pruhomat.exe README.txt)

# The web page: its static files for any HTTPS server, or for localhost.
cmake --preset web
cmake --build --preset web
(cd build/web/platform/web/site && cmake -E tar cf "../../../../../dist/pruhomat-$version-web.zip" --format=zip -- *)

(cd dist && sha256sum "pruhomat_${version}_amd64.deb" "pruhomat-$version-setup.exe" \
  "pruhomat-$version-windows.zip" "pruhomat-$version-web.zip" > SHA256SUMS)
ls -l dist
