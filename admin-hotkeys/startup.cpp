// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "startup.h"
#include "hotkeyfile.h"
#include "keysconfform.h"

#include <vyrsettings.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(HotkeysStartup)
};
} // namespace

int startHotkeysEditor(const QStringList &arguments, std::unique_ptr<KeysConfForm> &window)
{
    const QString first = arguments.value(0);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        const QString usage = Text::tr("Usage: vyr-admin-hotkeys filepath - open/create file as hotkeys coll\n");
        std::printf("%s\n", usage.toLocal8Bit().constData());
        return HotkeysExitUsage;
    }

    window = std::make_unique<KeysConfForm>();
    window->setFillWhenShown(true);

    // An unexpanded placeholder of a desktop entry ("%f") names no file.
    QString path = first.startsWith(QLatin1Char('%')) ? QString() : first;
    if (!path.isEmpty()) {
        // The window manager is told this path: it must not depend on our
        // working directory.
        path = QFileInfo(path).absoluteFilePath();
        if (!QFileInfo::exists(path)
            && QMessageBox::question(nullptr, Text::tr("Warning"), Text::tr("File %1 doesn't exist. Create?").arg(path),
                                     QMessageBox::Yes | QMessageBox::No)
                != QMessageBox::Yes) {
            window.reset();
            return HotkeysExitDeclined;
        }
    } else {
        path = userKeyFilePath();
    }

    if (!QFileInfo::exists(path)) {
        QString error;
        if (path.isEmpty() || !vyrWriteFileAtomically(path, emptyKeyFileContent(), &error)) {
            std::fprintf(stderr, "vyr-admin-hotkeys: Can't open/create file: %s\n", path.toLocal8Bit().constData());
            QMessageBox::warning(nullptr, Text::tr("Attention"), Text::tr("Can't open/create file:\n%1").arg(path));
            window.reset();
            return HotkeysExitCannotCreate;
        }
    }

    if (!window->init(path)) {
        std::fprintf(stderr, "vyr-admin-hotkeys: Can't parse file: %s\n", path.toLocal8Bit().constData());
        QMessageBox::warning(nullptr, Text::tr("Attention"), Text::tr("Can't parse file:\n%1").arg(path));
        window.reset();
        return HotkeysExitCannotParse;
    }
    return -1;
}
