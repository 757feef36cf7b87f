// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

/**
 * Answers every message box that becomes the active modal widget with one
 * button, and records what it saw. Message boxes run their own event loop,
 * so the answer has to come from a timer.
 */
class MessageBoxAnswerer : public QObject
{
    Q_OBJECT
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer, QObject *parent = nullptr);

    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }
    int count() const { return m_titles.size(); }
    QStringList titles() const { return m_titles; }
    QStringList texts() const { return m_texts; }
    /// The buttons the last box offered.
    QMessageBox::StandardButtons lastButtons() const { return m_lastButtons; }

private:
    void poll();

    QTimer m_timer;
    QMessageBox::StandardButton m_answer;
    QStringList m_titles;
    QStringList m_texts;
    QMessageBox::StandardButtons m_lastButtons;
};
