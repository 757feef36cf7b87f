#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Draws the shipped window decoration theme "Slate" into
# data/share/vyr/decor/Slate: the title bar, frame and button images of the
# active window, the taskbar background and default.theme. XPM is text, so
# the images are written directly and come out byte for byte the same on
# every run. Usage: make-decor-theme.sh [OUTPUT_DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/data/share/vyr/decor/Slate}
mkdir -p "$out/taskbar"

title=29   # title bar height
frame=5    # frame width
button=19  # button size

# xpm NAME WIDTH HEIGHT COLOURS PIXEL-FUNCTION
# COLOURS is "c1 #rrggbb c2 #rrggbb ..."; the pixel function prints one
# colour character for x y.
xpm() {
    local name=$1 width=$2 height=$3 colours=$4 pixel=$5
    local -a list=($colours)
    {
        printf '/* XPM */\nstatic char *%s[] = {\n' "${name//[^A-Za-z0-9]/_}"
        printf '"%d %d %d 1",\n' "$width" "$height" $((${#list[@]} / 2))
        for ((i = 0; i < ${#list[@]}; i += 2)); do
            printf '"%s c %s",\n' "${list[i]}" "${list[i + 1]}"
        done
        for ((y = 0; y < height; y++)); do
            local row=
            for ((x = 0; x < width; x++)); do row+=$($pixel "$x" "$y" "$width" "$height"); done
            if ((y == height - 1)); then printf '"%s"\n' "$row"; else printf '"%s",\n' "$row"; fi
        done
        printf '};\n'
    } >"$out/$name"
}

# Title bar: a light line on top, then the slate face.
title_px() { if (($2 == 0)); then printf l; else printf s; fi; }
# Frame pieces: the face with a dark outer edge.
frame_top_px() { if (($2 == 0)); then printf d; else printf s; fi; }
frame_left_px() { if (($1 == 0)); then printf d; else printf s; fi; }
frame_right_px() { if (($1 == $3 - 1)); then printf d; else printf s; fi; }
corner_left_px() { if (($1 == 0 || $2 == 0)); then printf d; else printf s; fi; }
corner_right_px() { if (($1 == $3 - 1 || $2 == 0)); then printf d; else printf s; fi; }
# Buttons on the title bar's face: a bar, a box and a cross in light grey.
minimize_px() { if (($2 >= 12 && $2 <= 13 && $1 >= 5 && $1 <= 13)); then printf g; else printf s; fi; }
maximize_px() {
    if ((($1 >= 5 && $1 <= 13) && ($2 == 5 || $2 == 6 || $2 == 13))) || ((($2 >= 5 && $2 <= 13) && ($1 == 5 || $1 == 13)));
    then printf g; else printf s; fi
}
close_px() {
    local d=$(($1 - $2)) e=$(($1 + $2 - $3 + 1))
    if (($1 >= 5 && $1 <= 13 && $2 >= 5 && $2 <= 13 && (d * d <= 1 || e * e <= 1))); then printf r; else printf s; fi
}
# Taskbar: a light top line over the face; the centre is the face colour.
taskbar_px() { if (($2 < 2)); then printf l; else printf s; fi; }

face="s #3b4a5e"
xpm titleAT.xpm 4 "$title" "l #5c6f87 $face" title_px
xpm frameAT.xpm 4 "$frame" "d #1f2733 $face" frame_top_px
xpm frameATL.xpm "$frame" "$frame" "d #1f2733 $face" corner_left_px
xpm frameATR.xpm "$frame" "$frame" "d #1f2733 $face" corner_right_px
xpm frameAL.xpm "$frame" 4 "d #1f2733 $face" frame_left_px
xpm frameAR.xpm "$frame" 4 "d #1f2733 $face" frame_right_px
xpm minimizeA.xpm "$button" "$button" "g #d8dee6 $face" minimize_px
xpm maximizeA.xpm "$button" "$button" "g #d8dee6 $face" maximize_px
xpm closeA.xpm "$button" "$button" "r #f08080 $face" close_px
xpm taskbar/taskbarbg.xpm 4 48 "l #5c6f87 s #2e3b4e" taskbar_px

cat >"$out/default.theme" <<THEME
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
[Variables]
Name=Slate
FrameTitleHeight=$title
FrameBorderWidth=$frame
ButtonSize=$button
TitleStringColor=#e8edf3
InactiveTitleStringColor=#9aa7b8
TaskbarColor=#2e3b4e
THEME
