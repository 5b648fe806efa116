#!/usr/bin/env bash
# Builds the program and runs the Play button click benchmark under Wine:
#   bash bench/play-click-bench.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export PLINKETY_BUILD=${PLINKETY_BUILD:-$root/build}
bash "$root/scripts/build.sh" >/dev/null
exec "$root/tests/harness/wine-run" --timeout 600 -- "$PLINKETY_BUILD/windows/bench/play_click_bench.exe"
