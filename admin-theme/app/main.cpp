// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "interactive.h"
#include "servicemodes.h"
#include "startup.h"

#include <distribution.h>
#include <session.h>

#include <myapplication.h>

#include <QStringList>

#include <cstdio>

static int runServiceMode(ServiceMode mode, const QStringList &args, bool withDisplay)
{
    if (mode == ServiceMode::ApplyColorScheme)
        return runApplyColorScheme(args.at(1), withDisplay);
    return runWmColor(withDisplay);
}

int main(int argc, char **argv)
{
    sessionFlags().distributionSchemesPresent = Distribution::schemesInstalled();

    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const ServiceMode mode = requestedServiceMode(args);

    // An empty DISPLAY names no server either.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        if (mode == ServiceMode::NotRequested) {
            if (!args.isEmpty() && (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h"))) {
                std::printf("%s\n", usageText().toLocal8Bit().constData());
                return 1;
            }
            std::fputs("no DISPLAY set, exit now\n", stderr);
            return 1;
        }
        if (!prepareConsoleDisplay())
            return runServiceMode(mode, args, false);
    }

    if (mode != ServiceMode::NotRequested) {
        // The service modes show no window and never take the
        // single-instance key; they reach the display and the session bus
        // through connections of their own and need no application object,
        // whose start would cost more than all their work.
        const bool display = displayAnswers();
        if (!display) {
            // A display that does not answer must not end the run: the
            // files can still be brought up to date.
            std::fprintf(stderr, "vyr-admin-theme: can't open display %s, continue without it\n",
                         qgetenv("DISPLAY").constData());
        }
        return runServiceMode(mode, args, display);
    }

    // The window paints with widgets only; loading the GL integration would
    // double the start-up time and the memory of every start.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    MyApplication app(singleInstanceKey(), argc, argv);
    return runInteractive(app, argc, argv);
}
