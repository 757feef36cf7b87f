// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>

namespace {

QString themeDir()
{
    return vyrtest::sandboxRoot() + QStringLiteral("/theme");
}

QString configFile()
{
    return vyrtest::sandboxRoot() + QStringLiteral("/levels.themerc");
}

void writeLevels(const QByteArray &variables)
{
    vyrtest::writeFile(configFile(), "[Variables]\n" + variables);
}

const QByteArray kFourLevels = "MACLevelColor0=#ff0000\nMACLevelColor1=#00ff00\n"
                               "MACLevelColor2=#0000ff\nMACLevelColor3=#ffff00\n";

vyrtest::RunResult generate(const QStringList &extra = {})
{
    return vyrtest::run(QStringLiteral("vyr-icon-emblems"),
                        QStringList{QStringLiteral("-c"), configFile(), QStringLiteral("-t"), themeDir()} + extra);
}

/// Every file below the theme, as paths relative to it, sorted.
QStringList themeFiles(const QString &theme = themeDir())
{
    QStringList files;
    QDirIterator it(theme, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(theme.size() + 1);
    files.sort();
    return files;
}

QByteArray indexTheme(const QByteArray &directories, const QByteArray &groups)
{
    return "[Icon Theme]\nName=Test\nDirectories=" + directories + "\n\n" + groups;
}

} // namespace

class TestIconEmblems : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QDir(themeDir()).removeRecursively();
        QDir().mkpath(themeDir());
        writeLevels(kFourLevels);
    }

    void contiguousLevels_data()
    {
        QTest::addColumn<QByteArray>("variables");
        QTest::addColumn<QStringList>("files");
        const auto emblems = [](std::initializer_list<int> levels) {
            QStringList files;
            for (int level : levels)
                files << QStringLiteral("16x16/emblems/emblem-maclevel%1.png").arg(level);
            files.sort();
            return files;
        };
        QTest::newRow("0 to 3 and 5") << kFourLevels + "MACLevelColor5=#00ffff\n" << emblems({0, 1, 2, 3});
        QTest::newRow("only 0") << QByteArray("MACLevelColor0=#123456\n") << emblems({0});
        QTest::newRow("starting at 1") << QByteArray("MACLevelColor1=#123456\n") << QStringList();
        QTest::newRow("none") << QByteArray("Other=1\n") << QStringList();
        QTest::newRow("eleven levels")
            << QByteArray("MACLevelColor0=#000000\nMACLevelColor1=#111111\nMACLevelColor2=#222222\n"
                          "MACLevelColor3=#333333\nMACLevelColor4=#444444\nMACLevelColor5=#555555\n"
                          "MACLevelColor6=#666666\nMACLevelColor7=#777777\nMACLevelColor8=#888888\n"
                          "MACLevelColor9=#999999\nMACLevelColor10=#aaaaaa\n")
            << emblems({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        QTest::newRow("other group ignored") << QByteArray("\n[Other]\nMACLevelColor0=#ff0000\n") << QStringList();
    }
    void contiguousLevels()
    {
        QFETCH(QByteArray, variables);
        QFETCH(QStringList, files);
        writeLevels(variables);
        QDir().mkpath(themeDir() + QStringLiteral("/16x16"));
        const auto result = generate();
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(themeFiles(), files);
    }

    // Below 16 px a dot, from 16 px a star: the star is empty between its
    // two lower points, where the dot is filled.
    void dotsAndStars_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("star");
        QTest::newRow("8: dot") << 8 << false;
        QTest::newRow("15: dot") << 15 << false;
        QTest::newRow("16: star") << 16 << true;
        QTest::newRow("22: star") << 22 << true;
        QTest::newRow("48: star") << 48 << true;
    }
    void dotsAndStars()
    {
        QFETCH(int, size);
        QFETCH(bool, star);
        const QByteArray dir = QByteArray::number(size) + "x" + QByteArray::number(size) + "/emblems";
        QVERIFY(vyrtest::writeFile(themeDir() + QStringLiteral("/index.theme"),
                                   indexTheme(dir, "[" + dir + "]\nSize=" + QByteArray::number(size)
                                                       + "\nContext=Emblems\nType=Threshold\n")));
        QCOMPARE(generate().exitCode, 0);
        const QImage image(themeDir() + QLatin1Char('/') + QString::fromLatin1(dir)
                           + QStringLiteral("/emblem-maclevel2.png"));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        // Corners stay transparent, the centre has the level colour.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size - 1, 0)), 0);
        const QRgb centre = image.pixel(size / 2, size / 2);
        QCOMPARE(qAlpha(centre), 255);
        QCOMPARE(centre & 0xffffff, 0x0000ffu);
        const int belowCentre = qAlpha(image.pixel(size / 2, size * 4 / 5));
        if (star)
            QVERIFY2(belowCentre < 64, QByteArray::number(belowCentre));
        else
            QVERIFY2(belowCentre > 192, QByteArray::number(belowCentre));
        // The dark edge shows towards the bottom right only.
        int darkBottomRight = 0;
        int darkTopLeft = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) > 128 && qBlue(p) < 64)
                    (x + y >= size ? darkBottomRight : darkTopLeft)++;
            }
        }
        QVERIFY(darkBottomRight > 0);
        QVERIFY2(darkTopLeft < darkBottomRight, QByteArray::number(darkTopLeft));
    }

    void directoriesFromIndex()
    {
        QDir().mkpath(themeDir() + QStringLiteral("/16x16"));
        QVERIFY(vyrtest::writeFile(themeDir() + QStringLiteral("/index.theme"),
                                   indexTheme("8x8/emblems,22x22/apps,22x22/emblems,32x32/emblems,zero/emblems,unlisted",
                                              "[8x8/emblems]\nSize=8\nContext=Emblems\n\n"
                                              "[22x22/apps]\nSize=22\nContext=Applications\n\n"
                                              "[22x22/emblems]\nSize=22\nContext=Emblems\n\n"
                                              "[32x32/emblems]\nSize=big\nContext=Emblems\n\n"
                                              "[zero/emblems]\nSize=0\nContext=Emblems\n\n"
                                              "[64x64/emblems]\nSize=64\nContext=Emblems\n")));
        QCOMPARE(generate().exitCode, 0);
        QStringList expected;
        for (int level = 0; level < 4; ++level) {
            expected << QStringLiteral("8x8/emblems/emblem-maclevel%1.png").arg(level)
                     << QStringLiteral("22x22/emblems/emblem-maclevel%1.png").arg(level);
        }
        expected << QStringLiteral("index.theme");
        expected.sort();
        QCOMPARE(themeFiles(), expected);
    }

    void directoriesWithoutIndex()
    {
        for (const char *dir : {"16x16", "24x22", "0x0", "x16", "16x16x16", "scalable", "32x32"})
            QDir().mkpath(themeDir() + QLatin1Char('/') + QLatin1String(dir));
        QVERIFY(vyrtest::writeFile(themeDir() + QStringLiteral("/48x48"), "a file, not a directory"));
        QCOMPARE(generate().exitCode, 0);
        QStringList expected{QStringLiteral("48x48")};
        for (int level = 0; level < 4; ++level) {
            expected << QStringLiteral("16x16/emblems/emblem-maclevel%1.png").arg(level)
                     << QStringLiteral("32x32/emblems/emblem-maclevel%1.png").arg(level);
        }
        expected.sort();
        QCOMPARE(themeFiles(), expected);
        QCOMPARE(QImage(themeDir() + QStringLiteral("/32x32/emblems/emblem-maclevel0.png")).size(), QSize(32, 32));
    }

    void noEmblemDirectories_data()
    {
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<bool>("remove");
        QTest::newRow("empty theme") << QByteArray() << false;
        QTest::newRow("index without emblems") << indexTheme("16x16/apps", "[16x16/apps]\nSize=16\nContext=Applications\n")
                                               << false;
        QTest::newRow("removing from empty theme") << QByteArray() << true;
    }
    void noEmblemDirectories()
    {
        QFETCH(QByteArray, index);
        QFETCH(bool, remove);
        // A square directory exists, but an index.theme decides alone.
        QDir().mkpath(themeDir() + QStringLiteral("/16x16/apps"));
        if (!index.isEmpty())
            QVERIFY(vyrtest::writeFile(themeDir() + QStringLiteral("/index.theme"), index));
        else
            QDir(themeDir() + QStringLiteral("/16x16")).removeRecursively();
        const QStringList before = themeFiles();
        const auto result = remove ? vyrtest::run(QStringLiteral("vyr-icon-emblems"), {QStringLiteral("-d"), themeDir()})
                                   : generate();
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.err.contains("Failed to get emblems subdirs for icon theme " + QFile::encodeName(themeDir())),
                 result.err.constData());
        QCOMPARE(themeFiles(), before);
        QVERIFY(!QFileInfo::exists(themeDir() + QStringLiteral("/16x16/emblems")));
    }

    void removesOnlyLevelEmblems()
    {
        const QString emblems = themeDir() + QStringLiteral("/16x16/emblems");
        const QStringList kept{QStringLiteral("emblem-favorite.png"), QStringLiteral("emblem-maclevel.png"),
                               QStringLiteral("emblem-maclevel1.png.bak"), QStringLiteral("EMBLEM-MACLEVEL1.PNG"),
                               QStringLiteral("emblem-maclevel1.svg"), QStringLiteral("emblem-maclevelx.png"),
                               QStringLiteral("my-emblem-maclevel1.png")};
        for (const QString &name : kept)
            QVERIFY(vyrtest::writeFile(emblems + QLatin1Char('/') + name, "keep"));
        QVERIFY(vyrtest::writeFile(themeDir() + QStringLiteral("/16x16/apps/emblem-maclevel0.png"), "keep"));
        // A directory of a matching name is not a file to delete.
        QDir().mkpath(emblems + QStringLiteral("/emblem-maclevel7.png"));
        QCOMPARE(generate().exitCode, 0);
        QVERIFY(vyrtest::writeFile(emblems + QStringLiteral("/emblem-maclevel12.png"), "generated earlier"));

        const auto result = vyrtest::run(QStringLiteral("vyr-icon-emblems"), {QStringLiteral("-d"), themeDir()});
        QCOMPARE(result.exitCode, 0);
        QStringList left = QDir(emblems).entryList(QDir::Files);
        left.sort();
        QStringList expected = kept;
        expected.sort();
        QCOMPARE(left, expected);
        QVERIFY(QFileInfo(emblems + QStringLiteral("/emblem-maclevel7.png")).isDir());
        QCOMPARE(vyrtest::readFile(themeDir() + QStringLiteral("/16x16/apps/emblem-maclevel0.png")), QByteArray("keep"));
    }

    void replacesExistingEmblem()
    {
        const QString file = themeDir() + QStringLiteral("/16x16/emblems/emblem-maclevel0.png");
        QVERIFY(vyrtest::writeFile(file, "stale"));
        QCOMPARE(generate().exitCode, 0);
        QCOMPARE(QImage(file).size(), QSize(16, 16));
    }

    // A colour Qt cannot read skips that level with a report, instead of a
    // black emblem that looks deliberate.
    void invalidColourSkipped()
    {
        writeLevels("MACLevelColor0=#ff0000\nMACLevelColor1=notacolour\nMACLevelColor2=#0000ff\n");
        QDir().mkpath(themeDir() + QStringLiteral("/16x16"));
        const auto result = generate();
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.err.contains("notacolour"), result.err.constData());
        QCOMPARE(themeFiles(), QStringList({QStringLiteral("16x16/emblems/emblem-maclevel0.png"),
                                            QStringLiteral("16x16/emblems/emblem-maclevel2.png")}));
    }

    void unwritableDirectoryReported()
    {
        // A plain file where the emblem directory should be.
        QVERIFY(vyrtest::writeFile(themeDir() + QStringLiteral("/16x16/emblems"), "in the way"));
        QDir().mkpath(themeDir() + QStringLiteral("/24x24"));
        const auto result = generate();
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.err.contains("Failed to create emblems subdir " + QFile::encodeName(themeDir())
                                     + "/16x16/emblems"),
                 result.err.constData());
        QCOMPARE(QDir(themeDir() + QStringLiteral("/24x24/emblems")).entryList(QDir::Files).size(), 4);
    }

    // The defaults are system paths, found below the platform's system root.
    void defaultPaths()
    {
        const QString theme = vyrtest::sysPath(QStringLiteral("/usr/share/icons/hicolor"));
        QDir().mkpath(theme + QStringLiteral("/16x16"));
        QVERIFY(vyrtest::writeFile(vyrtest::sysPath(QStringLiteral("/usr/share/vyr-wm/theme/default.themerc")),
                                   "[Variables]\nMACLevelColor0=#ff0000\n"));
        QCOMPARE(vyrtest::run(QStringLiteral("vyr-icon-emblems"), {}).exitCode, 0);
        QCOMPARE(themeFiles(theme), QStringList{QStringLiteral("16x16/emblems/emblem-maclevel0.png")});
        QCOMPARE(vyrtest::run(QStringLiteral("vyr-icon-emblems"), {QStringLiteral("-d"), theme}).exitCode, 0);
        QVERIFY(themeFiles(theme).isEmpty());
    }

    // A theme index of the usual fallback layout (tests/data/icon-emblems):
    // every listed Emblems directory with a size gets the emblems at that
    // size, scaled and scalable ones included; other contexts and groups
    // the list does not name get nothing.
    void fallbackThemeIndex()
    {
        const QString fixture = QFINDTESTDATA("../data/icon-emblems/index.theme");
        QVERIFY(!fixture.isEmpty());
        QVERIFY(QFile::copy(fixture, themeDir() + QStringLiteral("/index.theme")));
        QCOMPARE(generate().exitCode, 0);
        const QVector<QPair<QString, int>> dirs{
            {QStringLiteral("16x16/emblems"), 16},   {QStringLiteral("16x16@2/emblems"), 16},
            {QStringLiteral("22x22/emblems"), 22},   {QStringLiteral("24x24/emblems"), 24},
            {QStringLiteral("32x32/emblems"), 32},   {QStringLiteral("36x36/emblems"), 36},
            {QStringLiteral("48x48/emblems"), 48},   {QStringLiteral("64x64/emblems"), 64},
            {QStringLiteral("128x128/emblems"), 128}, {QStringLiteral("256x256/emblems"), 256},
            {QStringLiteral("scalable/emblems"), 128}, {QStringLiteral("symbolic/emblems"), 16},
        };
        QStringList expected{QStringLiteral("index.theme")};
        for (const auto &dir : dirs) {
            for (int level = 0; level < 4; ++level) {
                const QString file = dir.first + QStringLiteral("/emblem-maclevel%1.png").arg(level);
                expected << file;
                QCOMPARE(QImage(themeDir() + QLatin1Char('/') + file).size(), QSize(dir.second, dir.second));
            }
        }
        expected.sort();
        QCOMPARE(themeFiles(), expected);
    }
};

VYR_TEST_MAIN(TestIconEmblems)
#include "test_icon_emblems.moc"
