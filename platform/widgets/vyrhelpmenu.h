// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMenu>

class QAction;

/**
 * The "&Help" menu of a program's main window: the program's help page
 * (F1, through vyrHelpShow()), and an About box naming the program, its
 * version and description. Add it with QMenuBar::addMenu(); the parent
 * widget owns it.
 */
class VyrHelpMenu : public QMenu
{
    Q_OBJECT
public:
    explicit VyrHelpMenu(QWidget *parent = nullptr);

    QAction *helpAction() const { return m_help; }
    QAction *aboutAction() const { return m_about; }

public Q_SLOTS:
    /// Opens the help page; tells the user when the program has none.
    void showHelp();
    void showAbout();

private:
    QAction *m_help = nullptr;
    QAction *m_about = nullptr;
};
