#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Renders the default wallpapers (data/share/wallpapers/vyr-default-*.jpg)
# from their SVG sources in data/art/wallpapers with the suite's own
# converter; the results are committed. Usage: make-default-wallpapers.sh
# [build dir, default ./build].
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
converter=$build/bin/vyr-svg2png
[ -x "$converter" ] || { echo "make-default-wallpapers: build vyr-svg2png first ($converter)" >&2; exit 1; }
for svg in "$top"/data/art/wallpapers/vyr-default-*.svg; do
    name=$(basename "$svg" .svg)
    "$converter" -i "$svg" -w 1920 -h 1080 -o "$top/data/share/wallpapers/$name.jpg"
done
