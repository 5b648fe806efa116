#!/usr/bin/env bash
# Installs what building and testing Plinkety needs, from Debian's packages only.
# Idempotent: a second run installs nothing and changes nothing.
#
# 32-bit Wine (the i386 architecture and wine32:i386, about 130 packages) is
# installed only where the kernel runs 32-bit programs: elsewhere it could not
# start, and the x86 build's Wine tests are skipped (scripts/machine.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/machine.sh"

PACKAGES=(
  # the two cross toolchains (posix threads variant) and Windows zlib
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  libz-mingw-w64-dev
  # the native build and its tests
  build-essential cmake ninja-build googletest pkg-config
  zlib1g-dev libjpeg62-turbo-dev libtag1-dev
  clang libclang-rt-14-dev
  # fetching and unpacking libjpeg-turbo's source package
  dpkg-dev
  # running and driving the program
  wine wine64 xvfb xauth xdotool x11-utils imagemagick file python3
  # drawing the program's artwork (tools/art/make_art.py)
  python3-pil fonts-dejavu-core
  # checking the package managers' manifests against their schemas
  python3-jsonschema python3-yaml
)
PACKAGES_32BIT=(wine32:i386)

SRC_LIST=/etc/apt/sources.list.d/plinkety-src.sources

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      echo "setup: re-running with sudo to install packages" >&2
      exec sudo -E bash "$0" "$@"
    fi
    echo "setup: installing packages needs root (or sudo). Missing: $*" >&2
    exit 1
  fi
}

wanted_packages() {
  printf '%s\n' "${PACKAGES[@]}"
  if plk_runs_32bit; then printf '%s\n' "${PACKAGES_32BIT[@]}"; fi
}

missing_packages() {
  local p
  for p in $(wanted_packages); do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

has_i386() { dpkg --print-foreign-architectures | grep -qx i386; }
i386_ready() { ! plk_runs_32bit || has_i386; }

# A mirror caught mid-sync (or a proxy holding an old copy) serves a package
# list of the wrong size; apt-get then fails the whole update, though it has
# read every other list. The update is tried again; when it keeps failing,
# the install falls back on the release's own versions. Without this, an
# update list missing for i386 alone makes apt pair a newer amd64 library with
# an older i386 one, which multiarch refuses, and nothing installs.
update_package_lists() {
  local try
  for try in 1 2 3 4; do
    apt-get update -q && return 0
    [ "$try" -lt 4 ] || break
    echo "setup: apt-get update failed (try $try of 4); trying again in $((try * 30)) s" >&2
    sleep $((try * 30))
  done
  return 1
}

# lists_complete (1 or 0) tells whether the update read every list; only
# when it did not is a failed install tried again with the release's versions.
install_packages() {
  local lists_complete=$1 release
  shift
  apt-get install -y -q --no-install-recommends "$@" && return 0
  [ "$lists_complete" = 0 ] || return 1
  release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  [ -n "$release" ] || return 1
  echo "setup: installing again from $release's own versions, since a package list is missing" >&2
  apt-get install -y -q --no-install-recommends -t "$release" "$@"
}

main() {
  local missing
  missing=$(missing_packages | tr '\n' ' ')
  if [ -z "$missing" ] && i386_ready && [ -f "$SRC_LIST" ]; then
    echo "setup: everything is installed"
    return 0
  fi
  need_root "$missing"
  export DEBIAN_FRONTEND=noninteractive
  if plk_runs_32bit; then
    has_i386 || dpkg --add-architecture i386
  else
    echo "setup: this machine's kernel refuses 32-bit programs: no 32-bit Wine; the x86 build is built but not run"
  fi
  if [ ! -f "$SRC_LIST" ]; then
    # Source entries so the build can fetch libjpeg-turbo's source package.
    cat >"$SRC_LIST" <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  fi
  local lists_complete=1
  if ! update_package_lists; then
    echo "setup: apt-get update kept failing; installing from the package lists it did read" >&2
    lists_complete=0
  fi
  # shellcheck disable=SC2046
  install_packages "$lists_complete" $(missing_packages)
  echo "setup: done"
}

main "$@"
