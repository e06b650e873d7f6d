#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds into build/, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
rcon_install_packages
rcon_build build
exec ./build/VortaneRcon "$@"
