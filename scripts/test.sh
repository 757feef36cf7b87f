#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Installs what is needed, builds, and runs the whole test suite headless:
# one Xvfb display and a private D-Bus session bus for the run. Tests that
# need a sound server start their own private PulseAudio.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VYR_BUILD_DIR:-$top/build}
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
cd "$build"
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    dbus-run-session -- ctest --output-on-failure -j "$(nproc)" "$@"
