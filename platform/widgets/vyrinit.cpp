// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrinit.h"
#include "vyrpaths.h"
#include "vyrsettings.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <cmath>

namespace {
QString s_description;

// Vyr programs draw their icons from the desktop's icon theme, which the
// user picks for the window manager in the theme file.
void applyDesktopIconTheme()
{
    const VyrSettings theme(GetVyrDir(VyrDirUserTheme) + QStringLiteral("/current.themerc") + vyrSessionConfigSuffix(0));
    const QString chosen = theme.value(QStringLiteral("IconTheme")).toString().trimmed();
    if (!chosen.isEmpty() && !chosen.contains(QLatin1Char('/')))
        QIcon::setThemeName(chosen);
    // Without a desktop platform theme Qt knows only "hicolor", which has
    // almost no action icons.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("breeze"));
    QIcon::setFallbackThemeName(QStringLiteral("hicolor"));
}
}

QString vyrProgramDescription()
{
    return s_description.isEmpty() ? QCoreApplication::applicationName() : s_description;
}

void vyrInit(const QString &version, const QString &description)
{
    QCoreApplication *app = QCoreApplication::instance();
    QCoreApplication::setOrganizationName(QStringLiteral("orlenvask"));
    QCoreApplication::setApplicationVersion(version);
    s_description = description;
    if (!app)
        return;
    if (qobject_cast<QGuiApplication *>(app))
        applyDesktopIconTheme();

    auto *qtTranslator = new QTranslator(app);
    if (qtTranslator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
    else
        delete qtTranslator;

    auto *own = new QTranslator(app);
    if (own->load(QLocale(), QCoreApplication::applicationName(), QStringLiteral("_"),
                  GetVyrDir(VyrDirSharedData) + QStringLiteral("/translations")))
        QCoreApplication::installTranslator(own);
    else
        delete own;
}

int vyrDpiScaled(int value)
{
    const auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!gui || !QGuiApplication::primaryScreen())
        return value;
    const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    if (dpi <= 0)
        return value;
    return int(std::lround(value * dpi / 96.0));
}
