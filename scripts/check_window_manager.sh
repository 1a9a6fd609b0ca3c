#!/usr/bin/env bash
# The window under a real X server with a window manager (openbox) and a 40-pixel taskbar (tint2),
# driven by xdotool, with screenshots to look at: what the offscreen tests cannot show.
#
#   scripts/check_window_manager.sh PROGRAM [OUT]
#
# - At 1024 × 768, 1366 × 768 and 1280 × 720 the whole frame lies on the area the taskbar leaves,
#   and the window can be made 800 × 600 (its client then scrolls).
# - Command keys from inside a number field (F9, Ctrl+E, Ctrl+Shift+S) and from the report window.
# - Quit while the report's extra runs compute: the process is gone within 0.5 s (QUIT_TRIES times).
# - German: Qt's own dialogs are German too.
# Screenshots go to OUT (default: a temporary folder, named at the end). Exits 77 (skipped) when a
# tool is missing, 1 on a failed check.
set -uo pipefail
program=$(realpath "${1:?usage: check_window_manager.sh PROGRAM [OUT]}")
out=${2:-$(mktemp -d -t volantis4-wm.XXXXXX)}
quit_tries=${QUIT_TRIES:-5}
mkdir -p "$out"
for tool in Xvfb openbox tint2 xdotool xprop xwininfo import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"; exit 77; }
done

work=$(mktemp -d -t volantis4-wm-work.XXXXXX)
pids=()
failures=0
stop_all() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
  pids=()
}
trap 'stop_all; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }

cat >"$work/tint2rc" <<'RC'
# A 40-pixel taskbar along the bottom edge that keeps its strip of the screen for itself.
panel_items = T
panel_size = 100% 40
panel_position = bottom center horizontal
panel_layer = top
strut_policy = follow_size
wm_menu = 0
panel_dock = 0
RC

# Waits up to $2 tenths of a second for a command to succeed.
wait_for() {
  local tries=$2
  while ((tries-- > 0)); do eval "$1" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

# Starts X at WxH with the window manager and the taskbar; sets DISPLAY and AREA (x y w h).
start_desktop() {
  # A display of our own: a number no other server holds, whose lock names our server.
  local n xvfb
  for ((attempt = 0; attempt < 20; attempt++)); do
    n=$((200 + RANDOM % 700))
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    Xvfb ":$n" -screen 0 "${1}x${2}x24" -nolisten tcp -noreset 2>"$work/xvfb.log" &
    xvfb=$!
    if wait_for "[ \"\$(tr -d ' ' </tmp/.X$n-lock 2>/dev/null)\" = $xvfb ] && xwininfo -display :$n -root" 50; then
      pids+=($xvfb)
      export DISPLAY=":$n"
      break
    fi
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
  done
  [[ ${DISPLAY:-} == ":$n" ]] || { fail "Xvfb did not start"; return 1; }
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wait_for "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" 50 ||
    { fail "openbox did not start on $DISPLAY: $(cat "$work/openbox.log" "$work/xvfb.log")"; return 1; }
  tint2 -c "$work/tint2rc" >"$work/tint2.log" 2>&1 &
  pids+=($!)
  wait_for "xprop -root _NET_WORKAREA | grep -q ', $(($2 - 40))\b'" 150 ||
    { fail "the taskbar took no strip: $(xprop -root _NET_WORKAREA) $(cat "$work/openbox.log" "$work/tint2.log")"; return 1; }
  AREA=($(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4))
}

# Starts the program in a fresh folder and home (German when $1 is "de", live results on when it is
# "live"), on the files given after it; sets APP and WIN.
start_program() {
  local home="$work/home-$RANDOM"
  mkdir -p "$home/run" "$home/.config/volantis4"
  [[ ${1:-} == de ]] && printf 'd\r\n' >"$home/run/Default.pa4"
  [[ ${1:-} == live ]] && printf '[analysis]\nliveResults=true\n' >"$home/.config/volantis4/volantis4.conf"
  shift $(($# > 0 ? 1 : 0))
  (cd "$home/run" && HOME="$home" XDG_CONFIG_HOME="$home/.config" exec "$program" "$@" >"$work/program.log" 2>&1) &
  APP=$!
  pids+=($APP)
  wait_for "xdotool search --name 'Volantis4  V3.3'" 100 || { fail "no main window"; return 1; }
  WIN=$(xdotool search --name 'Volantis4  V3.3' | head -1)
  # Settled once the window manager's frame is round it and the window sits in it.
  wait_for "xprop -id $WIN _NET_FRAME_EXTENTS | grep -q =" 50
  sleep 1
}

stop_program() {
  kill "$APP" 2>/dev/null
  wait "$APP" 2>/dev/null
}

# The frame of WIN: FRAME=(left top width height).
frame_of() {
  local x y w h l r t b
  x=$(xwininfo -id "$WIN" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$WIN" | awk '/Absolute upper-left Y/ {print $4}')
  w=$(xwininfo -id "$WIN" | awk '/Width/ {print $2}')
  h=$(xwininfo -id "$WIN" | awk '/Height/ {print $2}')
  read -r l r t b < <(xprop -id "$WIN" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  FRAME=($((x - l)) $((y - t)) $((w + l + r)) $((h + t + b)))
}

shot() { import -window root "$out/$1.png"; }

# A window of the program whose name is $1 shows up within two seconds.
window_named() { wait_for "xdotool search --name '$1'" 20; }

# 1. Small screens with a taskbar.
for size in 1024x768 1366x768 1280x720; do
  start_desktop "${size%x*}" "${size#*x}" || { stop_all; continue; }
  start_program || { stop_all; continue; }
  frame_of
  shot "screen-$size"
  if ((FRAME[0] >= AREA[0] && FRAME[1] >= AREA[1] && FRAME[0] + FRAME[2] <= AREA[0] + AREA[2] &&
    FRAME[1] + FRAME[3] <= AREA[1] + AREA[3])); then
    ok "$size: frame ${FRAME[*]} within the area ${AREA[*]}"
  else
    fail "$size: frame ${FRAME[*]} passes the area ${AREA[*]}"
  fi
  xdotool windowsize "$WIN" 800 600
  sleep 0.5
  read -r w h < <(xwininfo -id "$WIN" | awk '/Width/ {w=$2} /Height/ {h=$2} END {print w, h}')
  if [[ "$w $h" == "800 600" ]]; then ok "$size: resized to 800 x 600"; else fail "$size: resize to 800 x 600 gave $w x $h"; fi
  xdotool mousemove --window "$WIN" 400 300
  for _ in 1 2 3 4 5 6 7 8; do xdotool click 5; done  # the client scrolls to its bottom
  sleep 0.3
  shot "screen-$size-800x600-scrolled"
  stop_program
  stop_all
done

# 2. Command keys inside a field and from the report window, at 1366 × 768.
start_desktop 1366 768 && start_program && {
  xdotool mousemove --window "$WIN" 71 175 click 1  # wing 1's x position field
  sleep 0.3
  xdotool key F9
  sleep 2
  xdotool key ctrl+e
  if window_named 'Export PDF'; then ok "Ctrl+E from inside a field exports"; else fail "Ctrl+E inside a field did nothing"; fi
  shot keys-export-from-field
  xdotool key Escape
  sleep 0.3
  xdotool mousemove --window "$WIN" 71 175 click 1
  xdotool key ctrl+shift+s
  if window_named 'Save As'; then ok "Ctrl+Shift+S saves as"; else fail "Ctrl+Shift+S did nothing"; fi
  xdotool key Escape
  sleep 0.3
  xdotool key alt+a Down Return  # Analysis > Stability report
  if window_named 'Stability report'; then
    report=$(xdotool search --name 'Stability report' | head -1)
    xdotool windowactivate --sync "$report" 2>/dev/null
    shot keys-report
    xdotool key --window "$report" ctrl+e
    if window_named 'Export PDF'; then ok "Ctrl+E from the report window"; else fail "Ctrl+E from the report window did nothing"; fi
    xdotool key Escape
  else
    fail "Analysis > Stability report opened no window"
  fi
  stop_program
}
stop_all

# 3. Quit while the extra runs compute.
start_desktop 1366 768 && for ((try = 1; try <= quit_tries; try++)); do
  start_program || break
  xdotool key --window "$WIN" F9
  sleep 1
  xdotool key alt+a Down Return
  window_named 'Stability report' || { fail "no report window"; stop_program; break; }
  sleep 0.3
  start=$(date +%s%N)
  xdotool key ctrl+q
  gone=no
  for _ in $(seq 1 100); do
    if ! kill -0 "$APP" 2>/dev/null; then gone=yes; break; fi
    sleep 0.01
  done
  ms=$((($(date +%s%N) - start) / 1000000))
  if [[ $gone == yes && $ms -le 500 ]]; then ok "quit during the extra runs: gone in $ms ms"; else fail "quit during the extra runs: still there after $ms ms"; fi
  stop_program
done
stop_all

# 4. German: the program's texts and Qt's own.
start_desktop 1366 768 && start_program de && {
  xdotool key --window "$WIN" alt+b  # Bearbeiten: the keys as German desktops name them ("Strg+Z")
  sleep 0.5
  shot german-edit-menu
  xdotool key Escape
  xdotool key --window "$WIN" ctrl+o
  if window_named 'Öffnen'; then ok "German: the open dialog is German"; else fail "German: the open dialog is not German"; fi
  sleep 0.5
  shot german-open
  xdotool key Escape
  stop_program
}
stop_all

# 5. Live results while typing a height: the trainer's wing 2 typed 5 mm, then 50 mm, above wing 1;
# the field keeps what is typed and the panel names the height the run used (screenshots).
trainer="$(dirname "$0")/../examples/trainer.vn4"
start_desktop 1366 768 && start_program live "$(realpath "$trainer")" && {
  xdotool mousemove --window "$WIN" 128 259 click --repeat 3 1  # wing 2's height field, all of it selected
  xdotool type --delay 50 5
  sleep 1.5
  shot live-typed-5
  xdotool type --delay 50 0
  sleep 1.5
  shot live-typed-50
  stop_program
}
stop_all

echo "screenshots in $out"
((failures == 0)) || { echo "$failures check(s) failed"; exit 1; }
