#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# The Wallpaper page's cost with a 3840x2160 JPEG as the wallpaper:
#  1. first paint and peak RSS of vyr-admin-theme (which opens on the page)
#     against the dialog floor of tests/dialog/bench, interleaved;
#  2. the preview's redraw after the wallpaper text changes, against a plain
#     QImageReader decode of the same JPEG at the preview's size.
# Medians of RUNS rounds (default 10) on a private Xvfb.
#
#   bench/wallpaper.sh [BUILD_DIR] [RUNS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
runs=${2:-10}
bin="$build/bin"
for tool in vyr-firstpaint vyr-firstpaint-floor vyr-admin-theme vyr-wallpaper-redraw vyr-svg2png; do
    [ -x "$bin/$tool" ] || { echo "wallpaper: $bin/$tool is not built" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export XDG_DATA_HOME="$work/home/.local/share" XDG_CACHE_HOME="$work/home/.cache"
mkdir -p "$HOME/.vyr/theme" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
unset VYR_RC_FILE

# A 4K JPEG of the project's own art.
picture="$HOME/Pictures/big.jpg"
mkdir -p "$HOME/Pictures"
"$bin/vyr-svg2png" -i "$top/data/art/wallpapers/vyr-default-dark.svg" -w 3840 -h 2160 -o "$picture" 2>/dev/null
printf '[Variables]\nWallPaper=%s\nWallPaperPos=Crop\n' "$picture" > "$HOME/.vyr/theme/current.themerc"
# The same start with a plain colour as the wallpaper: what the picture adds.
printf '[Variables]\nWallPaper=#336699\n' > "$work/colour.themerc"

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

: > "$work/floor"
: > "$work/program"
: > "$work/colour"
QT_XCB_GL_INTEGRATION=none "$bin/vyr-firstpaint" "$bin/vyr-firstpaint-floor" >/dev/null
QT_XCB_GL_INTEGRATION=none "$bin/vyr-firstpaint" "$bin/vyr-admin-theme" >/dev/null 2>&1
for _ in $(seq "$runs"); do
    QT_XCB_GL_INTEGRATION=none "$bin/vyr-firstpaint" "$bin/vyr-firstpaint-floor" >> "$work/floor"
    QT_XCB_GL_INTEGRATION=none "$bin/vyr-firstpaint" "$bin/vyr-admin-theme" >> "$work/program" 2>/dev/null
    QT_XCB_GL_INTEGRATION=none "$bin/vyr-firstpaint" "$bin/vyr-admin-theme" "$work/colour.themerc" \
        >> "$work/colour" 2>/dev/null
done
QT_XCB_GL_INTEGRATION=none "$bin/vyr-wallpaper-redraw" "$HOME/.vyr/theme/current.themerc" "$picture" "$runs" \
    > "$work/redraw" 2>/dev/null

row() { # name file column-ms column-kib
    echo "$1 $(cut -d' ' -f1 "$2" | median) $(cut -d' ' -f2 "$2" | median)"
}
echo "first paint with a 3840x2160 JPEG wallpaper, median of $runs (no GL integration in either):"
{
    row floor "$work/floor"
    row vyr-admin-theme "$work/program"
    row colour-wallpaper "$work/colour"
} | awk 'NR == 1 { fm = $2; fk = $3 }
    { printf "  %-18s %8.1f ms %8.1f MiB %6.2fx %6.2fx\n", $1, $2, $3 / 1024, $2 / fm, $3 / fk }'
page=$(cut -d' ' -f1 "$work/redraw" | median)
floor=$(cut -d' ' -f2 "$work/redraw" | median)
echo "preview redraw after a new wallpaper text, median of $runs:"
awk -v p="$page" -v f="$floor" 'BEGIN { printf "  floor (scaled decode) %6.1f ms\n  page preview          %6.1f ms %6.2fx\n", f, p, p / f }'
