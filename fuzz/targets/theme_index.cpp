// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// The index.theme files of sound and icon themes: any two themes that may
// inherit each other load (cycles cut); every directory a theme lists stays
// inside the theme, and every file a lookup finds exists below one of the
// base directories.
// Input: <index.theme of "a"> "\n--\n" <index.theme of "b">.
#include "fuzzsupport.h"

#include <vyricontheme.h>
#include <vyrsoundtheme.h>
#include <vyrthemeindex.h>

#include <QDir>
#include <QFileInfo>

namespace {

bool insideBases(const QString &file, const QStringList &bases)
{
    const QString clean = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    for (const QString &base : bases) {
        if (clean.startsWith(QDir::cleanPath(base) + QLatin1Char('/')))
            return true;
    }
    return false;
}

void fuzzOne(const QByteArray &data)
{
    vyrfuzz::resetSandbox();
    const QList<QByteArray> parts = vyrfuzz::split(data, "\n--\n", 2);
    const QString sounds = vyrfuzz::home() + QStringLiteral("/.local/share/sounds");
    const QString icons = vyrfuzz::home() + QStringLiteral("/.icons");
    for (int i = 0; i < 2; ++i) {
        const QString name = i == 0 ? QStringLiteral("a") : QStringLiteral("b");
        vyrfuzz::writeFile(sounds + QLatin1Char('/') + name + QStringLiteral("/index.theme"), parts.at(i));
        vyrfuzz::writeFile(sounds + QLatin1Char('/') + name + QStringLiteral("/stereo/bell.oga"), "x");
        vyrfuzz::writeFile(icons + QLatin1Char('/') + name + QStringLiteral("/index.theme"), parts.at(i));
        vyrfuzz::writeFile(icons + QLatin1Char('/') + name + QStringLiteral("/48/x.png"), "x");
    }
    // Something outside every theme that a directory list could point at.
    vyrfuzz::writeFile(vyrfuzz::home() + QStringLiteral("/stereo/bell.oga"), "x");
    vyrfuzz::writeFile(vyrfuzz::home() + QStringLiteral("/48/x.png"), "x");

    VyrSoundTheme sound(QStringLiteral("a"));
    if (sound.load()) {
        sound.localName();
        sound.inherits();
        for (const QString &profile : {QStringLiteral("stereo"), QStringLiteral("5.1")}) {
            for (const QString &dir : sound.directories(profile))
                VYR_FUZZ_CHECK(VyrThemeIndex::isSafeRelative(dir), dir.toUtf8());
        }
        const QString found = sound.getSoundFilePath(QStringLiteral("bell-ring"));
        if (!found.isEmpty()) {
            VYR_FUZZ_CHECK(QFileInfo(found).isFile(), found.toUtf8());
            VYR_FUZZ_CHECK(insideBases(found, VyrSoundTheme::baseDirectories()), found.toUtf8());
        }
    }
    VyrSoundTheme::getThemesNames();

    VyrIconTheme icon(QStringLiteral("a"));
    if (icon.load()) {
        icon.displayName();
        icon.inherits();
        icon.hasCursors();
        for (const VyrIconTheme::Directory &dir : icon.directories())
            VYR_FUZZ_CHECK(VyrThemeIndex::isSafeRelative(dir.path), dir.path.toUtf8());
        for (const int size : {16, 48, 256}) {
            const QString found = icon.findIcon(QStringLiteral("x"), size);
            if (!found.isEmpty()) {
                VYR_FUZZ_CHECK(QFileInfo(found).isFile(), found.toUtf8());
                VYR_FUZZ_CHECK(insideBases(found, VyrIconTheme::baseDirs()), found.toUtf8());
            }
        }
    }
}

} // namespace

VYR_FUZZ_TARGET(fuzzOne)
