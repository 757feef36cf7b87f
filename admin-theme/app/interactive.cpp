// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "interactive.h"
#include "startup.h"

#include <configdialog.h>
#include <pagetable.h>
#include <session.h>
#include <themepaths.h>
#include <wmcolours.h>

#include <myapplication.h>
#include <vyrdesktopentry.h>
#include <vyrinit.h>
#include <vyrversion.h>

#include <QColorDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QSocketNotifier>

#include <X11/Xlib.h>

#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <memory>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// Global so that the X error handler can reach them.
MyApplication *s_app = nullptr;
QPointer<ConfigDialog> s_window;

int s_signalPipe[2] = {-1, -1};
// Set once a termination was asked for: a SIGTERM that arrives while a
// message box of the first load runs its own loop, before the main loop
// has started, must still end the program.
bool s_terminating = false;

void onTerminate(int)
{
    // Only async-signal-safe work here: the event loop picks the byte up.
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(s_signalPipe[1], &byte, 1);
}

/// SIGTERM ends the event loop normally, so the window still saves its geometry.
void installTerminationHandler(MyApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, s_signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(s_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char buffer[16];
        while (::read(s_signalPipe[0], buffer, sizeof buffer) > 0) {
        }
        s_terminating = true;
        if (s_app)
            s_app->quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    // A write to an X server that has just gone must fail, not kill the
    // process: Qt then ends it through its own path, which keeps the
    // window's geometry, instead of a signal in the middle of a file write.
    ::signal(SIGPIPE, SIG_IGN);
}

int onXConnectionLost(Display *)
{
    if (s_app) {
        delete s_window.data();
        s_window = nullptr;
        s_app->quit();
    }
    return 0;
}

// Qt ends the process itself when its X connection breaks; the window's
// geometry is still worth keeping (the write is atomic).
void storeGeometryAtExit()
{
    if (s_app && s_window)
        s_window->storeGeometry();
}

/// The message a second start forwards: "show", or "Wallpaper " and a path.
QString forwardedMessage(const QStringList &args)
{
    if (args.isEmpty() || args.first() != QLatin1String("Wallpaper"))
        return QStringLiteral("show");
    QString path = args.value(1);
    if (path.endsWith(QLatin1String(".desktop"))) {
        // A link on the desktop stands for the file it points at.
        VyrDesktopEntry entry(path);
        if (entry.load() && !entry.hidden() && entry.type() == QLatin1String("Link")) {
            path = entry.url();
            if (path.startsWith(QLatin1String("file://")))
                path.remove(0, 7);
        }
    }
    // The running instance has a working directory of its own.
    if (!path.isEmpty() && QFileInfo(path).isRelative())
        path = QFileInfo(path).absoluteFilePath();
    return QStringLiteral("Wallpaper ") + path;
}

struct ParsedArguments {
    QString themeFile;
    QString pageName;
    QString pageArgument;
};

ParsedArguments parseArguments(const QStringList &args)
{
    ParsedArguments parsed;
    auto take = [&](int at) {
        const QString &arg = args.at(at);
        const QFileInfo file(arg);
        if (file.isFile()) {
            parsed.themeFile = file.absoluteFilePath();
            return true;
        }
        if (!commandLinePageNames().contains(arg))
            return false;
        parsed.pageName = arg;
        if (arg == QLatin1String("Wallpaper") || arg == QLatin1String("ColorScheme"))
            parsed.pageArgument = args.value(at + 1);
        return true;
    };
    if (!args.isEmpty() && !take(0) && args.size() > 1)
        take(1);
    return parsed;
}

void setStandardColours()
{
    static const char *const colours[] = {"#1469c8", "#006680", "#F44336", "#E91E63", "#9C27B0",
                                          "#673AB7", "#3F51B5", "#2196F3", "#03A9F4", "#00BCD4",
                                          "#009688", "#4CAF50", "#8BC34A", "#CDDC39", "#FFEB3B",
                                          "#FFC107", "#FF9800", "#795548", "#9E9E9E", "#607D8B"};
    int index = 0;
    for (const char *colour : colours)
        QColorDialog::setStandardColor(index++, QColor(QLatin1String(colour)));
}
}

int runInteractive(MyApplication &app, int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    if (app.isRunning()) {
        if (!app.sendMessage(forwardedMessage(args), 5000)) {
            std::fputs("vyr-admin-theme: the running instance did not answer\n", stderr);
            return 1;
        }
        return 0;
    }

    queryIntegrityLevel();
    vyrInit(vyrVersion(), QT_TRANSLATE_NOOP("vyrInit", "Vyr theme editor"));

    if (!args.isEmpty() && (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h"))) {
        std::printf("%s\n", translatedUsageText().toLocal8Bit().constData());
        return 1;
    }

    const QString kiosk = qEnvironmentVariable("VYR_RC_FILE");
    if (!kiosk.isEmpty() && kiosk.contains(QLatin1String("global"))) {
        QMessageBox::critical(nullptr, QObject::tr("Attention"),
                              QObject::tr("The desktop look and feel is not editable in your kiosk environment."),
                              QMessageBox::Ok);
        return 1;
    }

    ParsedArguments parsed = parseArguments(args);
    if (parsed.themeFile.isEmpty()) {
        parsed.themeFile = userThemeFilePath();
        // The store ignores writes to a file it could not read, so a new
        // account would lose every page's edits without one.
        ensureUserThemeFile(parsed.themeFile);
    }

    const QString paletteFile = paletteFilePath();
    if (!paletteFile.isEmpty() && !QFileInfo::exists(paletteFile)) {
        QString error;
        if (!writePaletteFile(paletteFile, paletteSeed(sessionFlags()), &error))
            std::fprintf(stderr, "vyr-admin-theme: can't write %s: %s\n", qPrintable(paletteFile), qPrintable(error));
    }

    setStandardColours();

    const Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
        | Qt::WindowCloseButtonHint;
    std::unique_ptr<ConfigDialog> window = std::make_unique<ConfigDialog>(parsed.themeFile, paletteFile, nullptr, flags);
    s_window = window.get();

    if (!parsed.pageName.isEmpty()) {
        if (sessionFlags().highIntegritySession || parsed.pageName != QLatin1String("ColorScheme")) {
            window->val(parsed.pageName, parsed.pageArgument);
        } else {
            // A shipped scheme is named by its system path, which the
            // system root may place elsewhere.
            if (!QFileInfo(schemeFilePath(parsed.pageArgument)).isFile()) {
                std::fprintf(stderr, "vyr-admin-theme: scheme %s does not exists\n", qPrintable(parsed.pageArgument));
                return 1;
            }
            window->val(QStringLiteral("Theme"), parsed.pageArgument);
            if (!window->fileSave()) {
                std::fprintf(stderr, "vyr-admin-theme: can't save scheme %s\n", qPrintable(parsed.pageArgument));
                return 1;
            }
            return 0;
        }
    }

    // A SIGTERM that comes as soon as the window shows must still end the
    // loop normally, so the handler is in place first.
    s_app = &app;
    installTerminationHandler(app);
    window->show();
    XSetIOErrorHandler(onXConnectionLost);
    std::atexit(storeGeometryAtExit);
    QObject::connect(&app, &MyApplication::messageReceived, window.get(), &ConfigDialog::messageReceived);
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &QCoreApplication::quit);

    const int status = s_terminating ? 0 : app.exec();
    // The X error handler may have destroyed the window already.
    if (!s_window)
        (void)window.release();
    window.reset();
    s_app = nullptr;
    return status;
}
