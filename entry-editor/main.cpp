// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-entry-editor: creates or edits one desktop entry file in the
// platform's edit dialog, optionally pre-filled from a pattern file that the
// caller hands over (and that is removed afterwards), placed at a desktop
// position and made transient for another X window.

#include <vyrdesktopentryeditdialog.h>
#include <vyrinit.h>
#include <vyrversion.h>

#include <KWindowSystem>

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QWindow>

#include <cstdio>

namespace {
// A window id in decimal or, with "0x", in hexadecimal; 0 when the text is
// neither.
WId parseWindowId(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    qulonglong id = 0;
    if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        id = trimmed.mid(2).toULongLong(&ok, 16);
    else
        id = trimmed.toULongLong(&ok, 10);
    return ok ? WId(id) : WId(0);
}

bool sameFile(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vyrInit(vyrVersion(), QT_TRANSLATE_NOOP("vyrInit", "Program to create or edit desktop entry file"));
    QApplication::setQuitOnLastWindowClosed(true);

    QCommandLineParser parser;
    parser.setApplicationDescription(vyrProgramDescription());
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption fileOption(
        QStringLiteral("filePath"),
        QCoreApplication::translate("Options", "File Path to edit or create (if doesn't exist)"),
        QStringLiteral("path"));
    const QCommandLineOption patternOption(QStringLiteral("patternPath"),
                                           QCoreApplication::translate("Options", "File Path to inherit fields from"),
                                           QStringLiteral("path"));
    const QCommandLineOption xOption(QStringLiteral("x"),
                                     QCoreApplication::translate("Options", "X coordinate on desktop"),
                                     QStringLiteral("x"), QStringLiteral("-1"));
    const QCommandLineOption yOption(QStringLiteral("y"),
                                     QCoreApplication::translate("Options", "Y coordinate on desktop"),
                                     QStringLiteral("y"), QStringLiteral("-1"));
    const QCommandLineOption monitorOption(
        QStringLiteral("monitor"), QCoreApplication::translate("Options", "Monitor name"), QStringLiteral("monitor"));
    const QCommandLineOption embedOption(
        QStringLiteral("embed"),
        QCoreApplication::translate("Options", "Makes the dialog transient for an X app specified by winid"),
        QStringLiteral("winid"));
    parser.addOptions({fileOption, patternOption, xOption, yOption, monitorOption, embedOption});
    parser.process(app);

    if (!parser.isSet(fileOption))
        parser.showHelp(0);

    VyrDesktopEntryEditDialog dialog;
    if (parser.isSet(embedOption)) {
        const WId parent = parseWindowId(parser.value(embedOption));
        if (parent != 0) {
            dialog.setAttribute(Qt::WA_NativeWindow, true);
            KWindowSystem::setMainWindow(dialog.windowHandle(), parent);
        }
    }

    QString pattern;
    if (parser.isSet(patternOption)) {
        const QFileInfo info(parser.value(patternOption));
        if (info.exists())
            pattern = info.absoluteFilePath();
    }
    const QString filePath = QFileInfo(parser.value(fileOption)).absoluteFilePath();
    if (!dialog.setDesktopEntryPath(filePath, true, pattern)) {
        std::fprintf(stderr, "can't set file path %s\n", qPrintable(filePath));
        return 1;
    }

    if (parser.isSet(xOption) && parser.isSet(yOption)) {
        bool okX = false, okY = false;
        const int x = parser.value(xOption).trimmed().toInt(&okX);
        const int y = parser.value(yOption).trimmed().toInt(&okY);
        if (okX && okY)
            dialog.setDesktopEntryCoords(x, y, parser.value(monitorOption));
        else
            std::fprintf(stderr, "vyr-entry-editor: invalid coordinates '%s' '%s' ignored\n",
                         qPrintable(parser.value(xOption)), qPrintable(parser.value(yOption)));
    }

    const QString fileName = QFileInfo(filePath).fileName();
    const QString title = dialog.windowTitle();
    if (title.isEmpty() || (!fileName.isEmpty() && !title.contains(fileName))) {
        QString text = QCoreApplication::translate("vyr-entry-editor", "Vyr Desktop Entry Editor");
        if (!fileName.isEmpty())
            text += QStringLiteral(" - ") + fileName + QStringLiteral("[*]");
        dialog.setWindowTitle(text);
        dialog.setWindowIconText(text);
    }

    dialog.show();
    const int status = app.exec();

    // The pattern is a temporary file the caller handed over; never the
    // entry just edited, though, when both name the same file.
    if (!pattern.isEmpty() && QFileInfo::exists(pattern) && !sameFile(pattern, filePath))
        QFile::remove(pattern);
    return status;
}
