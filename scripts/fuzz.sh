#!/usr/bin/env bash
# Builds the tag reader's libFuzzer target with clang (ASan and UBSan) in
# build/fuzz and runs it for the given number of seconds (default 600),
# seeded with the peer corpus when it is there and a few generated tags larger
# than the read buffer. New inputs collect in
# build/fuzz/corpus; a crash leaves its input as build/fuzz/crash-*.
#   scripts/fuzz.sh [seconds] [extra libFuzzer options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${PLK_FUZZ_OUT:-$root/build/fuzz}
seconds=${1:-600}
shift || true
mkdir -p "$out/corpus" "$out/tmp"

cmake -S "$root" -B "$out" -G Ninja -DPLINKETY_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE= >/dev/null
cmake --build "$out" --target fuzz_tag

python3 "$root/tests/fuzz/make_large_seeds.py" "$out/seeds-large"
seeds=("$out/seeds-large")
corpus=${PLINKETY_CORPUS:-$root/../shared/corpus}/id3
if [ -d "$corpus" ]; then
  for d in "$corpus"/*/; do seeds+=("$d"); done
fi

cd "$out"
PLK_FUZZ_TMP=${PLK_FUZZ_TMP:-$([ -w /dev/shm ] && echo /dev/shm || echo "$out/tmp")} UBSAN_OPTIONS=print_stacktrace=1 \
  ./fuzz_tag -max_total_time="$seconds" -max_len=80000 -rss_limit_mb=2048 -timeout=10 \
  -dict="$root/tests/fuzz/tag.dict" -print_final_stats=1 "$@" corpus "${seeds[@]}"
