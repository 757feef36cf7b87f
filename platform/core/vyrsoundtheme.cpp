// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrsoundtheme.h"
#include "vyrthemeindex.h"
#include "vyrdesktopentry.h"
#include "vyrinidocument.h"
#include "vyrpaths.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSet>

#include <functional>

namespace {
const QByteArray s_group = QByteArrayLiteral("Sound Theme");
const QString s_stereo = QStringLiteral("stereo");
const QString s_fallbackTheme = QStringLiteral("freedesktop");

struct SoundDir {
    QString dir;
    QString profile;
};

QStringList localeTags(const QString &locale)
{
    if (locale.isEmpty())
        return VyrDesktopEntry::localeCandidates();
    QString tag = locale;
    const int at = tag.indexOf(QLatin1Char('@'));
    if (at >= 0)
        tag.truncate(at);
    const int dot = tag.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        tag.truncate(dot);
    if (tag.isEmpty() || tag == QLatin1String("C") || tag == QLatin1String("POSIX"))
        return {};
    QStringList out{tag};
    const QString lang = tag.section(QLatin1Char('_'), 0, 0);
    if (lang != tag)
        out << lang;
    return out;
}
}

struct VyrSoundTheme::Private {
    QString name;
    QString givenPath;
    QString path;
    bool loaded = false;
    QByteArray displayName;
    QMap<QString, QString> localisedNames;
    QStringList inherits;
    std::vector<SoundDir> dirs;
    // The themes searched after this one, in order: inherited, then freedesktop.
    std::vector<std::unique_ptr<VyrSoundTheme>> fallbacks;

    QStringList themeDirs() const
    {
        if (!givenPath.isEmpty())
            return {QDir::cleanPath(givenPath)};
        QStringList out;
        for (const QString &base : VyrSoundTheme::baseDirectories()) {
            const QString dir = base + QLatin1Char('/') + name;
            if (QFileInfo(dir).isDir())
                out << dir;
        }
        return out;
    }

    bool readIndex()
    {
        loaded = false;
        path.clear();
        displayName.clear();
        localisedNames.clear();
        inherits.clear();
        dirs.clear();
        if (name.isEmpty() || name.contains(QLatin1Char('/')))
            return false;
        const QStringList candidates = themeDirs();
        for (const QString &dir : candidates) {
            const QString index = dir + QStringLiteral("/index.theme");
            if (!QFileInfo(index).isFile())
                continue;
            // The first index.theme found defines the theme, readable or not.
            path = dir;
            VyrIniDocument doc;
            if (!doc.loadFile(index) || !doc.hasSection(s_group))
                return false;
            const auto entries = doc.entries(s_group);
            for (const auto &entry : entries) {
                const QString key = QString::fromUtf8(entry.first);
                if (key == QLatin1String("Name"))
                    displayName = entry.second;
                else if (key.startsWith(QLatin1String("Name[")) && key.endsWith(QLatin1Char(']')))
                    localisedNames.insert(key.mid(5, key.size() - 6), QString::fromUtf8(entry.second).trimmed());
            }
            inherits = VyrThemeIndex::splitList(doc.value(s_group, "Inherits"));
            const QStringList listed = VyrThemeIndex::splitList(doc.value(s_group, "Directories"));
            for (const QString &sub : listed) {
                if (!VyrThemeIndex::isSafeRelative(sub))
                    continue;
                QString profile = QString::fromUtf8(doc.value(sub.toUtf8(), "OutputProfile")).trimmed();
                if (profile.isEmpty())
                    profile = s_stereo;
                dirs.push_back({sub, profile});
            }
            loaded = true;
            return true;
        }
        return false;
    }

    QString findIn(const QString &sound, const QString &profile, const QStringList &tags) const
    {
        static const char *const extensions[] = {".oga", ".ogg", ".wav"};
        const QStringList bases = themeDirs();
        const QStringList subdirs = orderedDirs(profile);
        for (const QString &sub : subdirs) {
            for (const QString &base : bases) {
                const QString dir = base + QLatin1Char('/') + sub + QLatin1Char('/');
                QStringList prefixes;
                for (const QString &tag : tags)
                    prefixes << dir + tag + QLatin1Char('/');
                prefixes << dir;
                for (const QString &prefix : qAsConst(prefixes)) {
                    for (const char *ext : extensions) {
                        const QString file = prefix + sound + QLatin1String(ext);
                        if (QFileInfo(file).isFile())
                            return file;
                    }
                }
            }
        }
        return QString();
    }

    QStringList orderedDirs(const QString &profile) const
    {
        QStringList first, second, rest;
        for (const SoundDir &d : dirs) {
            if (d.profile == profile)
                first << d.dir;
            else if (d.profile == s_stereo)
                second << d.dir;
            else
                rest << d.dir;
        }
        return first + second + rest;
    }
};

VyrSoundTheme::VyrSoundTheme(const QString &name, const QString &path)
    : d(std::make_unique<Private>())
{
    d->name = name;
    d->givenPath = path;
    d->path = path.isEmpty() ? QString() : QDir::cleanPath(path);
}

VyrSoundTheme::~VyrSoundTheme() = default;

bool VyrSoundTheme::load()
{
    d->fallbacks.clear();
    if (!d->readIndex())
        return false;
    // Depth first through Inherits; every theme is searched once.
    QSet<QString> seen{d->name};
    std::function<void(const QStringList &)> addParents = [&](const QStringList &parents) {
        for (const QString &parent : parents) {
            if (seen.contains(parent) || int(d->fallbacks.size()) >= VyrThemeIndex::maxInheritance)
                continue;
            seen.insert(parent);
            auto theme = std::make_unique<VyrSoundTheme>(parent);
            if (!theme->d->readIndex())
                continue;
            const QStringList grandParents = theme->d->inherits;
            d->fallbacks.push_back(std::move(theme));
            addParents(grandParents);
        }
    };
    addParents(d->inherits);
    addParents({s_fallbackTheme});
    return true;
}

bool VyrSoundTheme::isLoaded() const { return d->loaded; }
QString VyrSoundTheme::name() const { return d->name; }
QString VyrSoundTheme::path() const { return d->path; }
QStringList VyrSoundTheme::inherits() const { return d->inherits; }

QString VyrSoundTheme::localName() const
{
    if (!d->loaded)
        return QString();
    const QStringList tags = VyrDesktopEntry::localeCandidates();
    for (const QString &tag : tags) {
        const QString text = d->localisedNames.value(tag);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(d->displayName).trimmed();
}

QStringList VyrSoundTheme::directories(const QString &profile) const
{
    return d->orderedDirs(profile.isEmpty() ? s_stereo : profile);
}

QString VyrSoundTheme::getSoundFilePath(const QString &soundName, const QString &profile, const QString &locale) const
{
    if (!d->loaded || soundName.isEmpty() || soundName.contains(QLatin1Char('/')))
        return QString();
    const QString wanted = profile.isEmpty() ? s_stereo : profile;
    const QStringList tags = localeTags(locale);
    QString sound = soundName;
    while (!sound.isEmpty()) {
        QString file = d->findIn(sound, wanted, tags);
        for (auto it = d->fallbacks.cbegin(); file.isEmpty() && it != d->fallbacks.cend(); ++it)
            file = (*it)->d->findIn(sound, wanted, tags);
        if (!file.isEmpty())
            return file;
        const int dash = sound.lastIndexOf(QLatin1Char('-'));
        if (dash < 0)
            break;
        sound.truncate(dash);
    }
    return QString();
}

QStringList VyrSoundTheme::baseDirectories()
{
    QStringList out;
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!dataHome.startsWith(QLatin1Char('/'))) {
        const QString home = qEnvironmentVariable("HOME");
        dataHome = home.isEmpty() ? QString() : home + QStringLiteral("/.local/share");
    }
    if (!dataHome.isEmpty())
        out << QDir::cleanPath(dataHome + QStringLiteral("/sounds"));
    QStringList dataDirs;
    const QString fromEnv = qEnvironmentVariable("XDG_DATA_DIRS");
    if (fromEnv.isEmpty()) {
        // Only the built-in default names system paths; an explicit list
        // already says where to look.
        dataDirs << vyrSystemPath(QStringLiteral("/usr/local/share")) << vyrSystemPath(QStringLiteral("/usr/share"));
    } else {
        dataDirs = fromEnv.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    }
    for (const QString &dir : qAsConst(dataDirs)) {
        // The base directory specification ignores relative entries.
        if (dir.startsWith(QLatin1Char('/')))
            out << QDir::cleanPath(dir + QStringLiteral("/sounds"));
    }
    out.removeDuplicates();
    return out;
}

QStringList VyrSoundTheme::getThemesNames()
{
    QStringList names;
    const QStringList bases = baseDirectories();
    for (const QString &base : bases) {
        const QStringList entries = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &entry : entries) {
            if (QFileInfo(base + QLatin1Char('/') + entry + QStringLiteral("/index.theme")).isFile())
                names << entry;
        }
    }
    names.removeDuplicates();
    names.sort();
    return names;
}
