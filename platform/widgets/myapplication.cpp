// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "myapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

QString vyrDisplayKey()
{
    QString display = qEnvironmentVariable("DISPLAY");
    const int colon = display.lastIndexOf(QLatin1Char(':'));
    const int dot = display.indexOf(QLatin1Char('.'), colon < 0 ? 0 : colon);
    if (colon >= 0 && dot > colon)
        display.truncate(dot);
    return display;
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

namespace {
/**
 * An exclusive flock() on @p path while alive, waited for up to @p timeout
 * ms (the take-over goes ahead without it after that). A flock dies with
 * its process, so a crashed starter leaves nothing stale behind, and
 * taking it writes and syncs nothing: the start does not wait for the
 * disk. The file stays: removing it would let two starters lock two
 * different files. It is never followed as a link (the directory may be
 * the shared temporary one).
 */
class TakeOverLock
{
public:
    TakeOverLock(const QString &path, int timeout)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600))
    {
        if (m_fd < 0)
            return;
        QElapsedTimer waited;
        waited.start();
        while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0 && (errno == EWOULDBLOCK || errno == EINTR)
               && waited.elapsed() < timeout)
            QThread::msleep(5);
    }
    ~TakeOverLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TakeOverLock(const TakeOverLock &) = delete;
    TakeOverLock &operator=(const TakeOverLock &) = delete;

private:
    const int m_fd;
};
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
    const TakeOverLock lock(serverPath(m_key) + QStringLiteral(".lock"), 3000);
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
