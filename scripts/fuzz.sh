#!/usr/bin/env bash
# Builds the fuzz targets of the file readers with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for a bounded time, seeded from fuzz/corpus. Inputs
# may be up to 64 KiB.
# Usage: scripts/fuzz.sh [build-dir] [seconds-per-target] [jobs]
set -euo pipefail

build_dir=${1:-build-fuzz}
seconds=${2:-60}
jobs=${3:-$(nproc)}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh clang libclang-rt-14-dev

# Only the fuzz targets are built: the tests and benchmarks are not even configured.
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DVOLANTIS4_FUZZ=ON \
  -DVOLANTIS4_BUILD_TESTS=OFF -DVOLANTIS4_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j "$jobs" --target volantis4_fuzzers

mkdir -p "$build_dir/fuzz-artifacts"
for target in aircraft legacy defaults clipboard codepage; do
  work="$build_dir/fuzz-corpus/$target"  # new inputs go here, the committed seeds stay as they are
  mkdir -p "$work"
  dict=()
  if [[ $target == aircraft || $target == legacy ]]; then dict=(-dict=fuzz/aircraft.dict); fi
  echo "== fuzz_$target for ${seconds}s"
  "$build_dir/fuzz/fuzz_$target" "${dict[@]}" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/${target}-" "$work" "fuzz/corpus/$target"
done
echo "No findings."
