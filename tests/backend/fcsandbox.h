// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "testenv.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

/**
 * A fontconfig setup of the test's own: FONTCONFIG_FILE names a main file in
 * the sandbox that reads only the two font packages the tests need (one
 * with Cyrillic, one without), keeps its cache in the sandbox and includes
 * the user files of the sandbox home and a "conf.d" of the sandbox. Neither
 * the real user files nor /etc/fonts are read. Call before the first
 * fontconfig call of the process; child processes inherit it.
 */
namespace fcsandbox {
inline const char *const cyrillicFontDir = "/usr/share/fonts/truetype/dejavu";
inline const char *const latinFontDir = "/usr/share/fonts/truetype/inconsolata";

inline QString root() { return vyrtest::sandboxRoot() + QStringLiteral("/fontconfig"); }
inline QString confD() { return root() + QStringLiteral("/conf.d"); }
inline QString userFile() { return vyrtest::home() + QStringLiteral("/.config/fontconfig/fonts.conf"); }

inline bool setUp()
{
    const QByteArray main = QByteArrayLiteral("<?xml version=\"1.0\"?>\n<fontconfig>\n <dir>") + cyrillicFontDir
        + "</dir>\n <dir>" + latinFontDir + "</dir>\n <cachedir>" + root().toUtf8()
        + "/cache</cachedir>\n <include ignore_missing=\"yes\">" + confD().toUtf8()
        + "</include>\n"
          " <include ignore_missing=\"yes\" prefix=\"xdg\">fontconfig/fonts.conf</include>\n"
          " <include ignore_missing=\"yes\">~/.fonts.conf</include>\n</fontconfig>\n";
    if (!vyrtest::writeFile(root() + QStringLiteral("/fonts.conf"), main))
        return false;
    qputenv("FONTCONFIG_FILE", (root() + QStringLiteral("/fonts.conf")).toUtf8());
    qunsetenv("FONTCONFIG_PATH");
    qunsetenv("FONTCONFIG_SYSROOT");
    return QDir(QString::fromLatin1(cyrillicFontDir)).exists() && QDir(QString::fromLatin1(latinFontDir)).exists();
}

/// What `fc-match -v <pattern>` reports for @p property ("True", "1", ...),
/// without fontconfig's type marks; empty when it is not reported.
inline QString fcMatch(const QString &pattern, const QString &property)
{
    const vyrtest::RunResult r =
        vyrtest::run(QStandardPaths::findExecutable(QStringLiteral("fc-match")), {QStringLiteral("-v"), pattern});
    const QRegularExpression re(QStringLiteral("^\\s*%1: (\\S+?)(\\(|$)").arg(property),
                                QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = re.match(QString::fromUtf8(r.out));
    return m.hasMatch() ? m.captured(1) : QString();
}

/// The family fontconfig picks for @p pattern.
inline QString fcFamily(const QString &pattern)
{
    return QString::fromUtf8(vyrtest::run(QStandardPaths::findExecutable(QStringLiteral("fc-match")),
                                          {QStringLiteral("-f"), QStringLiteral("%{family}"), pattern})
                                 .out);
}
}
