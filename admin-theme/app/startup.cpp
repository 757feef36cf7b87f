// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "startup.h"

#include <pagetable.h>
#include <session.h>

#include <myapplication.h>
#include <vyrpaths.h>
#include <vyrprocess.h>
#include <vyrx11.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

#include <unistd.h>

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

QString singleInstanceKey()
{
    return vyrDisplayKey() + QStringLiteral("vyr-admin-theme");
}

static const char *const s_usageLines[] = {
    QT_TRANSLATE_NOOP("vyr-admin-theme", "Usage: "),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "1) vyr-admin-theme [pagename] [themefile]"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "     themefile - file to open and edit"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "     pagename  - initial page, may be one of %1"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "2) vyr-admin-theme wmcolor"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "     service non-GUI mode to use  ~/.vyr/paletterc for generation"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "     Qt color patette in ~/.config/Trolltech.conf"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "     vyr-wm colors    in ~/.vyr/theme/current.themerc file"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "3) vyr-admin-theme apply-color-scheme colorthemepath"),
    QT_TRANSLATE_NOOP("vyr-admin-theme", "     service non-GUI mode to apply colorschemepath"),
};

static QString joinUsage(bool translated)
{
    QStringList pages;
    for (const PageInfo &page : pageTable()) {
        if (page.inUsage)
            pages << QLatin1String(page.name);
    }
    QStringList lines;
    for (const char *line : s_usageLines)
        lines << (translated ? QCoreApplication::translate("vyr-admin-theme", line) : QString::fromLatin1(line));
    lines[3] = lines[3].arg(pages.join(QStringLiteral(", ")));
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
    const QByteArray sessions = vyrRunProgram(loginctl, {QStringLiteral("show-user"), QString::fromLocal8Bit(user),
                                                      QStringLiteral("--property"), QStringLiteral("Sessions"),
                                                      QStringLiteral("--value")});
    for (const QByteArray &session : sessions.simplified().split(' ')) {
        if (session.isEmpty())
            continue;
        const QByteArray output =
            vyrRunProgram(loginctl, {QStringLiteral("show-session"), QString::fromLocal8Bit(session),
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

bool displayAnswers()
{
    return vyrX11Display();
}
