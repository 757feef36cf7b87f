#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Times the colour service modes of vyr-admin-theme against their floor, a
# program that does only the unavoidable work (open the scheme, build its Qt
# palette, write the three palette lists), with and without a display.
#
#   bench/colour-modes.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR holds bin/vyr-admin-theme (default: build). The floor is built
# into BUILD_DIR/bench-floor. The display runs use DISPLAY and need a
# session bus; run the script under
#   xvfb-run -s "-screen 0 1280x1024x24" dbus-run-session -- bench/colour-modes.sh
# Each round runs every case once, so the cases are interleaved; the report
# gives the median of RUNS rounds (default 10) and the ratio to the floor.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
runs=${2:-10}
program=$build/bin/vyr-admin-theme
[ -x "$program" ] || { echo "colour-modes: no $program (build the vyr-admin-theme target)" >&2; exit 1; }

floor_build=$build/bench-floor
cmake -S "$top/bench/floor" -B "$floor_build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$floor_build" >/dev/null
floor=$floor_build/colour-floor

# A sandbox home and system root: nothing touches the real ones.
sandbox=$(mktemp -d /tmp/vyr-bench-XXXXXX)
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox/home/.config" "$sandbox/home/.vyr/theme" "$sandbox/sysroot/usr/share" \
    "$sandbox/sysroot/usr/bin" "$sandbox/bin" "$sandbox/runtime"
chmod 700 "$sandbox/runtime"
cp -r "$top/data/share/." "$sandbox/sysroot/usr/share/"
printf '[Variables]\nWallPaper=/usr/share/wallpapers/vyr-default-dark.jpg\n' >"$sandbox/home/.vyr/theme/current.themerc"
printf 'shadow-color = "#000000";\n' >"$sandbox/home/.config/picom.conf"
printf '[Variables]\nColorScheme=/usr/share/color-schemes/VyrDefault.colors\n' >"$sandbox/home/.vyr/paletterc"
# Stand-ins for the tools the modes start: they do nothing.
for tool in "$sandbox/sysroot/usr/bin/killall" "$sandbox/sysroot/usr/bin/vyr-vkbd" "$sandbox/bin/loginctl"; do
    printf '#!/bin/sh\nexit 0\n' >"$tool"
    chmod 755 "$tool"
done
export HOME=$sandbox/home XDG_CONFIG_HOME=$sandbox/home/.config XDG_DATA_HOME=$sandbox/home/.local/share
export XDG_CACHE_HOME=$sandbox/home/.cache XDG_RUNTIME_DIR=$sandbox/runtime
export XDG_DATA_DIRS=$sandbox/sysroot/usr/share XDG_CONFIG_DIRS=$sandbox/sysroot/etc/xdg
export VYR_SYSROOT=$sandbox/sysroot PATH=$sandbox/bin:$PATH USER=${USER:-bench}
export QT_XCB_GL_INTEGRATION=none

display=${DISPLAY:-}
cases=(floor apply wmcolor)
recorder_pid=
if [ -n "$display" ]; then
    cases+=(floor-x apply-x wmcolor-x)
    # The window manager's stand-in receives the commands and, like the
    # window manager of a session, keeps the X server from resetting
    # itself whenever a measured program closes the last connection.
    recorder=$build/bin/vyr-wm-recorder
    if [ -x "$recorder" ]; then
        "$recorder" >/dev/null 2>"$sandbox/recorder.log" &
        recorder_pid=$!
        for _ in $(seq 50); do grep -q ready "$sandbox/recorder.log" && break; sleep 0.1; done
    else
        echo "colour-modes: no $recorder, the X server may reset between runs" >&2
    fi
fi
trap '[ -n "$recorder_pid" ] && kill "$recorder_pid" 2>/dev/null; rm -rf "$sandbox"' EXIT
declare -A times
schemes=(/usr/share/color-schemes/SolvaDark.colors /usr/share/color-schemes/SolvaLight.colors)

now_us() { echo $(($(date +%s%N) / 1000)); }

applied=0
run_case() { # case round
    local scheme=${schemes[$(($2 % 2))]}
    local start end status=0
    case $1 in
    apply*)
        # Every call gets the other scheme, so apply-color-scheme never
        # meets its current scheme and always does the whole work.
        scheme=${schemes[$((applied % 2))]}
        applied=$((applied + 1))
        ;;
    esac
    start=$(now_us)
    case $1 in
    floor) env -u DISPLAY "$floor" "$VYR_SYSROOT$scheme" || status=$? ;;
    floor-x) "$floor" "$VYR_SYSROOT$scheme" --display || status=$? ;;
    apply) env -u DISPLAY "$program" apply-color-scheme "$scheme" 2>/dev/null || status=$? ;;
    apply-x) "$program" apply-color-scheme "$scheme" 2>/dev/null || status=$? ;;
    wmcolor) env -u DISPLAY "$program" wmcolor 2>/dev/null || status=$? ;;
    wmcolor-x) "$program" wmcolor 2>/dev/null || status=$? ;;
    esac
    end=$(now_us)
    [ "$status" -eq 0 ] || echo "colour-modes: $1 exited with $status" >&2
    times[$1]+="$((end - start)) "
}

median_ms() { # list of microseconds
    tr ' ' '\n' <<<"$1" | grep . | sort -n | awk '{ v[NR] = $1 } END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'
}

# One warm-up round fills the page cache.
for c in "${cases[@]}"; do run_case "$c" 1; done
for c in "${cases[@]}"; do times[$c]=""; done
for ((round = 0; round < runs; round++)); do
    for c in "${cases[@]}"; do run_case "$c" "$round"; done
done

printf '%-28s %10s %10s %7s\n' "case ($runs runs)" "median ms" "floor ms" "ratio"
report() { # case floor-case label
    local m f
    m=$(median_ms "${times[$1]}")
    f=$(median_ms "${times[$2]}")
    printf '%-28s %10s %10s %7s\n' "$3" "$m" "$f" "$(awk -v m="$m" -v f="$f" 'BEGIN { printf "%.2f", m / f }')"
}
report floor floor "floor, no display"
report apply floor "apply-color-scheme, no display"
report wmcolor floor "wmcolor, no display"
if [ -n "$display" ]; then
    report floor-x floor-x "floor, display $display"
    report apply-x floor-x "apply-color-scheme, display"
    report wmcolor-x floor-x "wmcolor, display"
else
    echo "colour-modes: DISPLAY not set, display cases skipped" >&2
fi
