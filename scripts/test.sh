#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (native and Wine)
# in one ctest run. Extra arguments go to ctest, e.g. -R e2e.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export PLINKETY_BUILD=${PLINKETY_BUILD:-$root/build}

bash "$root/scripts/build.sh"

source "$root/tests/harness/wine-env.sh"
plk_ensure_prefix
plk_ensure_display
cleanup() {
  wineserver -k 2>/dev/null || true
  plk_stop_display
}
trap cleanup EXIT
ctest --test-dir "$PLINKETY_BUILD" --output-on-failure -j2 "$@"
