// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "testenv.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

/**
 * A private PulseAudio server for one test: null sink, native protocol on a
 * socket inside the sandbox, its own state directory. Stopped when the
 * object goes; the parent-death signal also ends it should the test crash.
 */
class PulseServer
{
public:
    ~PulseServer() { stop(); }

    /// With @p streamRestore the server keeps stream volumes in a database
    /// of its own (empty at start), as a session's server does.
    bool start(bool streamRestore = false)
    {
        if (!m_dir.isValid())
            return false;
        const QString dir = m_dir.path();
        QByteArray script = "load-module module-native-protocol-unix auth-anonymous=1 socket=" + QFile::encodeName(dir)
            + "/native\n"
              "load-module module-null-sink sink_name=testsink\n";
        if (streamRestore)
            script += "load-module module-stream-restore restore_device=true restore_volume=true restore_muted=true\n";
        script += "set-default-sink testsink\n";
        if (!vyrtest::writeFile(dir + QStringLiteral("/test.pa"), script))
            return false;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir + QStringLiteral("/home"));
        env.insert(QStringLiteral("PULSE_STATE_PATH"), dir + QStringLiteral("/state"));
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir + QStringLiteral("/rt"));
        env.remove(QStringLiteral("PULSE_SERVER"));
        // A server takes well-known names on the session bus, which the
        // test run's tests share: a second test's server would end at
        // once. Without a bus (and a display, through which D-Bus would
        // start one) it takes none and serves its socket all the same.
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        env.remove(QStringLiteral("DISPLAY"));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("setpriv"),
                        {QStringLiteral("--pdeathsig"), QStringLiteral("TERM"), QStringLiteral("pulseaudio"),
                         QStringLiteral("-n"), QStringLiteral("-F"), dir + QStringLiteral("/test.pa"),
                         QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                         QStringLiteral("--use-pid-file=no"), QStringLiteral("--disable-shm=yes"),
                         QStringLiteral("--log-target=file:") + dir + QStringLiteral("/pa.log")});
        if (!m_process.waitForStarted(10000))
            return false;
        // Ready when a client gets an answer.
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 15000 && m_process.state() == QProcess::Running) {
            if (pactl({QStringLiteral("info")}, nullptr))
                return true;
            QTest::qWait(50);
        }
        qWarning("sound server did not come up:\n%s", vyrtest::readFile(dir + "/pa.log").constData());
        return false;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    QString address() const { return QStringLiteral("unix:") + m_dir.path() + QStringLiteral("/native"); }

    /// Runs pactl against this server; false when it failed.
    bool pactl(const QStringList &args, QByteArray *out) const
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), address());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral("pactl"), args);
        if (!process.waitForFinished(5000) || process.exitStatus() != QProcess::NormalExit || process.exitCode())
            return false;
        if (out)
            *out = process.readAllStandardOutput();
        return true;
    }

private:
    QTemporaryDir m_dir{vyrtest::sandboxRoot() + QStringLiteral("/pa-XXXXXX")};
    QProcess m_process;
};
