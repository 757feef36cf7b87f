#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Times vyr-svg2png against a floor program (load, paint, save) and against
# rsvg-convert on a simple and a complex SVG at 1920x1080, and the read and
# set of vyr-event-volume against a private sound server. Prints medians.
#
#   tests/tools/bench-tools.sh [build-dir] [runs]
# The build dir needs the targets vyr-svg2png, tool_svg_floor, vyr-event-volume.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
runs=${2:-15}
bin=$build/bin
work=$(mktemp -d /tmp/vyr-bench-XXXXXX)
server_pid=
cleanup() {
    if [ -n "$server_pid" ]; then kill "$server_pid" 2>/dev/null || true; wait "$server_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home XDG_RUNTIME_DIR=$work/rt
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Runs each of the given commands (one per argument, word-split) $runs
# times, interleaved so that they share the machine's load, and prints for
# each the median wall time and the median CPU time (user + system) in ms.
medians() {
    local i cmd n=$#
    local -a wall cpu
    TIMEFORMAT='%R %U %S'
    for _ in $(seq "$runs"); do
        i=0
        for cmd in "$@"; do
            read -r r u s < <( { time $cmd >/dev/null 2>&1; } 2>&1 )
            wall[i]+="$r "
            cpu[i]+="$(awk -v u="$u" -v s="$s" 'BEGIN { print u + s }') "
            i=$((i + 1))
        done
    done
    for ((i = 0; i < n; i++)); do
        echo "$(median ${wall[i]}) $(median ${cpu[i]})"
    done
}

median() {
    printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {m = (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2; printf "%.1f", m * 1000}'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

cat > "$work/simple.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="1920" height="1080">
<rect width="1920" height="1080" fill="#2d5f8b"/>
<circle cx="960" cy="540" r="300" fill="#f0c040"/>
</svg>
SVG

# Gradients and a few hundred paths, reproducible.
{
    echo '<svg xmlns="http://www.w3.org/2000/svg" width="1920" height="1080"><defs>'
    for g in $(seq 0 9); do
        echo "<linearGradient id=\"g$g\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"><stop offset=\"0\" stop-color=\"#$(printf '%02x%02x%02x' $((g * 25)) 80 $((255 - g * 25)))\"/><stop offset=\"1\" stop-color=\"#ffffff\" stop-opacity=\"0.3\"/></linearGradient>"
        echo "<radialGradient id=\"r$g\"><stop offset=\"0\" stop-color=\"#ff$(printf '%02x' $((g * 20)))00\"/><stop offset=\"1\" stop-color=\"#000000\" stop-opacity=\"0\"/></radialGradient>"
    done
    echo '</defs><rect width="1920" height="1080" fill="url(#g0)"/>'
    for i in $(seq 0 399); do
        x=$(( (i * 137) % 1920 )); y=$(( (i * 89) % 1080 )); s=$(( 20 + (i * 7) % 120 ))
        fill=$([ $((i % 2)) -eq 0 ] && echo "url(#g$((i % 10)))" || echo "url(#r$((i % 10)))")
        echo "<path d=\"M$x $y c$s $((s / 2)) $((s / 3)) $s -$((s / 2)) $((s * 2 / 3)) s-$s -$((s / 4)) -$((s / 3)) -$s z\" fill=\"$fill\" stroke=\"#102030\" stroke-width=\"1.5\" opacity=\"0.8\"/>"
    done
    echo '</svg>'
} > "$work/complex.svg"

echo "vyr-svg2png, 1920x1080, medians of $runs interleaved runs, wall / CPU ms:"
printf '%-8s %16s %16s %16s %14s %14s\n' svg vyr-svg2png floor rsvg-convert tool/floor tool/rsvg
for svg in simple complex; do
    mapfile -t m < <(medians \
        "$bin/vyr-svg2png -i $work/$svg.svg -o $work/out-tool.png -w 1920 -h 1080" \
        "$bin/tool_svg_floor $work/$svg.svg $work/out-floor.png 1920 1080" \
        "rsvg-convert -w 1920 -h 1080 -b white -o $work/out-rsvg.png $work/$svg.svg")
    read -r tw tc <<<"${m[0]}"; read -r fw fc <<<"${m[1]}"; read -r rw rc <<<"${m[2]}"
    printf '%-8s %16s %16s %16s %14s %14s\n' "$svg" "$tw / $tc" "$fw / $fc" "$rw / $rc" \
        "$(ratio "$tw" "$fw") / $(ratio "$tc" "$fc")" "$(ratio "$tw" "$rw") / $(ratio "$tc" "$rc")"
done

# A private sound server with the stream-restore database.
pa=$work/pa
mkdir -p "$pa/home"
cat > "$pa/test.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$pa/native
load-module module-null-sink sink_name=testsink
load-module module-stream-restore restore_device=true restore_volume=true restore_muted=true
set-default-sink testsink
PA
HOME=$pa/home PULSE_STATE_PATH=$pa/state PULSE_RUNTIME_PATH=$pa/rt \
    pulseaudio -n -F "$pa/test.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    --disable-shm=yes --log-target=file:"$pa/pa.log" &
server_pid=$!
export PULSE_SERVER=unix:$pa/native
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
"$bin/vyr-event-volume" 50
echo
echo "vyr-event-volume against a local server, medians of $runs runs, wall / CPU ms:"
mapfile -t m < <(medians "$bin/vyr-event-volume 50" "$bin/vyr-event-volume")
echo "  set:  ${m[0]/ / \/ }"
echo "  read: ${m[1]/ / \/ }"
