#!/usr/bin/env bash
# Installs what is missing, then builds every tree from one configure of
# build/: the native core, unit tests and tools, and the two Windows builds,
# build/windows-x86 and build/windows-x64 (plinkety.exe and its Windows tests).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLINKETY_BUILD:-$root/build}

bash "$root/scripts/setup.sh"
for arch in x86 x64; do
  PLINKETY_BUILD=$build bash "$root/scripts/build-libjpeg-mingw.sh" "$arch"
done
cmake -S "$root" -B "$build" -G Ninja
cmake --build "$build"
echo "build: $build/windows-x86/plinkety.exe (x86, every Windows)"
echo "build: $build/windows-x64/plinkety.exe (x64, 64-bit Windows)"
