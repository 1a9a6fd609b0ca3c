#!/usr/bin/env bash
# The terminal program links none of the window's libraries: no Qt Widgets, printing, D-Bus or print
# service, neither directly nor through another library (pages come from a module loaded on demand).
set -uo pipefail
program=$1
libraries=$(ldd "$program") || { echo "FAIL: ldd $program"; exit 1; }
forbidden=$(grep -oE 'lib(Qt6(Widgets|PrintSupport|DBus|Gui)|cups|dbus-1)[^ ]*' <<<"$libraries" | sort -u)
if [[ -n $forbidden ]]; then
  echo "FAIL: $program links $(tr '\n' ' ' <<<"$forbidden")"
  exit 1
fi
echo "volantis4-cli links: $(awk '{print $1}' <<<"$libraries" | tr '\n' ' ')"
