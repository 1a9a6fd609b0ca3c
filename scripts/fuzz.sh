#!/usr/bin/env bash
# Builds the fuzz targets of the file readers with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for a bounded time, seeded from fuzz/corpus. Inputs
# may be up to 64 KiB.
# Usage: scripts/fuzz.sh [build-dir] [seconds-per-target] [build jobs]
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

mkdir -p "$build_dir/fuzz-artifacts" "$build_dir/fuzz-logs"
# Runs one target; its output goes to its log, shown when it ends.
fuzz_one() {
  local target=$1 work="$build_dir/fuzz-corpus/$1"  # new inputs go here, the committed seeds stay as they are
  mkdir -p "$work"
  local dict=()
  if [[ $target == aircraft || $target == legacy ]]; then dict=(-dict=fuzz/aircraft.dict); fi
  "$build_dir/fuzz/fuzz_$target" "${dict[@]}" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/${target}-" "$work" "fuzz/corpus/$target" \
    >"$build_dir/fuzz-logs/$target.log" 2>&1
}

# All targets at once: each runs its full time (a smoke run; make fuzz's long runs share the cores too).
targets=(aircraft legacy defaults clipboard codepage)
declare -A pid_of
status=0
for target in "${targets[@]}"; do
  echo "== fuzz_$target for ${seconds}s"
  fuzz_one "$target" &
  pid_of[$target]=$!
done
for target in "${targets[@]}"; do
  failed=0
  wait "${pid_of[$target]}" || failed=1
  grep -E '^(stat::|INFO: Done)' "$build_dir/fuzz-logs/$target.log" | sed "s/^/[$target] /" || true
  if ((failed)); then
    echo "== fuzz_$target found a fault (its log: $build_dir/fuzz-logs/$target.log):"
    tail -n 40 "$build_dir/fuzz-logs/$target.log"
    status=1
  fi
done
if ((status)); then exit 1; fi
echo "No findings."
