# Sourced by the set-up, run and test scripts and the Wine harness: the one
# place that decides which Windows builds this machine can run under Wine.
#
#   plk_runs_32bit             true when the kernel runs 32-bit (i386) programs
#   plk_arch_skip_reason ARCH  prints why the Wine tests of build ARCH (x86 or
#                              x64) cannot run here; prints nothing when they can
#   plk_run_archs              prints the builds to exercise under Wine ("x86 x64" or "x64")
#   plk_wine_loader ARCH       prints the Wine loader for build ARCH
#
# PLINKETY_WINE_ARCHS (for example "x64") forces the choice, so the path of a
# machine without 32-bit support can be tried on one that has it.

# Some kernels are built or booted without 32-bit emulation: they refuse every
# i386 program, so Debian's wine32 cannot start and no Wine can run 32-bit
# Windows code. The probe runs the smallest i386 program there is, an ELF
# header, one loadable segment and `mov eax,1; mov ebx,42; int 0x80`, i.e.
# exit(42): it exits 42 only where 32-bit programs really run.
plk_runs_32bit() {
  if [ -z "${PLK_RUNS_32BIT:-}" ]; then
    local dir status=0
    mkdir -p "${PLINKETY_BUILD:-/tmp}" 2>/dev/null
    dir=$(mktemp -d "${PLINKETY_BUILD:-/tmp}/probe32.XXXXXX")
    {
      printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0'
      printf '\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0'
      printf '\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\140\0\0\0\140\0\0\0\5\0\0\0\0\20\0\0'
      printf '\270\1\0\0\0\273\52\0\0\0\315\200'
    } >"$dir/exit42"
    chmod +x "$dir/exit42"
    "$dir/exit42" 2>/dev/null || status=$?
    rm -rf "$dir"
    if [ "$status" -eq 42 ]; then PLK_RUNS_32BIT=yes; else PLK_RUNS_32BIT=no; fi

  fi
  [ "$PLK_RUNS_32BIT" = yes ]
}

plk_wine_loader() {
  case "$1" in
    x86) echo /usr/lib/wine/wine ;;
    x64) echo /usr/lib/wine/wine64 ;;
  esac
}

plk_arch_skip_reason() {
  local arch=$1
  case " ${PLINKETY_WINE_ARCHS:-x86 x64} " in
    *" $arch "*) ;;
    *) echo "PLINKETY_WINE_ARCHS=\"${PLINKETY_WINE_ARCHS}\" leaves $arch out"; return 0 ;;
  esac
  if [ "$arch" = x86 ] && ! plk_runs_32bit; then
    echo "this machine's kernel refuses 32-bit programs, so 32-bit Wine cannot start"
  elif ! "$(plk_wine_loader "$arch")" --version >/dev/null 2>&1; then
    if [ "$arch" = x86 ]; then
      echo "32-bit Wine (Debian's wine32:i386) is not installed"
    else
      echo "64-bit Wine (Debian's wine64) is not installed"
    fi
  fi
}

plk_run_archs() {
  local arch archs=
  for arch in x86 x64; do
    [ -n "$(plk_arch_skip_reason "$arch")" ] || archs="$archs $arch"
  done
  echo $archs
}
