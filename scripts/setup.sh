#!/usr/bin/env bash
# Installs what building and testing Plinkety needs, from Debian's packages only.
# Idempotent: a second run installs nothing and changes nothing.
set -euo pipefail

PACKAGES=(
  # the cross toolchain (posix threads variant) and Windows zlib
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  mingw-w64-i686-dev libz-mingw-w64-dev
  # the native build and its tests
  build-essential cmake ninja-build googletest pkg-config
  zlib1g-dev libjpeg62-turbo-dev libtag1-dev
  clang libclang-rt-14-dev
  # fetching and unpacking libjpeg-turbo's source package
  dpkg-dev
  # running and driving the program
  wine wine32:i386 xvfb xauth xdotool x11-utils imagemagick file python3
  # drawing the program's artwork (tools/art/make_art.py)
  python3-pil fonts-dejavu-core
)

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

missing_packages() {
  local p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

has_i386() { dpkg --print-foreign-architectures | grep -qx i386; }

main() {
  local missing
  missing=$(missing_packages | tr '\n' ' ')
  if [ -z "$missing" ] && has_i386 && [ -f "$SRC_LIST" ]; then
    echo "setup: everything is installed"
    return 0
  fi
  need_root "$missing"
  export DEBIAN_FRONTEND=noninteractive
  has_i386 || dpkg --add-architecture i386
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
  apt-get update -q
  # shellcheck disable=SC2086
  apt-get install -y -q --no-install-recommends $(missing_packages | tr '\n' ' ')
  echo "setup: done"
}

main "$@"
