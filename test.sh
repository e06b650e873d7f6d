#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest.
#   ./test.sh             the normal build (build/), a core-only build, and the desktop tray check
#   ./test.sh --sanitize  the same tests built with AddressSanitizer and UBSan (build-sanitize/)
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
rcon_install_packages poppler-utils xvfb xauth xdotool x11-utils openbox trayer iproute2 clang-format \
  gnome-keyring dbus libsecret-tools

if [ "${1:-}" = "--sanitize" ]; then
  rcon_build build-sanitize -DRCON_SANITIZE=ON -DRCON_BENCH=OFF
  ctest --test-dir build-sanitize --output-on-failure
  exit 0
fi

# Formatting is checked by machine.
unformatted=$(git ls-files -- 'rcon/*.cpp' 'rcon/*.h' | xargs clang-format --dry-run 2>&1 | grep -c warning || true)
if [ "$unformatted" != "0" ]; then
  echo "clang-format: $unformatted places need formatting (run clang-format -i on rcon/)"
  exit 1
fi

# The core must build and pass its tests with no Qt in reach.
rcon_build build-core -DRCON_CORE_ONLY=ON
ctest --test-dir build-core --output-on-failure

rcon_build build
ctest --test-dir build --output-on-failure
