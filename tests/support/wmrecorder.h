// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

typedef struct _XDisplay Display;

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
    /**
     * Every line that arrived before now, removed from lines(): a marker
     * line is sent and awaited, so "nothing else was sent" needs no
     * time-out. The window manager's channel keeps the order of the lines,
     * and each sender waits until the server has taken its line, so the
     * lines of a sender that has returned or ended all come first.
     * Returns {"(no marker)"} when the marker did not come back.
     */
    QStringList takeCommands(int timeoutMs = 10000);

private:
    void readOutput();

    QProcess m_process;
    QByteArray m_display;
    Display *m_marker = nullptr;
    int m_markers = 0;
    QByteArray m_buffer;
    QStringList m_lines;
};
