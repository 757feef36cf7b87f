// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <cstdlib>
#include <memory>

namespace {
std::unique_ptr<QTemporaryDir> s_root;

void setEnv(const char *name, const QString &value)
{
    qputenv(name, value.toLocal8Bit());
}

void makeXdgDirs()
{
    const QString h = vyrtest::home();
    for (const char *sub : {"/.config", "/.local/share", "/.cache", "/.local/state"})
        QDir().mkpath(h + QLatin1String(sub));
}
}

namespace vyrtest {

void setupEnvironment()
{
    if (s_root)
        return;
    s_root = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/vyr-test-XXXXXX"));
    const QString root = s_root->path();
    // Reachable for AsOrdinaryUser; the tree is private to the test anyway.
    ::chmod(QFile::encodeName(root).constData(), 0755);
    QDir().mkpath(root + QStringLiteral("/home"));
    QDir().mkpath(root + QStringLiteral("/sysroot/usr/share"));
    QDir().mkpath(root + QStringLiteral("/sysroot/etc/xdg"));
    QDir().mkpath(root + QStringLiteral("/bin"));
    QDir().mkpath(root + QStringLiteral("/runtime"));
    ::chmod(QFile::encodeName(root + QStringLiteral("/runtime")).constData(), 0700);

    setEnv("HOME", root + QStringLiteral("/home"));
    setEnv("XDG_CONFIG_HOME", root + QStringLiteral("/home/.config"));
    setEnv("XDG_DATA_HOME", root + QStringLiteral("/home/.local/share"));
    setEnv("XDG_CACHE_HOME", root + QStringLiteral("/home/.cache"));
    setEnv("XDG_STATE_HOME", root + QStringLiteral("/home/.local/state"));
    setEnv("XDG_RUNTIME_DIR", root + QStringLiteral("/runtime"));
    setEnv("XDG_DATA_DIRS", root + QStringLiteral("/sysroot/usr/share"));
    setEnv("XDG_CONFIG_DIRS", root + QStringLiteral("/sysroot/etc/xdg"));
    setEnv("VYR_SYSROOT", root + QStringLiteral("/sysroot"));
    setEnv("PATH", root + QStringLiteral("/bin:") + qEnvironmentVariable("PATH"));
    setEnv("LC_ALL", QStringLiteral("C.UTF-8"));
    setEnv("TZ", QStringLiteral("UTC"));
    qunsetenv("VYR_RC_FILE");
    qunsetenv("VYR_SEAT_LIST");
    qunsetenv("VYR_NO_REAL_COMPOSITE");
    qunsetenv("SESSION_MANAGER");
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    makeXdgDirs();
}

QString sandboxRoot() { return s_root ? s_root->path() : QString(); }
QString home() { return sandboxRoot() + QStringLiteral("/home"); }
QString sysroot() { return sandboxRoot() + QStringLiteral("/sysroot"); }
QString fakeBinDir() { return sandboxRoot() + QStringLiteral("/bin"); }
QString sysPath(const QString &absolute) { return sysroot() + absolute; }
QString sourceDir() { return QStringLiteral(VYR_SOURCE_DIR); }

QString programPath(const QString &name)
{
    if (name.startsWith(QLatin1Char('/')))
        return name;
    return QStringLiteral(VYR_BIN_DIR) + QLatin1Char('/') + name;
}

static void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        QFile::copy(file, target);
        QFile(target).setPermissions(QFile(file).permissions() | QFileDevice::WriteOwner);
    }
}

void installShippedData()
{
    copyTree(sourceDir() + QStringLiteral("/data/share"), sysPath(QStringLiteral("/usr/share")));
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(data) == data.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool writeScript(const QString &nameOrPath, const QByteArray &body)
{
    const QString path = nameOrPath.contains(QLatin1Char('/')) ? nameOrPath : fakeBinDir() + QLatin1Char('/') + nameOrPath;
    if (!writeFile(path, QByteArrayLiteral("#!/bin/sh\n") + body))
        return false;
    return QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                      | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                      | QFileDevice::ExeOther);
}

bool FileState::operator==(const FileState &other) const
{
    return exists == other.exists && inode == other.inode && modifiedNs == other.modifiedNs && data == other.data;
}

FileState fileState(const QString &path)
{
    FileState state;
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return state;
    state.exists = true;
    state.inode = info.st_ino;
    state.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    state.data = readFile(path);
    return state;
}

QMap<QString, FileState> treeState(const QString &dir)
{
    QMap<QString, FileState> states;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        states.insert(path, fileState(path));
    }
    return states;
}

QStringList changedFiles(const QMap<QString, FileState> &before, const QString &dir)
{
    const QMap<QString, FileState> now = treeState(dir);
    QStringList changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (before.value(it.key()) != it.value())
            changed << it.key();
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!now.contains(it.key()))
            changed << it.key();
    }
    changed.sort();
    return changed;
}

char *toString(const FileState &state)
{
    if (!state.exists)
        return qstrdup("(no file)");
    const QByteArray text = "inode " + QByteArray::number(state.inode) + ", modified "
        + QByteArray::number(state.modifiedNs) + " ns, " + QByteArray::number(state.data.size()) + " bytes: "
        + state.data.left(200);
    return qstrdup(text.constData());
}

namespace {
/// The private X server; ended when the test process ends normally (and by
/// the kernel when it dies otherwise).
struct PrivateServer {
    pid_t pid = 0;
    ~PrivateServer()
    {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
    }
} s_server;
}

bool startPrivateDisplay()
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // A copy without close-on-exec: Xvfb writes its display number there
        // once it accepts connections.
        const QByteArray out = QByteArray::number(::dup(fds[1]));
        ::execlp("Xvfb", "Xvfb", "-displayfd", out.constData(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                 static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    s_server.pid = pid;
    QByteArray number;
    pollfd wait = {fds[0], POLLIN, 0};
    while (!number.contains('\n') && ::poll(&wait, 1, 30000) > 0) {
        char buffer[32];
        const ssize_t got = ::read(fds[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        number.append(buffer, int(got));
    }
    ::close(fds[0]);
    if (!number.contains('\n'))
        return false;
    qputenv("DISPLAY", ':' + number.trimmed());
    return true;
}

void resetHome()
{
    QDir(home()).removeRecursively();
    QDir().mkpath(home());
    makeXdgDirs();
}

RunResult run(const QString &program, const QStringList &args, int timeoutMs, const QProcessEnvironment &env,
              const QByteArray &input)
{
    RunResult result;
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(programPath(program), args);
    if (!process.waitForStarted(10000)) {
        result.crashed = true;
        return result;
    }
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        result.timedOut = true;
        process.kill();
        process.waitForFinished(5000);
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    result.crashed = result.crashed || process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    return result;
}

bool canRunAsOrdinaryUser()
{
    return ::geteuid() == 0 && !QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty();
}

RunResult runAsOrdinaryUser(const QString &program, const QStringList &args, const QProcessEnvironment &env)
{
    return run(QStandardPaths::findExecutable(QStringLiteral("setpriv")),
               QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                           QStringLiteral("--clear-groups"), programPath(program)}
                   + args,
               30000, env);
}

AsOrdinaryUser::AsOrdinaryUser()
{
    if (::geteuid() == 0)
        m_active = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
}

AsOrdinaryUser::~AsOrdinaryUser()
{
    if (m_active) {
        if (::seteuid(0) != 0 || ::setegid(0) != 0)
            std::abort();
    }
}
}

namespace vyrtest {
StderrCapture::StderrCapture()
    : m_file(std::tmpfile())
{
    std::fflush(stderr);
    if (m_file) {
        m_saved = ::dup(2);
        ::dup2(::fileno(m_file), 2);
    }
}

StderrCapture::~StderrCapture()
{
    take();
}

QByteArray StderrCapture::take()
{
    if (m_saved < 0)
        return m_text;
    std::fflush(stderr);
    ::dup2(m_saved, 2);
    ::close(m_saved);
    m_saved = -1;
    std::rewind(m_file);
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, m_file)) > 0)
        m_text.append(buffer, int(got));
    std::fclose(m_file);
    m_file = nullptr;
    return m_text;
}
}
