// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QString>

/**
 * A widgets application that exists once per key (by convention the value
 * of DISPLAY followed by the program name).
 *
 * isRunning() tells whether another process holds the key; the first call
 * that finds none makes this process the holder. sendMessage() hands a text
 * to the holder, which emits messageReceived(). The channel is a local
 * socket in XDG_RUNTIME_DIR (or the temporary directory) named after the
 * user id and a hash of the key; a lock file around the take-over recovers
 * a socket left behind by a crashed holder.
 */
class MyApplication : public QApplication
{
    Q_OBJECT
public:
    MyApplication(const QString &key, int &argc, char **argv);
    ~MyApplication() override;

    /// True when another process holds the key.
    bool isRunning();
    /// Sends @p message to the holder and waits up to @p timeout ms for its
    /// acknowledgement; false when nobody took it.
    bool sendMessage(const QString &message, int timeout = 5000);
    QString key() const;

    /// The socket path for @p key (exposed for tests).
    static QString serverPath(const QString &key);

Q_SIGNALS:
    void messageReceived(const QString &message);

private:
    void acceptConnection();
    bool tryConnect(int timeout) const;
    /// Becomes the holder: listens on @p path (user access only).
    bool listen(const QString &path, QString *error);

    QString m_key;
    int m_listener = -1;
    QByteArray m_listening;
    bool m_checked = false;
    bool m_running = false;
};

/// DISPLAY with a trailing screen number removed (":0.0" gives ":0").
QString vyrDisplayKey();
