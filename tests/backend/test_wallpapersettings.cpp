// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <wallpaperpreview.h>
#include <wallpaperrecords.h>
#include <wallpapersettings.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

namespace {
const QString s_light = QStringLiteral("/usr/share/wallpapers/vyr-default-light.jpg");
const QString s_dark = QStringLiteral("/usr/share/wallpapers/vyr-default-dark.jpg");
const QString s_red = QStringLiteral("/usr/share/wallpapers/vyr-default-red.jpg");
const QString s_solvaLight = QStringLiteral("/usr/share/color-schemes/SolvaLight.colors");
const QString s_solvaDark = QStringLiteral("/usr/share/color-schemes/SolvaDark.colors");
const QString s_solvaAdmin = QStringLiteral("/usr/share/color-schemes/SolvaVanteraAdmin.colors");

/// A 2x2 picture: red, green over blue, yellow.
QImage quadrants()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixelColor(0, 0, Qt::red);
    image.setPixelColor(1, 0, Qt::green);
    image.setPixelColor(0, 1, Qt::blue);
    image.setPixelColor(1, 1, Qt::yellow);
    return image;
}

bool writeImage(const QString &path, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::gray);
    return QDir().mkpath(QFileInfo(path).path()) && image.save(path);
}
}

using Pixels = QList<QPair<QPoint, QColor>>;
Q_DECLARE_METATYPE(Pixels)

class TestWallpaperSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { vyrtest::resetHome(); }

    void sizeRatio_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("full HD") << QSize(1920, 1080) << 16 << 9;
        QTest::newRow("SXGA") << QSize(1280, 1024) << 5 << 4;
        QTest::newRow("odd laptop") << QSize(1366, 768) << 683 << 384;
        QTest::newRow("no size") << QSize(0, 0) << 0 << 0;
    }
    void sizeRatio()
    {
        QFETCH(QSize, screen);
        const auto ratio = wallpaperSizeRatio(screen.width(), screen.height());
        QTEST(ratio.first, "first");
        QTEST(ratio.second, "second");
    }

    void logoPosition_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QPoint>("expected");
        // A 192x64 logo on 1920x1080: the margin is 27 pixels.
        QTest::newRow("TopLeft") << "TopLeft" << QPoint(0, 0) << QPoint(27, 27);
        QTest::newRow("Top") << "Top" << QPoint(0, 0) << QPoint(864, 27);
        QTest::newRow("TopRight") << "TopRight" << QPoint(0, 0) << QPoint(1701, 27);
        QTest::newRow("Right") << "Right" << QPoint(0, 0) << QPoint(1701, 508);
        QTest::newRow("Center") << "Center" << QPoint(0, 0) << QPoint(864, 508);
        QTest::newRow("Left") << "Left" << QPoint(0, 0) << QPoint(27, 508);
        QTest::newRow("BottomLeft") << "BottomLeft" << QPoint(0, 0) << QPoint(27, 989);
        QTest::newRow("Bottom") << "Bottom" << QPoint(0, 0) << QPoint(864, 989);
        QTest::newRow("BottomRight") << "BottomRight" << QPoint(0, 0) << QPoint(1701, 989);
        QTest::newRow("unknown is BottomRight") << "Middle" << QPoint(0, 0) << QPoint(1701, 989);
        QTest::newRow("second monitor") << "TopLeft" << QPoint(1920, 0) << QPoint(1947, 27);
    }
    void logoPosition()
    {
        QFETCH(QString, key);
        QFETCH(QPoint, origin);
        QTEST(CalcLogoPosition(192, 64, origin.x(), origin.y(), 1920, 1080, key), "expected");
    }

    void logoSize_data()
    {
        QTest::addColumn<QSize>("image");
        QTest::addColumn<bool>("tooLarge");
        QTest::addColumn<QSize>("resized");
        // On 1920x1080 a logo may be 640 wide and 540 high.
        QTest::newRow("largest allowed") << QSize(640, 540) << false << QSize();
        QTest::newRow("one too wide") << QSize(641, 10) << true << QSize(10, 1);
        // Narrow and tall: also brought under half the screen's height.
        QTest::newRow("one too high") << QSize(10, 541) << true << QSize(9, 486);
        QTest::newRow("wide banner") << QSize(2000, 500) << true << QSize(500, 125);
        QTest::newRow("unknown size") << QSize() << false << QSize();
    }
    void logoSize()
    {
        QFETCH(QSize, image);
        QFETCH(bool, tooLarge);
        QFETCH(QSize, resized);
        const QSize screen(1920, 1080);
        QCOMPARE(logoTooLarge(image, screen), tooLarge);
        if (tooLarge)
            QCOMPARE(logoResizedSize(image, screen), resized);
    }

    void resizedLogoIsStored()
    {
        const QString logo = vyrtest::home() + QStringLiteral("/big banner.png");
        QVERIFY(writeImage(logo, QSize(2000, 500)));
        const QString stored = writeResizedLogo(logo, QSize(1920, 1080));
        QCOMPARE(stored, vyrtest::home() + QStringLiteral("/Pictures/Wallpapers/logo_of_big banner.png"));
        QCOMPARE(QImageReader(stored).size(), QSize(500, 125));
        QCOMPARE(QImageReader(stored).format(), QByteArray("png"));
    }

    void schemeHandOff_data()
    {
        QTest::addColumn<QString>("wallpaper");
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<qint64>("schemeChosenAt");
        QTest::addColumn<QString>("newScheme");
        QTest::addColumn<QString>("shadow");
        QTest::newRow("light over dark") << s_light << s_solvaDark << qint64(0) << s_solvaLight << "#000000";
        QTest::newRow("light over admin") << s_light << s_solvaAdmin << qint64(0) << s_solvaLight << "#000000";
        QTest::newRow("dark over light") << s_dark << s_solvaLight << qint64(0) << s_solvaDark << "#5A91BD";
        QTest::newRow("dark over admin") << s_dark << s_solvaAdmin << qint64(0) << s_solvaDark << "#5A91BD";
        QTest::newRow("red over light") << s_red << s_solvaLight << qint64(0) << s_solvaAdmin << "#F34444";
        QTest::newRow("red over dark") << s_red << s_solvaDark << qint64(0) << s_solvaAdmin << "#F34444";
        QTest::newRow("matching pair") << s_dark << s_solvaDark << qint64(0) << "-" << "";
        QTest::newRow("user's copy of a scheme") << s_dark << "/home/u/.local/share/color-schemes/SolvaLight.colors"
                                                 << qint64(0) << s_solvaDark << "#5A91BD";
        QTest::newRow("own wallpaper") << "/home/u/sea.jpg" << s_solvaLight << qint64(0) << "-" << "";
        QTest::newRow("no scheme") << s_dark << "-" << qint64(0) << "-" << "";
        QTest::newRow("scheme chosen later") << s_dark << s_solvaLight << qint64(2000) << "-" << "";
        QTest::newRow("scheme chosen at the same second") << s_dark << s_solvaLight << qint64(1000) << "-" << "";
    }
    void schemeHandOff()
    {
        QFETCH(QString, wallpaper);
        QFETCH(QString, scheme);
        QFETCH(qint64, schemeChosenAt);
        const SchemeHandOff handOff = wallpaperSchemeHandOff(wallpaper, scheme, 1000, schemeChosenAt);
        QTEST(handOff.scheme, "newScheme");
        QTEST(handOff.shadowColour, "shadow");
    }

    void recordChoice_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("monitor");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("perDesktop");
        QTest::addColumn<bool>("perMonitor");
        QTest::newRow("none") << "" << "" << "" << false << false;
        QTest::newRow("desktop file") << "%A%" << "" << "%A%" << true << false;
        QTest::newRow("monitor wins") << "%A%" << "%B%" << "%B%" << true << true;
        QTest::newRow("missing monitor file hides the desktop's") << "%A%" << "/gone.png" << "" << true << false;
        QTest::newRow("colour is not in force") << "\"#5A91BD\"" << "" << "" << false << false;
    }
    void recordChoice()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, monitor);
        QFETCH(QString, value);
        const QString a = vyrtest::home() + QStringLiteral("/a.png");
        const QString b = vyrtest::home() + QStringLiteral("/b.png");
        QVERIFY(writeImage(a, QSize(4, 4)));
        QVERIFY(writeImage(b, QSize(4, 4)));
        for (QString *text : {&desktop, &monitor, &value})
            text->replace(QStringLiteral("%A%"), a).replace(QStringLiteral("%B%"), b);
        const WallpaperRecordChoice choice = chooseWallpaperRecord(WallpaperRecords{desktop, monitor});
        QCOMPARE(choice.value, value);
        QTEST(choice.perDesktop, "perDesktop");
        QTEST(choice.perMonitor, "perMonitor");
    }

    void findByName_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("expected");
        const QString base = QStringLiteral("/usr/share/wallpapers/");
        QTest::newRow("size folder first")
            << QStringList{base + "sea.jpg", base + "16:9/sea.jpg", base + "1920x1080/sea.png"} << "sea" << "#5a91bd"
            << base + "1920x1080/sea.png";
        QTest::newRow("then the ratio folder")
            << QStringList{base + "sea.jpg", base + "16:9/sea.jpg"} << "sea" << "#5a91bd" << base + "16:9/sea.jpg";
        QTest::newRow("then the base folder") << QStringList{base + "sea.svg"} << "sea" << "#5a91bd" << base + "sea.svg";
        QTest::newRow("name with extension") << QStringList{base + "sea.jpeg"} << "sea.jpeg" << "" << base + "sea.jpeg";
        QTest::newRow("unknown name") << QStringList{base + "sea.jpg"} << "lake" << "" << "";
        QTest::newRow("no paths in names") << QStringList{base + "sea.jpg"} << "../wallpapers/sea" << "" << "";
        const QStringList defaults{base + "vyr-default-light.jpg", base + "vyr-default-dark.jpg",
                                   base + "vyr-default-red.jpg"};
        QTest::newRow("default, blue primary") << defaults << "vyr-default" << "#5a91bd" << base + "vyr-default-light.jpg";
        QTest::newRow("default, red primary") << defaults << "vyr-default" << "#f34444" << base + "vyr-default-red.jpg";
        QTest::newRow("default, dark primary") << defaults << "vyr-default" << "#1b2530" << base + "vyr-default-dark.jpg";
        QTest::newRow("default without its variant")
            << QStringList{base + "vyr-default-light.jpg"} << "vyr-default" << "#f34444" << base + "vyr-default-light.jpg";
    }
    void findByName()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, name);
        QFETCH(QString, primary);
        QDir(vyrtest::sysPath(QStringLiteral("/usr/share/wallpapers"))).removeRecursively();
        for (const QString &file : files)
            QVERIFY(vyrtest::writeFile(vyrtest::sysPath(file), "x"));
        QTEST(FindWallPaperByName(name, 1920, 1080, QString(), primary), "expected");
    }

    void defaultLogo_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("expected");
        const QString logo = QStringLiteral("/usr/share/wallpapers/logo/solva_logo");
        QTest::newRow("white") << QStringList{logo + "_white.svg", logo + "_black.svg"} << "white" << logo + "_white.svg";
        QTest::newRow("black") << QStringList{logo + "_white.svg", logo + "_black.svg"} << "black" << logo + "_black.svg";
        QTest::newRow("plain when no variant") << QStringList{logo + ".svg"} << "black" << logo + ".svg";
        QTest::newRow("nothing") << QStringList() << "white" << "";
    }
    void defaultLogo()
    {
        QFETCH(QStringList, files);
        QDir(vyrtest::sysPath(QStringLiteral("/usr/share/wallpapers/logo"))).removeRecursively();
        for (const QString &file : files)
            QVERIFY(vyrtest::writeFile(vyrtest::sysPath(file), "x"));
        QFETCH(QString, variant);
        QTEST(FindDefaultLogoPath(QStringLiteral("/usr/share/wallpapers/logo/solva_logo"), 1920, 1080, variant),
              "expected");
    }

    void followLink_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("expected");
        QTest::newRow("file URL") << QByteArray("[Desktop Entry]\nType=Link\nName=x\nURL=file:///pics/a%20b.jpg\n")
                                  << "/pics/a b.jpg";
        QTest::newRow("plain path") << QByteArray("[Desktop Entry]\nType=Link\nName=x\nURL=/pics/a.jpg\n") << "/pics/a.jpg";
        QTest::newRow("web URL refused") << QByteArray("[Desktop Entry]\nType=Link\nName=x\nURL=https://e.org/a.jpg\n")
                                         << "";
        QTest::newRow("link to a link refused")
            << QByteArray("[Desktop Entry]\nType=Link\nName=x\nURL=file:///pics/other.desktop\n") << "";
        QTest::newRow("application refused") << QByteArray("[Desktop Entry]\nType=Application\nName=x\nExec=x\n") << "";
    }
    void followLink()
    {
        QFETCH(QByteArray, entry);
        const QString path = vyrtest::home() + QStringLiteral("/link.desktop");
        QVERIFY(vyrtest::writeFile(path, entry));
        QTEST(followWallpaperLink(path), "expected");
    }

    void svgConverterGetsArgumentList()
    {
        // The converter records its arguments, one per line.
        const QString record = vyrtest::home() + QStringLiteral("/args");
        QVERIFY(vyrtest::writeScript(vyrtest::sysPath(QStringLiteral("/usr/bin/vyr-svg2png.sh")),
                                     "printf '%s\\n' \"$@\" > '" + record.toUtf8() + "'\n"));
        const QString svg = vyrtest::home() + QStringLiteral("/it's a \"b\" $(touch pwned).svg");
        QVERIFY(vyrtest::writeFile(svg, "<svg/>"));
        const QString target = svgConversionTarget(svg, 1920, 1080);
        QCOMPARE(target, vyrtest::home() + QStringLiteral("/Pictures/Wallpapers/1920x1080/it's a \"b\" $(touch pwned).png"));
        QVERIFY(convertSvgToPng(svg, target, 1920, 1080));
        QCOMPARE(QString::fromUtf8(vyrtest::readFile(record)),
                 QStringLiteral("1920\n1080\n") + svg + QLatin1Char('\n') + target + QLatin1Char('\n'));
        QVERIFY(!QFile::exists(QStringLiteral("pwned")));
        QVERIFY(!QFile::exists(vyrtest::home() + QStringLiteral("/pwned")));
        QFile::remove(vyrtest::sysPath(QStringLiteral("/usr/bin/vyr-svg2png.sh")));
    }

    void svgFallbackRendersOnWhite()
    {
        QFile::remove(vyrtest::sysPath(QStringLiteral("/usr/bin/vyr-svg2png.sh")));
        const QString svg = vyrtest::home() + QStringLiteral("/dot.svg");
        QVERIFY(vyrtest::writeFile(svg, "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                                        "<rect x='0' y='0' width='5' height='10' fill='#ff0000'/></svg>"));
        const QString target = svgConversionTarget(svg, 40, 20);
        QVERIFY(convertSvgToPng(svg, target, 40, 20));
        const QImage image(target);
        QCOMPARE(image.size(), QSize(40, 20));
        QCOMPARE(image.pixelColor(1, 10), QColor(Qt::red));
        QCOMPARE(image.pixelColor(38, 10), QColor(Qt::white));
        // Written whole: no temporary file is left beside it.
        QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files), QStringList{QStringLiteral("dot.png")});
    }

    void toolTip()
    {
        const QString picture = vyrtest::home() + QStringLiteral("/w/sea.large.jpg");
        QVERIFY(writeImage(picture, QSize(4, 4)));
        QCOMPARE(wallpaperToolTip(picture), QString());
        QVERIFY(vyrtest::writeFile(vyrtest::home() + QStringLiteral("/w/sea.desktop"),
                                   "[Desktop Entry]\nType=Link\nName=Sea <1>\nComment=Waves & sand\n"));
        QCOMPARE(wallpaperToolTip(picture), QStringLiteral("<b>Sea &lt;1&gt;</b><br>Waves &amp; sand"));
    }

    // The preview: a 2x2 picture (red, green / blue, yellow) on an 8x4
    // black screen.
    void preview_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<Pixels>("pixels");
        const QColor black(Qt::black);
        QTest::newRow("Center") << int(PositionCenter)
                                << Pixels{{{2, 1}, black}, {{3, 1}, Qt::red}, {{4, 1}, Qt::green}, {{3, 2}, Qt::blue},
                                          {{4, 2}, Qt::yellow}, {{5, 2}, black}, {{3, 0}, black}, {{3, 3}, black}};
        QTest::newRow("Tile") << int(PositionTile)
                              << Pixels{{{0, 0}, Qt::red}, {{1, 0}, Qt::green}, {{2, 0}, Qt::red}, {{0, 1}, Qt::blue},
                                        {{6, 2}, Qt::red}, {{7, 3}, Qt::yellow}};
        QTest::newRow("Stretch") << int(PositionStretch)
                                 << Pixels{{{0, 0}, Qt::red}, {{3, 1}, Qt::red}, {{4, 0}, Qt::green}, {{0, 3}, Qt::blue},
                                           {{7, 3}, Qt::yellow}};
        QTest::newRow("Fit") << int(PositionFit)
                             << Pixels{{{1, 0}, black}, {{2, 0}, Qt::red}, {{3, 1}, Qt::red}, {{4, 0}, Qt::green},
                                       {{5, 3}, Qt::yellow}, {{6, 0}, black}};
        QTest::newRow("Crop") << int(PositionCrop)
                              << Pixels{{{0, 0}, Qt::red}, {{0, 1}, Qt::red}, {{0, 2}, Qt::blue}, {{7, 0}, Qt::green},
                                        {{7, 3}, Qt::yellow}};
    }
    void preview()
    {
        QFETCH(int, position);
        QFETCH(Pixels, pixels);
        WallpaperScene scene;
        scene.screen = QSize(8, 4);
        scene.desktopColour = Qt::black;
        scene.position = position;
        scene.wallpaper = quadrants();
        const QImage canvas = paintWallpaperScene(scene);
        QCOMPARE(canvas.size(), QSize(8, 4));
        for (const auto &pixel : pixels)
            QVERIFY2(canvas.pixelColor(pixel.first) == pixel.second,
                     qPrintable(QStringLiteral("(%1,%2) is %3").arg(pixel.first.x()).arg(pixel.first.y())
                                    .arg(canvas.pixelColor(pixel.first).name())));
    }

    void previewLogo_data()
    {
        QTest::addColumn<QString>("corner");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QPoint>("white");
        QTest::addColumn<QPoint>("notWhite");
        // A 2x1 white logo on 80x40: the margin is one pixel.
        QTest::newRow("TopLeft") << "TopLeft" << 1.0 << QPoint(1, 1) << QPoint(0, 0);
        QTest::newRow("BottomRight") << "BottomRight" << 1.0 << QPoint(78, 38) << QPoint(79, 39);
        QTest::newRow("Center") << "Center" << 1.0 << QPoint(39, 19) << QPoint(41, 19);
        QTest::newRow("Right") << "Right" << 1.0 << QPoint(77, 19) << QPoint(76, 19);
        // At a ratio of 2 the corner (1,1) is at logical 0.5, rounded to 1: (2,2).
        QTest::newRow("TopLeft at ratio 2") << "TopLeft" << 2.0 << QPoint(2, 2) << QPoint(1, 1);
    }
    void previewLogo()
    {
        QFETCH(QString, corner);
        QFETCH(qreal, ratio);
        QFETCH(QPoint, white);
        QFETCH(QPoint, notWhite);
        WallpaperScene scene;
        scene.screen = QSize(80, 40);
        scene.devicePixelRatio = ratio;
        scene.desktopColour = Qt::black;
        scene.logo = QImage(2, 1, QImage::Format_RGB32);
        scene.logo.fill(Qt::white);
        scene.logoPosition = CalcLogoPosition(2, 1, 0, 0, 80, 40, corner);
        const QImage canvas = paintWallpaperScene(scene);
        QCOMPARE(canvas.pixelColor(white), QColor(Qt::white));
        QVERIFY(canvas.pixelColor(notWhite) != QColor(Qt::white));
    }

    void previewScaledDown()
    {
        WallpaperScene scene;
        scene.screen = QSize(8, 4);
        scene.position = PositionStretch;
        scene.wallpaper = quadrants();
        const QImage canvas = paintWallpaperScene(scene, 0.5);
        QCOMPARE(canvas.size(), QSize(4, 2));
        // Drawn smoothly: corner pixels are within a step of the colour.
        auto near = [](const QColor &a, const QColor &b) {
            return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 && qAbs(a.blue() - b.blue()) <= 2;
        };
        QVERIFY(near(canvas.pixelColor(0, 0), Qt::red));
        QVERIFY(near(canvas.pixelColor(3, 1), Qt::yellow));
    }

    void previewFromFiles()
    {
        // A shipped logo SVG is a tenth of the screen wide; a JPEG is
        // decoded and placed as a decoded picture would be.
        const QString picture = vyrtest::home() + QStringLiteral("/q.png");
        QVERIFY(quadrants().save(picture));
        const QString logo = vyrtest::home() + QStringLiteral("/solva_logo_x.svg");
        QVERIFY(vyrtest::writeFile(logo, "<svg xmlns='http://www.w3.org/2000/svg' width='4' height='2'>"
                                         "<rect width='4' height='2' fill='#ffffff'/></svg>"));
        WallpaperPreviewRequest request;
        request.screen = QSize(80, 40);
        request.desktopColour = Qt::black;
        request.position = PositionCenter;
        request.wallpaperFile = picture;
        request.logoFile = logo;
        request.logoPositionKey = QStringLiteral("TopLeft");
        const QImage canvas = renderWallpaperPreview(request);
        QCOMPARE(canvas.size(), QSize(80, 40));
        QCOMPARE(canvas.pixelColor(39, 19), QColor(Qt::red));
        QCOMPARE(canvas.pixelColor(40, 20), QColor(Qt::yellow));
        // 8x4 logo at the one-pixel margin.
        QCOMPARE(canvas.pixelColor(1, 1), QColor(Qt::white));
        QCOMPARE(canvas.pixelColor(8, 4), QColor(Qt::white));
        QCOMPARE(canvas.pixelColor(9, 5), QColor(Qt::black));
    }
};

VYR_TEST_GUILESS_MAIN(TestWallpaperSettings)
#include "test_wallpapersettings.moc"
