#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test in one ctest run: the
# native unit tests, and the Wine tests of the x64 build and, where this
# machine runs 32-bit programs, of the x86 build. Extra arguments go to
# ctest, e.g. -R e2e. PLINKETY_WINE_ARCHS=x64 leaves the x86 Wine tests out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export PLINKETY_BUILD=${PLINKETY_BUILD:-$root/build}
started=$SECONDS
report_time() { echo "test: $((SECONDS - started)) s in all (set-up, build and tests)"; }

bash "$root/scripts/build.sh"

source "$root/tests/harness/wine-env.sh"
# Each build gets a display of its own, so that the two builds' end-to-end
# tests can run side by side without clicking each other's windows.
displays=()
stop_displays() {
  local pid
  for pid in "${displays[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
trap 'stop_displays; report_time' EXIT
for arch in x86 x64; do
  reason=$(plk_arch_skip_reason "$arch")
  if [ -n "$reason" ]; then
    echo "test: the $arch build's Wine tests are skipped: $reason"
    continue
  fi
  echo "test: the $arch build's Wine tests run"
  (plk_use_arch "$arch" && plk_ensure_prefix)
  unset DISPLAY
  plk_ensure_display
  displays+=("$PLK_XVFB_PID")
  export "PLK_DISPLAY_$arch=$DISPLAY"
  PLK_XVFB_PID=
done
unset DISPLAY

status=0
ctest --test-dir "$PLINKETY_BUILD" --output-on-failure -j2 "$@" || status=$?
# The programs' sizes, as the exe checks found them.
grep -ho '^check-exe: .*' "$PLINKETY_BUILD/Testing/Temporary/LastTest.log" 2>/dev/null || true
for arch in x86 x64; do
  [ -n "$(plk_arch_skip_reason "$arch")" ] || (plk_use_arch "$arch" && wineserver -k 2>/dev/null) || true
done
exit $status
