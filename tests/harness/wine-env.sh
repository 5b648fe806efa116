# Sourced by the harness and the scripts: the throwaway Wine prefix of one
# Windows build, and the display.
#
#   PLINKETY_BUILD   the build tree (default: <repo>/build)
#
# plk_use_arch ARCH [PREFIX]
#                    selects build ARCH (x86 or x64): its Wine loader, a
#                    prefix of its bitness (default $PLINKETY_BUILD/wineprefix-win32
#                    or -win64), and `wine`,
#                    `wineboot` and `wineserver` on PATH meaning that Wine
#                    (Debian's /usr/bin/wine would always pick the 32-bit one)
# plk_ensure_prefix  boots the prefix once (under a lock), re-creates it when missing
# plk_ensure_display starts Xvfb on a free display when DISPLAY is unset, and
#                    records its pid in PLK_XVFB_PID so the caller can end it

PLK_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
: "${PLINKETY_BUILD:=$PLK_REPO/build}"
export PLINKETY_BUILD
source "$PLK_REPO/scripts/machine.sh"
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts, no desktop menu entries, no crash dialog.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
PLK_XVFB_PID=

plk_use_arch() {
  PLK_ARCH=$1
  local bits
  case "$PLK_ARCH" in
    x86) bits=32 ;;
    x64) bits=64 ;;
    *) echo "wine-env: unknown build '$PLK_ARCH' (x86 or x64)" >&2; return 2 ;;
  esac
  export PLK_ARCH
  export WINEARCH=win$bits
  export WINEPREFIX=${2:-$PLINKETY_BUILD/wineprefix-win$bits}
  export WINELOADER
  WINELOADER=$(plk_wine_loader "$PLK_ARCH")
  local bin=$PLINKETY_BUILD/wine-$PLK_ARCH/bin
  mkdir -p "$bin"
  printf '#!/bin/sh\nexec %s "$@"\n' "$WINELOADER" >"$bin/wine.$$"
  printf '#!/bin/sh\nexec %s wineboot "$@"\n' "$WINELOADER" >"$bin/wineboot.$$"
  # The 64-bit server serves 32-bit clients too; a machine without wine64 has
  # only the 32-bit one.
  local server=/usr/lib/wine/wineserver$bits
  [ -x /usr/lib/wine/wineserver64 ] && server=/usr/lib/wine/wineserver64
  export WINESERVER=$server
  printf '#!/bin/sh\nexec %s "$@"\n' "$server" >"$bin/wineserver.$$"
  # Tests of one build may start at once: each writes its own copy and
  # renames it into place.
  local f
  for f in wine wineboot wineserver; do
    chmod +x "$bin/$f.$$"
    mv -f "$bin/$f.$$" "$bin/$f"
  done
  case ":$PATH:" in
    *":$bin:"*) ;;
    *) export PATH="$bin:$PATH" ;;
  esac
}

plk_ensure_prefix() {
  mkdir -p "$PLINKETY_BUILD"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.plinkety-ready" ]; then
      rm -rf "$WINEPREFIX"
      echo "wine-env: creating the $WINEARCH Wine prefix $WINEPREFIX" >&2
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w
      # No crash dialog: a crashing test program simply ends.
      wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
      wineserver -w
      [ -f "$WINEPREFIX/system.reg" ] || { echo "wine-env: wineboot failed" >&2; exit 1; }
      touch "$WINEPREFIX/.plinkety-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# plk_unmanage_program NAME.exe: Wine leaves the windows of program NAME.exe
# in this prefix unmanaged. Xvfb has no window manager, and Wine waits some
# two seconds for one each time a managed window goes away, so a test program
# that opens and closes windows case after case idles for most of its run.
# Only the in-process test programs go unmanaged: the end-to-end tests click
# and type into the real program as a desktop would let a user.
plk_unmanage_program() {
  local name=$1 marker="$WINEPREFIX/.plinkety-unmanaged-$1"
  [ -f "$marker" ] && return 0
  (
    flock 9
    [ -f "$marker" ] && exit 0
    wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$name\\X11 Driver" /v Managed /t REG_SZ /d N /f \
      >/dev/null 2>&1 && touch "$marker"
  ) 9>"$WINEPREFIX.lock"
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
  local n i
  # Two callers may pick the same free number at once; Xvfb then fails to
  # take the lock and the loser tries the next one.
  for i in 1 2 3 4 5; do
    n=$(plk_free_display) || { echo "wine-env: no free X display" >&2; return 1; }
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    PLK_XVFB_PID=$!
    local t
    for t in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$PLK_XVFB_PID" 2>/dev/null && break
      kill -0 "$PLK_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    if kill -0 "$PLK_XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
    wait "$PLK_XVFB_PID" 2>/dev/null
    PLK_XVFB_PID=
  done
  echo "wine-env: could not start Xvfb" >&2
  return 1
}

plk_stop_display() {
  if [ -n "$PLK_XVFB_PID" ]; then
    kill "$PLK_XVFB_PID" 2>/dev/null || true
    wait "$PLK_XVFB_PID" 2>/dev/null || true
    PLK_XVFB_PID=
  fi
}
