# Sourced by the harness scripts: the throwaway Wine prefix and the display.
#
#   PLINKETY_BUILD   the build tree (default: <repo>/build)
#   WINEPREFIX       set to $PLINKETY_BUILD/wineprefix unless already set
#
# plk_ensure_prefix  boots the prefix once (under a lock), re-creates it when missing
# plk_ensure_display starts Xvfb on a free display when DISPLAY is unset, and
#                    records its pid in PLK_XVFB_PID so the caller can end it

PLK_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
: "${PLINKETY_BUILD:=$PLK_REPO/build}"
export PLINKETY_BUILD
export WINEPREFIX=${WINEPREFIX:-$PLINKETY_BUILD/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts, no desktop menu entries, no crash dialog.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
PLK_XVFB_PID=

plk_ensure_prefix() {
  mkdir -p "$PLINKETY_BUILD"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.plinkety-ready" ]; then
      rm -rf "$WINEPREFIX"
      echo "wine-env: creating the Wine prefix $WINEPREFIX" >&2
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w
      # No crash dialog: a crashing test program simply ends.
      wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
      wineserver -w
      [ -f "$WINEPREFIX/system.reg" ] || { echo "wine-env: wineboot failed" >&2; exit 1; }
      touch "$WINEPREFIX/.plinkety-ready"
    fi
  ) 9>"$PLINKETY_BUILD/.wineprefix.lock"
}

plk_free_display() {
  local n
  for n in $(seq 90 190); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      echo "$n"
      return 0
    fi
  done
  return 1
}

plk_ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  n=$(plk_free_display) || { echo "wine-env: no free X display" >&2; return 1; }
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
  PLK_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  export DISPLAY=":$n"
}

plk_stop_display() {
  if [ -n "$PLK_XVFB_PID" ]; then
    kill "$PLK_XVFB_PID" 2>/dev/null || true
    wait "$PLK_XVFB_PID" 2>/dev/null || true
    PLK_XVFB_PID=
  fi
}
