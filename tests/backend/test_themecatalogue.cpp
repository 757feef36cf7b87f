// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The Theme page's lists and sizes without a window: icon theme lookup,
// the theme checks, the DPI sizes and the decoration's taskbar colour.
#include "testenv.h"
#include "themefixtures.h"

#include <themecatalogue.h>
#include <vyricontheme.h>

#include <QDir>

namespace {
QString icons()
{
    return vyrtest::sysPath(QStringLiteral("/usr/share/icons"));
}
}

class TestThemeCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        vyrtest::installShippedData();
        QDir(icons()).removeRecursively();
        using vyrtest::FixtureIcon;
        const QList<FixtureIcon> complete = vyrtest::completeIconSet();
        QList<FixtureIcon> noDesktop32 = complete;
        noDesktop32.removeAt(5);
        QVERIFY(vyrtest::writeIconTheme(icons(), QStringLiteral("Complete"), complete));
        QVERIFY(vyrtest::writeIconTheme(icons(), QStringLiteral("noDesktop32"), noDesktop32));
        QVERIFY(vyrtest::writeIconTheme(icons(), QStringLiteral("hicolor"), {{48, "apps", "only-in-hicolor"}}));
        QVERIFY(vyrtest::writeIconTheme(icons(), QStringLiteral("vyr-solva-mobile"), complete));
        // Inherits everything but its own home icon.
        QVERIFY(vyrtest::writeIconTheme(icons(), QStringLiteral("child"), {{32, "places", "user-home"}}, "Complete"));
        QVERIFY(vyrtest::writeCursorTheme(icons(), QStringLiteral("Pointers")));
        QVERIFY(vyrtest::writeCursorTheme(icons(), QStringLiteral("noWatch"),
                                          {QStringLiteral("left_ptr"), QStringLiteral("xterm")}));
    }

    void iconLookup_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("exact");   // getIconPath, relative to the icons directory
        QTest::addColumn<QString>("closest"); // findIcon
        QTest::newRow("fixed size") << "Complete"
                                    << "user-home" << 32 << "Places"
                                    << "Complete/32x32/places/user-home.png"
                                    << "Complete/32x32/places/user-home.png";
        QTest::newRow("context without case") << "Complete" << "user-home" << 48 << "places"
                                              << "Complete/48x48/places/user-home.png"
                                              << "Complete/48x48/places/user-home.png";
        QTest::newRow("other context") << "Complete" << "user-home" << 32 << "Status" << "" << "";
        QTest::newRow("size missing, closest found") << "noDesktop32" << "user-desktop" << 32 << "Places" << ""
                                                     << "noDesktop32/48x48/places/user-desktop.png";
        QTest::newRow("own icon before the inherited") << "child"
                                                       << "user-home" << 32 << ""
                                                       << "child/32x32/places/user-home.png"
                                                       << "child/32x32/places/user-home.png";
        QTest::newRow("inherited theme") << "child" << "user-trash-full" << 48 << "Status"
                                         << "Complete/48x48/status/user-trash-full.png"
                                         << "Complete/48x48/status/user-trash-full.png";
        QTest::newRow("hicolor last") << "Complete"
                                      << "only-in-hicolor" << 48 << ""
                                      << "hicolor/48x48/apps/only-in-hicolor.png"
                                      << "hicolor/48x48/apps/only-in-hicolor.png";
        QTest::newRow("path in the name") << "Complete" << "../Complete/32x32/places/user-home" << 32 << "" << "" << "";
        QTest::newRow("no such theme") << "nowhere" << "user-home" << 32 << "" << "" << "";
    }
    void iconLookup()
    {
        QFETCH(QString, theme);
        QFETCH(QString, icon);
        QFETCH(int, size);
        QFETCH(QString, context);
        QFETCH(QString, exact);
        QFETCH(QString, closest);
        VyrIconTheme loaded(theme);
        QCOMPARE(loaded.load(), theme != QLatin1String("nowhere"));
        const QString prefix = icons() + QLatin1Char('/');
        QCOMPARE(loaded.getIconPath(icon, size, context), exact.isEmpty() ? QString() : prefix + exact);
        QCOMPARE(loaded.findIcon(icon, size, context), closest.isEmpty() ? QString() : prefix + closest);
    }

    void themeNames()
    {
        QCOMPARE(
            VyrIconTheme::getThemesNames(),
            (QStringList{"Complete", "Pointers", "child", "hicolor", "noDesktop32", "noWatch", "vyr-solva-mobile"}));
        QCOMPARE(VyrIconTheme::getCursorThemeNames(), (QStringList{"Pointers", "noWatch"}));
    }

    void dpiSizes_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("desktopIcon");
        QTest::addColumn<int>("taskbarIcon");
        QTest::addColumn<int>("title");
        QTest::addColumn<int>("frame");
        QTest::newRow("no dpi") << 0 << 48 << 31 << 29 << 5;
        QTest::newRow("96") << 96 << 48 << 31 << 29 << 5;
        QTest::newRow("120, where fixed sizes end") << 120 << 48 << 31 << 29 << 5;
        QTest::newRow("121, no step") << 121 << 48 << 31 << 29 << 5;
        QTest::newRow("144") << 144 << 58 << 37 << 35 << 6;
        QTest::newRow("240") << 240 << 96 << 62 << 58 << 10;
    }
    void dpiSizes()
    {
        QFETCH(int, dpi);
        QTEST(VyrIconTheme::GetIconSizeForDPI(dpi, 1), "desktopIcon");
        QTEST(VyrIconTheme::GetIconSizeForDPI(dpi, 0), "taskbarIcon");
        QTEST(VyrIconTheme::GetFrameTitleSizeForDPI(dpi, 29), "title");
        QTEST(VyrIconTheme::GetFrameBorderSizeForDPI(dpi, 5), "frame");
    }

    void cursorSizeList_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("selected");
        QTest::newRow("20 between steps") << 20 << QStringList{"Auto", "16", "20", "24", "32", "48", "64"} << 2;
        QTest::newRow("0 is Auto") << 0 << QStringList{"Auto", "16", "24", "32", "48", "64"} << 0;
        QTest::newRow("a step itself") << 24 << QStringList{"Auto", "16", "24", "32", "48", "64"} << 2;
        QTest::newRow("below 16") << 8 << QStringList{"Auto", "8", "16", "24", "32", "48", "64"} << 1;
        QTest::newRow("above 64") << 96 << QStringList{"Auto", "16", "24", "32", "48", "64", "96"} << 6;
    }
    void cursorSizeList()
    {
        QFETCH(int, current);
        const ThemeCatalogue::CursorSizeList list = ThemeCatalogue::cursorSizeList(current);
        QTEST(list.items, "items");
        QTEST(list.selected, "selected");
    }

    void sizesFor_data()
    {
        QTest::addColumn<QList<int>>("stored"); // taskbar, icon, title, frame
        QTest::addColumn<int>("dpi");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<bool>("autoSize");
        QTest::newRow("all automatic at 96 dpi")
            << QList<int>{-1, -1, -1, -1} << 96 << 1.0 << QList<int>{48, 48, 29, 5} << true;
        QTest::newRow("pixel ratio 2") << QList<int>{-1, -1, -1, -1} << 96 << 2.0 << QList<int>{96, 48, 29, 5} << true;
        QTest::newRow("automatic at 144 dpi")
            << QList<int>{-1, -1, -1, -1} << 144 << 1.0 << QList<int>{54, 58, 35, 6} << true;
        QTest::newRow("stored values kept")
            << QList<int>{60, 32, 30, 3} << 144 << 1.0 << QList<int>{60, 32, 30, 3} << false;
        QTest::newRow("zero means 48 above 120 dpi")
            << QList<int>{0, 0, 30, 3} << 144 << 1.0 << QList<int>{48, 48, 30, 3} << false;
        QTest::newRow("one automatic key")
            << QList<int>{-1, 32, 30, 3} << 96 << 1.0 << QList<int>{48, 32, 30, 3} << false;
    }
    void sizesFor()
    {
        QFETCH(QList<int>, stored);
        QFETCH(int, dpi);
        QFETCH(qreal, ratio);
        const ThemeCatalogue::Sizes sizes
            = ThemeCatalogue::sizesFor(stored[0], stored[1], stored[2], stored[3], dpi, ratio);
        QTEST((QList<int>{sizes.taskbar, sizes.icon, sizes.title, sizes.frame}), "shown");
        QTEST(sizes.autoSize, "autoSize");
    }

    void scanChecksEveryTheme()
    {
        ThemeCatalogue::ScanRequest request;
        request.cursorsSupported = true;
        request.cursorSize = 24;
        request.currentCursorTheme = QStringLiteral("default");
        request.iconSize = QSize(96, 32);
        const ThemeCatalogue::ScanResult result = ThemeCatalogue::scan(request);
        // "default" has no cursors here; noWatch lacks a shape.
        QCOMPARE(result.cursorThemes, QStringList{"Pointers"});
        QCOMPARE(result.cursorPreviews.front().size(), QSize(96, 32));
        // child inherits what it lacks; hicolor and the mobile theme are never offered.
        QCOMPARE(result.iconThemes, (QStringList{"child", "Complete"}));
        QCOMPARE(result.diagnostics,
                 (QStringList{"vyr-admin-theme: noDesktop32 is not full, no preferences-system-time,\n"
                              "                 user-home(ok), user-trash(ok), user-desktop(!) icons)\n",
                              "vyr-admin-theme: noWatch is not full, no preferences-system-time,\n"
                              "                 user-home(!), user-trash(!), user-desktop(!) icons)\n",
                              "vyr-admin-theme: Pointers is not full, no preferences-system-time,\n"
                              "                 user-home(!), user-trash(!), user-desktop(!) icons)\n"}));
        QCOMPARE(ThemeCatalogue::decorationThemeNames(), QStringList{"Slate"});
        const ThemeCatalogue::DecorThemeCheck slate = ThemeCatalogue::checkDecorTheme(QStringLiteral("Slate"), QSize(96, 32));
        QVERIFY(slate.ok);
        QCOMPARE(slate.preview.size(), QSize(96, 32));
    }

    void decorationWithoutAnImageIsDropped()
    {
        const QString theme = vyrtest::sysPath(QStringLiteral("/usr/share/vyr/decor/Broken"));
        QVERIFY(QDir().mkpath(theme));
        for (const QString &file :
             QDir(vyrtest::sysPath(QStringLiteral("/usr/share/vyr/decor/Slate"))).entryList(QDir::Files))
            QVERIFY(QFile::copy(vyrtest::sysPath(QStringLiteral("/usr/share/vyr/decor/Slate/")) + file,
                                theme + '/' + file));
        QVERIFY(QFile::remove(theme + QStringLiteral("/closeA.xpm")));
        QCOMPARE(ThemeCatalogue::decorationThemeNames(), (QStringList{"Broken", "Slate"}));
        QVERIFY(!ThemeCatalogue::checkDecorTheme(QStringLiteral("Broken"), QSize(96, 32)).ok);
        QVERIFY(QDir(theme).removeRecursively());
    }

    void taskbarColour_data()
    {
        QTest::addColumn<QByteArray>("themerc");
        QTest::addColumn<QString>("expected");
        // The centre pixel of the shipped taskbarbg.xpm ("s c #2e3b4e").
        QTest::newRow("decoration theme") << QByteArray("[Variables]\nDecorTheme=Slate\n") << "#2e3b4e";
        QTest::newRow("keys without case") << QByteArray("[variables]\ndecortheme=Slate\n") << "#2e3b4e";
        QTest::newRow("theme not installed") << QByteArray("[Variables]\nDecorTheme=Gone\n") << "";
        QTest::newRow("no escape from the directory") << QByteArray("[Variables]\nDecorTheme=../decor/Slate\n") << "";
        QTest::newRow("colour of its own") << QByteArray("[Variables]\nTaskbarColor=#112233\n") << "#112233";
        QTest::newRow("Qt's window colour") << QByteArray("[Variables]\nTaskbarColor=qt\n") << "#efefef";
        QTest::newRow("palette variable") << QByteArray("[Variables]\nTaskbarColor=PrimaryDarkColor\n") << "";
    }
    void taskbarColour()
    {
        QFETCH(QByteArray, themerc);
        const QString file = vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc");
        QVERIFY(vyrtest::writeFile(file, themerc));
        QTEST(ThemeCatalogue::decorationTaskbarColour(file, QStringLiteral("#efefef")), "expected");
    }
};

VYR_TEST_GUILESS_MAIN(TestThemeCatalogue)
#include "test_themecatalogue.moc"
