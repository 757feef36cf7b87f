// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "myapplication.h"
#include "vyrx11.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

MyApplication::~MyApplication()
{
    if (m_listener >= 0) {
        ::close(m_listener);
        ::unlink(m_listening.constData());
    }
}

QString MyApplication::key() const
{
    return m_key;
}

namespace {
// The holder's answer to a message it took.
constexpr char s_acknowledged = 1;
// More than any path and page name; a longer message is not taken.
constexpr quint32 s_largestMessage = 1 << 20;

/// Milliseconds left of @p timeout since @p timer started.
int remaining(const QElapsedTimer &timer, int timeout)
{
    return int(std::max<qint64>(0, timeout - timer.elapsed()));
}

bool socketAddress(const QByteArray &path, sockaddr_un *address)
{
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

// Without XDG_RUNTIME_DIR the socket lives in the shared temporary
// directory, where another user could listen on our path first: only a
// holder of our own user counts.
bool heldByThisUser(int fd)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

/// A socket connected to the holder at @p path (of this user), or -1.
int connectToHolder(const QString &path, int timeout)
{
    sockaddr_un address;
    if (!socketAddress(QFile::encodeName(path), &address))
        return -1;
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return -1;
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0) {
            if (heldByThisUser(fd))
                return fd;
            ::close(fd);
            return -1;
        }
        const int error = errno;
        ::close(fd);
        // A full backlog: the holder is still accepting others.
        if (error != EAGAIN || remaining(timer, timeout) == 0)
            return -1;
        QThread::msleep(5);
    }
}

/// Waits for @p events on @p fd until @p timeout (of @p timer) runs out.
bool waitFor(int fd, short events, const QElapsedTimer &timer, int timeout)
{
    for (;;) {
        pollfd wanted{fd, events, 0};
        const int ready = ::poll(&wanted, 1, remaining(timer, timeout));
        if (ready < 0 && errno == EINTR)
            continue;
        return ready > 0;
    }
}

/**
 * The message at the start of @p data as QDataStream writes a QString (a
 * 32-bit big-endian byte count, 0xffffffff for a null string, then
 * UTF-16): true with @p message when it is complete. @p invalid is set
 * for a count that no message of ours has.
 */
bool takeMessage(const QByteArray &data, QString *message, bool *invalid)
{
    *invalid = false;
    if (data.size() < 4)
        return false;
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const quint32 count = quint32(bytes[0]) << 24 | quint32(bytes[1]) << 16 | quint32(bytes[2]) << 8 | bytes[3];
    if (count != 0xffffffffu && (count > s_largestMessage || count % 2 != 0)) {
        *invalid = true;
        return false;
    }
    if (count != 0xffffffffu && quint32(data.size()) - 4 < count)
        return false;
    QDataStream in(data);
    in >> *message;
    return in.status() == QDataStream::Ok;
}

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
    const int fd = connectToHolder(serverPath(m_key), timeout);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
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
    QString error;
    if (!listen(serverPath(m_key), &error))
        qWarning("%s: can't listen on %s: %s", qPrintable(applicationName()), qPrintable(serverPath(m_key)),
                 qPrintable(error));
    return false;
}

bool MyApplication::listen(const QString &path, QString *error)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address;
    if (!socketAddress(name, &address)) {
        *error = QStringLiteral("the path is too long for a socket");
        return false;
    }
    // A socket left by a crashed holder (the take-over lock is held).
    ::unlink(name.constData());
    // The socket is made in a private directory and renamed into place, so
    // that it never exists under its name with wider permissions.
    QByteArray directory = QFile::encodeName(QFileInfo(path).path()) + "/.vyr-single-XXXXXX";
    if (!::mkdtemp(directory.data())) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const QByteArray made = directory + "/s";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const bool listening = fd >= 0 && socketAddress(made, &address)
        && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 && ::listen(fd, 50) == 0
        && ::chmod(made.constData(), S_IRWXU) == 0 && ::rename(made.constData(), name.constData()) == 0;
    const int failure = errno;
    if (!listening)
        ::unlink(made.constData());
    ::rmdir(directory.constData());
    if (!listening) {
        if (fd >= 0)
            ::close(fd);
        *error = QString::fromLocal8Bit(std::strerror(failure));
        return false;
    }
    m_listener = fd;
    m_listening = name;
    auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &MyApplication::acceptConnection);
    return true;
}

void MyApplication::acceptConnection()
{
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return;
        auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        auto received = std::make_shared<QByteArray>();
        connect(notifier, &QSocketNotifier::activated, this, [this, notifier, received, fd] {
            char chunk[4096];
            ssize_t count = 0;
            while ((count = ::read(fd, chunk, sizeof chunk)) > 0)
                received->append(chunk, int(count));
            const bool ended = count == 0 || (errno != EAGAIN && errno != EINTR);
            QString message;
            bool invalid = false;
            const bool complete = takeMessage(*received, &message, &invalid);
            if (complete) {
                // Acknowledge first: the sender may exit at once, and so may we.
                [[maybe_unused]] const ssize_t sent = ::send(fd, &s_acknowledged, 1, MSG_NOSIGNAL);
            }
            if (!complete && !ended && !invalid)
                return;
            notifier->setEnabled(false);
            notifier->deleteLater();
            ::close(fd);
            if (complete)
                Q_EMIT messageReceived(message);
        });
    }
}

bool MyApplication::sendMessage(const QString &message, int timeout)
{
    QElapsedTimer timer;
    timer.start();
    const int fd = connectToHolder(serverPath(m_key), timeout);
    if (fd < 0)
        return false;
    QByteArray block;
    {
        QDataStream out(&block, QIODevice::WriteOnly);
        out << message;
    }
    bool acknowledged = false;
    int written = 0;
    while (written < block.size()) {
        const ssize_t count = ::send(fd, block.constData() + written, size_t(block.size() - written), MSG_NOSIGNAL);
        if (count > 0)
            written += int(count);
        else if (!(count < 0 && (errno == EINTR || (errno == EAGAIN && waitFor(fd, POLLOUT, timer, timeout)))))
            break;
    }
    while (written == block.size() && waitFor(fd, POLLIN, timer, timeout)) {
        char answer = 0;
        const ssize_t count = ::read(fd, &answer, 1);
        if (count < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        acknowledged = count == 1 && answer == s_acknowledged;
        break;
    }
    ::close(fd);
    return acknowledged;
}
