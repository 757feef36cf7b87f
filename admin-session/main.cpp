// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sessionsettingsdialog.h"

#include "myapplication.h"
#include "vyrinit.h"
#include "vyrversion.h"

#include <memory>

int main(int argc, char *argv[])
{
    auto app = std::make_unique<MyApplication>(vyrDisplayKey() + QStringLiteral("vyr-admin-session"), argc, argv);
    if (app->isRunning()) {
        app->sendMessage(QStringLiteral("show"), 5000);
        return 0;
    }
    vyrInit(vyrVersion(), QT_TRANSLATE_NOOP("vyrInit", "Vyr session settings"));

    auto dialog = std::make_unique<SessionSettingsDialog>(
        nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                     | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    dialog->show();
    QObject::connect(app.get(), &MyApplication::messageReceived, dialog.get(),
                     &SessionSettingsDialog::messageReceived);
    QObject::connect(app.get(), &QApplication::lastWindowClosed, app.get(), &QApplication::quit);
    const int status = app->exec();
    dialog.reset();
    return status;
}
