// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrhelpmenu.h"
#include "vyrhelp.h"
#include "vyrinit.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>

VyrHelpMenu::VyrHelpMenu(QWidget *parent)
    : QMenu(tr("&Help"), parent)
{
    setObjectName(QStringLiteral("helpMenu"));
    m_help = addAction(QIcon::fromTheme(QStringLiteral("help-contents")), tr("%1 &Handbook").arg(vyrProgramDescription()));
    m_help->setShortcut(QKeySequence::HelpContents);
    addSeparator();
    m_about = addAction(QIcon::fromTheme(QStringLiteral("help-about")), tr("&About %1").arg(vyrProgramDescription()));
    connect(m_help, &QAction::triggered, this, &VyrHelpMenu::showHelp);
    connect(m_about, &QAction::triggered, this, &VyrHelpMenu::showAbout);
}

void VyrHelpMenu::showHelp()
{
    if (!vyrHelpShow(QString()))
        QMessageBox::information(parentWidget(), tr("Help"), tr("No help is installed for this program."));
}

void VyrHelpMenu::showAbout()
{
    const QString text = tr("<h3>%1</h3><p>%2 %3</p><p>Part of the Vyr desktop.</p>")
                             .arg(vyrProgramDescription().toHtmlEscaped(),
                                  QCoreApplication::applicationName().toHtmlEscaped(),
                                  QCoreApplication::applicationVersion().toHtmlEscaped());
    QMessageBox::about(parentWidget(), tr("About %1").arg(vyrProgramDescription()), text);
}
