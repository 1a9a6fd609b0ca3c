#!/usr/bin/env bash
# The main job: the window where a display exists, else the calculation of the default aircraft.
set -euo pipefail
build_dir=${1:-build}
window="$build_dir/src/app/volantis4"
cli="$build_dir/src/app/volantis4-cli"

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && -x "$window" ]]; then
  exec "$window"
fi

"$cli" calc
if [[ -x "$window" ]]; then
  echo
  echo "No display here: to see the window, run  xvfb-run -a $window  (or start it on a desktop)."
fi
