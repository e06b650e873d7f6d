#!/usr/bin/env bash
# Drives the real program on a virtual display as a person would (keys and menus through
# xdotool) and checks on a stand-in server that exactly the expected datagrams arrived.
#   smoke.sh BUILD_DIR        (run it under xvfb-run, or it starts one itself)
set -euo pipefail
build=$(cd "$1" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

"$build/tests/smoke_server" "$work/port" 60 >"$work/received" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
port=$(cat "$work/port")

"$build/VortaneRcon" >"$work/program.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --name '^Vortane Remote Console$' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5

# The focus starts in the first octet box; three digits move on by themselves, Enter too.
xdotool type --delay 40 '127'
xdotool type --delay 40 '0'; xdotool key Return
xdotool type --delay 40 '0'; xdotool key Return
xdotool type --delay 40 '1'; xdotool key Return
xdotool type --delay 40 "$port"; xdotool key Return
xdotool type --delay 40 'smokepw'; xdotool key Return
xdotool type --delay 40 'status'; xdotool key Return
sleep 0.5
# Server > Get Status through the menu's access keys.
xdotool key alt+s
sleep 0.3
xdotool key s

expected=(
  "$(printf '\xff\xff\xff\xffrcon smokepw status' | od -An -tx1 | tr -d ' \n')"
  "$(printf '\xff\xff\xff\xffgetstatus' | od -An -tx1 | tr -d ' \n')"
)
for _ in $(seq 50); do [ "$(wc -l <"$work/received")" -ge 2 ] && break; sleep 0.1; done
sleep 0.5
mapfile -t got <"$work/received"
if [ "${#got[@]}" -ne 2 ] || [ "${got[0]}" != "${expected[0]}" ] || [ "${got[1]}" != "${expected[1]}" ]; then
  echo "smoke: unexpected datagrams:"; printf '  %s\n' "${got[@]}"
  echo "expected:"; printf '  %s\n' "${expected[@]}"
  exit 1
fi
echo "smoke: 2 passed, 0 failed"
