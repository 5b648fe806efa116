#!/usr/bin/env bash
# Builds both Windows builds and writes the release zips into build/dist:
# plinkety-<version>-x86.zip and plinkety-<version>-x64.zip, each holding
# plinkety.exe, README-Windows.txt, LICENSE and THIRD-PARTY-NOTICES.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLINKETY_BUILD:-$root/build}

PLINKETY_BUILD=$build bash "$root/scripts/build.sh"
python3 "$root/scripts/package.py" "$build" "$build/dist"
