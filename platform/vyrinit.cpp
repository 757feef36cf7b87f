// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrinit.h"
#include "vyrpaths.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <cmath>

void vyrInit(const QString &version, const QString &description)
{
    QCoreApplication *app = QCoreApplication::instance();
    QCoreApplication::setOrganizationName(QStringLiteral("orlenvask"));
    QCoreApplication::setApplicationVersion(version);
    if (auto *gui = qobject_cast<QGuiApplication *>(app))
        gui->setApplicationDisplayName(description);
    if (!app)
        return;

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
