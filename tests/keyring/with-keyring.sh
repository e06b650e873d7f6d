#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command against a real, unlocked Secret Service: gnome-keyring on a private session
# bus, with HOME and the XDG folders in a temporary folder that is removed afterwards. The
# command finds that folder in HOME (and RCON_KEYRING_HOME), so it can search it afterwards.
#   tests/keyring/with-keyring.sh COMMAND [ARGUMENTS...]
# Exits with the command's status; 125 when the keyring could not be started.
set -eu

if [ "${RCON_IN_KEYRING_SESSION:-}" != 1 ]; then
  [ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGUMENTS...]" >&2; exit 2; }
  for tool in dbus-run-session dbus-send gnome-keyring-daemon timeout; do
    command -v "$tool" >/dev/null || {
      echo "with-keyring: $tool is missing (install dbus, gnome-keyring and coreutils)" >&2
      exit 125
    }
  done
  root=$(mktemp -d "${TMPDIR:-/tmp}/rcon-keyring.XXXXXX")
  trap 'rm -rf "$root"' EXIT INT TERM
  mkdir -p "$root/home" "$root/config" "$root/data" "$root/cache" "$root/state" "$root/runtime"
  chmod 700 "$root/runtime"
  # Nothing of the caller's desktop session may answer instead of the test keyring.
  unset DBUS_SESSION_BUS_ADDRESS DISPLAY WAYLAND_DISPLAY XDG_CURRENT_DESKTOP DESKTOP_SESSION \
        KDE_FULL_SESSION GNOME_KEYRING_CONTROL
  status=0
  HOME="$root/home" XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data" \
  XDG_CACHE_HOME="$root/cache" XDG_STATE_HOME="$root/state" XDG_RUNTIME_DIR="$root/runtime" \
  RCON_KEYRING_HOME="$root" RCON_IN_KEYRING_SESSION=1 \
    timeout --kill-after=5 "${RCON_KEYRING_TIMEOUT:-180}" dbus-run-session -- "$0" "$@" \
    || status=$?
  [ "$status" = 124 ] && echo "with-keyring: timed out after ${RCON_KEYRING_TIMEOUT:-180} s" >&2
  exit "$status"
fi

# Inside the private session bus.
printf 'keyring-login' | gnome-keyring-daemon --foreground --unlock --components=secrets \
  >"$RCON_KEYRING_HOME/daemon.log" 2>&1 &
daemon=$!
trap 'kill "$daemon" 2>/dev/null || true; wait "$daemon" 2>/dev/null || true' EXIT INT TERM

# The service is usable once its name is on the bus (at most 10 s).
tries=0
until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null \
        | grep -q 'boolean true'; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ] || ! kill -0 "$daemon" 2>/dev/null; then
    echo "with-keyring: gnome-keyring-daemon did not start its Secret Service:" >&2
    cat "$RCON_KEYRING_HOME/daemon.log" >&2
    exit 125
  fi
  sleep 0.1
done

status=0
"$@" || status=$?
exit "$status"
