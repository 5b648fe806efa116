#!/usr/bin/env bash
# Installs what is missing, builds, and starts Plinkety under Wine on this
# display. The program lives in build/run, where its settings.ini and
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
# A prefix of its own, apart from the tests' throwaway one, so that what
# Plinkety writes to the registry (its autostart value) stays between runs.
export WINEPREFIX=${PLINKETY_WINEPREFIX:-$PLINKETY_BUILD/wineprefix-run}
plk_ensure_prefix
mkdir -p "$PLINKETY_BUILD/run"
cp "$PLINKETY_BUILD/windows/plinkety.exe" "$PLINKETY_BUILD/run/"
echo "run: starting $PLINKETY_BUILD/run/plinkety.exe (right-click the button for the menu, E&xit to end)"
exec wine "$PLINKETY_BUILD/run/plinkety.exe"
