#!/usr/bin/env bash
# Builds a static libjpeg-turbo for i686 MinGW from Debian's source package,
# once: the result under build/deps/libjpeg-mingw is reused by later builds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps=${PLINKETY_BUILD:-$root/build}/deps
prefix=$deps/libjpeg-mingw
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

mkdir -p "$deps/src"
cd "$deps/src"
if ! ls -d libjpeg-turbo-*/ >/dev/null 2>&1; then
  echo "libjpeg: fetching Debian's source package"
  apt-get source -q libjpeg-turbo >/dev/null
fi
src=$(ls -d "$deps"/src/libjpeg-turbo-*/ | head -n 1)
# SIMD would need nasm and buys nothing for one 500x150 banner.
cmake -S "$src" -B "$deps/libjpeg-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
  -DWITH_JPEG8=OFF -DCMAKE_POLICY_DEFAULT_CMP0091=NEW >/dev/null
cmake --build "$deps/libjpeg-build" --target install >/dev/null
echo "libjpeg: built into $prefix"
