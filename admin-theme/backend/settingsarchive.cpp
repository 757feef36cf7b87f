// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "settingsarchive.h"
#include "fontsettings.h"

#include <distribution.h>
#include <themesettings.h>

#include <vyrdesktopentry.h>
#include <vyrfileio.h>
#include <vyrpaths.h>
#include <vyrx11.h>
#include <vyrxresources.h>

#include <KCompressionDevice>
#include <KTar>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <X11/Xcursor/Xcursor.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SettingsArchive {
namespace {

// Messages of the free functions below, in one translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SettingsArchive)
};

const QString s_vyrDir = QStringLiteral(".vyr");

// The shipped values that need no copy: the archive's reader has them too.
const QStringList s_defaultLogos = {
    QStringLiteral("/usr/share/wallpapers/logo/solva_logo"),
    QStringLiteral("/usr/share/wallpapers/logo/solva_logo_dark.svg"),
    QStringLiteral("/usr/share/wallpapers/logo/solva_logo_zel_light.svg"),
};
const QStringList s_defaultWallpapers = {
    Distribution::defaultWallpaperName,
    Distribution::lightWallpaper,
};

/**
 * The components of a "/"-separated relative path with "." and empty ones
 * dropped and ".." applied; false when ".." would climb above the start.
 */
bool normalise(const QString &path, QStringList *parts)
{
    QStringList out;
    for (const QString &part : path.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (out.isEmpty())
                return false;
            out.removeLast();
            continue;
        }
        out << part;
    }
    *parts = out;
    return true;
}

/// Whether a symbolic link at @p member (relative to the home) with @p target stays inside the home.
bool linkStaysInside(const QString &member, const QString &target, const QString &home)
{
    if (target.isEmpty())
        return false;
    QStringList parts;
    if (target.startsWith(QLatin1Char('/'))) {
        const QString root = QDir::cleanPath(home);
        const QString clean = QDir::cleanPath(target);
        return clean == root || clean.startsWith(root + QLatin1Char('/'));
    }
    const int slash = member.lastIndexOf(QLatin1Char('/'));
    const QString base = slash < 0 ? QString() : member.left(slash);
    return normalise(base + QLatin1Char('/') + target, &parts);
}

QString userName(uid_t uid)
{
    const passwd *pw = ::getpwuid(uid);
    return pw ? QString::fromLocal8Bit(pw->pw_name) : QString();
}

QString groupName(gid_t gid)
{
    const group *gr = ::getgrgid(gid);
    return gr ? QString::fromLocal8Bit(gr->gr_name) : QString();
}

QDateTime fileTime(time_t seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds);
}

/// Walks the export entries into a KTar.
class ArchiveWriter
{
public:
    ArchiveWriter(KTar *tar, const QString &home)
        : m_tar(tar)
        , m_home(home)
    {
    }
    /// Files never archived (the archive being written, the one it replaces).
    void skipFile(dev_t dev, ino_t ino) { m_skipped.insert(qMakePair(quint64(dev), quint64(ino))); }
    bool add(const QString &member);
    QString error() const { return m_error; }

private:
    bool addStat(const QString &member, const QString &path, const struct stat &st, int depth);
    bool addFile(const QString &member, const QString &path, const struct stat &st);
    bool addDirectory(const QString &member, const QString &path, const struct stat &st, int depth);

    KTar *m_tar;
    QString m_home;
    QString m_error;
    QSet<QPair<quint64, quint64>> m_skipped;
    QSet<QPair<quint64, quint64>> m_openDirectories;
};

bool ArchiveWriter::add(const QString &member)
{
    const QString path = m_home + QLatin1Char('/') + member;
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return true; // gone meanwhile: nothing to archive
    return addStat(member, path, st, 0);
}

bool ArchiveWriter::addStat(const QString &member, const QString &path, const struct stat &st, int depth)
{
    if (S_ISLNK(st.st_mode)) {
        QByteArray raw(4096, '\0');
        const ssize_t length = ::readlink(QFile::encodeName(path).constData(), raw.data(), raw.size() - 1);
        if (length < 0)
            return true;
        const QString stored = QFile::decodeName(raw.left(int(length)));
        if (linkStaysInside(member, stored, m_home)) {
            if (!m_tar->writeSymLink(member, stored, userName(st.st_uid), groupName(st.st_gid), 0120777,
                                     fileTime(st.st_atime), fileTime(st.st_mtime), fileTime(st.st_ctime))) {
                m_error = member;
                return false;
            }
            return true;
        }
        // A link out of the home would make the archive one that import
        // refuses: store what it points to instead.
        struct stat followed;
        if (::stat(QFile::encodeName(path).constData(), &followed) != 0)
            return true;
        return addStat(member, path, followed, depth);
    }
    if (S_ISREG(st.st_mode))
        return addFile(member, path, st);
    if (S_ISDIR(st.st_mode))
        return addDirectory(member, path, st, depth);
    return true; // sockets, FIFOs and devices are no settings
}

bool ArchiveWriter::addFile(const QString &member, const QString &path, const struct stat &st)
{
    if (m_skipped.contains(qMakePair(quint64(st.st_dev), quint64(st.st_ino))))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: skipping unreadable %s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(path), qPrintable(file.errorString()));
        return true;
    }
    const QByteArray data = file.readAll();
    if (!m_tar->writeFile(member, data, 0100000 | (st.st_mode & 07777), userName(st.st_uid), groupName(st.st_gid),
                          fileTime(st.st_atime), fileTime(st.st_mtime), fileTime(st.st_ctime))) {
        m_error = member;
        return false;
    }
    return true;
}

bool ArchiveWriter::addDirectory(const QString &member, const QString &path, const struct stat &st, int depth)
{
    const auto id = qMakePair(quint64(st.st_dev), quint64(st.st_ino));
    // A directory reached again through a followed link would never end.
    if (m_openDirectories.contains(id) || depth > 64)
        return true;
    if (!m_tar->writeDir(member, userName(st.st_uid), groupName(st.st_gid), 040000 | (st.st_mode & 07777),
                         fileTime(st.st_atime), fileTime(st.st_mtime), fileTime(st.st_ctime))) {
        m_error = member;
        return false;
    }
    m_openDirectories.insert(id);
    const QStringList names =
        QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    bool ok = true;
    for (const QString &name : names) {
        const QString childPath = path + QLatin1Char('/') + name;
        struct stat child;
        if (::lstat(QFile::encodeName(childPath).constData(), &child) != 0)
            continue;
        if (!addStat(member + QLatin1Char('/') + name, childPath, child, depth + 1)) {
            ok = false;
            break;
        }
    }
    m_openDirectories.remove(id);
    return ok;
}

/// Copies @p source into @p directory under its own name, atomically.
bool copyInto(const QString &source, const QString &directory, QString *target, QString *error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return false;
    }
    const QByteArray data = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        *error = in.errorString();
        return false;
    }
    *target = directory + QLatin1Char('/') + QFileInfo(source).fileName();
    return vyrWriteFileAtomically(*target, data, error, true);
}

/// One copy of the export: the key is changed only when the file arrived.
void copyValue(ThemeSettings *theme, const QString &home, const QString &key, const QString &defaultValue,
               const QStringList &defaults, QStringList *errors)
{
    const QString value = theme->value(key, QString()).toString();
    const QString vyrDir = home + QLatin1Char('/') + s_vyrDir;
    // A colour ("#RRGGBB") or a name the window manager resolves is no file.
    if (value.isEmpty() || !value.startsWith(QLatin1Char('/')) || defaults.contains(value)
        || value.startsWith(vyrDir + QLatin1Char('/')))
        return;
    QString target;
    QString reason;
    if (!copyInto(value, vyrDir, &target, &reason)) {
        *errors << Text::tr("Cannot copy %1 into %2: %3").arg(value, vyrDir, reason);
        return;
    }
    saveString(theme, key, defaultValue, target, true);
}

/// Removes @p path (a directory with everything in it) when it exists.
void removeExisting(const QString &path, const FailureReport &report)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    bool ok;
    if (info.isDir() && !info.isSymLink())
        ok = QDir(path).removeRecursively();
    else
        ok = QFile::remove(path);
    if (!ok && report)
        report(path);
}

/// Copies the shipped @p source to @p target; a missing folder is not created.
bool copyDefault(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    return vyrWriteFileAtomically(target, in.readAll(), nullptr, false);
}

// ---- reading tar headers ----

constexpr int s_block = 512;

qint64 octalField(const char *field, int length, bool *ok)
{
    // Values too large for octal digits are stored base-256 (high bit set).
    if (static_cast<unsigned char>(field[0]) & 0x80) {
        qint64 value = static_cast<unsigned char>(field[0]) & 0x3f;
        for (int i = 1; i < length; ++i) {
            if (value > (Q_INT64_C(1) << 48)) {
                *ok = false;
                return 0;
            }
            value = (value << 8) | static_cast<unsigned char>(field[i]);
        }
        *ok = !(static_cast<unsigned char>(field[0]) & 0x40);
        return value;
    }
    qint64 value = 0;
    int i = 0;
    while (i < length && field[i] == ' ')
        ++i;
    bool digits = false;
    for (; i < length && field[i] >= '0' && field[i] <= '7'; ++i) {
        value = value * 8 + (field[i] - '0');
        digits = true;
    }
    for (; i < length; ++i) {
        if (field[i] != ' ' && field[i] != '\0') {
            *ok = false;
            return 0;
        }
    }
    *ok = digits;
    return value;
}

QByteArray stringField(const char *field, int length)
{
    return QByteArray(field, int(qstrnlen(field, uint(length))));
}

bool checksumMatches(const char *header)
{
    bool ok = false;
    const qint64 stored = octalField(header + 148, 8, &ok);
    if (!ok)
        return false;
    qint64 unsignedSum = 0;
    qint64 signedSum = 0;
    for (int i = 0; i < s_block; ++i) {
        const bool inField = i >= 148 && i < 156;
        unsignedSum += inField ? ' ' : static_cast<unsigned char>(header[i]);
        signedSum += inField ? ' ' : static_cast<signed char>(header[i]);
    }
    return stored == unsignedSum || stored == signedSum;
}

/// Reads exactly @p size bytes (false at the end or on an error).
bool readFully(QIODevice &device, char *data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const qint64 got = device.read(data + done, size - done);
        if (got <= 0)
            return false;
        done += got;
    }
    return true;
}

/// Reads a member's data of @p size bytes (padded to blocks); at most @p keep are returned.
bool readData(QIODevice &device, qint64 size, QByteArray *kept, qint64 keep)
{
    qint64 left = (size + s_block - 1) / s_block * s_block;
    char buffer[64 * 1024];
    while (left > 0) {
        const qint64 chunk = qMin<qint64>(left, sizeof buffer);
        if (!readFully(device, buffer, chunk))
            return false;
        if (kept && kept->size() < keep)
            kept->append(buffer, int(qMin<qint64>(chunk, keep - kept->size())));
        left -= chunk;
    }
    if (kept && kept->size() > size)
        kept->truncate(int(size));
    return true;
}

/// The "key=value" records of a pax extended header.
QHash<QByteArray, QByteArray> paxRecords(const QByteArray &data, bool *ok)
{
    QHash<QByteArray, QByteArray> records;
    int pos = 0;
    *ok = true;
    while (pos < data.size()) {
        const int blank = data.indexOf(' ', pos);
        bool numberOk = false;
        const int length = blank < 0 ? 0 : data.mid(pos, blank - pos).toInt(&numberOk);
        if (!numberOk || length <= blank - pos + 1 || pos + length > data.size() || data.at(pos + length - 1) != '\n') {
            *ok = false;
            return records;
        }
        const QByteArray record = data.mid(blank + 1, pos + length - blank - 2);
        const int equals = record.indexOf('=');
        if (equals <= 0) {
            *ok = false;
            return records;
        }
        records.insert(record.left(equals), record.mid(equals + 1));
        pos += length;
    }
    return records;
}

CheckResult refuse(const QString &member, const QString &reason)
{
    CheckResult result;
    result.member = member;
    result.reason = reason;
    return result;
}
}

QString defaultArchivePath(const QString &home)
{
    return home + QStringLiteral("/vyr-settings.tgz");
}

QStringList exportEntries(const QString &home)
{
    const auto exists = [&home](const QString &entry) {
        const QFileInfo info(home + QLatin1Char('/') + entry);
        return info.exists() || info.isSymLink();
    };
    QStringList entries;
    for (const QString &entry : {s_vyrDir, QStringLiteral(".Xresources")}) {
        if (exists(entry))
            entries << entry;
    }
    // As the shell expands ".config/*rc .config/*.conf": hidden names are no
    // match, each pattern sorted on its own.
    const QStringList names = QDir(home + QStringLiteral("/.config"))
                                  .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &suffix : {QStringLiteral("rc"), QStringLiteral(".conf")}) {
        for (const QString &name : names) {
            if (name.endsWith(suffix) && !name.startsWith(QLatin1Char('.')))
                entries << QStringLiteral(".config/") + name;
        }
    }
    QStringList rest = {QStringLiteral(".config/orlenvask"), QStringLiteral(".config/fontconfig")};
    for (int n = 1; n <= 4; ++n)
        rest << QStringLiteral("Desktops/Desktop%1/.directory").arg(n);
    rest << QStringLiteral("Desktops/Desktop1/mycomp.desktop") << QStringLiteral("Desktops/Desktop1/mytrash.desktop");
    for (const QString &entry : rest) {
        if (exists(entry))
            entries << entry;
    }
    return entries;
}

bool isExportMember(const QString &member)
{
    const QStringList parts = member.split(QLatin1Char('/'));
    if (parts.first() == s_vyrDir || member == QLatin1String(".Xresources"))
        return true;
    if (parts.first() == QLatin1String(".config") && parts.size() >= 2) {
        const QString &name = parts.at(1);
        if (name == QLatin1String("orlenvask") || name == QLatin1String("fontconfig"))
            return true;
        return !name.startsWith(QLatin1Char('.'))
            && (name.endsWith(QLatin1String("rc")) || name.endsWith(QLatin1String(".conf")));
    }
    if (parts.size() != 3 || parts.first() != QLatin1String("Desktops"))
        return false;
    if (parts.at(2) == QLatin1String(".directory"))
        return QStringList{QStringLiteral("Desktop1"), QStringLiteral("Desktop2"), QStringLiteral("Desktop3"),
                           QStringLiteral("Desktop4")}
            .contains(parts.at(1));
    return parts.at(1) == QLatin1String("Desktop1")
        && (parts.at(2) == QLatin1String("mycomp.desktop") || parts.at(2) == QLatin1String("mytrash.desktop"));
}

QStringList copyWallpaperAndLogo(ThemeSettings *theme, const QString &home)
{
    QStringList errors;
    if (!theme)
        return errors;
    copyValue(theme, home, QStringLiteral("LogoPixmap"), QStringLiteral("fictive"), s_defaultLogos, &errors);
    copyValue(theme, home, QStringLiteral("WallPaper"), QStringLiteral("vyr-default"), s_defaultWallpapers, &errors);
    return errors;
}

bool writeArchive(const QString &archivePath, const QString &home, QString *error)
{
    const auto fail = [&](const QString &reason) {
        if (error)
            *error = Text::tr("Cannot write %1: %2").arg(archivePath, reason);
        return false;
    };
    const QFileInfo target(archivePath);
    QTemporaryFile temporary(target.absolutePath() + QLatin1Char('/') + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return fail(temporary.errorString());

    // The compression device is declared first, so that the archive, which
    // closes it, goes before it.
    auto gzip = std::make_unique<KCompressionDevice>(&temporary, false, KCompressionDevice::GZip);
    {
        KTar tar(gzip.get());
        ArchiveWriter walker(&tar, home);
        struct stat st;
        if (::fstat(temporary.handle(), &st) == 0)
            walker.skipFile(st.st_dev, st.st_ino);
        if (::stat(QFile::encodeName(archivePath).constData(), &st) == 0)
            walker.skipFile(st.st_dev, st.st_ino);
        if (!tar.open(QIODevice::WriteOnly))
            return fail(tar.errorString());
        for (const QString &entry : exportEntries(home)) {
            if (!walker.add(entry)) {
                const QString reason = temporary.error() != QFileDevice::NoError ? temporary.errorString()
                                                                                 : tar.errorString();
                return fail(reason);
            }
        }
        if (!tar.close())
            return fail(temporary.error() != QFileDevice::NoError ? temporary.errorString() : tar.errorString());
    }
    const bool gzipOk = gzip->error() == QFileDevice::NoError;
    gzip.reset();
    if (!gzipOk || !temporary.flush() || temporary.error() != QFileDevice::NoError || ::fsync(temporary.handle()) != 0)
        return fail(temporary.errorString());
    ::fchmod(temporary.handle(), 0600);
    if (::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(archivePath).constData()) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    temporary.setAutoRemove(false);
    return true;
}

CheckResult checkArchive(const QString &archivePath, const QString &home)
{
    const CheckResult notTar = refuse(QString(), Text::tr("%1 is not a gzip-compressed tar archive").arg(archivePath));
    {
        QFile raw(archivePath);
        if (!raw.open(QIODevice::ReadOnly))
            return refuse(QString(), Text::tr("Cannot read %1: %2").arg(archivePath, raw.errorString()));
        const QByteArray magic = raw.read(2);
        if (magic != QByteArray("\x1f\x8b", 2))
            return notTar;
    }
    KCompressionDevice device(archivePath, KCompressionDevice::GZip);
    if (!device.open(QIODevice::ReadOnly))
        return notTar;

    QSet<QString> links;
    QByteArray longName;
    QByteArray longLink;
    QHash<QByteArray, QByteArray> pax;
    bool sawMember = false;
    char header[s_block];
    for (;;) {
        const qint64 got = device.read(header, s_block);
        // KTar writes no end blocks; tar stops at the end of the data as well.
        if (got == 0 && sawMember && longName.isEmpty() && longLink.isEmpty() && pax.isEmpty())
            break;
        if (got != s_block && !(got > 0 && readFully(device, header + got, s_block - got)))
            return sawMember ? refuse(QString(), Text::tr("%1 is damaged").arg(archivePath)) : notTar;
        if (std::all_of(header, header + s_block, [](char c) { return c == '\0'; }))
            break;
        if (!checksumMatches(header))
            return sawMember ? refuse(QString(), Text::tr("%1 is damaged").arg(archivePath)) : notTar;
        sawMember = true;
        bool ok = false;
        qint64 size = octalField(header + 124, 12, &ok);
        if (!ok)
            return refuse(QString(), Text::tr("%1 is damaged").arg(archivePath));
        const char type = header[156];

        // Headers that describe the next member.
        if (type == 'L' || type == 'K' || type == 'x') {
            QByteArray data;
            if (size > 1024 * 1024 || !readData(device, size, &data, size))
                return refuse(QString(), Text::tr("%1 is damaged").arg(archivePath));
            if (type == 'x') {
                pax = paxRecords(data, &ok);
                if (!ok)
                    return refuse(QString(), Text::tr("%1 is damaged").arg(archivePath));
            } else {
                data = stringField(data.constData(), data.size());
                (type == 'L' ? longName : longLink) = data;
            }
            continue;
        }

        QByteArray name = stringField(header, 100);
        if (std::memcmp(header + 257, "ustar\0", 6) == 0) {
            const QByteArray prefix = stringField(header + 345, 155);
            if (!prefix.isEmpty())
                name = prefix + '/' + name;
        }
        QByteArray link = stringField(header + 157, 100);
        if (!longName.isEmpty())
            name = longName;
        if (!longLink.isEmpty())
            link = longLink;
        if (pax.contains("path"))
            name = pax.value("path");
        if (pax.contains("linkpath"))
            link = pax.value("linkpath");
        if (pax.contains("size")) {
            size = pax.value("size").toLongLong(&ok);
            if (!ok || size < 0)
                return refuse(QString(), Text::tr("%1 is damaged").arg(archivePath));
        }
        longName.clear();
        longLink.clear();
        pax.clear();

        const QString member = QFile::decodeName(name);
        const QString target = QFile::decodeName(link);
        if (member.isEmpty())
            return refuse(member, Text::tr("a member has no name"));
        if (member.startsWith(QLatin1Char('/')))
            return refuse(member, Text::tr("absolute name"));
        if (member.split(QLatin1Char('/')).contains(QStringLiteral("..")))
            return refuse(member, Text::tr("\"..\" in the path"));

        const bool regular = type == '0' || type == '\0' || type == '7';
        const bool directory = type == '5';
        const bool symLink = type == '2';
        const bool hardLink = type == '1';
        if (type == '3' || type == '4')
            return refuse(member, Text::tr("device file"));
        if (type == '6')
            return refuse(member, Text::tr("FIFO"));
        if (!regular && !directory && !symLink && !hardLink)
            return refuse(member, Text::tr("member of an unsupported type"));
        // tar skips data only after files: any other member with data would
        // be read differently here and by tar.
        if (!regular && size != 0)
            return refuse(member, Text::tr("%1 is damaged").arg(archivePath));

        QStringList parts;
        normalise(member, &parts);
        if (parts.isEmpty())
            return refuse(member, Text::tr("a member has no name"));
        const QString clean = parts.join(QLatin1Char('/'));
        for (int i = 1; i < parts.size(); ++i) {
            if (links.contains(parts.mid(0, i).join(QLatin1Char('/'))))
                return refuse(member, Text::tr("written through a link"));
        }
        if (!isExportMember(clean))
            return refuse(member, Text::tr("not part of the settings"));
        if (symLink && !linkStaysInside(clean, target, home))
            return refuse(member, Text::tr("link to %1, outside the home folder").arg(target));
        if (hardLink) {
            QStringList linked;
            if (target.startsWith(QLatin1Char('/')) || !normalise(target, &linked) || linked.isEmpty()
                || target.split(QLatin1Char('/')).contains(QStringLiteral(".."))
                || !isExportMember(linked.join(QLatin1Char('/'))))
                return refuse(member, Text::tr("link to %1, outside the settings").arg(target));
        }
        if (symLink || hardLink)
            links.insert(clean);
        if (!readData(device, regular ? size : 0, nullptr, 0))
            return refuse(member, Text::tr("%1 is damaged").arg(archivePath));
    }
    if (!sawMember)
        return notTar;
    CheckResult result;
    result.ok = true;
    return result;
}

namespace {
/// @p text quoted for sh: in single quotes, each quote closed, escaped and reopened.
QString singleQuoted(QString text)
{
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QLatin1String("'\\''")) + QLatin1Char('\'');
}

bool hasControlCharacters(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

/**
 * A printf format that prints @p text and then "x": control characters as
 * octal escapes, since the command must stay one line. The "x" protects
 * trailing line breaks from the command substitution that strips them.
 */
QString printfFormat(const QString &text)
{
    QString format;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            format += QStringLiteral("\\%1").arg(c.unicode(), 3, 8, QLatin1Char('0'));
        else if (c == QLatin1Char('\\'))
            format += QStringLiteral("\\\\");
        else if (c == QLatin1Char('%'))
            format += QStringLiteral("%%");
        else
            format += c;
    }
    return singleQuoted(format + QLatin1Char('x'));
}
}

QString logoutCommand(const QString &archivePath, const QString &home)
{
    // GNU tar reads backslash escapes in --directory unless told not to.
    if (!hasControlCharacters(archivePath) && !hasControlCharacters(home))
        return QStringLiteral("tar --no-unquote -xzf %1 --directory %2").arg(singleQuoted(archivePath), singleQuoted(home));
    // A line break cannot travel on the window manager's channel, which
    // carries one command per line: printf rebuilds such a path.
    return QStringLiteral("vyr_archive=$(printf %1); vyr_home=$(printf %2); "
                          "tar --no-unquote -xzf \"${vyr_archive%x}\" --directory \"${vyr_home%x}\"")
        .arg(printfFormat(archivePath), printfFormat(home));
}

QString importCommand(const QString &archivePath, const QString &home)
{
    return QStringLiteral("VYRWM_UPDATE_VAL KillAtExitCmd ") + logoutCommand(archivePath, home);
}

void restoreFiles(RestoreType type, const QString &themeFile, const QString &paletteFile, const FailureReport &report)
{
    const QString home = GetVyrDir(VyrDirHome);
    const QString shared = GetVyrDir(VyrDirSharedData);
    if (home.isEmpty())
        return;
    for (int n = 1; n <= 4; ++n) {
        const QString record = QStringLiteral("%1/Desktops/Desktop%2/.directory").arg(home).arg(n);
        removeExisting(record, report);
        // A desktop without its folder simply gets no record.
        copyDefault(QStringLiteral("%1/Desktops/Desktop%2/.directory").arg(shared).arg(n), record);
    }
    const QString desktop = GetVyrDir(VyrDirCurrentDesktop);
    for (const QString &item : {QStringLiteral("mycomp.desktop"), QStringLiteral("mytrash.desktop")}) {
        const QString path = desktop + QLatin1Char('/') + item;
        if (!QFileInfo::exists(path))
            copyDefault(shared + QStringLiteral("/Desktops/Desktop1/") + item, path);
        if (!QFileInfo::exists(path))
            continue;
        VyrDesktopEntry entry(path);
        if (entry.load()) {
            entry.setHidden(false);
            entry.save(false);
        }
    }
    if (type == RestoreType::AllSettings) {
        removeExisting(home + QStringLiteral("/.Xresources"), report);
        for (const QString &file : FontSettings::userFontconfigFiles())
            removeExisting(file, report);
        removeExisting(GetVyrDir(VyrDirUserPlatform), report);
        const QString wallpapers = GetVyrDir(VyrDirPictures) + QStringLiteral("/Wallpapers");
        if (QFileInfo(wallpapers).isDir()) {
            QStringList generated;
            QDirIterator it(wallpapers, {QStringLiteral("vyr-default*")}, QDir::Files | QDir::System | QDir::Hidden,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                generated << it.next();
            for (const QString &file : generated)
                removeExisting(file, report);
        }
        if (!themeFile.isEmpty())
            removeExisting(themeFile, report);
        if (!paletteFile.isEmpty())
            removeExisting(paletteFile, report);
    }
    const QString config = home + QStringLiteral("/.config");
    removeExisting(config + QStringLiteral("/Trolltech.conf"), report);
    removeExisting(config + QStringLiteral("/breezerc"), report);
    removeExisting(config + QStringLiteral("/orlenvask/vyr-admin-theme.conf"), report);
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    removeExisting(generic + QStringLiteral("/picom.conf"), report);
    removeExisting(generic + QStringLiteral("/compton.conf"), report);
}

bool dropCursorResources(QString *error)
{
    const bool ok = vyrXrdbRemove(QStringLiteral("Xcursor.theme"), error)
        && vyrXrdbRemove(QStringLiteral("Xcursor.size"), error);
    if (Display *display = vyrX11Display())
        XcursorSetTheme(display, "");
    return ok;
}
}
