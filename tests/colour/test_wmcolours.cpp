// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <distribution.h>
#include <session.h>
#include <themesettings.h>
#include <wmcolours.h>

#include <QFileInfo>

#include <memory>

namespace {
QString schemeDir()
{
    return vyrtest::home() + QStringLiteral("/.local/share/color-schemes");
}

QString writeScheme(const QString &name, const QByteArray &text)
{
    const QString path = schemeDir() + QLatin1Char('/') + name;
    vyrtest::writeFile(path, text);
    return path;
}

QString themePath()
{
    return vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc");
}

QString palettePath()
{
    return vyrtest::home() + QStringLiteral("/.vyr/paletterc");
}

const QByteArray s_fullWm = "[WM]\n"
                            "activeWindowHeader=#3a6ea5\n"
                            "activeWindowFrame=255,0,0\n"
                            "inactiveWindowHeader=240,240,240\n"
                            "inactiveWindowFrame=#c0c0c0\n"
                            "taskbarBackground=20,30,40\n"
                            "taskbarBackgroundHover=#a6caf0\n"
                            "buttonOutlineHover=1,2,3\n"
                            "lineSeparator=4,5,6\n";
}

/// The keys of a themerc file, read as plain text.
static QStringList keysOf(const QString &path)
{
    QStringList result;
    const QList<QByteArray> lines = vyrtest::readFile(path).split('\n');
    for (const QByteArray &line : lines) {
        const int eq = line.indexOf('=');
        if (eq > 0 && !line.startsWith('#'))
            result << QString::fromLatin1(line.left(eq));
    }
    return result;
}

class TestWmColours : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        vyrtest::resetHome();
        sessionFlags().distributionSchemesPresent = false;
        sessionFlags().highIntegritySession = false;
    }

    void roleValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("name");
        QTest::newRow("comma form") << "255,0,0" << true << "#ff0000";
        QTest::newRow("256 is out of range") << "256,0,0" << false << "#000000";
        QTest::newRow("negative") << "0,-1,0" << false << "#000000";
        QTest::newRow("hash form kept") << "#3a6ea5" << true << "#3a6ea5";
        QTest::newRow("upper-case hash") << "#3A6EA5" << true << "#3a6ea5";
        QTest::newRow("blanks around numbers") << " 10 , 20 , 30 " << true << "#0a141e";
        QTest::newRow("unparsable number is 0") << "x,16,32" << true << "#001020";
        QTest::newRow("two parts") << "12,34" << false << "#000000";
        QTest::newRow("four parts") << "1,2,3,4" << false << "#000000";
        QTest::newRow("bad hash") << "#zz" << false << "#000000";
        QTest::newRow("colour word") << "red" << false << "#000000";
        QTest::newRow("empty") << "" << false << "#000000";
    }
    void roleValues()
    {
        QFETCH(QString, value);
        QFETCH(bool, valid);
        QFETCH(QString, name);
        const QColor colour = parseWmRoleColour(value);
        QCOMPARE(colour.isValid(), valid);
        QCOMPARE(colour.name(), name);
    }

    void carriesWmColours_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<bool>("expected");
        QTest::newRow("shipped name, file missing") << "SolvaDark.colors" << QByteArray() << true;
        QTest::newRow("shipped light name, empty file") << "SolvaLight.colors" << QByteArray("") << true;
        QTest::newRow("shipped admin name") << "SolvaVanteraAdmin.colors" << QByteArray() << true;
        QTest::newRow("name differs in case") << "solvadark.colors" << QByteArray() << false;
        QTest::newRow("all eight roles") << "Full.colors" << s_fullWm << true;
        QByteArray noSeparator = s_fullWm;
        noSeparator.replace("lineSeparator=4,5,6\n", "");
        QTest::newRow("lineSeparator missing") << "NoSep.colors" << noSeparator << false;
        QByteArray emptyRole = s_fullWm;
        emptyRole.replace("activeWindowFrame=255,0,0", "activeWindowFrame=");
        QTest::newRow("one role empty") << "Empty.colors" << emptyRole << false;
        QTest::newRow("missing file") << "Missing.colors" << QByteArray() << false;
        QTest::newRow("empty file") << "Nothing.colors" << QByteArray("") << false;
        QTest::newRow("binary file") << "Binary.colors" << QByteArray("\x00\x01\xff[WM\x00]=\n\x7f", 11) << false;
        QTest::newRow("other group") << "Other.colors" << QByteArray(s_fullWm).replace("[WM]", "[Colors:WM]") << false;
    }
    void carriesWmColours()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(bool, expected);
        const QString path = schemeDir() + QLatin1Char('/') + fileName;
        if (!content.isNull())
            writeScheme(fileName, content);
        QCOMPARE(hasWmColours(path), expected);
    }

    void schemeMapping_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        // activeWindowHeader #3a6ea5 (dark), activeWindowFrame 255,0,0,
        // inactiveWindowHeader 240,240,240 (light), inactiveWindowFrame #c0c0c0,
        // taskbarBackground 20,30,40 (dark), taskbarBackgroundHover #a6caf0 (light).
        const char *const rows[][2] = {
            {"TitlebarColor", "#f0f0f0"},          {"TitlebarColor2", "#f0f0f0"},
            {"FrameColor", "#f0f0f0"},             {"TitleStringColor", "#000000"},
            {"TitlebarActiveColor", "#3a6ea5"},    {"TitlebarActiveColor2", "#3a6ea5"},
            {"FrameActiveColor", "#3a6ea5"},       {"TitleStringActiveColor", "#FFFFFF"},
            {"DialogColor", "#141e28"},            {"DialogStringColor", "#FFFFFF"},
            {"FrameActiveOutlineColor", "#ff0000"}, {"FrameOutlineColor", "#c0c0c0"},
            {"TaskbarColor", "#141e28"},           {"TaskbarStringColor", "#FFFFFF"},
            {"TaskbarStringActiveColor", "#000000"}, {"ClockStringColor", "#FFFFFF"},
            {"PagerColor", "#141e28"},             {"PagerColor2", "#141e28"},
            {"PagerActiveColor", "#a6caf0"},       {"MiniatureColor", "#FFFFFF"},
            {"MenuColor", "#141e28"},              {"MenuColor2", "#141e28"},
            {"MenuActiveColor", "#a6caf0"},        {"MenuStringColor", "#FFFFFF"},
            {"MenuStringActiveColor", "#000000"},  {"ButtonColor", "#a6caf0"},
            {"ButtonStringColor", "#000000"},      {"ButtonActiveColor", "#a6caf0"},
            {"ButtonStringActiveColor", "#000000"}, {"IconActiveColor", "#a6caf0"},
            {"IconStringActiveColor", "#000000"},  {"IconStringColor", "white"},
            {"IconForeColor", "#FFFFFF"},          {"IconBackColor", "#141e28"},
            {"SwitcherColor", "#141e28"},          {"SwitcherActiveColor", "KeepMe"},
            {"SwitcherStringColor", "#FFFFFF"},    {"SwitcherStringActiveColor", "#000000"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
    }
    void schemeMapping()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        vyrtest::writeFile(themePath(), "[Variables]\nSwitcherActiveColor=KeepMe\n");
        vyrtest::writeFile(palettePath(), "[Variables]\nPrimaryColor=#000001\n");
        const QString scheme = writeScheme(QStringLiteral("Mapped.colors"), s_fullWm);
        {
            ThemeSettings theme(themePath());
            ThemeSettings palette(palettePath());
            QVERIFY(applySchemeWmColours(scheme, &theme, &palette));
        }
        const ThemeSettings reread(themePath());
        QCOMPARE(reread.value(key, QStringLiteral("absent")).toString(), value);
        const ThemeSettings palette(palettePath());
        QCOMPARE(palette.value(QStringLiteral("PrimaryColor")).toString(), QStringLiteral("#3a6ea5"));
        QCOMPARE(palette.value(QStringLiteral("BackgroundColor")).toString(), QStringLiteral("#141e28"));
    }

    void schemeMappingWritesOnlyWhatItOwns()
    {
        vyrtest::writeFile(themePath(), "# mine\n[Variables]\nWallPaper=/x.jpg\n");
        const QString scheme = writeScheme(QStringLiteral("Mapped.colors"), s_fullWm);
        {
            ThemeSettings theme(themePath());
            QVERIFY(applySchemeWmColours(scheme, &theme, nullptr));
        }
        const QStringList keys = keysOf(themePath());
        QCOMPARE(keys.size(), 1 + 37);
        QVERIFY(!keys.contains(QStringLiteral("SwitcherActiveColor")));
        QVERIFY(vyrtest::readFile(themePath()).startsWith("# mine\n"));
        QVERIFY(!QFile::exists(palettePath()));
    }

    void invalidRolesGiveBlack()
    {
        vyrtest::writeFile(themePath(), "[Variables]\n");
        QByteArray text = s_fullWm;
        text.replace("activeWindowHeader=#3a6ea5", "activeWindowHeader=12,34");
        text.replace("taskbarBackground=20,30,40", "taskbarBackground=#zz");
        const QString scheme = writeScheme(QStringLiteral("Bad.colors"), text);
        {
            ThemeSettings theme(themePath());
            QVERIFY(applySchemeWmColours(scheme, &theme, nullptr));
        }
        const ThemeSettings theme(themePath());
        QCOMPARE(theme.value(QStringLiteral("TitlebarActiveColor")).toString(), QStringLiteral("#000000"));
        QCOMPARE(theme.value(QStringLiteral("TitleStringActiveColor")).toString(), QStringLiteral("#FFFFFF"));
        QCOMPARE(theme.value(QStringLiteral("TaskbarColor")).toString(), QStringLiteral("#000000"));
    }

    void paletteDefaults_data()
    {
        QTest::addColumn<bool>("distribution");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("stored"); // "absent": equal to the default, not written
        QTest::newRow("distribution default not written") << true << "#5a91bd" << "absent";
        QTest::newRow("distribution colour on a plain system") << false << "#5a91bd" << "#5a91bd";
        QTest::newRow("plain default not written") << false << "#5682a3" << "absent";
    }
    void paletteDefaults()
    {
        QFETCH(bool, distribution);
        QFETCH(QString, header);
        QFETCH(QString, stored);
        sessionFlags().distributionSchemesPresent = distribution;
        QCOMPARE(Distribution::defaultPrimaryColour(sessionFlags()), distribution ? QStringLiteral("#5a91bd") : QStringLiteral("#5682a3"));
        vyrtest::writeFile(themePath(), "[Variables]\n");
        vyrtest::writeFile(palettePath(), "[Variables]\n");
        const QString scheme = writeScheme(QStringLiteral("Header.colors"),
                                           QByteArray(s_fullWm).replace("#3a6ea5", header.toLatin1()));
        {
            ThemeSettings theme(themePath());
            ThemeSettings palette(palettePath());
            applySchemeWmColours(scheme, &theme, &palette);
        }
        const ThemeSettings palette(palettePath());
        QCOMPARE(palette.value(QStringLiteral("PrimaryColor"), QStringLiteral("absent")).toString(), stored);
    }

    void linkToPalette_data()
    {
        QTest::addColumn<bool>("withMenu");
        QTest::addColumn<QByteArray>("initial");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected"); // "absent": not in the file
        QTest::newRow("absent key stays absent") << true << QByteArray("[Variables]\n") << "TitlebarColor" << "absent";
        QTest::newRow("colour replaced by variable")
            << true << QByteArray("[Variables]\nTitlebarColor=#123456\n") << "TitlebarColor" << "BackgroundColor";
        QTest::newRow("menu key linked when asked")
            << true << QByteArray("[Variables]\nMenuColor=#123456\n") << "MenuColor" << "PrimaryDarkColor";
        QTest::newRow("menu key kept otherwise")
            << false << QByteArray("[Variables]\nMenuStringActiveColor=#123456\n") << "MenuStringActiveColor"
            << "#123456";
        QTest::newRow("switcher active linked")
            << false << QByteArray("[Variables]\nSwitcherActiveColor=#123456\n") << "SwitcherActiveColor"
            << "PrimaryColor";
        QTest::newRow("icon string linked")
            << false << QByteArray("[Variables]\nIconStringColor=white\n") << "IconStringColor" << "PrimaryTextColor";
    }
    void linkToPalette()
    {
        QFETCH(bool, withMenu);
        QFETCH(QByteArray, initial);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        vyrtest::writeFile(themePath(), initial);
        {
            ThemeSettings theme(themePath());
            QVERIFY(linkWmColoursToPalette(&theme, withMenu));
        }
        const ThemeSettings theme(themePath());
        QCOMPARE(theme.value(key, QStringLiteral("absent")).toString(), expected);
    }

    void linkWithoutChangesLeavesFileAlone()
    {
        vyrtest::writeFile(themePath(), "[Variables]\nTitlebarColor=BackgroundColor\n");
        const vyrtest::FileState before = vyrtest::fileState(themePath());
        {
            ThemeSettings theme(themePath());
            QVERIFY(linkWmColoursToPalette(&theme, true));
        }
        QCOMPARE(vyrtest::fileState(themePath()), before);
    }

    void tables()
    {
        QCOMPARE(wmColourKeys().size(), 38);
        QCOMPARE(paletteVariables().size(), 8);
        int menu = 0;
        for (const WmColourKey &key : wmColourKeys()) {
            QVERIFY2(paletteVariables().contains(QLatin1String(key.paletteVariable)), key.key);
            menu += key.menuKey;
        }
        QCOMPARE(menu, 5);
    }

    void accent_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QByteArray>("palette"); // null: no palette store
        QTest::addColumn<QString>("expected");
        QTest::newRow("given colour wins") << "#112233" << QByteArray("[Variables]\nPrimaryColor=#445566\n") << "#112233";
        QTest::newRow("no store") << "" << QByteArray() << "";
        QTest::newRow("scheme with WM colours: background")
            << "" << QByteArray("[Variables]\nColorScheme=/usr/share/color-schemes/SolvaDark.colors\n"
                                "PrimaryColor=#445566\nBackgroundColor=#778899\n")
            << "#778899";
        QTest::newRow("other scheme: primary")
            << "" << QByteArray("[Variables]\nColorScheme=/x/Other.colors\nPrimaryColor=#445566\n") << "#445566";
        QTest::newRow("defaults") << "" << QByteArray("[Variables]\n") << "#039be5";
    }
    void accent()
    {
        QFETCH(QString, current);
        QFETCH(QByteArray, palette);
        QFETCH(QString, expected);
        std::unique_ptr<ThemeSettings> store;
        if (!palette.isNull()) {
            vyrtest::writeFile(palettePath(), palette);
            store = std::make_unique<ThemeSettings>(palettePath());
        }
        QCOMPARE(accentColour(current, store.get()), expected);
    }

    void darkCompanion_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("expected");
        // Worked out by hand in HSL: the darker shade keeps hue and
        // saturation at 0.7 times the lightness; a colour it cannot change
        // falls back to 0.75 L (white) or L + 0.166 (1 - L) (black).
        QTest::newRow("white cannot be lightened: L 1 to 0.75") << "#ffffff" << "#bfbfbf";
        QTest::newRow("black cannot be darkened: L 0 to 0.166") << "#000000" << "#2a2a2a";
        QTest::newRow("darker shade rounds back to the colour") << "#010101" << "#2b2b2b";
        QTest::newRow("blue: L 0.508 to 0.355") << "#1e88e5" << "#135fa3";
        QTest::newRow("purple: L 0.404 to 0.283") << "#8e24aa" << "#631977";
        QTest::newRow("grey keeps no hue") << "#d4d4d4" << "#949494";
    }
    void darkCompanion()
    {
        QFETCH(QString, colour);
        QFETCH(QString, expected);
        QCOMPARE(primaryDarkColour(colour), expected);
        QVERIFY(primaryDarkColour(colour) != colour);
    }

    void desktopColour_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("theme");
        QTest::addColumn<QString>("expected");
        const QByteArray none("[Variables]\n");
        QTest::newRow("hash value is the colour") << "#3A6EA5" << none << "#3a6ea5";
        QTest::newRow("default blue") << "/some/picture.jpg" << none << "#0000ff";
        QTest::newRow("legacy grey") << "" << QByteArray("[Variables]\nDesktopColor=qvgrey\n") << "#c0c0c0";
        QTest::newRow("legacy light gray spelt lightray")
            << "" << QByteArray("[Variables]\nDesktopColor=qvlightray\n") << "#dfdfdf";
        QTest::newRow("unknown legacy name") << "" << QByteArray("[Variables]\nDesktopColor=qvpurple\n") << "#000000";
        QTest::newRow("palette background")
            << "" << QByteArray("[Variables]\nDesktopColor=BackgroundColor\n") << "#bfbfbf";
        QTest::newRow("colour name") << "" << QByteArray("[Variables]\nDesktopColor=red\n") << "#ff0000";
    }
    void desktopColour()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, theme);
        QFETCH(QString, expected);
        vyrtest::writeFile(themePath(), theme);
        vyrtest::writeFile(palettePath(), "[Variables]\nBackgroundColor=#ffffff\n");
        ThemeSettings themeStore(themePath());
        ThemeSettings palette(palettePath());
        QCOMPARE(resolveDesktopColour(value, &themeStore, &palette), expected);
    }

    void systemSchemePaths_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("opened");
        QTest::newRow("shipped scheme below the system root")
            << "/usr/share/color-schemes/SolvaDark.colors"
            << vyrtest::sysPath(QStringLiteral("/usr/share/color-schemes/SolvaDark.colors"));
        QTest::newRow("already below the root") << vyrtest::sysPath(QStringLiteral("/usr/share/x.colors"))
                                                << vyrtest::sysPath(QStringLiteral("/usr/share/x.colors"));
        QTest::newRow("user scheme as it is") << vyrtest::home() + QStringLiteral("/a.colors")
                                              << vyrtest::home() + QStringLiteral("/a.colors");
        QTest::newRow("relative") << "a.colors" << "a.colors";
    }
    void systemSchemePaths()
    {
        QFETCH(QString, stored);
        QFETCH(QString, opened);
        QCOMPARE(schemeFilePath(stored), opened);
    }

};

VYR_TEST_MAIN(TestWmColours)
#include "test_wmcolours.moc"
