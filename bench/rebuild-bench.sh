#!/usr/bin/env bash
# Builds the program and runs the rebuild benchmark under Wine, with the x86
# build where this machine runs 32-bit programs, else the x64 one:
#   bash bench/rebuild-bench.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export PLINKETY_BUILD=${PLINKETY_BUILD:-$root/build}
bash "$root/scripts/build.sh" >/dev/null
source "$root/scripts/machine.sh"
archs=$(plk_run_archs)
arch=${archs%% *}
echo "rebuild-bench: the $arch build"
exec "$root/tests/harness/wine-run" --arch "$arch" --timeout 900 -- "$PLINKETY_BUILD/windows-$arch/bench/rebuild_bench.exe"
