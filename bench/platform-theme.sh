#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# What the "vyr" platform theme costs a Qt program and how fast a change
# reaches it, on a private Xvfb with a sandbox home:
#  - start: time from process start to the first paint of vyr-theme-probe's
#    window with QT_QPA_PLATFORMTHEME=vyr against the same program with no
#    platform theme, RUNS interleaved runs each (default 20), medians;
#  - live: a probe with 1 000 widgets; Trolltech.conf's palette is switched
#    and the settings time stamp renewed on the root window (xprop); the
#    time until every widget has the new palette, median of 10 switches.
#
#   bench/platform-theme.sh [BUILD_DIR] [RUNS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
runs=${2:-20}
bin=$build/bin
for tool in vyr-theme-probe vyr-firstpaint vyr-admin-theme; do
    [ -x "$bin/$tool" ] || { echo "platform-theme: $bin/$tool is not built" >&2; exit 2; }
done
[ -e "$build/plugins/platformthemes/libvyrplatformtheme.so" ] || {
    echo "platform-theme: the plugin is not built (target vyrplatformtheme)" >&2; exit 2; }

work=$(mktemp -d /tmp/vyr-bench-XXXXXX)
xvfb_pid=
probe_pid=
cleanup() {
    [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"

mkdir -p "$work/home/.config" "$work/home/.vyr/theme" "$work/sysroot/usr/share" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$top/data/share/." "$work/sysroot/usr/share/"
printf '[Variables]\n' >"$work/home/.vyr/theme/current.themerc"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime
export XDG_DATA_DIRS=$work/sysroot/usr/share:/usr/share XDG_CONFIG_DIRS=$work/sysroot/etc/xdg
export VYR_SYSROOT=$work/sysroot QT_XCB_GL_INTEGRATION=none USER=${USER:-bench}
unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORMTHEME

# The two palettes the live part switches between, as the suite writes them.
trolltech=$XDG_CONFIG_HOME/Trolltech.conf
"$bin/vyr-admin-theme" apply-color-scheme /usr/share/color-schemes/SolvaDark.colors >/dev/null 2>&1
cp "$trolltech" "$work/dark.conf"
"$bin/vyr-admin-theme" apply-color-scheme /usr/share/color-schemes/SolvaLight.colors >/dev/null 2>&1
cp "$trolltech" "$work/light.conf"

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
themed() { QT_QPA_PLATFORMTHEME=vyr QT_PLUGIN_PATH=$build/plugins "$@"; }

: >"$work/plain"
: >"$work/themed"
# One unmeasured start of each fills the file caches.
"$bin/vyr-firstpaint" "$bin/vyr-theme-probe" >/dev/null
themed "$bin/vyr-firstpaint" "$bin/vyr-theme-probe" >/dev/null
for _ in $(seq "$runs"); do
    "$bin/vyr-firstpaint" "$bin/vyr-theme-probe" | cut -d' ' -f1 >>"$work/plain"
    themed "$bin/vyr-firstpaint" "$bin/vyr-theme-probe" | cut -d' ' -f1 >>"$work/themed"
done
plain=$(median <"$work/plain")
with=$(median <"$work/themed")
printf 'start, median of %d   no theme %7.1f ms   vyr %7.1f ms   cost %+6.1f ms\n' \
    "$runs" "$plain" "$with" "$(awk -v a="$with" -v b="$plain" 'BEGIN { print a - b }')"

# Live change.
themed "$bin/vyr-theme-probe" --widgets 1000 >"$work/probe.out" 2>"$work/probe.err" &
probe_pid=$!
for _ in $(seq 200); do grep -q '^ready ' "$work/probe.out" && break; sleep 0.05; done
atom=_QT_SETTINGS_TIMESTAMP_$DISPLAY
: >"$work/live"
for round in $(seq 10); do
    if [ $((round % 2)) -eq 1 ]; then cp "$work/dark.conf" "$trolltech"; else cp "$work/light.conf" "$trolltech"; fi
    seen=$(grep -c '^all-palette ' "$work/probe.out" || true)
    start=$(date +%s%3N)
    xprop -root -f "$atom" 8s -set "$atom" "$round"
    for _ in $(seq 400); do
        [ "$(grep -c '^all-palette ' "$work/probe.out" || true)" -gt "$seen" ] && break
        sleep 0.01
    done
    done_at=$(grep '^all-palette ' "$work/probe.out" | tail -n 1 | cut -d' ' -f3)
    echo $((done_at - start)) >>"$work/live"
done
printf 'live change to 1 000 widgets, median of 10   %s ms (max %s ms)\n' \
    "$(median <"$work/live")" "$(sort -n "$work/live" | tail -n 1)"
