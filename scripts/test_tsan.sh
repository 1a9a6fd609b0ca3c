#!/usr/bin/env bash
# Builds the test programs that start threads (the solver's stages, the report's extra runs, the
# window's background runs) with ThreadSanitizer in their own folder and runs them. Any data race
# fails. Qt's own libraries are not instrumented: what they alone report is suppressed
# (scripts/tsan.supp); races in our code are not.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-tsan}
jobs=${2:-$(nproc)}
programs=(solver_tests analysis_tests ui_tests)

start=$(date +%s)
flags="-fsanitize=thread -fno-omit-frame-pointer"
# -O1 with line tables only: reports still name file and line, and the build stays short in CI.
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DVOLANTIS4_BUILD_BENCH=OFF -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" >/dev/null
cmake --build "$build_dir" -j "$jobs" --target "${programs[@]}"
built=$(date +%s)

export TSAN_OPTIONS="suppressions=$PWD/scripts/tsan.supp:halt_on_error=1:second_deadlock_stack=1:die_after_fork=0"
export QT_QPA_PLATFORM=offscreen
status=0
for p in "${programs[@]}"; do
  echo "== $p"
  "$build_dir/tests/$p" --gtest_brief=1 || status=1
done
echo "ThreadSanitizer: built in $((built - start)) s, ran in $(($(date +%s) - built)) s"
exit $status
