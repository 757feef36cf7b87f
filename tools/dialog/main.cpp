// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-dialog: the platform's message dialog as the desktop helpers start
// it. Shows one message box:
//
//   vyr-dialog [--geometry WxH+X+Y] [--title TEXT] [--icon NAME] (--sorry TEXT | --error TEXT)
//
// The box is placed at the geometry's position (its size is a minimum; the
// box grows to fit the text). The icon is looked up in the icon theme, with
// the standard warning or error icon when the theme has none. Exit status 0
// when the box was closed, 1 on a bad command line.

#include <vyrtranslations.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStyle>

#include <cstdio>

namespace {
struct Geometry {
    QSize size;
    QPoint position;
    bool hasPosition = false;
};

// X geometry strings: [WxH][{+-}X{+-}Y]
bool parseGeometry(const QString &text, Geometry *geometry)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(?:(\\d+)x(\\d+))?(?:([+-]-?\\d+)([+-]-?\\d+))?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch() || text.trimmed().isEmpty())
        return false;
    if (match.capturedLength(1))
        geometry->size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
    if (match.capturedLength(3)) {
        const auto coordinate = [](const QString &part) {
            return part.startsWith(QLatin1String("+")) ? part.mid(1).toInt() : part.toInt();
        };
        geometry->position = QPoint(coordinate(match.captured(3)), coordinate(match.captured(4)));
        geometry->hasPosition = true;
    }
    return true;
}
}

int main(int argc, char *argv[])
{
    // "--geometry" and "--title" are also options of Qt's own X11 command
    // line, which would take them away: the application gets only the
    // program name, the parser gets the whole command line.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("vyr-dialog"));
    vyrInstallTranslations();

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("Options", "Shows a message of a desktop program"));
    parser.addHelpOption();
    const QCommandLineOption geometryOption(QStringLiteral("geometry"),
                                            QCoreApplication::translate("Options", "Position and size"),
                                            QStringLiteral("WxH+X+Y"));
    const QCommandLineOption titleOption(
        QStringLiteral("title"), QCoreApplication::translate("Options", "Window title"), QStringLiteral("text"));
    const QCommandLineOption iconOption(QStringLiteral("icon"), QCoreApplication::translate("Options", "Icon name"),
                                        QStringLiteral("name"));
    const QCommandLineOption sorryOption(
        QStringLiteral("sorry"), QCoreApplication::translate("Options", "Show a warning"), QStringLiteral("text"));
    const QCommandLineOption errorOption(
        QStringLiteral("error"), QCoreApplication::translate("Options", "Show an error"), QStringLiteral("text"));
    parser.addOptions({geometryOption, titleOption, iconOption, sorryOption, errorOption});
    parser.process(arguments);

    const bool sorry = parser.isSet(sorryOption);
    const bool error = parser.isSet(errorOption);
    if (sorry == error) {
        std::fprintf(stderr, "vyr-dialog: give exactly one of --sorry or --error\n");
        return 1;
    }
    Geometry geometry;
    if (parser.isSet(geometryOption) && !parseGeometry(parser.value(geometryOption), &geometry)) {
        std::fprintf(stderr, "vyr-dialog: invalid geometry '%s'\n", qPrintable(parser.value(geometryOption)));
        return 1;
    }

    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Warning, parser.value(titleOption),
                    parser.value(error ? errorOption : sorryOption), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    const QIcon icon = QIcon::fromTheme(parser.value(iconOption));
    if (!icon.isNull()) {
        const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
        box.setIconPixmap(icon.pixmap(size, size));
        box.setWindowIcon(icon);
    }
    if (geometry.size.isValid())
        box.setMinimumSize(geometry.size);
    if (geometry.hasPosition) {
        // QMessageBox centres itself when shown; the position is applied after.
        box.show();
        box.move(geometry.position);
    }
    box.exec();
    return 0;
}
