#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Synthesises the window manager's internal event sounds into
# data/share/sounds (installed as the platform's sound directory). The
# results are committed; run this again only to change a sound. Needs sox.
# Mono, 16 bit, 22050 Hz and without dither, so that a rerun gives the same
# bytes and the files stay small.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/data/share/sounds"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

fmt=(-r 22050 -b 16 -c 1 -e signed-integer)

# note <file> <seconds> <shape> <frequency> <volume>: a quick attack and a
# fade over the last 70 % of the note, so that no note ends in a click.
note() {
    local fade
    fade=$(awk -v s="$2" 'BEGIN { printf "%.3f", s * 0.7 }')
    sox -D -n "${fmt[@]}" "$tmp/$1.wav" synth "$2" "$3" "$4" fade q 0.005 "$2" "$fade" vol "$5"
}

# Chimes (start, exit, lock): three rising bell-like notes, C6 E6 G6.
note c1 0.22 sine 1046.5 0.45
note c2 0.22 sine 1318.5 0.45
note c3 0.45 sine 1568.0 0.45
sox -D "$tmp/c1.wav" "$tmp/c2.wav" "$tmp/c3.wav" "${fmt[@]}" "$out/x-vyr-wm-chimes.wav"

# Error: two low, falling square-wave buzzes.
note e1 0.16 square 330 0.25
note e2 0.28 square 247 0.25
sox -D "$tmp/e1.wav" "$tmp/e2.wav" "${fmt[@]}" "$out/x-vyr-wm-error.wav"

# Notify (tray message): two short rising triangle tones.
note n1 0.12 triangle 880 0.5
note n2 0.20 triangle 1174.7 0.5
sox -D "$tmp/n1.wav" "$tmp/n2.wav" "${fmt[@]}" "$out/x-vyr-wm-notify.wav"

# Tooltip (on-screen notification): one soft short blip.
note t1 0.10 sine 1760 0.3
sox -D "$tmp/t1.wav" "${fmt[@]}" "$out/x-vyr-wm-tooltip.wav"

ls -l "$out"/*.wav
