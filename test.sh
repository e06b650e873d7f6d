#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test through ctest.
#   ./test.sh             the normal build (build/), a core-only build, and the desktop tray check
#   ./test.sh --sanitize  the same tests built with AddressSanitizer, LeakSanitizer and UBSan
#                         (build-sanitize/; known system-library leaks: tests/lsan-suppressions.txt)
#   ./test.sh --package   the Debian package from build/, checked (tools/package-check.sh)
# The normal run ends with clang-tidy (the checked-in .clang-tidy) over the files of rcon/.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
rcon_install_packages poppler-utils xvfb xauth xdotool x11-utils openbox trayer iproute2 clang-format \
  gnome-keyring dbus libsecret-tools clang-tidy imagemagick

# --- the Debian package ---
if [ "${1:-}" = "--package" ]; then
  # build/ is the normal RelWithDebInfo build; cpack installs from it, stripped, into /usr.
  rcon_install_packages dpkg-dev file lintian desktop-file-utils appstream scdoc systemd xvfb \
    openbox xdotool xclip x11-utils
  rcon_build build
  tools/package-check.sh build
  exit 0
fi
# --- end of the Debian package ---

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

# clang-tidy, with the checked-in .clang-tidy, over every file of rcon/ that the build compiles
# (its compile_commands.json), two at a time; any finding fails the run.
tidy_files=$(grep -o '"file": "[^"]*\.cpp"' build/compile_commands.json | cut -d'"' -f4 |
  awk -v root="$PWD/rcon/" 'index($0, root) == 1' | sort -u)
echo "clang-tidy: $(wc -l <<<"$tidy_files") files"
if ! tidy_output=$(xargs -P2 -n1 clang-tidy -p build --quiet --warnings-as-errors='*' \
    <<<"$tidy_files" 2>&1); then
  grep -v 'warnings\? generated\.$' <<<"$tidy_output"
  echo "clang-tidy: findings above"
  exit 1
fi
