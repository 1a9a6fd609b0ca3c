#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer in its own folder
# and runs it. Any finding stops the test program that made it. Leaks inside Qt, fontconfig and the system
# libraries are suppressed (scripts/lsan.supp); leaks in our own code are not.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-asan}
jobs=${2:-$(nproc)}

flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
# -O1 with line tables only (the tests' own code at -O0), each target's files compiled together
# (unity): reports still name file and line, and the build stays short in CI.
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DVOLANTIS4_TEST_CODE_FLAGS=-O0 -DCMAKE_UNITY_BUILD=ON -DVOLANTIS4_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build_dir" -j "$jobs"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
cd "$build_dir/tests"
# Each test program runs whole, the largest first and side by side (a process per test would spend
# most of the time starting sanitized programs); then the tests that are not test programs.
programs=$(ls -S ./*_tests)
printf '%s\n' $programs | xargs -P "$jobs" -I{} sh -c '{} --gtest_brief=1 >{}.log 2>&1; echo "$?" >{}.status'
status=0
for p in $programs; do
  echo "== $p"
  cat "$p.log"
  if [ "$(cat "$p.status")" != 0 ]; then status=1; fi
done
ctest --output-on-failure -j "$jobs" -LE gtest || status=1
exit $status
