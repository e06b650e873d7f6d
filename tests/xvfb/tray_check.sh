#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Minimise to the notification area of a real panel (Xvfb, openbox, trayer) and come back: the
# window leaves the screen and the taskbar for exactly one icon, only the right button opens the
# icon's menu, Restore brings the window back in the normal state at its normal size, replies
# arrive while hidden, the window returns when the panel goes, and Exit asks to save first and
# ends the program with status 0. Every wait has a timeout, the whole run one of three minutes,
# and everything started is stopped. Needs xdotool, x11-utils, iproute2 and, for screenshots,
# imagemagick.
#   tests/xvfb/tray_check.sh BUILD/VortaneRcon [DIR]  (DIR: gets screenshot-{normal,maximised}.png)
# A menu key that the menu does not take fails its check, and a screenshot of the whole screen
# stays as tray_check-lost-key-KEY.png in $TRAY_CHECK_KEEP, else the folder the check started in
# (build/tests under ctest).
set -euo pipefail
[ -n "${TRAY_CHECK_TIMED:-}" ] || TRAY_CHECK_TIMED=1 exec timeout -k 10 180 bash "$0" "$@"
[ $# -ge 1 ] && [ -x "$1" ] || { echo "usage: $0 PATH/TO/VortaneRcon [DIR]" >&2; exit 2; }
app=$(realpath "$1")
shots=${2:+$(mkdir -p "$2" && realpath "$2")}
kept=$(realpath "${TRAY_CHECK_KEEP:-$PWD}")
rm -f "$kept"/tray_check-lost-key-*.png # a kept screenshot belongs to the last run
work=$(mktemp -d)
cd "$work"
pids=()
failures=0

cleanup() { # stops everything started, the last first
  local status=$? i
  trap - EXIT
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null && timeout 5 tail --pid="${pids[i]}" -s 0.1 -f /dev/null || true
    kill -9 "${pids[i]}" 2>/dev/null || true
  done
  ((status == 0)) || [ ! -f app.log ] || { echo "program output:" && cat app.log; } >&2
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
die() { echo "tray_check: $*" >&2; exit 1; }
spawn() { "${@:2}" >>"$work/$1.log" 2>&1 & pids+=($!); } # spawn LOG COMMAND...
check() { # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok   - $1"; else echo "FAIL - $1"; failures=$((failures + 1)); fi
}
until_true() { # until_true SECONDS COMMAND...: polls COMMAND until it succeeds or the time is up
  local end=$((SECONDS + $1))
  until "${@:2}"; do ((SECONDS < end)) || return 1; sleep 0.1; done
}

# The desktop, the panel and the program.
exec 3>"$work/display"
spawn xvfb Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp
exec 3>&-
until_true 10 test -s "$work/display" || die "Xvfb did not start"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
spawn openbox openbox
until_true 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
  die "openbox did not start"
find_panel() { panel=$(xdotool search --onlyvisible --name '^panel$' 2>/dev/null | head -n1); }
start_panel() { # a panel that does not show within ten seconds is started once more
  local try
  for try in 1 2; do
    spawn trayer trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel \
      --height 28 --SetDockType true --SetPartialStrut true --transparent false --tint 0x000000
    panel_pid=$!
    until_true 10 find_panel && return 0
    kill "$panel_pid" 2>/dev/null || true
  done
  return 1
}
start_panel || die "trayer did not start"
spawn app "$app"
app_pid=$!
main=$(timeout 15 xdotool search --sync --onlyvisible --name '^Vortane Remote Console$' |
  head -n1) || die "the main window did not appear"
udp_port() {
  ss -Huanp | awk -v p="pid=$app_pid," 'index($0, p) {n = split($4, a, ":"); print a[n]; exit}'
}
until_true 10 test -n "$(udp_port)" || die "the program has no UDP socket"

# What the checks look at.
running() { kill -0 "$app_pid" 2>/dev/null; }
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
mapped() { viewable "$main"; }
hidden() { ! mapped; }
in_taskbar() { xprop -root _NET_CLIENT_LIST | grep -qi "$(printf '0x%x' "$main")"; }
maximised() { xprop -id "$main" _NET_WM_STATE | grep -q MAXIMIZED_HORZ; }
size() { xwininfo -id "$main" | awk '/Width:/ {w = $2} /Height:/ {print w "x" $2}'; }
icons() { xwininfo -tree -id "$panel" | awk '/\("VortaneRcon" "VortaneRcon"\)/ {print $1}'; }
one_icon() { [ "$(icons | wc -l)" = 1 ]; }
no_icon() { [ -z "$(icons)" ]; }
popups() { # visible windows of the program but its main window, its icon and the icon's tip
  local window icon=$(($(icons | head -n1) + 0)) found=1
  for window in $(xdotool search --onlyvisible --classname '^VortaneRcon$' 2>/dev/null); do
    [ "$window" != "$main" ] && [ "$window" != "$icon" ] &&
      ! xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP &&
      echo "$window" && found=0
  done
  return $found
}
prompt() { xdotool search --onlyvisible --name '^Vortane Rcon$' 2>/dev/null | head -n1 | grep .; }
answer() { timeout 5 xdotool windowactivate --sync "$(prompt)" key "$1" 2>/dev/null || true; }
click_icon() { xdotool mousemove --window "$(icons)" 10 12 click "$@"; }
menu() { # menu KEY: opens the icon's menu and picks an item by its access key, pressed once
  local popup
  click_icon 3 && until_true 5 popups >/dev/null || return 1
  popup=$(popups | head -n1)
  # The menu takes the keyboard a moment after it is mapped: a key pressed sooner is lost or
  # caught half-way (and the icon's next right-click then opens nothing).
  sleep 0.5
  xdotool key "$1"
  until_true 2 eval '! viewable "$popup"' && return 0
  keep_screenshot "lost-key-$1"
  return 1
}
minimise() { xdotool windowminimize "$main" && until_true 5 one_icon && until_true 5 hidden; }
screenshot() { [ -z "$shots" ] || timeout 20 import -window "$main" -frame "$shots/$1.png"; }
keep_screenshot() { # keep_screenshot NAME: the whole screen, kept after the run for a failure
  local file="$kept/tray_check-$1.png"
  timeout 20 import -window root "$file" 2>/dev/null &&
    echo "tray_check: screenshot of the failure kept in $file" >&2
}

normal_size=$(size)
check "the window starts shown and in the taskbar" eval 'mapped && in_taskbar'
check "no icon before the first minimise" no_icon
check "minimising shows one icon and hides the window" minimise
check "the hidden window is out of the taskbar" until_true 5 eval '! in_taskbar'
click_icon 1
click_icon --repeat 2 --delay 80 1
sleep 0.5
check "a left click or a double click on the icon opens nothing, the window stays hidden" \
  eval '! popups && hidden'
click_icon 3
until_true 5 popups >/dev/null && xdotool mousemove --window "$(popups | head -n1)" 30 12 click 1
check "Restore from the icon's menu (mouse) brings the window back" until_true 5 mapped
check "... into the taskbar, and the icon goes" until_true 5 eval 'in_taskbar && no_icon'

check "minimising again shows one icon" minimise
reply=$'Reply that came while the window was hidden\nPlayers: 3/16\nMap: harbour\n'
printf '%s' $'\377\377\377\377print\n'"$reply" >"/dev/udp/127.0.0.1/$(udp_port)" # one datagram
sleep 0.5
check "the right button opens the icon's menu, E&xit picked" menu x
check "Exit with a reply received while hidden asks to save first" \
  until_true 5 eval 'prompt >/dev/null'
answer Escape
check "Cancel closes the prompt" until_true 5 eval '! prompt'
check "... and the program runs on, hidden, with its one icon" eval 'running && hidden && one_icon'
check "Restore from the icon's menu (keyboard)" menu r
check "the window is back without its icon" until_true 5 eval 'mapped && no_icon'

sleep 0.3
screenshot screenshot-normal
xdotool mousemove --window "$main" 200 0 mousemove_relative -- 0 -10 click --repeat 2 --delay 80 1
check "a double click on the title bar maximises the window" until_true 5 maximised
sleep 0.5
screenshot screenshot-maximised
check "minimising the maximised window shows one icon" minimise
check "Restore from the icon's menu" menu r
check "the window comes back in the normal state at its normal size ($normal_size)" \
  until_true 5 eval 'mapped && ! maximised && [ "$(size)" = "$normal_size" ]'

check "minimising a third time shows one icon" minimise
kill "$panel_pid"
check "without the panel the window comes back" until_true 5 eval 'mapped && in_taskbar'
check "a new panel starts" start_panel
check "minimising into the new panel shows one icon" minimise
check "Exit from the icon's menu" menu x
until_true 5 prompt >/dev/null && answer n
check "Exit ends the program" until_true 10 eval '! running'
app_status=running
running || { app_status=0 && wait "$app_pid" || app_status=$?; }
check "... with status 0 (built with the sanitizers: no leak, no error)" [ "$app_status" = 0 ]
check "no icon is left behind" until_true 5 no_icon

[ "$failures" -eq 0 ] || die "$failures check(s) failed"
echo "tray_check: all checks passed"
