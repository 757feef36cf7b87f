#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# The whole test suite built with the address and undefined-behaviour
# sanitizers, in ./build-asan (or $VYR_SANITIZE_BUILD_DIR), run headless as
# scripts/test.sh runs it. A memory error, a leak or undefined behaviour in
# the suite's code fails the test that met it. Leaks inside libraries the
# suite does not build are listed in scripts/sanitizer/lsan.supp.
# Arguments go to ctest (-R NAME runs some tests only).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VYR_SANITIZE_BUILD_DIR:-$top/build-asan}
"$top/scripts/install-deps.sh"
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    # Paths below the checkout are hashed relative to it, so that another
    # checkout (CI's fresh clone) finds the same objects.
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$top}
fi
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    "-DVYR_SANITIZE=address;undefined" "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
# The programs the tests start are built with the sanitizers too; they
# inherit these. The system's libraries have no frame pointers: only the
# slow unwinder reaches the library function a suppression names.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$top/scripts/sanitizer/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cd "$build"
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    dbus-run-session -- ctest --output-on-failure -j "$(nproc)" "$@"
