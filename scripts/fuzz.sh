#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Builds the libFuzzer targets (clang, address and undefined-behaviour
# sanitizers) into ./build-fuzz (or $VYR_FUZZ_BUILD_DIR) and runs them.
#
#   scripts/fuzz.sh [-t SECONDS] [-r RUNS] [-s SEED] [-l] [TARGET...]
#
# Each target runs for SECONDS (default 60) or RUNS executions, whichever
# ends first, on one core, with libFuzzer's random SEED when one is given
# (to repeat a run exactly),
# starting from its seed corpus in fuzz/corpus/<target> (read only; new
# inputs go to the build folder's corpus) with its dictionary. Without a TARGET every target runs in turn;
# -l lists them. A crash, leak, sanitizer report or broken property stops
# the script with the target's name; the input is left in the build
# folder's artifacts/<target>/, and the last lines of libFuzzer's report
# (executions, cov:, ft:) are printed for every target.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VYR_FUZZ_BUILD_DIR:-$top/build-fuzz}
seconds=60
runs=-1
seed=0
list=0
while getopts "t:r:s:l" opt; do
    case $opt in
    t) seconds=$OPTARG ;;
    r) runs=$OPTARG ;;
    s) seed=$OPTARG ;;
    l) list=1 ;;
    *) echo "usage: $0 [-t SECONDS] [-r RUNS] [-s SEED] [-l] [TARGET...]" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))

all=$(cd "$top/fuzz/targets" && ls -- *.cpp | sed 's/\.cpp$//')
if [ "$list" = 1 ]; then
    echo "$all"
    exit 0
fi
targets=("$@")
[ ${#targets[@]} -gt 0 ] || mapfile -t targets <<<"$all"

launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    # Paths below the checkout are hashed relative to it, so that another
    # checkout (CI's fresh clone) finds the same objects.
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$top}
fi
CC=clang-14 CXX=clang++-14 cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DVYR_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target $(printf 'vyr-fuzz-%s ' "${targets[@]}")

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$top/scripts/sanitizer/lsan.supp:print_suppressions=0}
export QT_QPA_PLATFORM=offscreen
# The targets write small files through the suite's atomic save, which
# syncs each one: in memory that costs nothing.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
status=0
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    artifacts=$build/artifacts/$target
    mkdir -p "$corpus" "$artifacts"
    log=$build/fuzz-$target.log
    echo "== $target: ${seconds}s" >&2
    if ! "$build/bin/vyr-fuzz-$target" -max_total_time="$seconds" -runs="$runs" -seed="$seed" -timeout=25 -rss_limit_mb=2048 \
        -print_final_stats=1 -dict="$top/fuzz/dict/$target.dict" -artifact_prefix="$artifacts/" \
        "$corpus" "$top/fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "FAILED: $target (input in $artifacts, log $log)" >&2
        status=1
        continue
    fi
    grep -a -E '^#[0-9]+.*(DONE|pulse)' "$log" | tail -n 1
    grep -a -E '^stat::number_of_executed_units' "$log"
done
exit $status
