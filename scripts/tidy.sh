#!/usr/bin/env bash
# Runs clang-tidy (with the committed .clang-tidy) over the project's own sources, using the
# compile commands of a configured (not built) tree in its own folder. Any finding fails.
#
# Each target's sources are read through one unity file that includes them all: the system, Qt
# and GoogleTest headers, whose syntax tree every check walks, are then read once per target
# instead of once per file (a quarter of the time). The included sources count as headers, which the
# header filter admits, so every finding in them is reported with its own file and line.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-tidy}
jobs=${2:-$(nproc)}

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=0 >/dev/null
# The Qt targets' moc output is generated at build time; the sources need only its folders.
cmake --build "$build_dir" --target volantis4_ui_autogen >/dev/null 2>&1 || true

# What the tree compiles: the unity files, and our sources a unity file does not take.
unity_files=$(find "$build_dir" -path '*/Unity/unity_*_cxx.cxx')
own_files=$(git ls-files '*.cpp' | grep -E '^(src|tests|bench)/')
included=$(cat $unity_files | sed -nE 's|^#include "(.*)"$|\1|p' | sort -u)
alone=$(for f in $own_files; do grep -qxF "$PWD/$f" <<<"$included" || echo "$PWD/$f"; done)
# The largest units first, so that the last one to finish is a short one.
units=$(for f in $unity_files; do echo "$(grep -c '^#include' "$f") $f"; done | sort -rn | cut -d' ' -f2)
files="$units $alone"
echo "clang-tidy: $(wc -w <<<"$own_files") sources in $(wc -w <<<"$files") units"

# clang-tidy reads the configuration nearest to each file: the unity files lie in the build folder.
cp .clang-tidy "$build_dir/.clang-tidy"
rm -rf "$build_dir/tidy-logs" && mkdir -p "$build_dir/tidy-logs"
# One log per unit, numbered in the order started.
printf '%s\n' $files | awk '{ print NR, $0 }' | xargs -P "$jobs" -L 1 sh -c \
  'clang-tidy -quiet -p "$0" --extra-arg=-fno-color-diagnostics "$2" >"$0/tidy-logs/$1.log" 2>&1 || true' "$build_dir"
cat "$build_dir"/tidy-logs/*.log >"$build_dir/tidy.log"
# A unity file is nothing but #include lines of sources: what is said of it (that it includes
# .cpp files) is about the way it reads them, not about our code.
awk '
  /^\/.*:[0-9]+:[0-9]+: (warning|error|note):/ { skip = ($0 ~ /\/Unity\/unity_[0-9]+_cxx\.cxx:/) }
  /^(clang-tidy|[0-9]+ warnings? (and [0-9]+ errors? )?generated|Suppressed|Use -header-filter|Running clang-tidy)/ { next }
  !skip { print }
' "$build_dir/tidy.log" >"$build_dir/findings.log"
cat "$build_dir/findings.log"
if grep -qE '(warning|error):' "$build_dir/findings.log"; then
  echo "clang-tidy: findings above" >&2
  exit 1
fi
echo "clang-tidy: clean"
