// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrinit.h"
#include "vyrpaths.h"
#include "vyrsettings.h"
#include "vyrtranslations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

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

void vyrInit(const QString &version, const char *description)
{
    QCoreApplication *app = QCoreApplication::instance();
    QCoreApplication::setOrganizationName(QStringLiteral("orlenvask"));
    QCoreApplication::setApplicationVersion(version);
    vyrInstallTranslations();
    s_description = QCoreApplication::translate("vyrInit", description);
    if (qobject_cast<QGuiApplication *>(app))
        applyDesktopIconTheme();
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
