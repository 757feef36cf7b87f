// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Probe for the single-instance test: "single_probe KEY" holds KEY and prints
// each message it receives; "single_probe KEY MESSAGE" forwards MESSAGE to
// the holder when there is one.
#include <myapplication.h>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const QString key = QString::fromLocal8Bit(argv[1]);
    const QString message = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    MyApplication app(key, argc, argv);
    if (app.isRunning()) {
        const bool sent = app.sendMessage(message.isEmpty() ? QStringLiteral("show") : message, 5000);
        std::printf("%s\n", sent ? "forwarded" : "lost");
        return sent ? 0 : 1;
    }
    QObject::connect(&app, &MyApplication::messageReceived, &app, [](const QString &text) {
        std::printf("got:%s\n", qPrintable(text));
        std::fflush(stdout);
    });
    std::printf("holder\n");
    std::fflush(stdout);
    return app.exec();
}
