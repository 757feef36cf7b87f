// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrprocess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

QString FindFileInPATH(const QString &program)
{
    if (program.isEmpty())
        return QString();
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
}

bool findInPS(const QString &program)
{
    if (program.isEmpty())
        return false;
    const bool byPath = program.contains(QLatin1Char('/'));
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : pids) {
        bool numeric = false;
        pid.toInt(&numeric);
        if (!numeric)
            continue;
        if (byPath) {
            // A path names one program file: the process's executable or its
            // first argument spelled the same way.
            const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
            if (exe == program)
                return true;
        }
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        if (comm.open(QIODevice::ReadOnly) && QString::fromLocal8Bit(comm.readAll()).trimmed() == program)
            return true;
        // comm is cut at 15 bytes; the command line carries the whole name.
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QByteArray args = cmdline.readAll();
        const QByteArray first = args.left(args.indexOf('\0'));
        if (first.isEmpty())
            continue;
        const QString firstArg = QString::fromLocal8Bit(first);
        if ((byPath ? firstArg : QFileInfo(firstArg).fileName()) == program)
            return true;
    }
    return false;
}

QByteArray vyrRunProgram(const QString &program, const QStringList &args, int timeoutMs, bool *ok)
{
    if (ok)
        *ok = false;
    const QByteArray path = QFile::encodeName(program);
    std::vector<QByteArray> storage;
    storage.reserve(args.size() + 1);
    storage.push_back(path);
    for (const QString &arg : args)
        storage.push_back(arg.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &arg : storage)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return QByteArray();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, path.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (spawned != 0) {
        ::close(fds[0]);
        return QByteArray();
    }

    QByteArray output;
    QElapsedTimer timer;
    timer.start();
    bool timedOut = false;
    bool exited = false;
    int status = 0;
    // The program is done when it has exited, even if something it left
    // running in the background still holds the pipe open.
    auto reap = [&] {
        exited = ::waitpid(pid, &status, WNOHANG) == pid;
        return exited;
    };
    auto drain = [&] {
        char buffer[4096];
        ssize_t got;
        while ((got = ::read(fds[0], buffer, sizeof buffer)) > 0)
            output.append(buffer, int(got));
    };
    ::fcntl(fds[0], F_SETFL, ::fcntl(fds[0], F_GETFL) | O_NONBLOCK);
    for (;;) {
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0) {
            timedOut = true;
            break;
        }
        pollfd pfd{fds[0], POLLIN, 0};
        const int ready = ::poll(&pfd, 1, int(qMin<qint64>(left, 50)));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            break;
        if (ready == 0) {
            if (reap()) {
                drain();
                break;
            }
            continue;
        }
        char buffer[4096];
        const ssize_t got = ::read(fds[0], buffer, sizeof buffer);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0)
            break;
        output.append(buffer, int(got));
    }
    ::close(fds[0]);
    if (timedOut)
        ::kill(pid, SIGKILL);
    while (!exited && ::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (ok)
        *ok = !timedOut && WIFEXITED(status);
    return output;
}
