// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

/**
 * Runs vyr-wm-recorder on the test display as the window manager's command
 * channel and collects the lines it receives.
 */
class WmRecorder
{
public:
    WmRecorder();
    ~WmRecorder();

    /// Starts the recorder and waits until it owns the selection.
    bool start(const QString &display = QString());
    void stop();
    bool isRunning() const;

    /// Every line received so far, without newlines.
    QStringList lines();
    /// Waits until at least @p count lines arrived; false on time-out.
    bool waitForLines(int count, int timeoutMs = 5000);
    /// Forgets the lines received so far.
    void clear();

private:
    void readOutput();

    QProcess m_process;
    QByteArray m_buffer;
    QStringList m_lines;
};
