// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-svg2png: renders one SVG image into an opaque PNG of a given size, by
// default into <pictures>/<width>x<height>/<name>.png.

#include <vyrpaths.h>
#include <vyrtranslations.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

enum ExitStatus {
    ExitDone = 0,
    ExitUsage = 2,
    ExitNoPictureDir = 3,
    ExitNoOutputDir = 4,
    ExitNotWritten = 5,
};

void printError(const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

bool ensureDir(const QString &dir)
{
    if (QDir().mkpath(dir))
        return true;
    printError(QStringLiteral("vyr-svg2png: Can't create user picture dir %1").arg(dir));
    return false;
}

/// An image of the requested size, white wherever the SVG leaves it
/// transparent. A file that cannot be parsed gives a plain white image.
QImage render(const QString &svgPath, int width, int height)
{
    QSvgRenderer renderer;
    if (!renderer.load(svgPath))
        printError(QStringLiteral("vyr-svg2png: can't load %1").arg(svgPath));
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);
    if (renderer.isValid())
        renderer.render(&painter, QRectF(image.rect()));
    return image;
}

/// Writes the whole file or nothing: a wallpaper being replaced is never
/// seen half written.
bool savePng(const QImage &image, const QString &path)
{
    if (image.isNull())
        return false;
    QSaveFile file(path);
    const QByteArray format = QFileInfo(path).suffix().toLatin1();
    return !format.isEmpty() && file.open(QIODevice::WriteOnly) && image.save(&file, format.constData())
        && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    // A console tool: no window, so no display connection is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    vyrInstallTranslations();

    // No built-in help option: "h" is the height.
    QCommandLineParser parser;
    const QCommandLineOption widthOption(QStringList{QStringLiteral("w"), QStringLiteral("width")},
                                         QCoreApplication::translate("Options", "Width"),
                                         QStringLiteral("width"), QStringLiteral("1920"));
    const QCommandLineOption heightOption(QStringList{QStringLiteral("h"), QStringLiteral("height")},
                                          QCoreApplication::translate("Options", "Height"),
                                          QStringLiteral("height"), QStringLiteral("1080"));
    const QCommandLineOption inputOption(QStringList{QStringLiteral("i"), QStringLiteral("ipath")},
                                         QCoreApplication::translate("Options", "Input file path"),
                                         QStringLiteral("ipath"));
    const QCommandLineOption outputOption(QStringList{QStringLiteral("o"), QStringLiteral("opath")},
                                          QCoreApplication::translate("Options", "Output file path"),
                                          QStringLiteral("opath"));
    parser.addOptions({widthOption, heightOption, inputOption, outputOption});
    parser.process(app);

    const QString input = parser.value(inputOption);
    if (input.isEmpty() || !(input.endsWith(QLatin1String(".svg")) || input.endsWith(QLatin1String(".svgz"))))
        parser.showHelp(ExitUsage);

    const int width = parser.value(widthOption).toInt();
    const int height = parser.value(heightOption).toInt();

    QString output = parser.value(outputOption);
    if (!output.isEmpty()) {
        if (!ensureDir(QFileInfo(output).absolutePath()))
            return ExitNoOutputDir;
    } else {
        const QString pictures = GetVyrDir(VyrDirPictures);
        if (pictures.isEmpty()) {
            printError(QStringLiteral("vyr-sv2png: Can't get user picture dir"));
            return ExitNoPictureDir;
        }
        const QString dir = pictures + QLatin1Char('/') + QString::number(width) + QLatin1Char('x')
            + QString::number(height);
        if (!ensureDir(dir))
            return ExitNoOutputDir;
        output = dir + QLatin1Char('/') + QFileInfo(input).completeBaseName() + QStringLiteral(".png");
    }

    if (!savePng(render(input, width, height), output)) {
        printError(QStringLiteral("vyr-svg2png: Can't write %1").arg(output));
        return ExitNotWritten;
    }
    return ExitDone;
}
