// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-icon-emblems: draws one emblem per mandatory integrity level
// (emblem-maclevel<N>.png, in the level colours of a theme file) into every
// emblem directory of an icon theme, or removes them again.

#include <vyrtranslations.h>

#include <QColor>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>

#include <vector>

namespace {

struct EmblemDir {
    QString path;
    int size = 0;
};

/// Where a system path lies on this machine: below VYR_SYSROOT when set (as
/// the platform library maps it; this tool links Qt only).
QString systemPath(const QString &path)
{
    QString root = qEnvironmentVariable("VYR_SYSROOT");
    while (root.endsWith(QLatin1Char('/')))
        root.chop(1);
    return root.isEmpty() || !path.startsWith(QLatin1Char('/')) ? path : root + path;
}

/// Emblem directories from index.theme (Context=Emblems, Size > 0), or, for
/// a theme without one, NxN/emblems for every square NxN sub-directory.
std::vector<EmblemDir> emblemDirs(const QString &theme)
{
    std::vector<EmblemDir> dirs;
    const QString indexPath = theme + QStringLiteral("/index.theme");
    if (QFileInfo(indexPath).isReadable()) {
        QSettings index(indexPath, QSettings::IniFormat);
        if (index.status() == QSettings::NoError) {
            const QStringList names = index.value(QStringLiteral("Icon Theme/Directories")).toStringList();
            for (const QString &name : names) {
                index.beginGroup(name);
                bool ok = false;
                const int size = index.value(QStringLiteral("Size")).toInt(&ok);
                if (index.value(QStringLiteral("Context")).toString() == QLatin1String("Emblems") && ok && size > 0)
                    dirs.push_back({theme + QLatin1Char('/') + name, size});
                index.endGroup();
            }
            return dirs;
        }
    }
    static const QRegularExpression square(QStringLiteral("^(\\d+)x(\\d+)$"));
    const QStringList subdirs = QDir(theme).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : subdirs) {
        const QRegularExpressionMatch match = square.match(name);
        if (!match.hasMatch() || match.captured(1) != match.captured(2))
            continue;
        const int size = match.captured(1).toInt();
        if (size > 0)
            dirs.push_back({theme + QLatin1Char('/') + name + QStringLiteral("/emblems"), size});
    }
    return dirs;
}

std::vector<EmblemDir> emblemDirsOrComplain(const QString &theme)
{
    std::vector<EmblemDir> dirs = emblemDirs(theme);
    if (dirs.empty())
        qCritical("Failed to get emblems subdirs for icon theme %s", qPrintable(theme));
    return dirs;
}

/// Below 16 px a dot, from 16 px a five-pointed star; both in the level
/// colour with a thin dark edge offset towards the bottom right.
QImage drawEmblem(int size, const QColor &colour)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::Qt4CompatiblePainting);
    painter.setWindow(-1, -1, 2, 2);
    const qreal pixel = 2.0 / size;
    if (size < 16) {
        const qreal r = 1 - pixel;
        painter.drawEllipse(QRectF(pixel / 2 - r, pixel / 2 - r, 2 * r, 2 * r));
        painter.setPen(colour);
        painter.setBrush(colour);
        painter.drawEllipse(QRectF(-r, -r, 2 * r, 2 * r));
    } else {
        QPolygonF star(QVector<QPointF>{{0.6180339887498948, 0.85065080835204},
                                        {0.0, -1.0514622242382672},
                                        {-0.6180339887498948, 0.85065080835204},
                                        {1.0, -0.3249196962329063},
                                        {-1.0, -0.3249196962329063}});
        painter.drawPolygon(star, Qt::WindingFill);
        star.translate(-pixel, -pixel);
        painter.setPen(colour);
        painter.setBrush(colour);
        painter.drawPolygon(star, Qt::WindingFill);
    }
    return image;
}

void generate(const QString &theme, const QString &configPath)
{
    const std::vector<EmblemDir> dirs = emblemDirsOrComplain(theme);
    if (dirs.empty())
        return;
    const QSettings config(configPath, QSettings::IniFormat);
    for (int level = 0;; ++level) {
        const QString key = QStringLiteral("Variables/MACLevelColor%1").arg(level);
        if (!config.contains(key))
            break;
        const QString name = config.value(key).toString();
        const QColor colour(name);
        if (!colour.isValid()) {
            // A typo would otherwise give a black emblem that looks deliberate.
            qCritical("Invalid color %s for MAC level %d", qPrintable(name), level);
            continue;
        }
        for (const EmblemDir &dir : dirs) {
            if (!QDir().mkpath(dir.path)) {
                qCritical("Failed to create emblems subdir %s", qPrintable(dir.path));
                continue;
            }
            const QString file = dir.path + QStringLiteral("/emblem-maclevel") + QString::number(level)
                + QStringLiteral(".png");
            // Replaced whole, so icon loaders never read a half-written file.
            QSaveFile out(file);
            if (!out.open(QIODevice::WriteOnly) || !drawEmblem(dir.size, colour).save(&out, "PNG") || !out.commit())
                qCritical("Failed to save emblem file %s", qPrintable(file));
        }
    }
}

void remove(const QString &theme)
{
    static const QRegularExpression emblem(QStringLiteral("^emblem-maclevel\\d+\\.png$"));
    for (const EmblemDir &dir : emblemDirsOrComplain(theme)) {
        const QDir emblems(dir.path);
        for (const QString &name : emblems.entryList(QDir::Files)) {
            if (emblem.match(name).hasMatch())
                QFile::remove(emblems.filePath(name));
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // A console tool: no window, so no display connection is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(VYR_VERSION));
    vyrInstallTranslations();

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption configOption(
        QStringLiteral("c"), QCoreApplication::translate("Options", "Set config <file> with colors for MAC levels"),
        QStringLiteral("file"), QStringLiteral("/usr/share/vyr-wm/theme/default.themerc"));
    const QCommandLineOption themeOption(QStringLiteral("t"),
                                         QCoreApplication::translate("Options", "Set icon theme <path>"),
                                         QStringLiteral("path"), QStringLiteral("/usr/share/icons/hicolor"));
    const QCommandLineOption removeOption(
        QStringLiteral("d"), QCoreApplication::translate("Options", "Remove MAC emblems from theme <path>"),
        QStringLiteral("path"));
    parser.addOptions({configOption, themeOption, removeOption});
    parser.process(app);

    // Only the built-in defaults are system paths; paths given are taken as they are.
    const auto pathOf = [&parser](const QCommandLineOption &option) {
        return parser.isSet(option) ? parser.value(option) : systemPath(parser.value(option));
    };
    if (parser.isSet(removeOption))
        remove(parser.value(removeOption));
    else
        generate(pathOf(themeOption), pathOf(configOption));
    return 0;
}
