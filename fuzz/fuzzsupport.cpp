// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
QString s_root;

void removeSandbox()
{
    if (!s_root.isEmpty())
        QDir(s_root).removeRecursively();
}

void makeDirs()
{
    for (const char *dir : {"home/.config", "home/.local/share", "home/.cache", "runtime", "sysroot/etc/xdg",
                            "sysroot/usr/share"})
        QDir().mkpath(s_root + QLatin1Char('/') + QLatin1String(dir));
    QFile::setPermissions(s_root + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
} // namespace

namespace vyrfuzz {

void setupSandbox()
{
    if (!s_root.isEmpty())
        return;
    QByteArray pattern = qgetenv("TMPDIR");
    if (pattern.isEmpty())
        pattern = "/tmp";
    pattern += "/vyr-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        std::perror("vyr-fuzz: mkdtemp");
        std::abort();
    }
    s_root = QString::fromLocal8Bit(pattern);
    makeDirs();
    const QByteArray root = pattern;
    qputenv("HOME", root + "/home");
    qputenv("XDG_CONFIG_HOME", root + "/home/.config");
    qputenv("XDG_DATA_HOME", root + "/home/.local/share");
    qputenv("XDG_CACHE_HOME", root + "/home/.cache");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    qputenv("XDG_DATA_DIRS", root + "/sysroot/usr/share");
    qputenv("XDG_CONFIG_DIRS", root + "/sysroot/etc/xdg");
    qputenv("VYR_SYSROOT", root + "/sysroot");
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("DISPLAY");
    qunsetenv("VYR_SEAT_LIST");
    std::atexit(removeSandbox);
}

QString home()
{
    return s_root + QStringLiteral("/home");
}

QString sysroot()
{
    return s_root + QStringLiteral("/sysroot");
}

void resetSandbox()
{
    QDir(home()).removeRecursively();
    QDir(sysroot()).removeRecursively();
    makeDirs();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

QByteArray readFile(const QString &path, bool *ok)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    return opened ? file.readAll() : QByteArray();
}

QList<QByteArray> split(const QByteArray &data, const QByteArray &separator, int parts)
{
    QList<QByteArray> out;
    int from = 0;
    while (out.size() < parts - 1) {
        const int at = data.indexOf(separator, from);
        if (at < 0)
            break;
        out.append(data.mid(from, at - from));
        from = at + separator.size();
    }
    out.append(data.mid(from));
    while (out.size() < parts)
        out.append(QByteArray());
    return out;
}

void fail(const char *what, const QByteArray &detail)
{
    // Control bytes and non-ASCII bytes escaped, so that the report shows
    // what the files held.
    QByteArray shown;
    for (const char c : detail) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n' || (u >= 0x20 && u < 0x7f))
            shown += c;
        else
            shown += "\\x" + QByteArray::number(u, 16).rightJustified(2, '0');
    }
    std::fprintf(stderr, "vyr-fuzz: property broken: %s\n%s\n", what, shown.constData());
    std::abort();
}

} // namespace vyrfuzz
