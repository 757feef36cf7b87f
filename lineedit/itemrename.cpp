// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "itemrename.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ItemRename {

// Messages of the free functions below, in one translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ItemRename)
};

Kind kindOf(const QString &path)
{
    const QFileInfo info(path);
    if (path.endsWith(QLatin1String(".desktop")) && info.isFile())
        return Kind::DesktopEntry;
    if (info.isDir() && QFileInfo(path + QStringLiteral("/.directory")).isFile())
        return Kind::DirectoryEntry;
    return Kind::Plain;
}

QString entryFileFor(const QString &path, Kind kind)
{
    switch (kind) {
    case Kind::DesktopEntry:
        return path;
    case Kind::DirectoryEntry:
        return path + QStringLiteral("/.directory");
    case Kind::Plain:
        break;
    }
    return QString();
}

QString dialogGeometry(int x, int y, const QRect &screen)
{
    const int left = screen.left();
    const int top = screen.top();
    const int right = screen.right();
    const int bottom = screen.bottom();
    int dx, dy;
    if (x == unsetCoordinate || y == unsetCoordinate) {
        dx = left + (right - left + 1) / 2 - 50;
        dy = top + (bottom - top + 1) / 2 - 50;
    } else {
        dx = x + 399 > right ? right - 399 : x;
        dy = y + 299 > bottom ? bottom - 299 : y;
    }
    return QStringLiteral("100x100+%1+%2").arg(dx).arg(dy);
}

int initialSelectionLength(const QString &name)
{
    if (name.indexOf(QLatin1Char('.'), 2) < 0)
        return name.size();
    const QString suffix = QMimeDatabase().suffixForFileName(name);
    if (suffix.isEmpty() || suffix.size() + 1 >= name.size())
        return name.size();
    return name.size() - suffix.size() - 1;
}

static bool hasForbiddenSymbol(const QString &name)
{
    static const QString forbidden = QStringLiteral("\n*\\/:|<>\"");
    for (const QChar c : name) {
        if (forbidden.contains(c))
            return true;
    }
    return false;
}

QString liveCheckMessage(const QString &text)
{
    const QString name = text.trimmed();
    if (name.isEmpty())
        return Text::tr("File name must not be empty or spaces only filled");
    if (name.startsWith(QLatin1Char('.')))
        return Text::tr("Dont use symbol '.' as first symbol in file name");
    if (hasForbiddenSymbol(name))
        return Text::tr("Dont use symbols \\n \\ / : | < >.\"");
    static const QString discouraged = QStringLiteral("#%&/{}!?$*'^`=+");
    for (const QChar c : name) {
        if (discouraged.contains(c))
            return Text::tr("Not recommended symbols []{}!@#$%^&*()|:<>");
    }
    return QString();
}

Refusal checkNewName(const QString &name, const QString &directory, bool checkSymbols)
{
    if (checkSymbols && name.startsWith(QLatin1Char('.')))
        return Refusal::LeadingDot;
    if (checkSymbols && hasForbiddenSymbol(name))
        return Refusal::BadSymbols;
    // A NUL can never be part of a file name, whatever the kind of item.
    if (name.contains(QChar(0)))
        return Refusal::BadSymbols;
    // A letter the local encoding cannot hold would reach the file system
    // as "?": the file would get another name than the one asked for.
    const QByteArray local = name.toLocal8Bit();
    if (QString::fromLocal8Bit(local) != name)
        return Refusal::Unencodable;
    const int nameBytes = local.size() + 1;
    if (nameBytes > maxNameBytes || nameBytes + 1 + directory.toLocal8Bit().size() > maxPathBytes)
        return Refusal::TooLong;
    return Refusal::Ok;
}

QString refusalMessage(Refusal refusal, const QString &startText)
{
    switch (refusal) {
    case Refusal::Ok:
        break;
    case Refusal::LeadingDot:
        return Text::tr("Can't rename '%1'.\nDont use symbol '.' as first symbol in file name").arg(startText);
    case Refusal::BadSymbols:
        return Text::tr("Can't rename '%1'.\nDont use symbols \\n \\ / : | < >. \"").arg(startText);
    case Refusal::TooLong:
        return Text::tr("Can't rename '%1'.\nNew name/path is too long.").arg(startText);
    case Refusal::Unencodable:
        return Text::tr("Can't rename '%1'.\nThe new name has letters the system's file names can't hold.")
            .arg(startText);
    }
    return QString();
}

static Result fail(int *error, int code)
{
    if (error)
        *error = code;
    return code == EEXIST || code == ENOTEMPTY ? Result::Exists : Result::Failed;
}

// Without renameat2: a directory is moved onto an empty placeholder made
// with mkdir (which fails when anything is there); rename(2) replaces only
// an empty directory, so a directory filled meanwhile is never lost. A file
// is hard-linked (fails when the name is taken) and the old name removed;
// where hard links are not supported, an exclusive placeholder file plays
// the part of the directory placeholder.
static Result renameByPlaceholder(const QByteArray &from, const QByteArray &to, int *error)
{
    struct stat st;
    if (::lstat(from.constData(), &st) != 0)
        return fail(error, errno);
    if (S_ISDIR(st.st_mode)) {
        if (::mkdir(to.constData(), 0700) != 0)
            return fail(error, errno);
        if (::rename(from.constData(), to.constData()) != 0) {
            const int code = errno;
            ::rmdir(to.constData());
            return fail(error, code);
        }
        return Result::Renamed;
    }
    if (::linkat(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), 0) == 0) {
        if (::unlink(from.constData()) != 0) {
            const int code = errno;
            ::unlink(to.constData());
            return fail(error, code);
        }
        return Result::Renamed;
    }
    if (errno == EEXIST)
        return fail(error, EEXIST);
    const int fd = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return fail(error, errno);
    ::close(fd);
    if (::rename(from.constData(), to.constData()) != 0) {
        const int code = errno;
        ::unlink(to.constData());
        return fail(error, code);
    }
    return Result::Renamed;
}

Result renameNoReplace(const QString &from, const QString &to, int *error, bool allowNative)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (allowNative) {
        if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
            return Result::Renamed;
        // Only "not supported here" may fall back; anything else is final.
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return fail(error, errno);
    }
    return renameByPlaceholder(source, target, error);
}

Result renameItem(const QString &from, const QString &to, int *error)
{
    if (from == to)
        return Result::Unchanged;
    const QFileInfo target(to);
    if (target.exists() || target.isSymLink())
        return Result::Exists;
    return renameNoReplace(from, to, error);
}

QString renameMessage(Result result, const QString &from, const QString &to)
{
    switch (result) {
    case Result::Exists:
        return Text::tr("Can't rename\n '%1'\n with '%2'.\nObject exists.").arg(from, to);
    case Result::Failed:
        return Text::tr("Error when renaming '%1'\n with '%2'.").arg(from, to);
    case Result::Renamed:
    case Result::Unchanged:
        break;
    }
    return QString();
}

QString renameIcon(Result result)
{
    return result == Result::Failed ? QStringLiteral("dialog-error") : QStringLiteral("system-file-manager");
}

bool renameIsError(Result result)
{
    return result == Result::Failed;
}

QStringList dialogArguments(const QString &geometry, const QString &icon, bool error, const QString &text)
{
    return {QStringLiteral("--geometry"), geometry,
            QStringLiteral("--title"),    Text::tr("Renaming"),
            QStringLiteral("--icon"),     icon,
            error ? QStringLiteral("--error") : QStringLiteral("--sorry"), text};
}
}
