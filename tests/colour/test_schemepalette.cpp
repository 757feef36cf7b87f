// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <compositorconfig.h>
#include <schemepalette.h>
#include <vyrcolors.h>

#include <KConfig>
#include <KConfigGroup>

#include <QFileInfo>
#include <QSettings>

#include <cstdio>

#include <unistd.h>

namespace {
QString configPath(const QString &name)
{
    return vyrtest::home() + QStringLiteral("/.config/") + name;
}

QString schemePath(const QString &name)
{
    return vyrtest::home() + QStringLiteral("/.local/share/color-schemes/") + name;
}

QStringList trolltechList(const QString &key)
{
    QSettings qt(configPath(QStringLiteral("Trolltech.conf")), QSettings::IniFormat);
    return qt.value(QStringLiteral("Qt/Palette/") + key).toStringList();
}

/// Captures what the code under test prints to standard error.
}

class TestSchemePalette : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { vyrtest::resetHome(); }

    void generatedNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("generated");
        QTest::addColumn<bool>("user");
        QTest::newRow("default") << "/usr/share/color-schemes/VyrDefault.colors" << true << false;
        QTest::newRow("user") << "/home/u/.local/share/color-schemes/User.colors" << true << true;
        QTest::newRow("shipped") << "/usr/share/color-schemes/SolvaDark.colors" << false << false;
        QTest::newRow("case differs") << "/x/user.colors" << false << false;
        QTest::newRow("suffix only inside") << "/x/User.colors.bak" << false << false;
    }
    void generatedNames()
    {
        QFETCH(QString, path);
        QFETCH(bool, generated);
        QFETCH(bool, user);
        QCOMPARE(isGeneratedScheme(path), generated);
        QCOMPARE(isUserScheme(path), user);
    }

    void shadeMapRepair_data()
    {
        QTest::addColumn<ShadeMap>("map");
        QTest::addColumn<ShadeMap>("expected");
        auto make = [](const QStringList &values) {
            ShadeMap map;
            for (int i = 0; i < 9; ++i)
                map.insert(QStringLiteral("color%1").arg((i + 1) * 100), values.at(i));
            return map;
        };
        const QStringList distinct = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                                      QStringLiteral("M"), QStringLiteral("f"), QStringLiteral("g"), QStringLiteral("h"),
                                      QStringLiteral("i")};
        QTest::newRow("nothing to repair") << make(distinct) << make(distinct);
        QTest::newRow("dark side mirrors the light side")
            << make({"a", "b", "c", "d", "M", "M", "M", "M", "M"}) << make({"a", "b", "c", "d", "M", "d", "c", "b", "a"});
        QTest::newRow("light side mirrors the dark side")
            << make({"M", "M", "M", "M", "M", "f", "g", "h", "i"}) << make({"i", "h", "g", "f", "M", "f", "g", "h", "i"});
        QTest::newRow("both neighbours equal the middle stay")
            << make({"a", "b", "c", "M", "M", "M", "g", "h", "i"}) << make({"a", "b", "c", "M", "M", "M", "g", "h", "i"});
        QTest::newRow("single dark shade") << make({"a", "b", "c", "d", "M", "f", "g", "h", "M"})
                                           << make({"a", "b", "c", "d", "M", "f", "g", "h", "a"});
    }
    void shadeMapRepair()
    {
        QFETCH(ShadeMap, map);
        QFETCH(ShadeMap, expected);
        fixShadeMap(map);
        QCOMPARE(map, expected);
    }

    void whiteAndBlackMapsGetBothSides_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::newRow("white") << "#ffffff";
        QTest::newRow("black") << "#000000";
    }
    void whiteAndBlackMapsGetBothSides()
    {
        QFETCH(QString, colour);
        ShadeMap map = CreateShadeColors(colour);
        fixShadeMap(map);
        for (const char *shade : {"color100", "color400", "color600", "color900"})
            QVERIFY2(map.value(QLatin1String(shade)) != colour, shade);
        QCOMPARE(map.value(QStringLiteral("color400")), map.value(QStringLiteral("color600")));
        QCOMPARE(map.value(QStringLiteral("color100")), map.value(QStringLiteral("color900")));
    }

    void generatedPalette_data()
    {
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("background");
        QTest::newRow("white background") << "#5682a3" << "#ffffff";
        QTest::newRow("dark background") << "#f34444" << "#2d2d2d";
        QTest::newRow("grey primary") << "#808080" << "#eeeeee";
        QTest::newRow("black background") << "#5a91bd" << "#000000";
    }
    void generatedPalette()
    {
        QFETCH(QString, primary);
        QFETCH(QString, background);
        QString focus, hover;
        const QPalette p = buildSchemePalette(QStringLiteral("/usr/share/color-schemes/VyrDefault.colors"),
                                              QColor(primary), QColor(background), &focus, &hover);
        ShadeMap pm = CreateShadeColors(primary);
        ShadeMap bm = CreateShadeColors(background);
        fixShadeMap(pm);
        fixShadeMap(bm);
        const QColor active = p.color(QPalette::Active, QPalette::Highlight);
        QCOMPARE(active.name(), pm.value(QStringLiteral("color500")));
        QCOMPARE(focus, pm.value(QStringLiteral("color500")));
        QCOMPARE(hover, pm.value(QStringLiteral("color700")));
        const QColor inactive = p.color(QPalette::Inactive, QPalette::Highlight);
        QCOMPARE(inactive.hsvHue(), active.hsvHue());
        QCOMPARE(inactive.value(), active.value());
        QVERIFY(qAbs(inactive.hsvSaturation() - active.hsvSaturation() / 2) <= 1);
        QCOMPARE(p.color(QPalette::Active, QPalette::Base).name(), background);
        QCOMPARE(p.color(QPalette::Active, QPalette::Text).name(), QColor(textColorFor(background)).name());
        const bool darkBase = textColorFor(background) == QLatin1String("#FFFFFF");
        QCOMPARE(p.color(QPalette::Active, QPalette::AlternateBase).name(),
                 CreateShadeColor(background, darkBase ? 0.065 : -0.055));
        QCOMPARE(p.color(QPalette::Active, QPalette::Window).name(), bm.value(QStringLiteral("color600")));
        QCOMPARE(p.color(QPalette::Inactive, QPalette::Button).name(), bm.value(QStringLiteral("color600")));

        // Disabled: the active colours, with grey text in exactly four roles.
        const QList<QPalette::ColorRole> grey = {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                                  QPalette::HighlightedText};
        for (int role = 0; role <= int(QPalette::PlaceholderText); ++role) {
            const auto r = QPalette::ColorRole(role);
            const QColor expected = grey.contains(r) ? QColor(Qt::darkGray) : p.color(QPalette::Active, r);
            QCOMPARE(p.color(QPalette::Disabled, r), expected);
            QCOMPARE(p.brush(QPalette::Disabled, r).style(), Qt::SolidPattern);
        }
        QCOMPARE(QColor(Qt::darkGray).name(), QStringLiteral("#808080"));

        // Tool tips follow the window text: light tips when it is dark.
        const bool lightTips = textColorFor(p.color(QPalette::Active, QPalette::WindowText).name())
            == QLatin1String("#FFFFFF");
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QCOMPARE(p.color(group, QPalette::ToolTipBase).name(), lightTips ? "#fcfcfc" : "#31363b");
            QCOMPARE(p.color(group, QPalette::ToolTipText).name(), lightTips ? "#232627" : "#eff0f1");
        }
    }

    void greyPrimaryKeepsInactiveHighlight()
    {
        const QPalette p = buildSchemePalette(QStringLiteral("User.colors"), QColor("#808080"), QColor("#ffffff"));
        QCOMPARE(p.color(QPalette::Inactive, QPalette::Highlight), p.color(QPalette::Active, QPalette::Highlight));
    }

    void applyWritesTheSessionFiles_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<bool>("generated");
        QTest::newRow("read scheme") << schemePath(QStringLiteral("Mine.colors")) << false;
        QTest::newRow("user scheme") << schemePath(QStringLiteral("User.colors")) << true;
    }
    void applyWritesTheSessionFiles()
    {
        QFETCH(QString, scheme);
        QFETCH(bool, generated);
        const QByteArray original = "[Colors:Selection]\nBackgroundNormal=200,10,20\n"
                                    "[Colors:View]\nBackgroundNormal=250,250,250\n";
        vyrtest::writeFile(scheme, original);
        const vyrtest::FileState before = vyrtest::fileState(scheme);

        QVERIFY(applyColourScheme(scheme, QColor("#1469c8"), QColor("#ffffff")));

        for (const char *group : {"active", "inactive", "disabled"}) {
            const QStringList names = trolltechList(QLatin1String(group));
            QCOMPARE(names.size(), 21);
            for (const QString &name : names)
                QVERIFY2(QColor::isValidColor(name) && name.size() == 7, qPrintable(name));
        }
        const KConfig breeze(configPath(QStringLiteral("breezerc")), KConfig::SimpleConfig);
        const KConfigGroup view(&breeze, "Colors:View");
        const QString focus = view.readEntry("DecorationFocus", QString());
        QCOMPARE(focus, trolltechList(QStringLiteral("active")).at(QPalette::Highlight));
        if (generated) {
            QCOMPARE(view.readEntry("DecorationHover", QString()),
                     CreateShadeColors(QStringLiteral("#1469c8")).value(QStringLiteral("color700")));
            const KConfig written(scheme, KConfig::SimpleConfig);
            for (const char *group : {"Colors:Button", "Colors:Selection", "Colors:View", "Colors:Window", "Colors:Header"}) {
                const KConfigGroup g(&written, group);
                QVERIFY2(g.hasKey("BackgroundNormal") && g.hasKey("BackgroundAlternate") && g.hasKey("ForegroundNormal"),
                         group);
            }
            QCOMPARE(KConfigGroup(&written, "Colors:View").readEntry("BackgroundNormal", QColor()), QColor("#ffffff"));
            QCOMPARE(KConfigGroup(&written, "Colors:Selection").readEntry("BackgroundNormal", QColor()),
                     QColor("#1469c8"));
        } else {
            QCOMPARE(focus, QStringLiteral("#c80a14"));
            QCOMPARE(view.readEntry("DecorationHover", QString()), CreateShadeColor(focus, 0.2));
            // A scheme that is not generated is never written.
            QCOMPARE(vyrtest::readFile(scheme), original);
            QCOMPARE(vyrtest::fileState(scheme), before);
        }
    }

    void applyIntoGivenGroup()
    {
        KConfig other(configPath(QStringLiteral("otherrc")), KConfig::SimpleConfig);
        KConfigGroup group(&other, "Elsewhere");
        QVERIFY(applyColourScheme(schemePath(QStringLiteral("Missing.colors")), QColor(), QColor(), &group));
        QVERIFY(!KConfigGroup(&other, "Elsewhere").readEntry("DecorationFocus", QString()).isEmpty());
        QVERIFY(!QFile::exists(configPath(QStringLiteral("breezerc"))));
    }

    void unwritableConfigIsReported()
    {
        QFile::setPermissions(vyrtest::home(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                   | QFileDevice::ReadOther | QFileDevice::ExeOther);
        const QString dir = vyrtest::home() + QStringLiteral("/.config");
        vyrtest::writeFile(configPath(QStringLiteral("Trolltech.conf")), "[Qt]\nkeep=1\n");
        QFile::setPermissions(configPath(QStringLiteral("Trolltech.conf")), QFileDevice::ReadOwner | QFileDevice::ReadOther);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                       | QFileDevice::ExeOther);
        bool ok = true;
        QByteArray err;
        {
            vyrtest::AsOrdinaryUser user;
            vyrtest::StderrCapture capture;
            ok = applyColourScheme(schemePath(QStringLiteral("User.colors")), QColor("#1469c8"), QColor("#ffffff"));
            err = capture.take();
        }
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!ok);
        QVERIFY2(err.contains("vyr-admin-theme: can't write"), err.constData());
        QCOMPARE(vyrtest::readFile(configPath(QStringLiteral("Trolltech.conf"))), QByteArray("[Qt]\nkeep=1\n"));
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Trolltech.conf")});
    }

    void shadowColour_data()
    {
        QTest::addColumn<QByteArray>("picom");   // null: no file
        QTest::addColumn<QByteArray>("compton"); // null: no file
        QTest::addColumn<QByteArray>("picomAfter");
        QTest::addColumn<QByteArray>("comptonAfter");
        QTest::addColumn<QByteArray>("message");
        const QByteArray none;
        QTest::newRow("neither file") << none << none << none << none
                                      << QByteArray("vyr-admin-theme: no ") + configPath(QStringLiteral("compton.conf")).toUtf8();
        QTest::newRow("only picom changes")
            << QByteArray("shadow-color = \"#000000\";\n") << QByteArray("shadow-color = \"#000000\";\n")
            << QByteArray("shadow-color = \"#5A91BD\";\n") << QByteArray("shadow-color = \"#000000\";\n") << none;
        QTest::newRow("compton when no picom")
            << none << QByteArray("shadow = true;\n") << none
            << QByteArray("shadow = true;\nshadow-color = \"#5A91BD\";\n") << none;
        QTest::newRow("comments and layout kept")
            << QByteArray("# my compositor\nshadow = true; # on\n  shadow-color   =  \"#111111\" ; // old\nfade = 1;\n")
            << none
            << QByteArray("# my compositor\nshadow = true; # on\n  shadow-color   =  \"#5A91BD\" ; // old\nfade = 1;\n")
            << none << none;
        QTest::newRow("nested setting of that name is not the top-level one")
            << QByteArray("wintypes: { tooltip = { shadow-color = \"#111111\"; }; };\n") << none
            << QByteArray("wintypes: { tooltip = { shadow-color = \"#111111\"; }; };\nshadow-color = \"#5A91BD\";\n")
            << none << none;
        QTest::newRow("unparsable file untouched")
            << QByteArray("shadow-color = = \"#000000\n") << none << QByteArray("shadow-color = = \"#000000\n") << none
            << QByteArray("vyr-admin-theme: cant read ") + configPath(QStringLiteral("picom.conf")).toUtf8();
    }
    void shadowColour()
    {
        QFETCH(QByteArray, picom);
        QFETCH(QByteArray, compton);
        QFETCH(QByteArray, picomAfter);
        QFETCH(QByteArray, comptonAfter);
        QFETCH(QByteArray, message);
        if (!picom.isNull())
            vyrtest::writeFile(configPath(QStringLiteral("picom.conf")), picom);
        if (!compton.isNull())
            vyrtest::writeFile(configPath(QStringLiteral("compton.conf")), compton);
        vyrtest::StderrCapture capture;
        setCompositorShadowColor(QStringLiteral("#5A91BD"));
        const QByteArray err = capture.take();
        QCOMPARE(QFile::exists(configPath(QStringLiteral("picom.conf"))), !picomAfter.isNull());
        QCOMPARE(QFile::exists(configPath(QStringLiteral("compton.conf"))), !comptonAfter.isNull());
        if (!picomAfter.isNull())
            QCOMPARE(vyrtest::readFile(configPath(QStringLiteral("picom.conf"))), picomAfter);
        if (!comptonAfter.isNull())
            QCOMPARE(vyrtest::readFile(configPath(QStringLiteral("compton.conf"))), comptonAfter);
        if (message.isEmpty())
            QCOMPARE(err, QByteArray());
        else
            QCOMPARE(err, message + '\n');
    }

    void shadowColourUnchangedLeavesFileAlone()
    {
        const QString path = configPath(QStringLiteral("picom.conf"));
        vyrtest::writeFile(path, "shadow-color = \"#F34444\";\n");
        const vyrtest::FileState before = vyrtest::fileState(path);
        QVERIFY(setCompositorShadowColor(QStringLiteral("#F34444")));
        QCOMPARE(vyrtest::fileState(path), before);
    }

    void shadowColourOfAnotherTypeBecomesAString()
    {
        const QString path = configPath(QStringLiteral("picom.conf"));
        vyrtest::writeFile(path, "shadow-color = 5;\nshadow = true;\n");
        QVERIFY(setCompositorShadowColor(QStringLiteral("#F34444")));
        const QByteArray text = vyrtest::readFile(path);
        QVERIFY2(text.contains("shadow-color = \"#F34444\";"), text.constData());
        QVERIFY(text.contains("shadow = true;"));
    }
};

VYR_TEST_MAIN(TestSchemePalette)
#include "test_schemepalette.moc"
