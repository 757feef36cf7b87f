// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "sessionfile.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

/**
 * The session settings of the window manager: exit and confirmation
 * dialogs, session management, login and shutdown actions, applications
 * kept out of sessions and the remote start command. Each saved change is
 * written to the session file and announced to the running window manager.
 */
class SessionSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SessionSettingsDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~SessionSettingsDialog() override;

    /// Reads the session file into the controls; false (after an error box)
    /// when it cannot be read.
    bool load();
    /// Writes the changed keys and announces them; false (after an error
    /// box) when the file could not be written, OK and Apply then stay enabled.
    bool save();

    /// The values the controls show.
    SessionValues values() const;

public Q_SLOTS:
    void changedSlot();
    void okSlot();
    void applySlot();
    void cancelSlot();
    void helpSlot();
    bool messageReceived(const QString &message);
    void reject() override;

private:
    void buildControls();
    void setValues(const SessionValues &v);
    void setChangesPending(bool pending);
    void restoreGeometry();
    void saveGeometry() const;
    /// Asks whether to save pending changes; false when the user cancels
    /// or the save failed.
    bool askToSave();

    QCheckBox *m_exitDialog = nullptr;
    QCheckBox *m_confirmDialog = nullptr;
    QGroupBox *m_sessionManagement = nullptr;
    QComboBox *m_loginMode = nullptr;
    QComboBox *m_shutdownType = nullptr;
    QLineEdit *m_excludeApps = nullptr;
    QLineEdit *m_remoteCommand = nullptr;
    QLineEdit *m_remoteUser = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
