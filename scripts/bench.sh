#!/usr/bin/env bash
# Builds (scripts/build.sh), then runs every benchmark and prints each figure
# as a ratio against a baseline measured in the same run, with a summary at
# the end. Takes some five minutes; never part of ctest.
#
# The Windows benchmarks run under Wine (tests/harness/wine-run) with the x86
# build where this machine runs 32-bit programs, else the x64 one
# (scripts/machine.sh). Each benchmark prints its figures on lines
# "result: WHAT = RATIO [(NOTE)]"; those lines make the summary.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export PLINKETY_BUILD=${PLINKETY_BUILD:-$root/build}
build=$PLINKETY_BUILD
started=$SECONDS

mkdir -p "$build"
echo "bench: building (scripts/build.sh, log in $build/bench-build.log)"
if ! bash "$root/scripts/build.sh" >"$build/bench-build.log" 2>&1; then
  tail -n 30 "$build/bench-build.log"
  echo "bench: the build failed"
  exit 1
fi

source "$root/scripts/machine.sh"
archs=$(plk_run_archs)
arch=${archs%% *}
if [ -z "$arch" ]; then
  echo "bench: neither Windows build can run under Wine here: $(plk_arch_skip_reason x64)"
  exit 1
fi

summary=$(mktemp)
output=$(mktemp)
trap 'rm -f "$summary" "$output"' EXIT
failures=0

# run_bench TITLE COMMAND [ARGS...]: runs one benchmark with its output shown
# as it comes, and keeps its result lines for the summary.
run_bench() {
  local title=$1
  shift
  echo
  echo "=== $title"
  "$@" 2>&1 | tee "$output"
  local status=${PIPESTATUS[0]}
  sed -n 's/\r$//; s/^result: //p' "$output" >>"$summary"
  if [ "$status" -ne 0 ]; then
    echo "$title = FAILED (exit $status)" >>"$summary"
    failures=$((failures + 1))
  fi
}

# wine_bench NAME [ARGS...]: build/windows-<arch>/bench/bench_NAME.exe under Wine.
wine_bench() {
  local name=$1
  shift
  "$root/tests/harness/wine-run" --arch "$arch" --timeout 900 -- \
    "$build/windows-$arch/bench/bench_$name.exe" "$@"
}

exe_sizes() {
  local x86 x64
  x86=$(stat -c %s "$build/windows-x86/plinkety.exe") || return 1
  x64=$(stat -c %s "$build/windows-x64/plinkety.exe") || return 1
  echo "plinkety.exe x86 $x86 bytes, x64 $x64 bytes"
  awk -v x86="$x86" -v x64="$x64" \
    'BEGIN { printf "result: exe size x64 / x86 = %.3f (x86 %d bytes, x64 %d bytes)\n", x64 / x86, x86, x64 }'
}

run_bench "library index load (native)" "$build/bench/bench_index"
run_bench "avoid repeats: draw and reload (native)" "$build/bench/bench_round"
if [ -x "$build/bench/bench_tags" ]; then
  run_bench "tag reads against TagLib (native)" "$build/bench/bench_tags"
else
  echo "tag reads against TagLib = NOT RUN (no TagLib at configure time)" >>"$summary"
fi
run_bench "library rebuild (the $arch build under Wine)" wine_bench rebuild
run_bench "start-up to a visible button (the $arch build under Wine)" wine_bench startup
run_bench "Play button click (the $arch build under Wine)" wine_bench play_click
run_bench "About dialog (the $arch build under Wine)" wine_bench about
run_bench "exe sizes" exe_sizes

echo
echo "=== Summary: ratios measured in this run; Windows figures from the $arch build under Wine"
awk '{
  split($0, parts, " = ")
  value = parts[2]
  note = ""
  if ((open = index(value, " (")) > 0) {
    note = substr(value, open + 2)
    sub(/\)$/, "", note)
    value = substr(value, 1, open - 1)
  }
  printf "%-62s %8s  %s\n", parts[1], value, note
}' "$summary"
echo "bench: $(( (SECONDS - started) / 60 )) min $(( (SECONDS - started) % 60 )) s"
[ "$failures" -eq 0 ]
