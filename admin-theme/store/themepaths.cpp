// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "themepaths.h"
#include "distribution.h"
#include "session.h"

#include <vyrfileio.h>
#include <vyrpaths.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

QString userThemeFilePath()
{
    const QString dir = GetVyrDir(VyrDirUserTheme);
    if (dir.isEmpty())
        return QString();
    return dir + QStringLiteral("/current.themerc") + vyrSessionConfigSuffix(0);
}

bool ensureUserThemeFile(const QString &path)
{
    if (path.isEmpty() || QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return true;
    QByteArray text = QByteArrayLiteral("[Variables]\n");
    QFile shipped(vyrSystemPath(Distribution::defaultThemeFile));
    if (shipped.open(QIODevice::ReadOnly))
        text = shipped.readAll();
    QString error;
    if (!vyrWriteFileAtomically(path, text, &error)) {
        std::fprintf(stderr, "vyr-admin-theme: can't create %s: %s\n", qPrintable(path), qPrintable(error));
        return false;
    }
    std::fprintf(stderr, "vyr-admin-theme: created %s\n", qPrintable(path));
    return true;
}

QString paletteFilePath()
{
    const QString dir = GetVyrDir(VyrDirUserPlatform);
    if (dir.isEmpty())
        return QString();
    return dir + QStringLiteral("/paletterc");
}

PaletteValues paletteSeed(const SessionFlags &flags)
{
    if (flags.highIntegritySession && QFile::exists(vyrSystemPath(Distribution::solvaVanteraAdmin)))
        return {QStringLiteral("#f34444"), QStringLiteral("#2d2d2d"), Distribution::solvaVanteraAdmin};
    if (flags.distributionSchemesPresent)
        return {QStringLiteral("#5a91bd"), QStringLiteral("#ffffff"), Distribution::solvaLight};
    return {QStringLiteral("#5682a3"), QStringLiteral("#ffffff"), Distribution::vyrDefault};
}

QByteArray paletteFileText(const PaletteValues &values)
{
    QByteArray text("[Variables]\n");
    text += "PrimaryColor=" + values.primaryColor.toLocal8Bit() + '\n';
    text += "BackgroundColor=" + values.backgroundColor.toLocal8Bit() + '\n';
    text += "ColorScheme=" + values.colorScheme.toLocal8Bit() + '\n';
    return text;
}

bool writePaletteFile(const QString &path, const PaletteValues &values, QString *error)
{
    if (path.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("ThemePaths", "no home directory");
        return false;
    }
    return vyrWriteFileAtomically(path, paletteFileText(values), error);
}
