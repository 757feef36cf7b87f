// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "startup.h"
#include "globals.h"

#include <myapplication.h>
#include <vyrpaths.h>
#include <vyrprocess.h>
#include <vyrsettings.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QDir>

#include <X11/Xlib.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {
const char s_solvaLight[] = "/usr/share/color-schemes/SolvaLight.colors";
const char s_solvaVanteraAdmin[] = "/usr/share/color-schemes/SolvaVanteraAdmin.colors";
const char s_vyrDefault[] = "/usr/share/color-schemes/VyrDefault.colors";

bool systemFileExists(const char *path)
{
    return QFile::exists(vyrSystemPath(QString::fromLatin1(path)));
}
}

ServiceMode requestedServiceMode(const QStringList &args)
{
    if (args.isEmpty())
        return ServiceMode::NotRequested;
    if (args.first().contains(QLatin1String("wmcolor"), Qt::CaseInsensitive))
        return ServiceMode::WmColor;
    if (args.size() == 2 && args.first().contains(QLatin1String("apply-color-scheme"), Qt::CaseInsensitive))
        return ServiceMode::ApplyColorScheme;
    return ServiceMode::NotRequested;
}

bool computeDistributionSchemesPresent()
{
    distributionSchemesPresent = systemFileExists(s_solvaLight) && systemFileExists(s_solvaVanteraAdmin);
    return distributionSchemesPresent;
}

QString defaultColourScheme()
{
    return QString::fromLatin1(distributionSchemesPresent ? s_solvaLight : s_vyrDefault);
}

QString userThemeFilePath()
{
    const QString dir = GetVyrDir(VyrDirUserTheme);
    if (dir.isEmpty())
        return QString();
    return dir + QStringLiteral("/current.themerc") + vyrSessionConfigSuffix(0);
}

bool ensureUserThemeFile(const QString &path)
{
    if (path.isEmpty() || QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return true;
    QByteArray text = QByteArrayLiteral("[Variables]\n");
    QFile shipped(vyrSystemPath(QStringLiteral("/usr/share/vyr/theme/current.themerc")));
    if (shipped.open(QIODevice::ReadOnly))
        text = shipped.readAll();
    QString error;
    if (!vyrWriteFileAtomically(path, text, &error)) {
        std::fprintf(stderr, "vyr-admin-theme: can't create %s: %s\n", qPrintable(path), qPrintable(error));
        return false;
    }
    std::fprintf(stderr, "vyr-admin-theme: created %s\n", qPrintable(path));
    return true;
}

QString paletteFilePath()
{
    const QString dir = GetVyrDir(VyrDirUserPlatform);
    if (dir.isEmpty())
        return QString();
    return dir + QStringLiteral("/paletterc");
}

QString singleInstanceKey()
{
    return vyrDisplayKey() + QStringLiteral("vyr-admin-theme");
}

QByteArray runProgram(const QString &program, const QStringList &args, int timeoutMs, bool *ok)
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

bool queryIntegrityLevel()
{
    const QString tool = FindFileInPATH(QStringLiteral("kelvra"));
    if (tool.isEmpty())
        return highIntegritySession;
    const QByteArray output = runProgram(tool, {QStringLiteral("--ilevel")});
    for (const QByteArray &line : output.split('\n')) {
        if (line.contains("63") || line.contains("127"))
            highIntegritySession = true;
    }
    return highIntegritySession;
}

PaletteValues paletteSeed()
{
    if (highIntegritySession && systemFileExists(s_solvaVanteraAdmin))
        return {QStringLiteral("#f34444"), QStringLiteral("#2d2d2d"), QString::fromLatin1(s_solvaVanteraAdmin)};
    if (distributionSchemesPresent)
        return {QStringLiteral("#5a91bd"), QStringLiteral("#ffffff"), QString::fromLatin1(s_solvaLight)};
    return {QStringLiteral("#5682a3"), QStringLiteral("#ffffff"), QString::fromLatin1(s_vyrDefault)};
}

QByteArray paletteFileText(const PaletteValues &values)
{
    QByteArray text("[Variables]\n");
    text += "PrimaryColor=" + values.primaryColor.toLocal8Bit() + '\n';
    text += "BackgroundColor=" + values.backgroundColor.toLocal8Bit() + '\n';
    text += "ColorScheme=" + values.colorScheme.toLocal8Bit() + '\n';
    return text;
}

bool writePaletteFile(const QString &path, const PaletteValues &values, QString *error)
{
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("no home directory");
        return false;
    }
    return vyrWriteFileAtomically(path, paletteFileText(values), error);
}

static const char *const s_usageLines[] = {
    QT_TRANSLATE_NOOP("vyr-admin-theme", "Usage: "),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "1) vyr-admin-theme [pagename] [themefile]"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "     themefile - file to open and edit"),
    QT_TRANSLATE_NOOP("vyr-admin-theme",
                      "     pagename  - initial page, may be one of Wallpaper, Theme, Fonts, Screensaver, Effects, Sounds"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "2) vyr-admin-theme wmcolor"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "     service non-GUI mode to use  ~/.vyr/paletterc for generation"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "     Qt color patette in ~/.config/Trolltech.conf"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "     vyr-wm colors    in ~/.vyr/theme/current.themerc file"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "3) vyr-admin-theme apply-color-scheme colorthemepath"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "     service non-GUI mode to apply colorschemepath"),
};

static QString joinUsage(bool translated)
{
    QStringList lines;
    for (const char *line : s_usageLines)
        lines << (translated ? QCoreApplication::translate("vyr-admin-theme", line) : QString::fromLatin1(line));
    return lines.join(QLatin1Char('\n'));
}

QString usageText()
{
    return joinUsage(false);
}

QString translatedUsageText()
{
    return joinUsage(true);
}

bool prepareConsoleDisplay()
{
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QByteArray("/var/run/user/") + QByteArray::number(uint(::getuid())));
    const QString home = QDir::homePath();
    if (home.isEmpty()) {
        std::fputs("vyr-admin-theme: start in console mode, but can't get home\n", stderr);
        return false;
    }
    qputenv("XAUTHORITY", QFile::encodeName(home + QStringLiteral("/.Xauthority")));
    const QByteArray user = qgetenv("USER");
    if (user.isEmpty()) {
        std::fputs("vyr-admin-theme: start in console mode, but can't get $USER\n", stderr);
        return false;
    }
    const QString loginctl = FindFileInPATH(QStringLiteral("loginctl"));
    if (loginctl.isEmpty())
        return false;
    // The user name goes to loginctl as one argument, never through a shell.
    const QByteArray sessions = runProgram(loginctl, {QStringLiteral("show-user"), QString::fromLocal8Bit(user),
                                                      QStringLiteral("--property"), QStringLiteral("Sessions"),
                                                      QStringLiteral("--value")});
    for (const QByteArray &session : sessions.simplified().split(' ')) {
        if (session.isEmpty())
            continue;
        const QByteArray output =
            runProgram(loginctl, {QStringLiteral("show-session"), QString::fromLocal8Bit(session),
                                  QStringLiteral("--property"), QStringLiteral("Display"), QStringLiteral("--value")});
        for (const QByteArray &line : output.split('\n')) {
            if (!line.contains(':'))
                continue;
            qputenv("DISPLAY", line);
            std::fprintf(stderr, "vyr-admin-theme: start in console mode, but DISPLAY %s detected for user %s\n",
                         line.constData(), user.constData());
            return true;
        }
    }
    return false;
}

DisplayProbe::DisplayProbe()
    : m_display(XOpenDisplay(nullptr))
{
}

DisplayProbe::~DisplayProbe()
{
    if (m_display)
        XCloseDisplay(m_display);
}
