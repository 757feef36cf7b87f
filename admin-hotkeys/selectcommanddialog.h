// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;
class QToolButton;

/**
 * Asks for the command line of a command binding: typed in, an executable
 * chosen with "...", or a program picked from the desktop menu.
 */
class SelectCommandDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SelectCommandDialog(QWidget *parent = nullptr);
    ~SelectCommandDialog() override;

    QString command() const;
    void setCommand(const QString &command);

    QLineEdit *commandEdit() const { return m_edit; }

public Q_SLOTS:
    /// "...": choose an executable file; its canonical path becomes the command.
    void selectCommandFile();
    /// Picks a program from the desktop menu; its command line becomes the command.
    void selectFromMenu();

private:
    QLineEdit *m_edit = nullptr;
    QToolButton *m_fileButton = nullptr;
    QToolButton *m_menuButton = nullptr;
};

/// @p path as one word of a shell command line: unchanged when it holds no
/// character a shell would interpret, else in single quotes.
QString shellQuotedPath(const QString &path);
