// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-lineedit: renames one desktop item in place. The desktop starts it
// with the item's path and the position of the item's label; a borderless
// editor covers the label, and on confirmation the file or directory is
// renamed (or a desktop entry's display name changed). Messages go through
// the platform's dialog program, and the window manager is asked to select
// the item afterwards.

#include "desktopscreen.h"
#include "itemeditor.h"
#include "itemrename.h"

#include <vyrdesktopentry.h>
#include <vyrinit.h>
#include <vyrversion.h>
#include <vyrpaths.h>
#include <vyrwmcommand.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QX11Info>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Exit statuses.
constexpr int exitDone = 0;
constexpr int exitUsage = 1;
constexpr int exitMissing = 2;
constexpr int exitUnchanged = 255;

QString s_dialogGeometry;

void showMessage(const QString &icon, bool error, const QString &text)
{
    const QStringList args = ItemRename::dialogArguments(s_dialogGeometry, icon, error, text);
    // Started by name from PATH with an argument list: the text holds user
    // file names and never passes through a shell.
    if (!QProcess::startDetached(QStringLiteral("vyr-dialog"), args))
        std::fprintf(stderr, "vyr-lineedit: can't start vyr-dialog: %s\n", qPrintable(text));
}

void selectOnDesktop(const QString &path)
{
    vyrSendWmCommand(QStringLiteral("VYRWM_ICON_SELECT %1").arg(path));
}

// The window manager leaves windows with this property unanimated; the
// editor must appear over the label at once. Set before mapping, so that the
// window manager already sees it when it handles the map.
void excludeFromAnimation(QWidget *window)
{
    if (!QX11Info::isPlatformX11())
        return;
    Display *dpy = QX11Info::display();
    const Atom atom = XInternAtom(dpy, "_VYR_WM_WINDOW_ANIMATION_BLACKLIST", False);
    const long value = 1;
    XChangeProperty(dpy, window->winId(), atom, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(&value), 1);
    XFlush(dpy);
}

bool parseCoordinate(const QCommandLineParser &parser, const QString &name, int *value)
{
    bool ok = false;
    *value = parser.value(name).trimmed().toInt(&ok);
    if (!ok)
        std::fprintf(stderr, "vyr-lineedit: invalid value '%s' for -%s\n", qPrintable(parser.value(name)),
                     qPrintable(name));
    return ok;
}

void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    vyrInit(vyrVersion(), QT_TRANSLATE_NOOP("vyrInit", "Vyr helper progam to edit desktop item name"));

    QCommandLineParser parser;
    parser.setApplicationDescription(vyrProgramDescription());
    // "-h" is the height here, so help is only "--help".
    const QCommandLineOption helpOption(QStringLiteral("help"),
                                        QCoreApplication::translate("Options", "Displays this help."));
    parser.addOptions({
        helpOption,
        {QStringLiteral("x"), QCoreApplication::translate("Options", "X coordinate"), QStringLiteral("xOnDesktop"),
         QStringLiteral("-99999999")},
        {QStringLiteral("y"), QCoreApplication::translate("Options", "Y coordinate"), QStringLiteral("yOnDesktop"),
         QStringLiteral("-99999999")},
        {QStringLiteral("w"), QCoreApplication::translate("Options", "Width"), QStringLiteral("width"),
         QStringLiteral("0")},
        {QStringLiteral("h"), QCoreApplication::translate("Options", "Height"), QStringLiteral("height"),
         QStringLiteral("0")},
    });
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("Options", "File Path (required)"));
    parser.process(app);
    if (parser.isSet(helpOption))
        parser.showHelp(0);
    if (parser.positionalArguments().isEmpty())
        parser.showHelp(exitUsage);

    int x, y, w, h;
    if (!parseCoordinate(parser, QStringLiteral("x"), &x) || !parseCoordinate(parser, QStringLiteral("y"), &y)
        || !parseCoordinate(parser, QStringLiteral("w"), &w) || !parseCoordinate(parser, QStringLiteral("h"), &h))
        return exitUsage;
    if (x == -1)
        x = 0;
    if (y == -1)
        y = 0;

    QString path = parser.positionalArguments().constFirst();
    if (!path.startsWith(QLatin1Char('/')))
        path = GetVyrDir(VyrDirCurrentDesktop) + QLatin1Char('/') + path;
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);

    const DesktopScreen screen = screenForDesktopPoint(QPoint(x, y));
    if (!screen.found)
        std::fprintf(stderr, "vyr-lineedit: screen by coordinates %d %d not fouind, primary in use\n", x, y);
    s_dialogGeometry = ItemRename::dialogGeometry(x, y, screen.deviceRect);

    const QFileInfo item(path);
    if (!item.exists() && !item.isSymLink()) {
        showMessage(QStringLiteral("system-file-manager"), false,
                    QApplication::translate("vyr-lineedit", "Can't rename '%1'.\nObject doesn't exists.").arg(path));
        return exitMissing;
    }

    ItemRename::Kind kind = ItemRename::kindOf(path);
    std::unique_ptr<VyrDesktopEntry> entry;
    QString startText;
    if (kind != ItemRename::Kind::Plain) {
        entry = std::make_unique<VyrDesktopEntry>(ItemRename::entryFileFor(path, kind));
        if (entry->load()) {
            startText = entry->localName();
            if (startText.isEmpty())
                startText = entry->name();
        } else {
            // Not a readable desktop entry: renamed like any other file.
            entry.reset();
            kind = ItemRename::Kind::Plain;
        }
    }
    if (startText.isEmpty())
        startText = item.fileName();

    ItemEditor editor;
    editor.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    editor.setWindowTitle(QStringLiteral("vyr-lineedit"));
    editor.setStartText(startText, kind == ItemRename::Kind::Plain ? ItemRename::initialSelectionLength(startText)
                                                                   : startText.size());
    if (kind == ItemRename::Kind::Plain)
        editor.enableLiveCheck();

    const qreal ratio = screen.ratio;
    if (w > 0)
        editor.setFixedWidth(qRound(w / ratio));
    else
        editor.setLineWrapMode(QTextEdit::NoWrap);
    if (h > 0)
        editor.resize(editor.width(), qRound(h / ratio));
    editor.move(ratio != 1.0 ? QPoint(int(x / ratio), int(y / ratio)) : QPoint(x, y));
    excludeFromAnimation(&editor);
    editor.show();
    const QSize fitted = editor.fittedSize(w > 0 ? qRound(w / ratio) : 0, h > 0 ? qRound(h / ratio) : 0);
    editor.setFixedSize(fitted);
    if (ratio != 1.0) {
        // The label is centred under the icon: keep the grown editor centred
        // on it as well.
        const int left = int((w / 2 + x) - fitted.width() * ratio / 2);
        if (left >= 0)
            editor.move(int(left / ratio), int(y / ratio));
    }
    editor.activateWindow();
    editor.setFocus();

    QEventLoop loop;
    QObject::connect(&editor, &ItemEditor::finished, &loop, &QEventLoop::quit);
    loop.exec();

    const QString newText = editor.trimmedText();
    if (editor.result() != ItemEditor::Accepted || newText.isEmpty() || newText == startText) {
        editor.hide();
        selectOnDesktop(path);
        return exitUnchanged;
    }

    const QString directory = item.absolutePath();
    const auto refuse = [&](ItemRename::Refusal refusal) {
        showMessage(QStringLiteral("system-file-manager"), false, ItemRename::refusalMessage(refusal, startText));
        editor.hide();
        selectOnDesktop(path);
        return exitUnchanged;
    };
    const auto rename = [&](const QString &newPath) {
        int error = 0;
        const ItemRename::Result result = ItemRename::renameItem(path, newPath, &error);
        if (result == ItemRename::Result::Exists || result == ItemRename::Result::Failed)
            showMessage(ItemRename::renameIcon(result), ItemRename::renameIsError(result),
                        ItemRename::renameMessage(result, path, newPath));
        if (result == ItemRename::Result::Failed)
            std::fprintf(stderr, "vyr-lineedit: rename %s: %s\n", qPrintable(path), std::strerror(error));
        return result == ItemRename::Result::Renamed ? newPath : path;
    };

    QString finalPath = path;
    const QString newPath = directory + QLatin1Char('/') + newText;
    if (kind == ItemRename::Kind::Plain) {
        const ItemRename::Refusal refusal = ItemRename::checkNewName(newText, directory);
        if (refusal != ItemRename::Refusal::Ok)
            return refuse(refusal);
        finalPath = rename(newPath);
    } else {
        entry->setLocalName(newText);
        if (!entry->save(false)) {
            showMessage(QStringLiteral("dialog-error"), true,
                        ItemRename::renameMessage(ItemRename::Result::Failed, entry->filePath(), newText));
        } else if (kind == ItemRename::Kind::DirectoryEntry) {
            // The display name may hold what a directory name must not
            // ("/", a leading "."): then only the display name changes.
            const ItemRename::Refusal refusal = ItemRename::checkNewName(newText, directory);
            if (refusal == ItemRename::Refusal::TooLong || refusal == ItemRename::Refusal::Unencodable)
                return refuse(refusal);
            if (refusal == ItemRename::Refusal::Ok)
                finalPath = rename(newPath);
        }
    }

    waitMs(1000);
    editor.hide();
    selectOnDesktop(finalPath);
    return exitDone;
}
