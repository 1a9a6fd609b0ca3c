#!/usr/bin/env bash
# The main job: the calculation's geometry on the default aircraft.
set -euo pipefail
build_dir=${1:-build}
exec "$build_dir/src/app/volantis4-cli" geometry
