#!/usr/bin/env bash
# Builds the program and runs the About benchmark under Wine:
#   bash bench/about-bench.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export PLINKETY_BUILD=${PLINKETY_BUILD:-$root/build}
bash "$root/scripts/build.sh" >/dev/null
exec "$root/tests/harness/wine-run" --timeout 300 -- "$PLINKETY_BUILD/windows/bench/about_bench.exe"
