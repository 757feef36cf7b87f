// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include "vyrwmcommand.h"
#include "wmrecorder.h"

/**
 * Answers the message boxes a test provokes: while alive, every modal
 * QMessageBox that appears is recorded (title and text) and answered with
 * the next queued button, or with its escape button when nothing is queued.
 */
class MessageBoxAnswerer : public QObject
{
public:
    MessageBoxAnswerer()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::poll);
        m_timer.start();
    }

    /// Queues the button that answers the next box.
    void answer(QMessageBox::StandardButton button) { m_queue.append(button); }

    QStringList titles;
    QStringList texts;
    int count() const { return texts.size(); }

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == m_answered)
            return;
        m_answered = box;
        titles.append(box->windowTitle());
        texts.append(box->text());
        QAbstractButton *button = nullptr;
        if (!m_queue.isEmpty())
            button = box->button(m_queue.takeFirst());
        if (!button)
            button = box->escapeButton();
        if (!button)
            button = box->defaultButton();
        if (button)
            button->click();
        else
            box->reject();
    }

    QTimer m_timer;
    QList<QMessageBox::StandardButton> m_queue;
    QPointer<QMessageBox> m_answered;
};

/**
 * The window manager commands that arrived since the last call, up to a
 * sentinel line sent now: "nothing else was sent" is then checked without
 * waiting for a time-out. Lines are sent over one X connection in order.
 */
inline QStringList takeCommands(WmRecorder &recorder)
{
    const QString sentinel = QStringLiteral("TEST_SENTINEL");
    vyrSendWmCommand(sentinel);
    if (!QTest::qWaitFor([&] { return recorder.lines().contains(sentinel); }, 5000))
        return {QStringLiteral("(no sentinel)")};
    QStringList lines = recorder.lines();
    lines.removeAll(sentinel);
    recorder.clear();
    return lines;
}
