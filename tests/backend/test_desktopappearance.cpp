// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <desktopappearance.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {
/// The desktop the rows start from: a dark scheme, the suite's font,
/// breeze icons, a cursor theme and size, slight hinting with sub-pixels.
DesktopAppearance appearance(const QString &variant)
{
    DesktopAppearance a;
    a.scheme = QStringLiteral("/usr/share/color-schemes/SolvaDark.colors");
    a.palette.setColor(QPalette::Window, QColor(QStringLiteral("#2a2e34")));
    a.font = {QStringLiteral("PT Solva Fact"), 10.5, 50, false};
    a.iconTheme = QStringLiteral("breeze");
    a.cursorTheme = QStringLiteral("Vyr-Cursors");
    a.cursorSize = 24;
    a.xft.antialias = true;
    a.xft.hintStyle = QStringLiteral("hintslight");
    a.xft.rgba = QStringLiteral("rgb");
    if (variant == QLatin1String("light")) {
        a.palette.setColor(QPalette::Window, QColor(QStringLiteral("#eef1f4")));
    } else if (variant == QLatin1String("no cursor, bold italic")) {
        a.cursorTheme.clear();
        a.cursorSize = 0;
        a.font = {QStringLiteral("DejaVu \"Sans\""), 12, 75, true};
    } else if (variant == QLatin1String("generated")) {
        a.scheme = QStringLiteral("/usr/share/color-schemes/VyrDefault.colors");
        a.palette.setColor(QPalette::Button, Qt::green);
        a.palette.setColor(QPalette::Highlight, Qt::red);
        a.palette.setColor(QPalette::Base, Qt::black);
        a.palette.setColor(QPalette::AlternateBase, Qt::blue);
        a.palette.setColor(QPalette::Text, Qt::white);
    } else if (variant == QLatin1String("forced dpi, fontconfig's hinting")) {
        a.xft = {false, QString(), QString(), 120};
    }
    return a;
}

const QByteArray s_scheme = "[ColorEffects:Disabled]\nColor=56,56,56\n\n"
                            "[Colors:Header]\nBackgroundNormal=10,10,10\n\n"
                            "[Colors:Header][Inactive]\nBackgroundNormal=20,20,20\n\n"
                            "[Colors:Window]\nBackgroundNormal=42,46,52\nForegroundNormal=252,252,252\n\n"
                            "[General]\nName=Solva Dark\n\n[WM]\nactiveBackground=1,2,3\n";
}

class TestDesktopAppearance : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { vyrtest::resetHome(); }

    void targets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("gtk3: new file") << "gtk3" << QString() << QByteArray()
                                        << QByteArray("[Settings]\ngtk-icon-theme-name=breeze\n"
                                                      "gtk-cursor-theme-name=Vyr-Cursors\ngtk-cursor-theme-size=24\n"
                                                      "gtk-font-name=PT Solva Fact 10.5\n"
                                                      "gtk-application-prefer-dark-theme=true\n");
        QTest::newRow("gtk3: the user's keys and groups kept, ours replaced")
            << "gtk3" << "light"
            << QByteArray("# mine\n[Settings]\ngtk-theme-name=Adwaita\ngtk-icon-theme-name=old\n"
                          "gtk-application-prefer-dark-theme=true\n\n[Other]\nx=1\n")
            << QByteArray("# mine\n\n\n[Settings]\ngtk-theme-name=Adwaita\ngtk-icon-theme-name=breeze\n"
                          "gtk-application-prefer-dark-theme=false\ngtk-cursor-theme-name=Vyr-Cursors\n"
                          "gtk-cursor-theme-size=24\ngtk-font-name=PT Solva Fact 10.5\n\n\n[Other]\nx=1\n");
        QTest::newRow("gtk3: no cursor removes its keys")
            << "gtk3" << "no cursor, bold italic"
            << QByteArray("[Settings]\ngtk-cursor-theme-name=old\ngtk-cursor-theme-size=48\n")
            << QByteArray("[Settings]\ngtk-icon-theme-name=breeze\ngtk-font-name=DejaVu \"Sans\" Bold Italic 12\n"
                          "gtk-application-prefer-dark-theme=true\n");

        QTest::newRow("gtk2: new file") << "gtk2" << QString() << QByteArray()
                                        << QByteArray("gtk-icon-theme-name=\"breeze\"\n"
                                                      "gtk-cursor-theme-name=\"Vyr-Cursors\"\n"
                                                      "gtk-cursor-theme-size=24\n"
                                                      "gtk-font-name=\"PT Solva Fact 10.5\"\n");
        QTest::newRow("gtk2: other lines kept, a repeated key once")
            << "gtk2" << "no cursor, bold italic"
            << QByteArray("include \"/usr/share/themes/x/gtkrc\"\n# comment\ngtk-font-name = \"Old 9\"\n"
                          "style \"mine\" {\n  bg[NORMAL] = \"#ffffff\"\n}\ngtk-cursor-theme-size=48\n"
                          "gtk-font-name=\"Older 8\"\n")
            << QByteArray("include \"/usr/share/themes/x/gtkrc\"\n# comment\n"
                          "gtk-font-name=\"DejaVu \\\"Sans\\\" Bold Italic 12\"\n"
                          "style \"mine\" {\n  bg[NORMAL] = \"#ffffff\"\n}\ngtk-icon-theme-name=\"breeze\"\n");

        QTest::newRow("xsettingsd: new file")
            << "xsettingsd" << QString() << QByteArray()
            << QByteArray("Net/IconThemeName \"breeze\"\nGtk/CursorThemeName \"Vyr-Cursors\"\n"
                          "Gtk/CursorThemeSize 24\nGtk/FontName \"PT Solva Fact 10.5\"\nXft/Antialias 1\n"
                          "Xft/Hinting 1\nXft/HintStyle \"hintslight\"\nXft/RGBA \"rgb\"\n");
        QTest::newRow("xsettingsd: the user's settings kept, forced DPI")
            << "xsettingsd" << "forced dpi, fontconfig's hinting"
            << QByteArray("# mine\nNet/ThemeName \"Adwaita\"\nXft/Hinting 1\nXft/DPI 98304\n")
            << QByteArray("# mine\nNet/ThemeName \"Adwaita\"\nXft/DPI 122880\nNet/IconThemeName \"breeze\"\n"
                          "Gtk/CursorThemeName \"Vyr-Cursors\"\nGtk/CursorThemeSize 24\n"
                          "Gtk/FontName \"PT Solva Fact 10.5\"\nXft/Antialias 0\nXft/RGBA \"none\"\n");

        QTest::newRow("kdeglobals: colour groups replaced, the others kept")
            << "kdeglobals" << QString()
            << QByteArray("[$Version]\nupdate_info=a.upd:1\n\n[Colors:Window]\nBackgroundNormal=1,2,3\nStale=4\n\n"
                          "[Colors:Stale]\nx=1\n\n[KDE]\nSingleClick=false\nwidgetStyle=Fusion\n")
            << QByteArray("[$Version]\nupdate_info=a.upd:1\n\n[ColorEffects:Disabled]\nColor=56,56,56\n\n"
                          "[Colors:Header]\nBackgroundNormal=10,10,10\n\n"
                          "[Colors:Header][Inactive]\nBackgroundNormal=20,20,20\n\n"
                          "[Colors:Window]\nBackgroundNormal=42,46,52\nForegroundNormal=252,252,252\n\n"
                          "[General]\nColorScheme=SolvaDark\n\n[Icons]\nTheme=breeze\n\n"
                          "[KDE]\nSingleClick=false\nwidgetStyle=Fusion\n");
        // A generated scheme's file may be a shipped one the user cannot
        // write: its colours come from the palette.
        QTest::newRow("kdeglobals: a generated scheme's colours from its palette")
            << "kdeglobals" << "generated" << QByteArray()
            << QByteArray("[ColorEffects:Disabled]\nColor=56,56,56\n\n"
                          "[Colors:Button]\nBackgroundAlternate=0,0,255\nBackgroundNormal=0,255,0\n"
                          "ForegroundNormal=255,255,255\n\n"
                          "[Colors:Header]\nBackgroundAlternate=0,0,255\nBackgroundNormal=42,46,52\n"
                          "ForegroundNormal=255,255,255\n\n"
                          "[Colors:Header][Inactive]\nBackgroundNormal=20,20,20\n\n"
                          "[Colors:Selection]\nBackgroundAlternate=0,0,255\nBackgroundNormal=255,0,0\n"
                          "ForegroundNormal=255,255,255\n\n"
                          "[Colors:View]\nBackgroundAlternate=0,0,255\nBackgroundNormal=0,0,0\n"
                          "ForegroundNormal=255,255,255\n\n"
                          "[Colors:Window]\nBackgroundAlternate=0,0,255\nBackgroundNormal=42,46,52\n"
                          "ForegroundNormal=255,255,255\n\n"
                          "[General]\nColorScheme=VyrDefault\n\n[Icons]\nTheme=breeze\n");
    }
    void targets()
    {
        QFETCH(QString, target);
        QFETCH(QString, variant);
        QFETCH(QByteArray, old);
        QFETCH(QByteArray, expected);
        const DesktopAppearance a = appearance(variant);
        const auto make = [&a, &target](const QByteArray &from) {
            if (target == QLatin1String("gtk3"))
                return a.gtk3Settings(from);
            if (target == QLatin1String("gtk2"))
                return a.gtk2Settings(from);
            if (target == QLatin1String("xsettingsd"))
                return a.xsettingsdConfig(from);
            return a.kdeGlobals(from, s_scheme);
        };
        const QByteArray text = make(old);
        QCOMPARE(text, expected);
        // Written again with the same values, nothing changes: the file is
        // rewritten only when the desktop changed.
        QCOMPARE(make(text), text);
    }

    // Given a settings folder the user cannot write and a kdeglobals the
    // user cannot read, when the targets are written, then those two files
    // keep their text and are reported, and every other target is written.
    void writeKeepsWhatItCannotWrite()
    {
        const QString home = vyrtest::home();
        const QString gtkDir = home + QStringLiteral("/.config/gtk-3.0");
        const QByteArray gtkOld = "[Settings]\ngtk-icon-theme-name=old\n";
        const QByteArray kdeOld = "[KDE]\nSingleClick=false\n";
        QVERIFY(vyrtest::writeFile(DesktopAppearance::gtk3Path(), gtkOld));
        QVERIFY(vyrtest::writeFile(DesktopAppearance::kdeGlobalsPath(), kdeOld));
        const QByteArray kdeName = QFile::encodeName(DesktopAppearance::kdeGlobalsPath());
        QCOMPARE(::chown(kdeName.constData(), ::geteuid() == 0 ? 65534 : ::geteuid(), ::getegid()), 0);
        QCOMPARE(::chmod(kdeName.constData(), 0200), 0);
        for (const QString &dir : {home, home + QStringLiteral("/.config")})
            ::chmod(QFile::encodeName(dir).constData(), 0777);
        ::chmod(QFile::encodeName(gtkDir).constData(), 0555);
        ::chmod(QFile::encodeName(DesktopAppearance::gtk3Path()).constData(), 0666);

        const DesktopAppearance a = appearance(QString());
        QStringList errors;
        bool ok = true;
        {
            vyrtest::AsOrdinaryUser user;
            ok = a.write(&errors);
        }
        ::chmod(QFile::encodeName(gtkDir).constData(), 0755);
        ::chmod(kdeName.constData(), 0644);

        QVERIFY(!ok);
        QCOMPARE(errors.size(), 2);
        QVERIFY2(errors.at(0).startsWith(QStringLiteral("can't write ") + DesktopAppearance::gtk3Path()),
                 qPrintable(errors.at(0)));
        QCOMPARE(errors.at(1), QStringLiteral("can't read %1, left as it is").arg(DesktopAppearance::kdeGlobalsPath()));
        QCOMPARE(vyrtest::readFile(DesktopAppearance::gtk3Path()), gtkOld);
        QCOMPARE(QDir(gtkDir).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("settings.ini")});
        QCOMPARE(vyrtest::readFile(DesktopAppearance::kdeGlobalsPath()), kdeOld);

        QCOMPARE(vyrtest::readFile(DesktopAppearance::gtk2Path()), a.gtk2Settings(QByteArray()));
        QCOMPARE(DesktopAppearance::xsettingsdPath(), home + QStringLiteral("/.config/xsettingsd/xsettingsd.conf"));
        QCOMPARE(vyrtest::readFile(DesktopAppearance::xsettingsdPath()), a.xsettingsdConfig(QByteArray()));
        QCOMPARE(vyrtest::readFile(DesktopAppearance::trolltechPath()),
                 QByteArray("[Qt]\nfont=\"PT Solva Fact,10.5,-1,5,50,0,0,0,0,0\"\n"));
    }

    // xsettingsd reads ~/.xsettingsd before its XDG file: a user who has
    // one gets that one written.
    void xsettingsdFileTheDaemonReads()
    {
        QCOMPARE(DesktopAppearance::xsettingsdPath(),
                 vyrtest::home() + QStringLiteral("/.config/xsettingsd/xsettingsd.conf"));
        QVERIFY(vyrtest::writeFile(vyrtest::home() + QStringLiteral("/.xsettingsd"), "Net/ThemeName \"x\"\n"));
        QCOMPARE(DesktopAppearance::xsettingsdPath(), vyrtest::home() + QStringLiteral("/.xsettingsd"));
    }
};

VYR_TEST_GUILESS_MAIN(TestDesktopAppearance)

#include "test_desktopappearance.moc"
