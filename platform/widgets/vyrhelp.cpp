// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrhelp.h"
#include "vyrpaths.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

QString vyrHelpPath(const QString &topic)
{
    const QString dir = GetVyrDir(VyrDirSharedData) + QStringLiteral("/help/") + QCoreApplication::applicationName();
    QStringList candidates;
    if (!topic.isEmpty() && !topic.contains(QLatin1Char('/')))
        candidates << dir + QLatin1Char('/') + topic + QStringLiteral(".html");
    candidates << dir + QStringLiteral("/index.html");
    for (const QString &path : candidates) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

bool vyrHelpShow(const QString &topic)
{
    const QString path = vyrHelpPath(topic);
    if (path.isEmpty() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    // One help window per program; a second request raises it.
    static QPointer<QDialog> window;
    if (!window) {
        window = new QDialog(nullptr, Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QCoreApplication::translate("vyrHelpShow", "Help"));
        auto *layout = new QVBoxLayout(window);
        auto *browser = new QTextBrowser(window);
        browser->setObjectName(QStringLiteral("helpBrowser"));
        browser->setOpenExternalLinks(true);
        layout->addWidget(browser);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
        QObject::connect(buttons, &QDialogButtonBox::rejected, window.data(), &QDialog::close);
        layout->addWidget(buttons);
        window->resize(640, 520);
    }
    if (auto *browser = window->findChild<QTextBrowser *>(QStringLiteral("helpBrowser")))
        browser->setSource(QUrl::fromLocalFile(path));
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}
