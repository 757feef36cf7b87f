// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "keysconfform.h"
#include "startup.h"

#include <myapplication.h>
#include <vyrinit.h>
#include <vyrversion.h>

int main(int argc, char *argv[])
{
    // A widgets window needs no OpenGL: without Qt's GL integration the
    // editor starts in about half the time.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    MyApplication app(vyrDisplayKey() + QStringLiteral("vyr-admin-hotkeys"), argc, argv);
    if (app.isRunning()) {
        app.sendMessage(QStringLiteral("show"), 5000);
        return 0;
    }
    vyrInit(vyrVersion(), QT_TRANSLATE_NOOP("vyrInit", "Vyr hotkeys editor"));

    std::unique_ptr<KeysConfForm> window;
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const int status = startHotkeysEditor(arguments, window);
    if (status >= 0)
        return status;

    QObject::connect(&app, &MyApplication::messageReceived, window.get(), &KeysConfForm::messageReceived);
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &QCoreApplication::quit);
    window->show();
    return app.exec();
}
