#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Installs what is needed, builds, and starts vyr-admin-theme against a
# sandbox: a home of its own under ./sandbox/home and the suite's shipped
# data installed below ./sandbox/root (every system path the programs use is
# looked up there). vyr-wm-recorder stands in for the window manager and
# prints each command the program sends.
#
# With a display the window opens there. Without one, the program runs on
# a private Xvfb display and screenshots of its pages are saved in
# ./sandbox/screenshots.
#
# Arguments are passed to vyr-admin-theme (for example: Theme, Fonts).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VYR_BUILD_DIR:-$top/build}
sandbox=${VYR_SANDBOX:-$top/sandbox}

"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"

mkdir -p "$sandbox/home" "$sandbox/root" "$sandbox/runtime" "$sandbox/screenshots"
chmod 700 "$sandbox/runtime"
cmake --install "$build" --prefix "$sandbox/root/usr" >/dev/null
# The system programs the suite looks for under the system root.
for tool in play sndfile-play picom; do
    if [ -x "/usr/bin/$tool" ] && [ ! -e "$sandbox/root/usr/bin/$tool" ]; then
        ln -s "/usr/bin/$tool" "$sandbox/root/usr/bin/$tool"
    fi
done

export HOME="$sandbox/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
export XDG_RUNTIME_DIR="$sandbox/runtime"
# The suite's own data first; icons, fonts and the MIME database from the system.
export XDG_DATA_DIRS="$sandbox/root/usr/share:/usr/local/share:/usr/share"
export XDG_CONFIG_DIRS="$sandbox/root/etc/xdg"
export VYR_SYSROOT="$sandbox/root"
export PATH="$sandbox/root/usr/bin:$PATH"
export QT_XCB_GL_INTEGRATION=none
unset VYR_RC_FILE

# A first login gets the window manager's default theme file.
if [ ! -e "$HOME/.vyr/theme/current.themerc" ]; then
    mkdir -p "$HOME/.vyr/theme"
    cp "$sandbox/root/usr/share/vyr/theme/current.themerc" "$HOME/.vyr/theme/current.themerc"
fi

program="$sandbox/root/usr/bin/vyr-admin-theme"
recorder="$build/bin/vyr-wm-recorder"

xvfb_pid=
recorder_pid=
compositor_pid=
cleanup() {
    [ -n "$recorder_pid" ] && kill "$recorder_pid" 2>/dev/null || true
    [ -n "$compositor_pid" ] && kill "$compositor_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

headless=0
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    for n in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    echo "run: no display; using Xvfb on $DISPLAY"
    # A desktop session runs a compositor, which the Effects page looks for.
    if command -v picom >/dev/null 2>&1; then
        picom --backend xrender >/dev/null 2>&1 &
        compositor_pid=$!
    fi
fi

"$recorder" > >(sed -u 's/^/window manager received: /') &
recorder_pid=$!
sleep 0.3

if [ ! -x "$program" ]; then
    echo "run: built and installed into $sandbox/root; vyr-admin-theme is not part of the build yet"
    exit 0
fi

if [ "$headless" = 0 ]; then
    "$program" "$@"
    exit $?
fi

# The largest shown window of a process: the settings window rather than a
# message box in front of it. Found by the process, not by the title, which
# follows the locale.
main_window() {
    local best= area=0 w WIDTH HEIGHT
    for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null || true); do
        WIDTH=0 HEIGHT=0
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
        if [ $((WIDTH * HEIGHT)) -gt "$area" ]; then
            area=$((WIDTH * HEIGHT))
            best=$w
        fi
    done
    echo "$best"
}

# Headless: open each page in turn and save what a user would see.
shot() {
    local name=$1 pid=$2 win=
    for _ in $(seq 50); do
        win=$(main_window "$pid")
        [ -n "$win" ] && break
        sleep 0.2
    done
    if [ -n "$win" ]; then
        sleep 1
        if import -window "$win" "$sandbox/screenshots/$name.png"; then
            echo "run: saved $sandbox/screenshots/$name.png"
        else
            echo "run: could not capture $name"
        fi
    else
        echo "run: no window for $name"
    fi
}
pages=("$@")
[ ${#pages[@]} -gt 0 ] || pages=(Wallpaper Theme Fonts Screensaver Effects Sounds Programs)
for page in "${pages[@]}"; do
    "$program" "$page" &
    app_pid=$!
    shot "$page" "$app_pid"
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
done
