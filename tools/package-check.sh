#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a configured build folder and checks it as a user meets it:
# lintian finds no error, the desktop entry and the AppStream metainfo validate, and the package's
# own files, extracted into a temporary root with dpkg-deb -x, work: vortane-rcon --version prints
# the project's version, the systemd examples verify, and the window program, started by the name
# the desktop entry gives, has the window class the entry names and shows the read-me from
# share/doc (its text, copied out of the read-me window, equals the file's; with the file taken
# away the same steps show the "could not be read" text instead). Every wait has a timeout, the
# whole run one of ten minutes, and everything started is stopped.
#   tools/package-check.sh BUILD      the package lands in BUILD/package/
# Needs cpack, dpkg-dev, file, lintian, desktop-file-utils, appstream, systemd, xvfb, openbox,
# xdotool, xclip and x11-utils (./test.sh --package installs them).
set -euo pipefail
[ -n "${PACKAGE_CHECK_TIMED:-}" ] || PACKAGE_CHECK_TIMED=1 exec timeout -k 10 600 bash "$0" "$@"
[ $# -eq 1 ] && [ -f "$1/CMakeCache.txt" ] || { echo "usage: $0 BUILD-FOLDER" >&2; exit 2; }
build=$(realpath "$1")
work=$(mktemp -d)
pids=()
passes=0
failures=0

cleanup() { # stops everything started, the last first
  local status=$? i log
  trap - EXIT
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null && timeout 5 tail --pid="${pids[i]}" -s 0.1 -f /dev/null || true
    kill -9 "${pids[i]}" 2>/dev/null || true
  done
  if ((status != 0)); then
    for log in xvfb openbox app; do
      [ ! -s "$work/$log.log" ] || { echo "$log output:" && cat "$work/$log.log"; } >&2
    done
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
die() { echo "package-check: $*" >&2; exit 1; }
spawn() { "${@:2}" >>"$work/$1.log" 2>&1 & pids+=($!); } # spawn LOG COMMAND...
check() { # check DESCRIPTION COMMAND...
  if "${@:2}"; then
    echo "ok   - $1"
    passes=$((passes + 1))
  else
    echo "FAIL - $1"
    failures=$((failures + 1))
  fi
}
until_true() { # until_true SECONDS COMMAND...: polls COMMAND until it succeeds or the time is up
  local end=$((SECONDS + $1))
  until "${@:2}"; do ((SECONDS < end)) || return 1; sleep 0.1; done
}

# The package, named from the version the build was configured with.
version=$(sed -n 's/.*kVersion{"\(.*\)"};/\1/p' "$build/generated/rcon/Version.h")
[ -n "$version" ] || die "no version in $build/generated/rcon/Version.h"
deb="$build/package/vortane-rcon_${version}_$(dpkg --print-architecture).deb"
rm -f "$build"/package/*.deb
timeout 300 cpack --config "$build/CPackConfig.cmake" -G DEB -B "$build/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; die "cpack failed"; }
[ -f "$deb" ] || { cat "$work/cpack.log" >&2; die "cpack made no $deb"; }
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Architecture Maintainer Section Depends | sed 's/^/  /'

# lintian: errors fail the check; warnings and the rest are shown.
timeout 300 lintian --fail-on error --display-info --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
  lintian_failed=1
sed 's/^/  /' "$work/lintian.log"
check "lintian reports no error" [ -z "${lintian_failed:-}" ]

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/vortane-rcon.desktop"
metainfo=$(find "$root/usr/share/metainfo" -name '*.metainfo.xml' | head -n1)
entry() { sed -n "s/^$1=//p" "$desktop"; }
check "desktop-file-validate passes the desktop entry" desktop-file-validate "$desktop"
check "appstreamcli validates the metainfo" appstreamcli validate --no-net "$metainfo"
check "... and with the installed tree: its desktop entry and icon" \
  appstreamcli validate-tree --no-net "$root"
check "the metainfo's release is the project's version ($version)" \
  grep -q "<release version=\"$version\"" "$metainfo"
for size in 16 32 48 64 128 256; do
  check "a ${size}x${size} icon" eval 'file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$(entry Icon).png" |
    grep -q "PNG image data, $size x $size,"'
done
program=$(entry Exec)
check "the desktop entry's program ($program) is in usr/bin" test -x "$root/usr/bin/$program"
for page in "$program" vortane-rcon; do
  check "a manual page for $page" test -s "$root/usr/share/man/man1/$page.1.gz"
done
check "vortane-rcon --version prints the package's version" \
  eval '[ "$("$root/usr/bin/vortane-rcon" --version)" = "vortane-rcon $version" ]'
# The systemd examples, with their programs looked for in the extracted root: no error, and no
# warning either (an unknown key is only a warning to systemd-analyze).
mkdir -p "$work/units" "$work/runtime"
chmod 700 "$work/runtime"
for unit in "$root"/usr/share/doc/vortane-rcon/examples/systemd/*.{service,timer}; do
  sed "s|/usr/bin/vortane-rcon|$root/usr/bin/vortane-rcon|" "$unit" >"$work/units/${unit##*/}"
done
check "systemd-analyze verifies the systemd examples" eval '[ -z "$(XDG_RUNTIME_DIR="$work/runtime" \
  timeout 60 systemd-analyze verify --user --man=no "$work"/units/* 2>&1)" ]'

# The window program on a virtual display with a window manager.
readme="$root/usr/share/doc/vortane-rcon/Readme.txt"
check "the read-me is in share/doc, and none is beside the program" \
  eval '[ -s "$readme" ] && [ ! -e "$root/usr/bin/Readme.txt" ]'
exec 3>"$work/display"
spawn xvfb Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp
exec 3>&-
# A loaded machine can take seconds to start them: the waits are generous.
until_true 30 test -s "$work/display" || die "Xvfb did not start"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
spawn openbox openbox
until_true 30 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
  die "openbox did not start"

start_program() { # starts the program and waits for its main window: sets app_pid and main
  spawn app "$root/usr/bin/$program"
  app_pid=$!
  main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vortane Remote Console$' |
    head -n1) || die "the main window did not appear"
}
stop_program() {
  kill "$app_pid" && timeout 10 tail --pid="$app_pid" -s 0.1 -f /dev/null || die "it did not stop"
}
readme_window() { xdotool search --onlyvisible --name '^Readme$' 2>/dev/null | head -n1 | grep .; }
open_readme() { # Help > Readme from the keyboard; a menu key pressed too early is lost: try again
  local try
  for try in 1 2 3; do
    timeout 5 xdotool windowactivate --sync "$main" key --delay 300 alt+h r || true
    until_true 3 readme_window >/dev/null && return 0
    xdotool key Escape Escape
  done
  return 1
}
shown_readme() { # prints the read-me window's text: tab to the text, select it all, copy it
  local window
  window=$(readme_window) || return 1
  timeout 5 xdotool windowactivate --sync "$window" key --delay 100 Tab ctrl+a ctrl+c || return 1
  until_true 5 eval '[ -n "$(timeout 2 xclip -o -selection clipboard 2>/dev/null)" ]' || return 1
  timeout 2 xclip -o -selection clipboard
}

start_program
check "the window's class is the desktop entry's StartupWMClass ($(entry StartupWMClass))" \
  eval 'xprop -id "$main" WM_CLASS | grep -q "\"$(entry StartupWMClass)\"$"'
check "Help > Readme opens the read-me window" open_readme
shown=$(shown_readme || true)
check "the read-me window shows share/doc/vortane-rcon/Readme.txt, all of it" \
  eval '[ "$shown" = "$(tr -d "\r" <"$readme")" ]'
[ "$shown" = "$(tr -d "\r" <"$readme")" ] ||
  diff <(tr -d '\r' <"$readme") <(printf '%s\n' "$shown") | head -n 10 || true
stop_program

# The same steps without the file must show something else, or they prove nothing.
mv "$readme" "$readme.away"
start_program
check "without the file, Help > Readme opens the read-me window too" open_readme
check "... and it says the read-me could not be read" \
  eval '[ "$(shown_readme)" = "Readme.txt could not be read." ]'
stop_program
mv "$readme.away" "$readme"

echo "package-check: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
