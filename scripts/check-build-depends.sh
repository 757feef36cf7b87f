#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# The Debian package's Build-Depends come from the one package list,
# scripts/install-deps.sh: its build group as they stand, its check group
# for builds that run the tests (<!nocheck>), and debhelper-compat.
#
#   check-build-depends.sh          fails, with the difference, when
#                                   debian/control lists anything else
#   check-build-depends.sh --print  prints the field as it must read
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
control=${VYR_DEBIAN_CONTROL:-$top/debian/control}

expected() {
    echo "debhelper-compat (= 13)"
    "$top/scripts/install-deps.sh" --list build
    "$top/scripts/install-deps.sh" --list check | sed 's/$/ <!nocheck>/'
}

if [ "${1:-}" = --print ]; then
    echo "Build-Depends:"
    expected | sed 's/^/ /; s/$/,/'
    exit 0
fi

# The field's value, continuation lines included, one relation a line with
# blanks made single.
actual() {
    awk '
        /^Build-Depends:/ { field = 1; sub(/^Build-Depends:/, ""); print; next }
        field && /^[ \t]/ { print; next }
        { field = 0 }
    ' "$control" | tr '\n' ' ' | tr ',' '\n' | sed 's/[[:space:]]\+/ /g; s/^ //; s/ $//' | sed '/^$/d'
}

if ! difference=$(diff <(expected | sort) <(actual | sort)); then
    echo "check-build-depends: $control and scripts/install-deps.sh disagree" >&2
    echo "(< only in install-deps.sh, > only in debian/control)" >&2
    echo "$difference" >&2
    echo "check-build-depends: '$0 --print' gives the field to put in debian/control" >&2
    exit 1
fi
