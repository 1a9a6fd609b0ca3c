#!/usr/bin/env bash
# After ctest: names every skipped test with the reason it printed (ctest itself shows only
# "Skipped"). GoogleTest prints the reason on the line after "...: Skipped"; the shell tests print
# "SKIP: reason".
set -euo pipefail
log=${1:-Testing/Temporary/LastTest.log}
[[ -f $log ]] || exit 0
awk '
  /^[0-9]+\/[0-9]+ Test: / { name = $3; reason = "" }
  /: Skipped$/ { getline; reason = $0 }
  /^SKIP: / { reason = substr($0, 7) }
  /^Test Pass Reason:|^Test Passed\.|^Test Failed/ { if (reason != "" ) printf "Skipped %s: %s\n", name, reason; reason = "" }
' "$log"
