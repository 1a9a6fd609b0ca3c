#!/usr/bin/env bash
# After ctest: names every skipped test with the reason it printed (ctest shows only "Skipped").
set -euo pipefail
log=${1:-Testing/Temporary/LastTest.log}
[[ -f $log ]] || exit 0
awk '
  /^[0-9]+\/[0-9]+ Test: / { name = $3; reason = "" }
  /: Skipped$/ { getline; reason = $0 }
  /^\[  SKIPPED \] / && reason != "" { printf "Skipped %s: %s\n", name, reason; reason = "" }
' "$log"
