#!/bin/bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Start-up benchmark of vyr-admin-hotkeys: time from start to the first mapped
# window with the shipped system file and a user file of 2 000 bindings,
# against a floor program showing a QTreeWidget with as many rows.
# Usage: startup-bench.sh BUILD_DIR [RUNS]   (needs DISPLAY, e.g. under xvfb-run)
# Both programs run with QT_XCB_GL_INTEGRATION=none (the editor sets it for
# itself); BENCH_DEFAULT_ENV=1 leaves the variable unset, as a user starts them.
set -euo pipefail
build=${1:?build dir}
runs=${2:-15}
src=$(cd "$(dirname "$0")/../../.." && pwd)
bin="$build/bin"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_RUNTIME_DIR="$tmp/rt" VYR_SYSROOT="$tmp/sys"
export LC_ALL=C.UTF-8
if [ -z "${BENCH_DEFAULT_ENV:-}" ]; then
    export QT_XCB_GL_INTEGRATION=none
else
    unset QT_XCB_GL_INTEGRATION
fi
mkdir -p "$HOME/.vyr" "$XDG_RUNTIME_DIR" "$VYR_SYSROOT/usr/share"
chmod 700 "$XDG_RUNTIME_DIR"
cp -r "$src/data/share/vyr" "$VYR_SYSROOT/usr/share/"

# 2 000 bindings: function keys with up to four modifiers and commands.
functions=(VYRWM_LOCK VYRWM_EXIT VYRWM_MOVE VYRWM_RESIZE VYRWM_TILE_HORZ VYRWM_SWITCH_TASK VYRWM_MAXIMIZE)
mods=("Ctrl" "Alt" "Shift" "Super" "Ctrl|Alt" "Ctrl|Shift" "Alt|Shift" "Ctrl|Super" "Alt|Super" "Shift|Super"
      "Ctrl|Alt|Shift" "Ctrl|Alt|Super" "Ctrl|Shift|Super" "Alt|Shift|Super" "Ctrl|Alt|Shift|Super" "None")
keys=()
for k in {a..z} {0..9} F{1..35} Left Right Up Down Home End Prior Next Insert Delete Escape Tab space \
         minus equal bracketleft bracketright semicolon apostrophe grave backslash comma period slash \
         Return BackSpace Pause Print Menu KP_{0..9} KP_Enter XF86AudioRaiseVolume XF86AudioLowerVolume \
         XF86AudioMute XF86AudioPlay XF86AudioNext XF86AudioPrev XF86Mail XF86Calculator XF86HomePage \
         XF86Search XF86Explorer XF86WWW XF86Sleep XF86Eject; do
    keys+=("$k")
done
{
    echo "[ShortCutKeys]"
    n=0
    for m in "${mods[@]}"; do
        for k in "${keys[@]}"; do
            [ $n -ge 2000 ] && break 2
            if [ $((n % 3)) -eq 2 ]; then v="\"run-$n --flag\""; else v=${functions[$((n % ${#functions[@]}))]}; fi
            echo "$m|$k=$v"
            n=$((n + 1))
        done
    done
} > "$HOME/.vyr/keyshortcutrc"
test "$(grep -c = "$HOME/.vyr/keyshortcutrc")" -eq 2000

# Rows of the editor's tree: groups, table rows and the further bindings.
rows=$((13 + 153 + 2000 + $(grep -c '=' "$VYR_SYSROOT/usr/share/vyr/keyshortcutrc")))

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
editor=() floor=() floorkf=()
for ((i = 0; i < runs; i++)); do
    editor+=("$("$bin/hotkeys-mapwait" "$bin/vyr-admin-hotkeys" 2>/dev/null)")
    floor+=("$("$bin/hotkeys-mapwait" "$bin/hotkeys-floortree" "$rows" 2>/dev/null)")
    floorkf+=("$("$bin/hotkeys-mapwait" "$bin/hotkeys-floortree-kxmlgui" "$rows" 2>/dev/null)")
done
me=$(printf '%s\n' "${editor[@]}" | median)
mf=$(printf '%s\n' "${floor[@]}" | median)
mk=$(printf '%s\n' "${floorkf[@]}" | median)
echo "runs: $runs, rows: $rows"
echo "vyr-admin-hotkeys median: $me ms"
echo "floor (QTreeWidget) median: $mf ms"
echo "floor linked with KXmlGui median: $mk ms"
awk -v e="$me" -v f="$mf" 'BEGIN {r = e / f; printf "ratio: %.2f (limit 1.30)\n", r; exit (r <= 1.3) ? 0 : 1}'
