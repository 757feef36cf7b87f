// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrtranslations.h"
#include "vyrpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSet>
#include <QTranslator>

#include <memory>

namespace {
QSet<QString> s_installed;

bool install(const QLocale &locale, const QString &catalogue, const QStringList &dirs)
{
    if (s_installed.contains(catalogue))
        return false;
    QCoreApplication *app = QCoreApplication::instance();
    auto translator = std::make_unique<QTranslator>(app);
    for (const QString &dir : dirs) {
        if (translator->load(locale, catalogue, QStringLiteral("_"), dir)) {
            QCoreApplication::installTranslator(translator.release());
            s_installed.insert(catalogue);
            return true;
        }
    }
    return false;
}
} // namespace

QStringList vyrTranslationDirs()
{
    QStringList dirs;
    if (QCoreApplication::instance()) {
        dirs << QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                + QStringLiteral(VYR_TRANSLATIONS_FROM_BINDIR));
    }
    const QString shared = GetVyrDir(VyrDirSharedData);
    if (!shared.isEmpty() && !dirs.contains(shared + QStringLiteral("/translations")))
        dirs << shared + QStringLiteral("/translations");
    return dirs;
}

QStringList vyrInstallTranslations(const QString &catalogue)
{
    QStringList installed;
    if (!QCoreApplication::instance())
        return installed;
    const QString own = catalogue.isEmpty() ? QCoreApplication::applicationName() : catalogue;
    // The texts of the sources are English, but their plural forms ("1 line",
    // "2 lines") come from the English catalogues, as Qt's own do: the C
    // locale and a language without a catalogue get those.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = english;
    if (install(locale, QStringLiteral("qtbase"), {QLibraryInfo::location(QLibraryInfo::TranslationsPath)}))
        installed << QStringLiteral("qtbase");
    const QStringList dirs = vyrTranslationDirs();
    for (const QString &name : {QStringLiteral("vyr-platform"), own}) {
        if (install(locale, name, dirs) || install(english, name, dirs))
            installed << name;
    }
    return installed;
}
