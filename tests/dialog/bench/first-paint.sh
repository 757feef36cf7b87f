#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Time from process start to the first paint of vyr-admin-theme's window,
# and the peak RSS at that moment, against the floor program (a page widget
# with seven empty pages and a button box), 10 interleaved runs each on a
# private Xvfb. Usage: first-paint.sh [BUILD_DIR] [RUNS]
set -euo pipefail
top=$(cd "$(dirname "$0")/../../.." && pwd)
build=${1:-$top/build}
runs=${2:-10}
bin="$build/bin"
for tool in vyr-firstpaint vyr-firstpaint-floor vyr-admin-theme; do
    [ -x "$bin/$tool" ] || { echo "first-paint: $bin/$tool is not built" >&2; exit 2; }
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
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"

# A sandbox home with the user's files in place, as on a used desktop.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export XDG_DATA_HOME="$work/home/.local/share" XDG_CACHE_HOME="$work/home/.cache"
mkdir -p "$HOME/.vyr/theme" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Variables]\n' > "$HOME/.vyr/theme/current.themerc"
unset VYR_RC_FILE

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

: > "$work/floor"
: > "$work/program"
: > "$work/nogl"
# One unmeasured start of each fills the file caches.
QT_XCB_GL_INTEGRATION=none "$bin/vyr-firstpaint" "$bin/vyr-firstpaint-floor" >/dev/null
"$bin/vyr-firstpaint" "$bin/vyr-admin-theme" >/dev/null 2>&1
for _ in $(seq "$runs"); do
    QT_XCB_GL_INTEGRATION=none "$bin/vyr-firstpaint" "$bin/vyr-firstpaint-floor" >> "$work/floor"
    env -u QT_XCB_GL_INTEGRATION "$bin/vyr-firstpaint" "$bin/vyr-admin-theme" >> "$work/program" 2>/dev/null
    # As above, with Qt's GL integration left out the way the floor runs.
    QT_XCB_GL_INTEGRATION=none "$bin/vyr-firstpaint" "$bin/vyr-admin-theme" >> "$work/nogl" 2>/dev/null
done

row() { # name file
    local ms kib
    ms=$(cut -d' ' -f1 "$2" | median)
    kib=$(cut -d' ' -f2 "$2" | median)
    echo "$1 $ms $kib"
}
{
    row floor "$work/floor"
    row vyr-admin-theme "$work/program"
    row "vyr-admin-theme(no-GL)" "$work/nogl"
} | awk -v runs="$runs" '
    NR == 1 { fm = $2; fk = $3; printf "%-24s %12s %14s %8s %8s\n", "median of " runs, "first paint", "peak RSS", "time", "RSS" }
    { printf "%-24s %9.1f ms %10.1f MiB %7.2fx %7.2fx\n", $1, $2, $3 / 1024, $2 / fm, $3 / fk }'
