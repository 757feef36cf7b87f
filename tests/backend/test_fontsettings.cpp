// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fcsandbox.h"
#include "privatexserver.h"
#include "testenv.h"

#include <fontsettings.h>
#include <vyrxresources.h>

#include <QFile>
#include <QSettings>

#include <memory>

using FontSettings::FontSpec;

namespace {
using Values = QMap<QString, QString>;

std::unique_ptr<QSettings> settingsWith(const Values &values)
{
    const QString path = vyrtest::home() + QStringLiteral("/.config/vyr-admin-theme.conf");
    QFile::remove(path);
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    for (auto it = values.begin(); it != values.end(); ++it)
        settings->setValue(it.key(), it.value());
    return settings;
}
}

class TestFontSettings : public QObject
{
    Q_OBJECT
private:
    PrivateXServer m_server;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(fcsandbox::setUp(), "needs fonts-dejavu-core and fonts-inconsolata (scripts/install-deps.sh)");
        QVERIFY2(m_server.start(), "cannot start Xvfb");
    }
    void init() { vyrtest::resetHome(); }

    void fontValue_data()
    {
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("stored");
        QTest::newRow("10.5 pt") << 10.5 << 50 << false << "PT Solva Fact-10.5:normal";
        QTest::newRow("10 pt") << 10.0 << 50 << false << "PT Solva Fact-10:normal";
        QTest::newRow("weight 57 is normal") << 9.0 << 57 << false << "PT Solva Fact-9:normal";
        QTest::newRow("weight 58 is bold") << 9.0 << 58 << false << "PT Solva Fact-9:bold";
        QTest::newRow("bold italic") << 16.0 << 75 << true << "PT Solva Fact-16:bold:italic";
        QTest::newRow("six significant digits") << 10.123456789 << 50 << false << "PT Solva Fact-10.1235:normal";
        QTest::newRow("large whole size") << 1000000.0 << 50 << false << "PT Solva Fact-1000000:normal";
    }
    void fontValue()
    {
        QFETCH(double, size);
        QFETCH(int, weight);
        QFETCH(bool, italic);
        QFETCH(QString, stored);
        QCOMPARE(FontSettings::fontValue(FontSpec{QStringLiteral("PT Solva Fact"), size, weight, italic}), stored);
    }

    void parseFontValue_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("italic");
        QTest::newRow("fractional") << "PT Solva Fact-10.5:normal" << true << "PT Solva Fact" << 10.5 << 50 << false;
        QTest::newRow("bold italic") << "DejaVu Sans-16:bold:italic" << true << "DejaVu Sans" << 16.0 << 75 << true;
        QTest::newRow("dash in family")
            << "Noto Sans-Mono-12:normal" << true << "Noto Sans-Mono" << 12.0 << 50 << false;
        QTest::newRow("no properties") << "Sans-9" << true << "Sans" << 9.0 << 50 << false;
        QTest::newRow("other fontconfig property ignored")
            << "Sans-9:weight=200:bold" << true << "Sans" << 9.0 << 75 << false;
        QTest::newRow("empty") << "" << false << "" << 0.0 << 0 << false;
        QTest::newRow("no size") << "Sans:bold" << false << "" << 0.0 << 0 << false;
        QTest::newRow("size not a number") << "Sans-big:normal" << false << "" << 0.0 << 0 << false;
        QTest::newRow("zero size") << "Sans-0:normal" << false << "" << 0.0 << 0 << false;
        QTest::newRow("no family") << "-10:normal" << false << "" << 0.0 << 0 << false;
    }
    void parseFontValue()
    {
        QFETCH(QString, stored);
        QFETCH(bool, valid);
        const std::optional<FontSpec> font = FontSettings::parseFontValue(stored);
        QCOMPARE(font.has_value(), valid);
        if (!valid)
            return;
        QFETCH(QString, family);
        QFETCH(double, size);
        QFETCH(int, weight);
        QFETCH(bool, italic);
        QCOMPARE(font->family, family);
        QCOMPARE(font->pointSize, size);
        QCOMPARE(font->weight, weight);
        QCOMPARE(font->italic, italic);
    }

    void adjustedFont_data()
    {
        QTest::addColumn<int>("diff");
        QTest::addColumn<bool>("fixedOnly");
        QTest::addColumn<QString>("result");
        // Current: "Old-9:bold"; chosen: "New-12", weight 57, italic, not fixed-pitch.
        QTest::newRow("size only") << int(FontSettings::DiffSize) << false << "Old-12:bold";
        QTest::newRow("family only") << int(FontSettings::DiffFamily) << false << "New-9:bold";
        QTest::newRow("family kept for a fixed-pitch entry") << int(FontSettings::DiffFamily) << true << "Old-9:bold";
        QTest::newRow("style: 57 becomes normal, italic taken")
            << int(FontSettings::DiffStyle) << false << "Old-9:normal:italic";
        QTest::newRow("all") << int(FontSettings::DiffFamily | FontSettings::DiffStyle | FontSettings::DiffSize)
                             << false << "New-12:normal:italic";
    }
    void adjustedFont()
    {
        QFETCH(int, diff);
        QFETCH(bool, fixedOnly);
        QFETCH(QString, result);
        const FontSpec current{QStringLiteral("Old"), 9, 75, false};
        const FontSpec chosen{QStringLiteral("New"), 12, 57, true};
        QCOMPARE(FontSettings::fontValue(FontSettings::adjustedFont(current, chosen, diff, fixedOnly, false)), result);
    }

    void cyrillicCheckWanted_data()
    {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<bool>("wanted");
        QTest::newRow("unset") << false << "" << true;
        QTest::newRow("de_DE.UTF-8") << true << "de_DE.UTF-8" << false;
        QTest::newRow("ru_RU.UTF-8") << true << "ru_RU.UTF-8" << true;
        QTest::newRow("upper case RU") << true << "RU" << true;
        QTest::newRow("set but empty") << true << "" << false;
    }
    void cyrillicCheckWanted()
    {
        QFETCH(bool, set);
        QFETCH(QString, lang);
        QFETCH(bool, wanted);
        QCOMPARE(FontSettings::cyrillicCheckWanted(set, lang), wanted);
    }

    void familyHasCyrillic_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("cyrillic");
        QTest::newRow("DejaVu Sans") << "DejaVu Sans" << true;
        QTest::newRow("second name of a family") << "DejaVu Sans Condensed" << true;
        QTest::newRow("Inconsolata (Latin only)") << "Inconsolata" << false;
        QTest::newRow("not installed") << "No Such Family" << false;
    }
    void familyHasCyrillic()
    {
        QFETCH(QString, family);
        QFETCH(bool, cyrillic);
        QCOMPARE(FontSettings::familyHasCyrillic(family), cyrillic);
    }

    void xftSettingsCommand_data()
    {
        QTest::addColumn<Values>("settings");
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("nothing stored")
            << Values() << QByteArray("VYRWM_UPDATE_VAL XftSettings 96.0 unknown rgb full\n");
        QTest::newRow("enabled, forced 120")
            << Values{{"useAASettings", "enabled"}, {"forceFontDPI", "120"}, {"XftAntialias", "true"},
                      {"XftSubPixel", "vbgr"}, {"XftHintStyle", "hintslight"}}
            << QByteArray("VYRWM_UPDATE_VAL XftSettings 120 unknown vbgr hintslight\n");
        QTest::newRow("disabled, no sub-pixel")
            << Values{{"useAASettings", "disabled"}, {"forceFontDPI", "0"}, {"XftAntialias", "false"},
                      {"XftSubPixel", ""}, {"XftHintStyle", "hintnone"}}
            << QByteArray("VYRWM_UPDATE_VAL XftSettings 96.0 false none hintnone\n");
        QTest::newRow("unknown mode counts as system")
            << Values{{"useAASettings", "sometimes"}, {"XftAntialias", "false"}}
            << QByteArray("VYRWM_UPDATE_VAL XftSettings 96.0 unknown rgb full\n");
        QTest::newRow("a second command cannot be smuggled in")
            << Values{{"useAASettings", "disabled"}, {"XftAntialias", "true\nVYRWM_QUIT"},
                      {"XftHintStyle", "full VYRWM_QUIT"}, {"forceFontDPI", "12 0"}}
            << QByteArray("VYRWM_UPDATE_VAL XftSettings 96.0 false rgb full\n");
    }
    void xftSettingsCommand()
    {
        QFETCH(Values, settings);
        QFETCH(QByteArray, command);
        QCOMPARE(FontSettings::xftSettingsCommand(*settingsWith(settings)), command);
    }

    void xftResourceLines_data()
    {
        QTest::addColumn<Values>("settings");
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("defaults") << Values()
                                  << QByteArray("Xft.antialias: 1\nXft.hinting: 1\nXft.hintstyle: hintmedium\n");
        QTest::newRow("all set") << Values{{"XftAntialias", "false"}, {"XftHintStyle", "hintnone"},
                                           {"XftSubPixel", "bgr"}, {"forceFontDPI", "144"}}
                                 << QByteArray("Xft.antialias: 0\nXft.hinting: 0\nXft.hintstyle: hintnone\n"
                                               "Xft.rgba: bgr\nXft.dpi: 144\n");
        QTest::newRow("empty hint style") << Values{{"XftHintStyle", ""}}
                                          << QByteArray("Xft.antialias: 1\nXft.hinting: -1\n");
        QTest::newRow("no resource smuggled in")
            << Values{{"XftSubPixel", "rgb\nXTerm*fg: red"}}
            << QByteArray("Xft.antialias: 1\nXft.hinting: 1\nXft.hintstyle: hintmedium\n");
    }
    void xftResourceLines()
    {
        QFETCH(Values, settings);
        QFETCH(QByteArray, lines);
        QCOMPARE(FontSettings::xftResourceLines(*settingsWith(settings)), lines);
    }

    void forcedDpiReachesServerAndFile()
    {
        // Given a resources file of the user's and "Enabled + RGB + slight".
        const QString resources = vyrtest::home() + QStringLiteral("/.Xresources");
        const QByteArray mine = "! mine\nXTerm*faceName: Mono\n";
        QVERIFY(vyrtest::writeFile(resources, mine));
        auto settings = settingsWith({{"useAASettings", "enabled"}});
        FontSettings::AAOptions options;
        options.useSubPixel = true;
        KXftConfig config;
        FontSettings::storeAAOptions(options, true, 96, config, *settings);

        // When a DPI of 120 is saved and pushed.
        bool ok = false;
        QString error;
        QCOMPARE(FontSettings::saveForcedDpi(*settings, 120, true, 0, resources, &ok, &error), 120);
        QVERIFY2(ok, qPrintable(error));
        QVERIFY2(FontSettings::pushXResources(vyrtest::home(), *settings, &error), qPrintable(error));

        // Then the server and the file have it.
        QByteArray server = vyrXrdbQuery();
        for (const char *line : {"Xft.dpi:\t120\n", "Xft.antialias:\t1\n", "Xft.hinting:\t1\n",
                                 "Xft.hintstyle:\thintslight\n", "Xft.rgba:\trgb\n", "XTerm*faceName:\tMono\n"})
            QVERIFY2(server.contains(line), server.constData());
        QCOMPARE(vyrtest::readFile(resources), mine + "Xft.dpi: 120\n");
        QCOMPARE(settings->value("forceFontDPI").toInt(), 120);

        // DPI 0 after 120 takes it away again.
        QCOMPARE(FontSettings::saveForcedDpi(*settings, 0, true, 120, resources, &ok, &error), 0);
        QVERIFY2(ok, qPrintable(error));
        QVERIFY(FontSettings::pushXResources(vyrtest::home(), *settings, &error));
        server = vyrXrdbQuery();
        QVERIFY2(!server.contains("Xft.dpi"), server.constData());
        QVERIFY(server.contains("Xft.antialias:\t1\n"));
        QCOMPARE(vyrtest::readFile(resources), mine);
    }

    void forcedDpiStored_data()
    {
        QTest::addColumn<int>("spin");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("in range") << 67 << true << QVariant(67);
        QTest::newRow("above 500 is not forced") << 501 << true << QVariant(0);
        QTest::newRow("below 67 is not forced") << 66 << true << QVariant(0);
        QTest::newRow("hidden control removes the key") << 120 << false << QVariant();
    }
    void forcedDpiStored()
    {
        QFETCH(int, spin);
        QFETCH(bool, shown);
        QFETCH(QVariant, stored);
        auto settings = settingsWith({{"forceFontDPI", "96"}});
        FontSettings::saveForcedDpi(*settings, spin, shown, spin, vyrtest::home() + QStringLiteral("/.Xresources"));
        QCOMPARE(settings->value("forceFontDPI").isValid(), stored.isValid());
        if (stored.isValid())
            QCOMPARE(settings->value("forceFontDPI").toInt(), stored.toInt());
    }

    void systemSettingsRemovesUserFiles()
    {
        const QStringList files{vyrtest::home() + QStringLiteral("/.fonts.conf"), fcsandbox::userFile()};
        for (const QString &file : files)
            QVERIFY(vyrtest::writeFile(file, "<fontconfig/>"));
        QCOMPARE(FontSettings::userFontconfigFiles(), files);
        QVERIFY(FontSettings::removeUserFontconfigFiles());
        for (const QString &file : files)
            QVERIFY(!QFile::exists(file));
        QVERIFY(FontSettings::removeUserFontconfigFiles()); // nothing left is no failure
    }
};

VYR_TEST_GUILESS_MAIN(TestFontSettings)
#include "test_fontsettings.moc"
