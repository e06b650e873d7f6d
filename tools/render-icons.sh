#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the hicolor PNG icons from rcon/resources/vortane-rcon.svg. The PNGs are checked in, so
# that a build needs no SVG renderer and every build packages the same bytes; run this again
# after changing the SVG (needs rsvg-convert, from Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
svg=rcon/resources/vortane-rcon.svg
for size in 16 32 48 64 128 256; do
  dir=rcon/resources/icons/hicolor/${size}x${size}/apps
  mkdir -p "$dir"
  rsvg-convert --width "$size" --height "$size" --format png --output "$dir/vortane-rcon.png" "$svg"
done
