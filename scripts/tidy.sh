#!/usr/bin/env bash
# Runs clang-tidy (with the committed .clang-tidy) over the project's own sources, using the
# compile commands of a configured (not built) tree in its own folder. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-tidy}
jobs=${2:-$(nproc)}

# Without precompiled headers: each file is read with its own includes only.
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON >/dev/null
# The Qt targets' moc output is generated at build time; the sources need only its folders.
cmake --build "$build_dir" --target volantis4_ui_autogen >/dev/null 2>&1 || true
files=$(git ls-files '*.cpp' | grep -E '^(src|tests|bench)/')
run-clang-tidy -quiet -p "$build_dir" -j "$jobs" $files 2>&1 | tee "$build_dir/tidy.log" | grep -vE '^(clang-tidy|[0-9]+ warnings? generated|Suppressed|Use -header-filter|Running clang-tidy)' || true
if grep -qE '(warning|error):' "$build_dir/tidy.log"; then
  echo "clang-tidy: findings above" >&2
  exit 1
fi
echo "clang-tidy: clean"
