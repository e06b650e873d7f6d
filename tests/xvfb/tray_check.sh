#!/usr/bin/env bash
# The notification-area icon on a real X server: starts Xvfb, openbox and trayer (a panel with a
# notification area), runs the program, minimises it, checks that the window leaves the screen
# and the taskbar for exactly one icon, that only the right button opens the icon's menu, that
# Restore brings the window back (in the normal state, at its normal size), that replies still
# arrive while hidden, and that Exit goes through the save prompt and ends the program.
#
#   tests/xvfb/tray_check.sh BUILD/VortaneRcon [SCREENSHOT_DIR]
#
# With SCREENSHOT_DIR, saves screenshot-normal.png and screenshot-maximised.png there.
# Exit status 0 when every check passed. Needs xvfb, openbox, trayer, xdotool, x11-utils,
# iproute2 and (for screenshots) imagemagick. Every wait has a timeout, and everything the
# script starts is stopped when it ends, however it ends.
set -euo pipefail

if [ $# -lt 1 ] || [ ! -x "$1" ]; then
  echo "usage: $0 PATH/TO/VortaneRcon [SCREENSHOT_DIR]" >&2
  exit 2
fi
app=$(realpath "$1")
shots=${2:-}
[ -n "$shots" ] && mkdir -p "$shots" && shots=$(realpath "$shots")

work=$(mktemp -d)
pids=()
failures=0

cleanup() {
  local status=$?
  trap - EXIT INT TERM
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# A watchdog for the whole run, on top of the timeout of every single wait.
(
  trap 'kill "$nap" 2>/dev/null; exit 0' TERM
  sleep 180 &
  nap=$!
  wait "$nap" && echo "tray_check: overall timeout" >&2 && kill -TERM $$
) 2>/dev/null &
pids+=($!)

pass() { echo "ok   - $*"; }
fail() { echo "FAIL - $*"; failures=$((failures + 1)); }
check() { # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
# until_true SECONDS COMMAND...: polls COMMAND until it succeeds or the time is up.
until_true() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.1
  done
}

# --- the desktop -------------------------------------------------------------------------------
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
until_true 10 test -s "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
until_true 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
  { echo "openbox did not start" >&2; exit 1; }

start_panel() {
  trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 28 \
    --SetDockType true --SetPartialStrut true --transparent false --tint 0x000000 \
    >>"$work/trayer.log" 2>&1 &
  panel_pid=$!
  pids+=($panel_pid)
  until_true 10 sh -c 'xdotool search --onlyvisible --name "^panel$" >/dev/null 2>&1' || return 1
  panel=$(xdotool search --onlyvisible --name '^panel$' | head -n1)
}
start_panel || { echo "trayer did not start" >&2; exit 1; }

# --- the program -------------------------------------------------------------------------------
(cd "$work" && exec "$app") >"$work/app.log" 2>&1 &
app_pid=$!
pids+=($app_pid)
main=$(timeout 15 xdotool search --sync --onlyvisible --name '^Vortane Remote Console$' | head -n1)
[ -n "$main" ] || { echo "the main window did not appear" >&2; exit 1; }
main_hex=$(printf '0x%x' "$main")
udp_port() { ss -H -u -a -n -p 2>/dev/null | awk -v p="pid=$app_pid," 'index($0, p) {n = split($4, a, ":"); print a[n]; exit}'; }
until_true 10 test -n "$(udp_port)" || { echo "the program has no UDP socket" >&2; exit 1; }
port=$(udp_port)

# --- what the checks look at -------------------------------------------------------------------
running() { kill -0 "$app_pid" 2>/dev/null; }
mapped() { xwininfo -id "$main" 2>/dev/null | grep -q 'Map State: IsViewable'; }
hidden() { ! xwininfo -id "$main" 2>/dev/null | grep -q 'Map State: IsViewable'; }
in_taskbar() { xprop -root _NET_CLIENT_LIST | grep -qi "$main_hex"; }
not_in_taskbar() { ! in_taskbar; }
maximised() { xprop -id "$main" _NET_WM_STATE | grep -q MAXIMIZED_HORZ; }
not_maximised() { ! maximised; }
icons() { xwininfo -tree -id "$panel" | grep -c '("VortaneRcon" "VortaneRcon")' || true; }
one_icon() { [ "$(icons)" = 1 ]; }
no_icon() { [ "$(icons)" = 0 ]; }
icon() { xwininfo -tree -id "$panel" | awk '/\("VortaneRcon" "VortaneRcon"\)/ {print $1; exit}'; }
# Visible top-level windows of the program other than its main window and icon: menus, boxes.
popups() {
  local embedded
  embedded=$(icon)
  xdotool search --onlyvisible --classname '^VortaneRcon$' 2>/dev/null |
    while read -r w; do
      [ "$w" = "$main" ] || [ "$(printf '0x%x' "$w")" = "$embedded" ] || echo "$w"
    done
}
no_popup() { [ -z "$(popups)" ]; }
a_popup() { [ -n "$(popups)" ]; }
prompt() { xdotool search --onlyvisible --name '^Vortane Rcon$' 2>/dev/null | head -n1; }
prompt_shown() { [ -n "$(prompt)" ]; }
no_prompt() { [ -z "$(prompt)" ]; }
# Client area of the main window: "X Y WIDTH HEIGHT" on the screen.
client() { xwininfo -id "$main" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
  /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'; }
extents() { xprop -id "$main" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g'; }
size() { client | awk '{print $3 "x" $4}'; }
normal_size_again() { [ "$(size)" = "$normal_size" ]; }
reply() { # one datagram: printf with a format would write it in pieces, each its own datagram
  local datagram
  printf -v datagram '\377\377\377\377print\n%s\n' "$1"
  printf '%s' "$datagram" >"/dev/udp/127.0.0.1/$port"
}
click_icon() { xdotool mousemove --window "$(icon)" 10 12 click "$@"; }
tray_menu() { # tray_menu KEY: opens the icon's menu with the right button, picks an item by key
  click_icon 3
  until_true 5 a_popup || return 1
  xdotool key "$1"
  until_true 5 no_popup
}
restore_by_mouse() { # the same, but clicking the menu's first item, Restore
  click_icon 3
  until_true 5 a_popup || return 1
  xdotool mousemove --window "$(popups | head -n1)" 30 12 click 1
  until_true 5 no_popup
}
ended() { ! running; }
answer_prompt() { # answer_prompt KEY
  timeout 5 xdotool windowactivate --sync "$(prompt)" 2>/dev/null || true
  xdotool key "$1"
}
minimise() {
  xdotool windowminimize "$main"
  until_true 5 one_icon && until_true 5 hidden
}
screenshot() { # screenshot FILE: the main window with its frame
  local x y w h l r t b
  read -r l r t b < <(extents)
  read -r x y w h < <(client)
  x=$((x - l)) y=$((y - t)) w=$((w + l + r)) h=$((h + t + b))
  ((x < 0)) && x=0
  ((y < 0)) && y=0
  timeout 20 import -window root -crop "${w}x${h}+${x}+${y}" +repage "$1"
}

normal_size=$(size)
check "the window starts shown and in the taskbar" mapped
check "no icon before the first minimise" no_icon

# --- minimise, the icon's mouse buttons, restore -----------------------------------------------
check "minimising shows one icon and hides the window" minimise
check "the hidden window is out of the taskbar" until_true 5 not_in_taskbar
click_icon 1
sleep 0.5
check "a left click on the icon opens nothing" no_popup
click_icon --repeat 2 --delay 80 1
sleep 0.5
check "a double click on the icon opens nothing" no_popup
check "the window stays hidden after left clicks" hidden
check "Restore from the icon's menu (mouse)" restore_by_mouse
check "the window is back on screen" until_true 5 mapped
check "the window is back in the taskbar" until_true 5 in_taskbar
check "the icon is gone after Restore" until_true 5 no_icon

# --- hidden: replies keep arriving; Exit asks first, Cancel keeps the program hidden ------------
check "minimising again shows one icon" minimise
for line in "Reply that came while the window was hidden" "Players: 3/16" "Map: harbour"; do
  reply "$line"
done
sleep 0.5
click_icon 3
until_true 5 a_popup && xdotool key x
if until_true 5 prompt_shown; then
  pass "Exit with a reply received while hidden asks to save first"
  answer_prompt Escape
  check "the prompt closes on Cancel" until_true 5 no_prompt
else
  fail "Exit with a reply received while hidden asks to save first"
fi
sleep 0.5
check "after Cancel the program still runs" running
check "after Cancel the window stays hidden" hidden
check "after Cancel the one icon stays" one_icon
check "Restore from the icon's menu (keyboard)" tray_menu r
check "the window is back" until_true 5 mapped
check "the icon is gone" until_true 5 no_icon

# --- maximised, minimised, restored: back in the normal state at the normal size ---------------
sleep 0.3
[ -n "$shots" ] && screenshot "$shots/screenshot-normal.png"
read -r _ _ t _ < <(extents)
read -r x y w _ < <(client)
xdotool mousemove $((x + w / 2)) $((y - t / 2)) click --repeat 2 --delay 80 1  # the title bar
check "the window maximises" until_true 5 maximised
sleep 0.5
[ -n "$shots" ] && screenshot "$shots/screenshot-maximised.png"
check "minimising the maximised window shows one icon" minimise
check "Restore from the icon's menu" tray_menu r
check "the window is back" until_true 5 mapped
check "it comes back in the normal state" until_true 5 not_maximised
check "it comes back at its normal size ($normal_size)" until_true 5 normal_size_again
check "and without its icon" no_icon

# --- the panel goes away while the window is hidden: the window comes back by itself ----------
check "minimising a third time shows one icon" minimise
kill "$panel_pid"
check "without the panel the window comes back on screen" until_true 5 mapped
check "... and in the taskbar" until_true 5 in_taskbar
check "a new panel starts" start_panel

# --- Exit from the icon, not saving: the program ends and takes its icon with it ---------------
check "minimising into the new panel shows one icon" minimise
click_icon 3
until_true 5 a_popup && xdotool key x
if until_true 5 prompt_shown; then
  answer_prompt n
fi
check "Exit ends the program" until_true 10 ended
check "no icon is left behind" until_true 5 no_icon

if [ "$failures" -ne 0 ]; then
  echo "tray_check: $failures check(s) failed; program output:" >&2
  cat "$work/app.log" >&2
  exit 1
fi
echo "tray_check: all checks passed"
