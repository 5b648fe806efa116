#!/usr/bin/env bash
# Builds a static libjpeg-turbo for one Windows build (x86 or x64) from
# Debian's source package, once: build/deps/libjpeg-mingw-<arch> is reused by
# later builds, and both builds share one unpacked source.
#   scripts/build-libjpeg-mingw.sh x86|x64
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arch=${1:?usage: build-libjpeg-mingw.sh x86|x64}
case "$arch" in
  x86) toolchain=mingw-i686.cmake ;;
  x64) toolchain=mingw-x86_64.cmake ;;
  *) echo "libjpeg: unknown build '$arch' (x86 or x64)" >&2; exit 2 ;;
esac
deps=${PLINKETY_BUILD:-$root/build}/deps
prefix=$deps/libjpeg-mingw-$arch
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

mkdir -p "$deps/src"
(
  # Both builds may start at once: one fetch.
  flock 9
  cd "$deps/src"
  if ! ls -d libjpeg-turbo-*/ >/dev/null 2>&1; then
    echo "libjpeg: fetching Debian's source package"
    apt-get source -q libjpeg-turbo >/dev/null
  fi
) 9>"$deps/src/.fetch.lock"
src=$(ls -d "$deps"/src/libjpeg-turbo-*/ | head -n 1)
# SIMD would need nasm and buys nothing for one 500x150 banner.
cmake -S "$src" -B "$deps/libjpeg-build-$arch" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
  -DWITH_JPEG8=OFF -DCMAKE_POLICY_DEFAULT_CMP0091=NEW -DCMAKE_POLICY_DEFAULT_CMP0058=NEW -Wno-dev >/dev/null
cmake --build "$deps/libjpeg-build-$arch" --target install >/dev/null
echo "libjpeg: built for $arch into $prefix"
