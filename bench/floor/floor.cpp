// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// colour-floor SCHEME [--display]
//
// Opens the scheme with KSharedConfig, builds KColorScheme's application
// palette and writes its three colour lists to Trolltech.conf. With
// --display it first starts a QGuiApplication on DISPLAY; without it no
// application object exists.
#include <KColorScheme>
#include <KSharedConfig>

#include <QGuiApplication>
#include <QSettings>
#include <QStringList>

#include <memory>

static QStringList names(const QPalette &palette, QPalette::ColorGroup group)
{
    QStringList list;
    for (int role = 0; role <= int(QPalette::PlaceholderText); ++role)
        list << palette.color(group, QPalette::ColorRole(role)).name();
    return list;
}

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    std::unique_ptr<QGuiApplication> app;
    if (argc > 2 && qstrcmp(argv[2], "--display") == 0)
        app = std::make_unique<QGuiApplication>(argc, argv);
    const QPalette palette = KColorScheme::createApplicationPalette(
        KSharedConfig::openConfig(QString::fromLocal8Bit(argv[1]), KConfig::FullConfig));
    QSettings qt(QSettings::UserScope, QStringLiteral("Trolltech"));
    qt.beginGroup(QStringLiteral("Qt"));
    qt.setValue(QStringLiteral("Palette/active"), names(palette, QPalette::Active));
    qt.setValue(QStringLiteral("Palette/inactive"), names(palette, QPalette::Inactive));
    qt.setValue(QStringLiteral("Palette/disabled"), names(palette, QPalette::Disabled));
    qt.endGroup();
    qt.sync();
    return qt.status() == QSettings::NoError ? 0 : 1;
}
