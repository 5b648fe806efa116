#!/usr/bin/env bash
# Installs what is missing, then builds both trees: build/ (native core,
# unit tests, tools) and build/windows (plinkety.exe and its Windows tests).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLINKETY_BUILD:-$root/build}

bash "$root/scripts/setup.sh"
PLINKETY_BUILD=$build bash "$root/scripts/build-libjpeg-mingw.sh"
cmake -S "$root" -B "$build" -G Ninja
cmake --build "$build"
echo "build: $build/windows/plinkety.exe"
