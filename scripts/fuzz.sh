#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan and UBSan) in build/fuzz and
# runs one for the given number of seconds (default 600):
#   tag    the ID3v2 tag reader, seeded with the peer corpus when it is there
#          and a few generated tags larger than the read buffer;
#   index  the index loader, seeded with a few generated index files;
#   flac, ogg, mp4, asf  the readers of those containers, seeded with the
#          peer corpus's files of the format when it is there (ASF with a few
#          generated headers).
# New inputs collect in build/fuzz/corpus-<target>; a finding leaves its input
# as build/fuzz/crash-* (or leak-*, timeout-*, oom-*), and the script fails
# with its path.
#   scripts/fuzz.sh [tag|index|flac|ogg|mp4|asf] [seconds] [extra libFuzzer options...]
# PLK_FUZZ_NO_BUILD=1 runs what is built (the test command builds it first).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${PLK_FUZZ_OUT:-$root/build/fuzz}
target=tag
case "${1:-}" in
  tag|index|flac|ogg|mp4|asf) target=$1; shift ;;
esac
seconds=${1:-600}
shift || true
mkdir -p "$out/corpus-$target" "$out/tmp"

if [ "${PLK_FUZZ_NO_BUILD:-}" != 1 ]; then
  cmake -S "$root" -B "$out" -G Ninja -DPLINKETY_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE= >/dev/null
  cmake --build "$out" --target "fuzz_$target"
fi

seeds=("$out/seeds-$target")
if [ "$target" = tag ]; then
  python3 "$root/tests/fuzz/make_large_seeds.py" "$out/seeds-tag"
  corpus=${PLINKETY_CORPUS:-$root/../shared/corpus}/id3
  if [ -d "$corpus" ]; then
    for d in "$corpus"/*/; do seeds+=("$d"); done
  fi
  options=(-max_len=80000 -dict="$root/tests/fuzz/tag.dict")
elif [ "$target" = index ]; then
  python3 "$root/tests/fuzz/make_index_seeds.py" "$out/seeds-index"
  options=(-max_len=10400)  # 40 records
else
  # The peer files of the format, copied into the build folder as seeds.
  case "$target" in
    flac) patterns=("*.flac") ;;
    ogg) patterns=("*.ogg" "*.oga" "*.opus" "*.spx") ;;
    mp4) patterns=("*.m4a" "*.m4b" "*.mp4") ;;
    asf) patterns=() ;;
  esac
  rm -rf "$out/seeds-$target" && mkdir -p "$out/seeds-$target"
  corpus=${PLINKETY_CORPUS:-$root/../shared/corpus}/formats
  if [ -d "$corpus" ] && [ ${#patterns[@]} -gt 0 ]; then
    for pattern in "${patterns[@]}"; do
      find "$corpus" -type f -name "$pattern" -exec sh -c 'cp "$1" "$2/$(basename "$(dirname "$1")")-$(basename "$1")"' _ {} "$out/seeds-$target" \;
    done
  fi
  [ "$target" = asf ] && python3 "$root/tests/fuzz/make_asf_seeds.py" "$out/seeds-asf"
  options=(-max_len=140000)
fi

findings() { find "$out" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | sort; }
before=$(findings)
cd "$out"
status=0
PLK_FUZZ_TMP=${PLK_FUZZ_TMP:-$([ -w /dev/shm ] && echo /dev/shm || echo "$out/tmp")} UBSAN_OPTIONS=print_stacktrace=1 \
  "./fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -artifact_prefix="$out/" \
  -print_final_stats=1 "${options[@]}" "$@" "corpus-$target" "${seeds[@]}" || status=$?
if [ "$status" -ne 0 ]; then
  new=$(comm -13 <(echo "$before") <(findings) | tr '\n' ' ')
  echo "fuzz: fuzz_$target failed (exit $status); input: ${new:-none written}" >&2
  echo "fuzz: replay with $out/fuzz_$target <input>" >&2
fi
exit "$status"
