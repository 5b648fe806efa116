#!/usr/bin/env bash
# Installs what is missing, builds, and starts Plinkety under Wine on this
# display: the x86 program where this machine runs 32-bit programs, else the
# x64 one. The program lives in build/run-<arch>, where its settings.ini and
# plkindex.dat stay between runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export PLINKETY_BUILD=${PLINKETY_BUILD:-$root/build}

bash "$root/scripts/build.sh"
source "$root/tests/harness/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
  echo "run: no display (DISPLAY is not set); start Plinkety from a desktop session" >&2
  exit 1
fi
arch=x86
reason=$(plk_arch_skip_reason x86)
if [ -n "$reason" ]; then
  arch=x64
  echo "run: the x64 program, because $reason"
else
  echo "run: the x86 program"
fi
# A prefix of its own, apart from the tests' throwaway ones, so that what
# Plinkety writes to the registry (its autostart value) stays between runs.
plk_use_arch "$arch" "${PLINKETY_WINEPREFIX:-$PLINKETY_BUILD/wineprefix-run-$arch}"
plk_ensure_prefix
mkdir -p "$PLINKETY_BUILD/run-$arch"
cp "$PLINKETY_BUILD/windows-$arch/plinkety.exe" "$PLINKETY_BUILD/run-$arch/"
echo "run: starting $PLINKETY_BUILD/run-$arch/plinkety.exe (right-click the button for the menu, E&xit to end)"
exec wine "$PLINKETY_BUILD/run-$arch/plinkety.exe"
