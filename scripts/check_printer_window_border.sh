#!/usr/bin/env bash
# The printer window's border under a real window manager (Xvfb and openbox), which the offscreen
# platform cannot show: the window asks for a title with the system menu and minimise, and for
# neither maximise nor close; the manager offers no maximise (openbox keeps a close entry whatever
# a window asks). Usage: check_printer_window_border.sh [build folder]. Exit 77 without the tools.
set -euo pipefail
build_dir=${1:-build}
window="$build_dir/src/app/volantis4"
for tool in Xvfb openbox xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[[ -x $window ]] || { echo "SKIP: $window is not built"; exit 77; }

display=:$((90 + RANDOM % 100))
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 & pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & pids+=($!)
"$window" >/dev/null 2>&1 & pids+=($!)

# Waits for a window named $1 (at most 20 s); prints its id.
wait_for() {
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
main=$(wait_for 'Volantis4') || { echo "FAIL: the main window did not appear"; exit 1; }
sleep 2
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key F9         # Calculate: Print is enabled once there are results
sleep 3
xdotool key ctrl+p
printer=$(wait_for '^Printer$') || { echo "FAIL: the printer window did not appear"; exit 1; }
sleep 1

# _MOTIF_WM_HINTS = flags, functions, decorations, …: functions MAXIMIZE 0x10, CLOSE 0x20;
# decorations TITLE 0x8, MENU 0x10, MINIMIZE 0x20, MAXIMIZE 0x40.
read -r functions decorations < <(xprop -id "$printer" _MOTIF_WM_HINTS | tr -d ',' | awk '{print $4, $5}')
allowed=$(xprop -id "$printer" _NET_WM_ALLOWED_ACTIONS)
failed=0
check() { if (($2)); then echo "ok: $1"; else echo "FAIL: $1"; failed=1; fi; }
check "title with system menu and minimise" "(decorations & 0x38) == 0x38"
check "no maximise button asked for" "(decorations & 0x40) == 0"
check "neither maximise nor close asked for" "(functions & 0x30) == 0"
check "the window manager offers no maximise" "$([[ $allowed != *MAXIMIZE* ]] && echo 1 || echo 0)"
check "the window manager offers minimise" "$([[ $allowed == *MINIMIZE* ]] && echo 1 || echo 0)"
exit $failed
