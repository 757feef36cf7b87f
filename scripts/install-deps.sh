#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Installs every Debian package that the build, the programs, the demo,
# the tests and the Debian package need. The one place that lists packages;
# safe to run again.
set -euo pipefail

# What the build needs. These are also the Build-Depends of the Debian
# package (debian/control); scripts/check-build-depends.sh keeps the two
# the same.
build=(
    # toolchain
    g++ cmake ninja-build pkg-config
    # libraries
    qtbase5-dev libqt5svg5-dev libqt5x11extras5-dev qttools5-dev-tools
    # the message catalogues: lupdate and lrelease with their CMake package,
    # and Qt's own translations (dialog buttons, the command-line help)
    qttools5-dev qttranslations5-l10n
    libkf5config-dev libkf5widgetsaddons-dev libkf5configwidgets-dev libkf5windowsystem-dev
    libkf5xmlgui-dev libkf5archive-dev extra-cmake-modules
    libsimpleini-dev libconfig++-dev libfontconfig-dev libfreetype-dev libdbusmenu-qt5-dev
    libpulse-dev libxcursor-dev libx11-dev
    libxdamage-dev libxext-dev
    libdbus-1-dev
    # the Qt platform theme plugin: Qt's platform-theme interfaces and the
    # X connection it watches the settings time stamp on
    qtbase5-private-dev libxcb1-dev
    # the manual pages' source format
    scdoc
)

# What the tests, the demo and the scripts need besides; in debian/control
# they are Build-Depends of builds that run the tests (<!nocheck>).
check=(
    # headless runs, tests and the demo (python3 reads the catalogues for
    # scripts/translations.sh)
    python3
    xvfb xauth dbus pulseaudio pulseaudio-utils x11-utils xdotool psmisc x11-xserver-utils
    librsvg2-bin sox imagemagick hicolor-icon-theme breeze-icon-theme
    # fontconfig's tools, and a font family with Cyrillic and one without
    fontconfig fonts-dejavu-core fonts-inconsolata
    # a real freedesktop sound theme, and sox's ways to the sound server
    # (ALSA's pulse plugin, and PulseAudio directly)
    sound-theme-freedesktop libsox-fmt-alsa libsox-fmt-pulse
    # the compositor the Effects page configures; its tests run a real one
    picom
    # the XSETTINGS daemon running GTK programs follow (dump_xsettings too)
    xsettingsd
    # the checks of the manual pages, the launchers and the AppStream file
    man-db groff-base desktop-file-utils appstream
)

# What the developers' checks need besides: clang and its runtimes
# (libFuzzer, the sanitizers) for the fuzz targets. Not Build-Depends.
develop=(
    clang-14 libclang-rt-14-dev
)

# What making and checking the Debian package needs on top (debhelper
# appears in debian/control as debhelper-compat).
package=(
    dpkg-dev debhelper fakeroot lintian
)

# "install-deps.sh --list build|check|package|develop" prints one group, one
# package a line, and installs nothing.
if [ "${1:-}" = --list ]; then
    case "${2:-}" in
        build) printf '%s\n' "${build[@]}" ;;
        check) printf '%s\n' "${check[@]}" ;;
        package) printf '%s\n' "${package[@]}" ;;
        develop) printf '%s\n' "${develop[@]}" ;;
        *) echo "usage: install-deps.sh [--list build|check|package|develop]" >&2; exit 2 ;;
    esac
    exit 0
fi

packages=("${build[@]}" "${check[@]}" "${develop[@]}" "${package[@]}")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all ${#packages[@]} packages present"
    exit 0
fi

SUDO=
if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get -o DPkg::Lock::Timeout=600 update -q
$SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "${missing[@]}"
