// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

namespace {

// Left half opaque red, a quarter half-transparent black, the rest empty.
const QByteArray kHalfRed = "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100'>\n"
                            "<rect x='0' y='0' width='50' height='100' fill='#ff0000'/>\n"
                            "<rect x='50' y='0' width='50' height='50' fill='#000000' fill-opacity='0.5'/>\n"
                            "</svg>\n";

QString fixture(const QString &name, const QByteArray &content)
{
    const QString path = vyrtest::sandboxRoot() + QStringLiteral("/in/") + name;
    vyrtest::writeFile(path, content);
    return path;
}

bool allOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 255)
                return false;
        }
    }
    return true;
}

bool allWhite(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
        }
    }
    return true;
}

QString pictures()
{
    return vyrtest::home() + QStringLiteral("/Pictures");
}

} // namespace

class TestSvg2Png : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { vyrtest::resetHome(); }

    void rendersOpaque_data()
    {
        QTest::addColumn<QStringList>("sizeArgs");
        QTest::addColumn<QSize>("size");
        QTest::newRow("defaults") << QStringList() << QSize(1920, 1080);
        QTest::newRow("short options") << QStringList{QStringLiteral("-w"), QStringLiteral("64"), QStringLiteral("-h"), QStringLiteral("32")}
                                       << QSize(64, 32);
        QTest::newRow("long options") << QStringList{QStringLiteral("--width"), QStringLiteral("30"), QStringLiteral("--height=90")}
                                      << QSize(30, 90);
        QTest::newRow("odd size") << QStringList{QStringLiteral("-w"), QStringLiteral("7"), QStringLiteral("-h"), QStringLiteral("3")}
                                  << QSize(7, 3);
    }
    void rendersOpaque()
    {
        QFETCH(QStringList, sizeArgs);
        QFETCH(QSize, size);
        const QString output = vyrtest::sandboxRoot() + QStringLiteral("/out/new/dir/half.png");
        const auto result = vyrtest::run(QStringLiteral("vyr-svg2png"),
                                         sizeArgs + QStringList{QStringLiteral("-i"), fixture(QStringLiteral("half.svg"), kHalfRed),
                                                                QStringLiteral("-o"), output});
        QCOMPARE(result.exitCode, 0);
        const QImage image(output);
        QCOMPARE(image.size(), size);
        if (size.width() * size.height() < 100000)
            QVERIFY(allOpaque(image));
        // Scaled to the whole image, aspect ratio not kept.
        const int w = size.width(), h = size.height();
        QCOMPARE(image.pixel(w / 4, h / 2), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(w * 3 / 4, h * 3 / 4), qRgb(255, 255, 255));
        const QRgb grey = image.pixel(w * 3 / 4, h / 4);
        QCOMPARE(qAlpha(grey), 255);
        QVERIFY(qAbs(qRed(grey) - 128) <= 2 && qRed(grey) == qGreen(grey) && qGreen(grey) == qBlue(grey));
    }

    void unreadableSvgGivesWhite_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not xml") << QStringLiteral("broken.svg") << QByteArray("this is no svg {");
        QTest::newRow("empty file") << QStringLiteral("empty.svg") << QByteArray();
        QTest::newRow("other xml") << QStringLiteral("other.svg") << QByteArray("<html><body/></html>");
        QTest::newRow("bad svgz") << QStringLiteral("bad.svgz") << QByteArray("not gzip");
        QTest::newRow("missing file") << QStringLiteral("missing.svg") << QByteArray();
    }
    void unreadableSvgGivesWhite()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QString input = fixture(name, content);
        if (name == QLatin1String("missing.svg"))
            QFile::remove(input);
        const QString output = vyrtest::sandboxRoot() + QStringLiteral("/out/white.png");
        QFile::remove(output);
        const auto result = vyrtest::run(QStringLiteral("vyr-svg2png"),
                                         {QStringLiteral("-i"), input, QStringLiteral("-o"), output,
                                          QStringLiteral("-w"), QStringLiteral("40"), QStringLiteral("-h"), QStringLiteral("20")});
        QCOMPARE(result.exitCode, 0);
        const QImage image(output);
        QCOMPARE(image.size(), QSize(40, 20));
        QVERIFY(allWhite(image));
    }

    void defaultOutputUnderPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("sizeArgs");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1280x1024") << QStringLiteral("sky.svg")
                                   << QStringList{QStringLiteral("-w"), QStringLiteral("1280"), QStringLiteral("-h"), QStringLiteral("1024")}
                                   << QStringLiteral("/1280x1024/sky.png");
        QTest::newRow("defaults") << QStringLiteral("sky.svg") << QStringList() << QStringLiteral("/1920x1080/sky.png");
        QTest::newRow("last suffix only") << QStringLiteral("my.sky.svgz")
                                          << QStringList{QStringLiteral("-w"), QStringLiteral("16"), QStringLiteral("-h"), QStringLiteral("9")}
                                          << QStringLiteral("/16x9/my.sky.png");
    }
    void defaultOutputUnderPictures()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, sizeArgs);
        QFETCH(QString, expected);
        const auto result = vyrtest::run(QStringLiteral("vyr-svg2png"),
                                         sizeArgs + QStringList{QStringLiteral("--ipath"), fixture(name, kHalfRed)});
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(QFileInfo::exists(pictures() + expected), qPrintable(pictures() + expected));
        QCOMPARE(QDir(pictures()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    }

    void refusesInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no input") << QStringList{QStringLiteral("-o"), QStringLiteral("x.png")};
        QTest::newRow("upper-case suffix") << QStringList{QStringLiteral("-i"), QStringLiteral("picture.SVG")};
        QTest::newRow("png input") << QStringList{QStringLiteral("-i"), QStringLiteral("picture.png")};
        QTest::newRow("suffix inside the name") << QStringList{QStringLiteral("-i"), QStringLiteral("picture.svg.txt")};
    }
    void refusesInput()
    {
        QFETCH(QStringList, args);
        const auto result = vyrtest::run(QStringLiteral("vyr-svg2png"), args);
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.out.contains("Input file path"));
        QVERIFY(result.out.contains("Height"));
        QVERIFY(!QFileInfo::exists(pictures()));
    }

    void outputDirectoryFails()
    {
        // A plain file where the output directory should be.
        const QString blocker = vyrtest::sandboxRoot() + QStringLiteral("/blocker");
        QVERIFY(vyrtest::writeFile(blocker, "x"));
        const auto result = vyrtest::run(QStringLiteral("vyr-svg2png"),
                                         {QStringLiteral("-i"), fixture(QStringLiteral("a.svg"), kHalfRed),
                                          QStringLiteral("-o"), blocker + QStringLiteral("/sub/a.png")});
        QCOMPARE(result.exitCode, 4);
        QCOMPARE(result.err, "vyr-svg2png: Can't create user picture dir " + QFile::encodeName(blocker) + "/sub\n");

        // The same below the picture directory.
        QVERIFY(vyrtest::writeFile(pictures(), "x"));
        const auto underPictures = vyrtest::run(QStringLiteral("vyr-svg2png"),
                                                {QStringLiteral("-i"), fixture(QStringLiteral("a.svg"), kHalfRed)});
        QCOMPARE(underPictures.exitCode, 4);
        QCOMPARE(underPictures.err,
                 "vyr-svg2png: Can't create user picture dir " + QFile::encodeName(pictures()) + "/1920x1080\n");
    }

    void noPictureDirectory()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("HOME"));
        const auto result = vyrtest::run(QStringLiteral("vyr-svg2png"),
                                         {QStringLiteral("-i"), fixture(QStringLiteral("a.svg"), kHalfRed)}, 30000, env);
        QCOMPARE(result.exitCode, 3);
        QCOMPARE(result.err, QByteArray("vyr-sv2png: Can't get user picture dir\n"));
    }

    // A picture that cannot be written is reported, and an older file of
    // that name stays as it was.
    void unwritableOutputReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readOnlyDir");
        QTest::addColumn<QStringList>("sizeArgs");
        QTest::newRow("read-only directory") << QStringLiteral("keep.png") << true << QStringList();
        QTest::newRow("unknown format") << QStringLiteral("keep.nosuchformat") << false << QStringList();
        QTest::newRow("zero width") << QStringLiteral("keep.png") << false
                                    << QStringList{QStringLiteral("-w"), QStringLiteral("wide")};
    }
    void unwritableOutputReported()
    {
        QFETCH(QString, name);
        QFETCH(bool, readOnlyDir);
        QFETCH(QStringList, sizeArgs);
        const QString dir = vyrtest::sandboxRoot() + QStringLiteral("/locked");
        QDir(dir).removeRecursively();
        const QString output = dir + QLatin1Char('/') + name;
        QVERIFY(vyrtest::writeFile(output, "old picture"));
        const QString input = fixture(QStringLiteral("a.svg"), kHalfRed);
        QFile(input).setPermissions(QFile(input).permissions() | QFileDevice::ReadOther);

        QStringList args = sizeArgs + QStringList{QStringLiteral("-i"), input, QStringLiteral("-o"), output};
        vyrtest::RunResult result;
        if (readOnlyDir) {
            if (!vyrtest::canRunAsOrdinaryUser())
                QSKIP("needs root to run as an ordinary user");
            result = vyrtest::runAsOrdinaryUser(QStringLiteral("vyr-svg2png"), args);
        } else {
            result = vyrtest::run(QStringLiteral("vyr-svg2png"), args);
        }
        QCOMPARE(result.exitCode, 5);
        // endsWith: running as another user may add a runtime-directory warning.
        QVERIFY2(result.err.endsWith("vyr-svg2png: Can't write " + QFile::encodeName(output) + '\n'), result.err.constData());
        QCOMPARE(vyrtest::readFile(output), QByteArray("old picture"));
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

VYR_TEST_MAIN(TestSvg2Png)
#include "test_svg2png.moc"
