#!/usr/bin/env bash
# Builds the program and runs one of the Windows benchmarks under Wine, with
# the x86 build where this machine runs 32-bit programs, else the x64 one:
#   bash bench/windows-bench.sh rebuild|startup|about|play_click [arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=${1:?usage: windows-bench.sh rebuild|startup|about|play_click [arguments...]}
shift
export PLINKETY_BUILD=${PLINKETY_BUILD:-$root/build}
bash "$root/scripts/build.sh" >/dev/null
source "$root/scripts/machine.sh"
archs=$(plk_run_archs)
arch=${archs%% *}
echo "windows-bench: bench_$name, the $arch build"
exec "$root/tests/harness/wine-run" --arch "$arch" --timeout 900 -- \
  "$PLINKETY_BUILD/windows-$arch/bench/bench_$name.exe" "$@"
