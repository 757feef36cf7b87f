#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# The Theme page's heaviest moment, its theme lists, with 30 icon themes
# (a few hundred icons each, five of them incomplete) and 15 cursor themes
# installed, plus breeze and Adwaita when this machine has them:
#   1. from the page's show to its filled lists (vyr-themepage-probe)
#      against a floor doing only the lookups and image loads
#      (vyr-themepage-floor);
#   2. the first paint of "vyr-admin-theme Theme" against the dialog floor
#      of the first-paint benchmark (vyr-firstpaint-floor), and for
#      comparison the first paint of the window on its Wallpaper page and
#      of the same floor loading every shared library the program loads
#      (vyr-firstpaint-floor-libs, which also loads KF5Auth, a dependency
#      the program's linker drops): what the libraries alone cost.
# RUNS interleaved runs each (default 10) on a private Xvfb; medians and
# ratios to the floor are printed.
#
#   bench/theme-page.sh [BUILD_DIR] [RUNS]
set -euo pipefail
trap 'echo "theme-page: line $LINENO failed" >&2' ERR
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
runs=${2:-10}
bin=$build/bin
for tool in vyr-themepage-probe vyr-themepage-floor vyr-firstpaint vyr-firstpaint-floor vyr-firstpaint-floor-libs \
    vyr-admin-theme; do
    [ -x "$bin/$tool" ] || { echo "theme-page: $bin/$tool is not built" >&2; exit 2; }
done
command -v convert >/dev/null || { echo "theme-page: needs ImageMagick's convert" >&2; exit 2; }

work=$(mktemp -d /tmp/vyr-bench-XXXXXX)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A sandbox home and system root: nothing touches the real ones.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime
export VYR_SYSROOT=$work/sysroot XDG_DATA_DIRS=$work/sysroot/usr/share XDG_CONFIG_DIRS=$work/sysroot/etc/xdg
export QT_XCB_GL_INTEGRATION=none
unset VYR_RC_FILE XCURSOR_THEME XCURSOR_SIZE
mkdir -p "$HOME/.vyr/theme" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$VYR_SYSROOT/usr/share"
chmod 700 "$XDG_RUNTIME_DIR"
cp -r "$top/data/share/." "$VYR_SYSROOT/usr/share/"
printf '[Variables]\nIconTheme=theme-07\n' >"$HOME/.vyr/theme/current.themerc"
printf '[Variables]\nPrimaryColor=#5a91bd\nBackgroundColor=#ffffff\nColorScheme=/usr/share/color-schemes/SolvaLight.colors\n' \
    >"$HOME/.vyr/paletterc"
icons=$VYR_SYSROOT/usr/share/icons

# One theme tree of 6 contexts x 6 sizes x 50 names, hard-linked to one
# image per size, then copied (as links) 29 times.
template=$work/template
convert -size 32x32 xc:'#336699' "$work/32.png"
convert -size 48x48 xc:'#336699' "$work/48.png"
dirs=
groups=
for size in 16 22 24 32 48 64; do
    image=$work/32.png
    if [ "$size" -ge 48 ]; then image=$work/48.png; fi
    for context in actions apps devices mimetypes places status; do
        dir="${size}x${size}/$context"
        mkdir -p "$template/$dir"
        for i in $(seq 50); do ln "$image" "$template/$dir/$context-icon-$i.png"; done
        dirs+="${dirs:+,}$dir"
        Context=$(echo "${context^}" | sed 's/Apps/Applications/;s/Mimetypes/MimeTypes/')
        groups+=$'\n'"[$dir]"$'\n'"Size=$size"$'\n'"Context=$Context"$'\n'"Type=Fixed"$'\n'
    done
    for icon in places/user-home places/user-desktop status/user-trash-full apps/preferences-system-time; do
        ln "$image" "$template/${size}x${size}/$icon.png"
    done
done
for n in $(seq -w 1 30); do
    theme=$icons/theme-$n
    mkdir -p "$icons"
    cp -al "$template" "$theme"
    printf '[Icon Theme]\nName=Theme %s\nDirectories=%s\n%s' "$n" "$dirs" "$groups" >"$theme/index.theme"
    # Every sixth theme misses an icon the page needs.
    if [ $((10#$n % 6)) -eq 0 ]; then rm "$theme/32x32/places/user-desktop.png"; fi
done
for n in $(seq -w 1 15); do
    "$bin/vyr-themepage-floor" --make-cursor-theme "$icons/cursors-$n"
    printf '[Icon Theme]\nName=Cursors %s\n' "$n" >"$icons/cursors-$n/index.theme"
done
for real in breeze Adwaita; do
    if [ -d "/usr/share/icons/$real" ]; then ln -s "/usr/share/icons/$real" "$icons/$real"; fi
done

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
: >"$work/lists-floor"
: >"$work/lists-page"
: >"$work/paint-floor"
: >"$work/paint-theme"
: >"$work/paint-wallpaper"
: >"$work/paint-floor-libs"
# One unmeasured run of each fills the file caches.
"$bin/vyr-themepage-floor" >/dev/null 2>&1
"$bin/vyr-themepage-probe" >/dev/null 2>&1
# A run that fails (a busy machine may time one out) is left out.
measure() { # file command...
    local file=$1 line
    shift
    if line=$("$@" 2>/dev/null); then echo "$line" >>"$file"; else echo "theme-page: a run of $1 failed" >&2; fi
}
for _ in $(seq "$runs"); do
    measure "$work/lists-floor" "$bin/vyr-themepage-floor"
    measure "$work/lists-page" "$bin/vyr-themepage-probe"
    measure "$work/paint-floor" "$bin/vyr-firstpaint" "$bin/vyr-firstpaint-floor"
    measure "$work/paint-theme" "$bin/vyr-firstpaint" "$bin/vyr-admin-theme" Theme
    measure "$work/paint-wallpaper" "$bin/vyr-firstpaint" "$bin/vyr-admin-theme"
    measure "$work/paint-floor-libs" "$bin/vyr-firstpaint" "$bin/vyr-firstpaint-floor-libs"
done

report() { # label floor-file file [column]
    local floor value
    floor=$(cut -d' ' -f1 "$2" | median)
    value=$(cut -d' ' -f"${4:-1}" "$3" | median)
    awk -v l="$1" -v f="$floor" -v v="$value" 'BEGIN { printf "%-34s floor %8.1f ms  measured %8.1f ms  %5.2fx\n", l, f, v, v / f }'
}
echo "median of $runs runs"
report "Theme page: show to filled lists" "$work/lists-floor" "$work/lists-page"
report "  of which show to first paint" "$work/lists-floor" "$work/lists-page" 2
report "vyr-admin-theme Theme: first paint" "$work/paint-floor" "$work/paint-theme"
report "vyr-admin-theme: first paint" "$work/paint-floor" "$work/paint-wallpaper"
report "floor with the program's libraries" "$work/paint-floor" "$work/paint-floor-libs"
