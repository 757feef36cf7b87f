// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>

/**
 * An Xvfb of the test's own, for tests that change server-wide state such
 * as the resource database (Xft.dpi there would change the DPI of every Qt
 * program started on the shared display meanwhile). The server picks a free
 * display number itself (-displayfd), keeps its state when the last client
 * leaves (-noreset), and becomes DISPLAY of this process and its children
 * once it accepts connections. Stopped when the object goes.
 */
class PrivateXServer
{
public:
    PrivateXServer() = default;
    ~PrivateXServer()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(10000))
                m_process.kill();
            m_process.waitForFinished(5000);
        }
        if (m_display.isEmpty())
            return;
        if (m_hadDisplay)
            qputenv("DISPLAY", m_previous);
        else
            qunsetenv("DISPLAY");
    }
    PrivateXServer(const PrivateXServer &) = delete;
    PrivateXServer &operator=(const PrivateXServer &) = delete;

    /// Starts the server and sets DISPLAY; false when Xvfb is missing or
    /// did not come up within 30 seconds.
    bool start()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return false;
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                               QStringLiteral("tcp"), QStringLiteral("-noreset"), QStringLiteral("-screen"),
                               QStringLiteral("0"), QStringLiteral("320x240x24")});
        if (!m_process.waitForStarted(30000))
            return false;
        // Xvfb writes the display number once it accepts clients.
        QByteArray number;
        const QDeadlineTimer deadline(30000);
        while (!number.contains('\n') && !deadline.hasExpired()) {
            if (!m_process.waitForReadyRead(int(deadline.remainingTime())))
                break;
            number += m_process.readAllStandardOutput();
        }
        if (!number.contains('\n'))
            return false;
        m_display = ':' + number.trimmed();
        m_hadDisplay = qEnvironmentVariableIsSet("DISPLAY");
        m_previous = qgetenv("DISPLAY");
        qputenv("DISPLAY", m_display);
        return true;
    }

    QByteArray display() const { return m_display; }

private:
    QProcess m_process;
    QByteArray m_display;
    QByteArray m_previous;
    bool m_hadDisplay = false;
};
