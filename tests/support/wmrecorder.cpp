// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "wmrecorder.h"
#include "testenv.h"

#include <vyrwmcommand.h>

#include <QDeadlineTimer>

#include <X11/Xlib.h>

WmRecorder::WmRecorder() = default;

WmRecorder::~WmRecorder()
{
    stop();
}

bool WmRecorder::start(const QString &display)
{
    QStringList args;
    if (!display.isEmpty())
        args << QStringLiteral("--display") << display;
    // The markers go to the display the recorder watches, even when the
    // test points DISPLAY elsewhere later (a private server of its own).
    m_display = display.isEmpty() ? qgetenv("DISPLAY") : display.toLocal8Bit();
    m_process.start(vyrtest::programPath(QStringLiteral("vyr-wm-recorder")), args);
    if (!m_process.waitForStarted(5000))
        return false;
    QByteArray err;
    QDeadlineTimer deadline(10000);
    while (!err.contains("vyr-wm-recorder: ready")) {
        if (deadline.hasExpired() || m_process.state() != QProcess::Running)
            return false;
        m_process.waitForReadyRead(100);
        err += m_process.readAllStandardError();
    }
    return true;
}

void WmRecorder::stop()
{
    if (m_marker) {
        XCloseDisplay(m_marker);
        m_marker = nullptr;
    }
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    readOutput();
}

bool WmRecorder::isRunning() const
{
    return m_process.state() == QProcess::Running;
}

void WmRecorder::readOutput()
{
    m_buffer += m_process.readAllStandardOutput();
    int newline;
    while ((newline = m_buffer.indexOf('\n')) >= 0) {
        m_lines << QString::fromLocal8Bit(m_buffer.left(newline));
        m_buffer.remove(0, newline + 1);
    }
}

QStringList WmRecorder::lines()
{
    if (m_process.state() == QProcess::Running)
        m_process.waitForReadyRead(0);
    readOutput();
    return m_lines;
}

bool WmRecorder::waitForLines(int count, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        readOutput();
        if (m_lines.size() >= count)
            return true;
        if (deadline.hasExpired() || m_process.state() != QProcess::Running)
            return false;
        m_process.waitForReadyRead(50);
    }
}

void WmRecorder::clear()
{
    readOutput();
    m_lines.clear();
}

QStringList WmRecorder::takeCommands(int timeoutMs)
{
    const QStringList failed{QStringLiteral("(no marker)")};
    if (!m_marker)
        m_marker = XOpenDisplay(m_display.isEmpty() ? nullptr : m_display.constData());
    const QString marker = QStringLiteral("VYR_TEST_MARKER %1").arg(++m_markers);
    if (!SendCommandToWM(m_marker, (marker + QLatin1Char('\n')).toUtf8().constData()))
        return failed;
    QDeadlineTimer deadline(timeoutMs);
    int at;
    for (;;) {
        readOutput();
        if ((at = m_lines.indexOf(marker)) >= 0)
            break;
        if (deadline.hasExpired() || m_process.state() != QProcess::Running)
            return failed;
        m_process.waitForReadyRead(int(qBound<qint64>(1, deadline.remainingTime(), 1000)));
    }
    const QStringList before = m_lines.mid(0, at);
    m_lines = m_lines.mid(at + 1);
    return before;
}
