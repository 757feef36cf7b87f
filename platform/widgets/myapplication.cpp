// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "myapplication.h"
#include "vyrx11.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <memory>

#include <sys/socket.h>
#include <unistd.h>

QString vyrDisplayKey()
{
    return vyrDisplayWithoutScreen(qEnvironmentVariable("DISPLAY"));
}

static QString runtimeDir()
{
    const QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!dir.isEmpty() && QDir(dir).exists())
        return dir;
    return QDir::tempPath();
}

QString MyApplication::serverPath(const QString &key)
{
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return runtimeDir() + QStringLiteral("/vyr-single-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

MyApplication::MyApplication(const QString &key, int &argc, char **argv)
    : QApplication(argc, argv)
    , m_key(key)
{
}

MyApplication::~MyApplication() = default;

QString MyApplication::key() const
{
    return m_key;
}

// Without XDG_RUNTIME_DIR the socket lives in the shared temporary
// directory, where another user could listen on our path first: only a
// holder of our own user counts.
static bool heldByThisUser(const QLocalSocket &socket)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0
        && peer.uid == ::geteuid();
}

bool MyApplication::tryConnect(int timeout) const
{
    QLocalSocket socket;
    socket.connectToServer(serverPath(m_key));
    return socket.waitForConnected(timeout) && heldByThisUser(socket);
}

bool MyApplication::isRunning()
{
    if (m_checked)
        return m_running;
    m_checked = true;
    if (tryConnect(1000)) {
        m_running = true;
        return true;
    }
    // Only one starter may take over a stale socket at a time.
    QLockFile lock(serverPath(m_key) + QStringLiteral(".lock"));
    lock.setStaleLockTime(5000);
    lock.tryLock(3000);
    if (tryConnect(1000)) {
        m_running = true;
        return true;
    }
    QLocalServer::removeServer(serverPath(m_key));
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(serverPath(m_key))) {
        qWarning("%s: can't listen on %s: %s", qPrintable(applicationName()), qPrintable(serverPath(m_key)),
                 qPrintable(m_server->errorString()));
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &MyApplication::acceptConnection);
    return false;
}

void MyApplication::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto stream = std::make_shared<QDataStream>(socket);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, stream] {
            stream->startTransaction();
            QString message;
            *stream >> message;
            if (!stream->commitTransaction())
                return;
            // Acknowledge first: the sender may exit at once, and so may we.
            QDataStream ack(socket);
            ack << quint8(1);
            socket->flush();
            socket->waitForBytesWritten(1000);
            Q_EMIT messageReceived(message);
        });
    }
}

bool MyApplication::sendMessage(const QString &message, int timeout)
{
    QLocalSocket socket;
    socket.connectToServer(serverPath(m_key));
    if (!socket.waitForConnected(timeout) || !heldByThisUser(socket))
        return false;
    QByteArray block;
    {
        QDataStream out(&block, QIODevice::WriteOnly);
        out << message;
    }
    socket.write(block);
    if (!socket.waitForBytesWritten(timeout))
        return false;
    if (!socket.waitForReadyRead(timeout))
        return false;
    quint8 ack = 0;
    QDataStream in(&socket);
    in >> ack;
    return ack == 1;
}
