// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The window's own theme icons (themeIcon()) must draw exactly what Qt's
// theme icons draw: the same file for each size, drawn the same way. Each
// file of the fixture themes is a square of its own colour, so a picture
// names the file it came from.
#include "testenv.h"

#include <themeicon.h>
#include <vyricontheme.h>

#include <QIcon>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QProxyStyle>
#include <QStandardPaths>
#include <QStyle>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>

namespace {
QString icons()
{
    return vyrtest::sysPath(QStringLiteral("/usr/share/icons"));
}

bool writeSvg(const QString &path, const char *colour)
{
    return vyrtest::writeFile(path, QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\">"
                                               "<rect x=\"2\" y=\"2\" width=\"12\" height=\"12\" fill=\"")
                                  + colour + "\"/></svg>\n");
}

bool writePng(const QString &path, const char *colour)
{
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(QColor(QLatin1String(colour)));
    return vyrtest::writeFile(path, QByteArray()) && image.save(path);
}

/// Theme @p name with @p groups ("[dir]" sections) and @p files
/// ("dir/icon.ext" = colour).
bool writeTheme(const QString &name, const QByteArray &head, const QByteArray &groups,
                const QList<std::pair<const char *, const char *>> &files)
{
    const QString dir = icons() + QLatin1Char('/') + name;
    if (!vyrtest::writeFile(dir + QStringLiteral("/index.theme"), "[Icon Theme]\nName=" + name.toUtf8() + "\n" + head + groups))
        return false;
    for (const auto &file : files) {
        const QString path = dir + QLatin1Char('/') + QLatin1String(file.first);
        if (!(path.endsWith(QLatin1String(".svg")) ? writeSvg(path, file.second) : writePng(path, file.second)))
            return false;
    }
    return true;
}

QImage picture(const QIcon &icon, int size, QIcon::Mode mode)
{
    return icon.pixmap(size, mode).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QList<int> sides(const QIcon &icon)
{
    QList<int> out;
    for (const QSize &size : icon.availableSizes())
        out << size.width();
    std::sort(out.begin(), out.end());
    return out;
}
}

class TestThemeIcon : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        const QByteArray fixed = "[16]\nSize=16\nType=Fixed\n[32]\nSize=32\nType=Fixed\n";
        QVERIFY(writeTheme(QStringLiteral("Sized"), "Directories=16,32\n", fixed,
                           {{"16/both.svg", "#0000ff"}, {"32/both.svg", "#ff0000"}, {"32/parent-only.svg", "#800000"},
                            {"32/small-in-child.svg", "#808000"}, {"32/mixed.svg", "#ff0000"},
                            {"32/mixed.png", "#ff00ff"}}));
        QVERIFY(writeTheme(QStringLiteral("Scaled"), "Directories=16,22\nScaledDirectories=16@2x\n",
                           "[16]\nSize=16\nType=Fixed\n[16@2x]\nSize=16\nScale=2\nType=Fixed\n"
                           "[22]\nSize=22\nType=Fixed\n",
                           {{"16/run.svg", "#0000ff"}, {"16@2x/run.svg", "#00ff00"}, {"22/run.svg", "#ffff00"}}));
        QVERIFY(writeTheme(QStringLiteral("Child"), "Inherits=Sized\nDirectories=16\n", "[16]\nSize=16\nType=Fixed\n",
                           {{"16/small-in-child.svg", "#00ffff"}}));
        QVERIFY(writeTheme(QStringLiteral("Ranges"), "Directories=24,scalable\n",
                           "[24]\nSize=24\nType=Threshold\nThreshold=2\n"
                           "[scalable]\nSize=48\nMinSize=8\nMaxSize=64\nType=Scalable\n",
                           {{"24/near.svg", "#123456"}, {"scalable/near.svg", "#654321"}, {"scalable/any.svg", "#abcdef"}}));
        // Without help-contents: the style's own icon (Qt's fallbacks) stays.
        QVERIFY(writeTheme(QStringLiteral("Buttons"), "Directories=16,22\n",
                           "[16]\nSize=16\nType=Fixed\n[22]\nSize=22\nType=Fixed\n",
                           {{"16/dialog-ok.svg", "#00aa00"}, {"22/dialog-ok.svg", "#005500"},
                            {"16/dialog-ok-apply.svg", "#0000aa"}, {"16/dialog-cancel.svg", "#aa0000"},
                            {"16/edit-clear-locationbar-rtl.svg", "#aaaa00"}}));
        // Without any button icon: Qt's own pictures. With icons Qt falls
        // back to (a shorter name, process-stop for cancel): those.
        QVERIFY(writeTheme(QStringLiteral("Bare"), "Directories=16\n", "[16]\nSize=16\nType=Fixed\n",
                           {{"16/unrelated.svg", "#101010"}}));
        QVERIFY(writeTheme(QStringLiteral("Prefixed"), "Directories=16\n", "[16]\nSize=16\nType=Fixed\n",
                           {{"16/dialog.svg", "#00aaaa"}, {"16/process-stop.svg", "#aa00aa"}}));
        QVERIFY(writeTheme(QStringLiteral("hicolor"), "Directories=32\n", "[32]\nSize=32\nType=Fixed\n",
                           {{"32/in-hicolor.png", "#008000"}}));
        // Qt searches the same directories as the desktop's lookup.
        QIcon::setThemeSearchPaths(VyrIconTheme::baseDirs());
    }

    void drawsWhatQtDraws_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("mode");
        QTest::newRow("exact size") << "Sized" << "both" << 32 << int(QIcon::Normal);
        QTest::newRow("smaller exact size") << "Sized" << "both" << 16 << int(QIcon::Normal);
        QTest::newRow("equal distances: first directory") << "Sized" << "both" << 24 << int(QIcon::Normal);
        QTest::newRow("no exact size: closest") << "Sized" << "both" << 33 << int(QIcon::Normal);
        QTest::newRow("png before svg") << "Sized" << "mixed" << 32 << int(QIcon::Normal);
        QTest::newRow("png scaled down") << "Sized" << "mixed" << 12 << int(QIcon::Normal);
        QTest::newRow("disabled") << "Sized" << "both" << 32 << int(QIcon::Disabled);
        QTest::newRow("selected") << "Sized" << "both" << 32 << int(QIcon::Selected);
        QTest::newRow("scaled directory in pixels") << "Scaled" << "run" << 32 << int(QIcon::Normal);
        QTest::newRow("scaled directory not exact") << "Scaled" << "run" << 16 << int(QIcon::Normal);
        QTest::newRow("own other size before inherited exact") << "Child" << "small-in-child" << 32 << int(QIcon::Normal);
        QTest::newRow("inherited") << "Child" << "parent-only" << 32 << int(QIcon::Normal);
        QTest::newRow("hicolor last") << "Child" << "in-hicolor" << 32 << int(QIcon::Normal);
        QTest::newRow("threshold") << "Ranges" << "near" << 26 << int(QIcon::Normal);
        QTest::newRow("beyond threshold") << "Ranges" << "near" << 40 << int(QIcon::Normal);
        QTest::newRow("scalable") << "Ranges" << "any" << 50 << int(QIcon::Normal);
    }
    void drawsWhatQtDraws()
    {
        QFETCH(QString, theme);
        QFETCH(QString, icon);
        QFETCH(int, size);
        QFETCH(int, mode);
        QIcon::setThemeName(theme);
        const QIcon ours = themeIcon(icon, size);
        const QIcon qt = QIcon::fromTheme(icon);
        QVERIFY(!qt.isNull());
        QCOMPARE(ours.name(), icon);
        const QImage drawn = picture(ours, size, QIcon::Mode(mode));
        QVERIFY(!drawn.isNull());
        QCOMPARE(drawn, picture(qt, size, QIcon::Mode(mode)));
        QCOMPARE(ours.actualSize(QSize(size, size)), drawn.size());
        QCOMPARE(sides(ours), sides(qt));
    }

    void styleIconsAreQtsOwn_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("size");
        const QString buttons = QStringLiteral("Buttons");
        const QString bare = QStringLiteral("Bare");
        const QString prefixed = QStringLiteral("Prefixed");
        QTest::newRow("ok") << buttons << int(QStyle::SP_DialogOkButton) << 16;
        QTest::newRow("ok, larger") << buttons << int(QStyle::SP_DialogOkButton) << 22;
        QTest::newRow("apply") << buttons << int(QStyle::SP_DialogApplyButton) << 16;
        QTest::newRow("cancel") << buttons << int(QStyle::SP_DialogCancelButton) << 16;
        QTest::newRow("clear") << buttons << int(QStyle::SP_LineEditClearButton) << 16;
        QTest::newRow("help, not in the theme") << buttons << int(QStyle::SP_DialogHelpButton) << 16;
        QTest::newRow("another icon") << buttons << int(QStyle::SP_DialogCloseButton) << 16;
        for (const int size : {16, 22, 32, 128}) {
            for (const auto &button : {std::make_pair("ok", QStyle::SP_DialogOkButton),
                                       std::make_pair("apply", QStyle::SP_DialogApplyButton),
                                       std::make_pair("cancel", QStyle::SP_DialogCancelButton),
                                       std::make_pair("help", QStyle::SP_DialogHelpButton)}) {
                QTest::addRow("no theme icon: %s, %d", button.first, size) << bare << int(button.second) << size;
                QTest::addRow("a fallback name: %s, %d", button.first, size)
                    << prefixed << int(button.second) << size;
            }
        }
    }
    void styleIconsAreQtsOwn()
    {
        QFETCH(QString, theme);
        QFETCH(int, icon);
        QFETCH(int, size);
        QIcon::setThemeName(theme);
        ThemeIconStyle ours;
        QProxyStyle qt;
        const auto pixmap = QStyle::StandardPixmap(icon);
        const QIcon drawn = ours.standardIcon(pixmap);
        QCOMPARE(drawn.isNull(), qt.standardIcon(pixmap).isNull());
        QCOMPARE(picture(drawn, size, QIcon::Normal), picture(qt.standardIcon(pixmap), size, QIcon::Normal));
        for (const QIcon::Mode mode : {QIcon::Disabled, QIcon::Active, QIcon::Selected})
            QCOMPARE(picture(drawn, size, mode), picture(qt.standardIcon(pixmap), size, mode));
    }

    void otherSizesOfOneIcon()
    {
        // Made for one size, asked for others: each drawn from its own file.
        QIcon::setThemeName(QStringLiteral("Sized"));
        const QIcon ours = themeIcon(QStringLiteral("both"), 32);
        const QIcon qt = QIcon::fromTheme(QStringLiteral("both"));
        for (int size : {32, 16, 20, 32})
            QCOMPARE(picture(ours, size, QIcon::Normal), picture(qt, size, QIcon::Normal));
    }

    void drawingsAreKeptWhileTheFileIsUnchanged()
    {
        storeThemeIconDrawings(); // what earlier tests drew
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
            + QStringLiteral("/vyr/icons");
        QVERIFY(QDir(cache).removeRecursively());
        const QString file = icons() + QStringLiteral("/Cached/32/mark.svg");
        QVERIFY(writeTheme(QStringLiteral("Cached"), "Directories=32\n", "[32]\nSize=32\nType=Scalable\n",
                           {{"32/mark.svg", "#ff0000"}}));
        QIcon::setThemeName(QStringLiteral("Cached"));
        const QImage red = picture(themeIcon(QStringLiteral("mark"), 32), 32, QIcon::Normal);
        QCOMPARE(red.pixelColor(16, 16), QColor(Qt::red));
        storeThemeIconDrawings();
        QCOMPARE(QDir(cache).entryList(QDir::Files).size(), 1);

        // Same path, size and time: the stored drawing is taken, bit for bit.
        struct stat before;
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &before), 0);
        QVERIFY(writeSvg(file, "#00ff00"));
        const timespec times[2] = {before.st_atim, before.st_mtim};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0), 0);
        QCOMPARE(picture(themeIcon(QStringLiteral("mark"), 32), 32, QIcon::Normal), red);

        // A changed file is drawn again.
        const timespec later[2] = {before.st_atim, {before.st_mtim.tv_sec + 10, 0}};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), later, 0), 0);
        QCOMPARE(picture(themeIcon(QStringLiteral("mark"), 32), 32, QIcon::Normal).pixelColor(16, 16),
                 QColor(Qt::green));

        // A torn drawing is not taken.
        storeThemeIconDrawings();
        const QString stored = cache + QLatin1Char('/') + QDir(cache).entryList(QDir::Files).constFirst();
        QVERIFY(QFile::resize(stored, 40));
        QCOMPARE(picture(themeIcon(QStringLiteral("mark"), 32), 32, QIcon::Normal).pixelColor(16, 16),
                 QColor(Qt::green));
    }

    // An icon the theme lacks is Qt's: what Qt falls back to, or null
    // until the theme changes to one that has it.
    void missingIconIsQtsOwn_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("laterTheme");
        QTest::newRow("nowhere") << "Sized" << "nowhere-at-all" << "Bare";
        QTest::newRow("a shorter name") << "Prefixed" << "dialog-nothing" << "Prefixed";
        QTest::newRow("in the theme chosen later") << "Bare" << "both" << "Sized";
        QTest::newRow("its shorter name in the theme chosen later") << "Bare" << "dialog-nothing" << "Prefixed";
    }
    void missingIconIsQtsOwn()
    {
        QFETCH(QString, theme);
        QFETCH(QString, icon);
        QFETCH(QString, laterTheme);
        QIcon::setThemeName(theme);
        const QIcon ours = themeIcon(icon, 32);
        for (const QString &shown : {theme, laterTheme}) {
            QIcon::setThemeName(shown);
            const QIcon qt = QIcon::fromTheme(icon);
            QCOMPARE(ours.name(), qt.name());
            QCOMPARE(ours.isNull(), qt.isNull());
            QCOMPARE(picture(ours, 32, QIcon::Normal), picture(qt, 32, QIcon::Normal));
            QCOMPARE(sides(ours), sides(qt));
        }
    }
};

VYR_TEST_MAIN(TestThemeIcon)
#include "test_themeicon.moc"
