// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyricontheme.h"
#include "vyrthemeindex.h"
#include "vyrfileio.h"
#include "vyrinidocument.h"
#include "vyrpaths.h"
#include "vyrxresources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xresource.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>

#include <unistd.h>

namespace {
const QByteArray s_group = QByteArrayLiteral("Icon Theme");
const QString s_hicolor = QStringLiteral("hicolor");
const char *const s_extensions[] = {".png", ".svg", ".xpm"};

int toInt(const QByteArray &value, int fallback)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    return ok ? number : fallback;
}

bool matchesSize(const VyrIconTheme::Directory &dir, int size)
{
    switch (dir.type) {
    case VyrIconTheme::DirType::Fixed:
        return dir.size == size;
    case VyrIconTheme::DirType::Scalable:
        return dir.minSize <= size && size <= dir.maxSize;
    case VyrIconTheme::DirType::Threshold:
        return dir.size - dir.threshold <= size && size <= dir.size + dir.threshold;
    }
    return false;
}

int sizeDistance(const VyrIconTheme::Directory &dir, int size)
{
    switch (dir.type) {
    case VyrIconTheme::DirType::Fixed:
        return std::abs(dir.size - size);
    case VyrIconTheme::DirType::Scalable:
        if (size < dir.minSize)
            return dir.minSize - size;
        return size > dir.maxSize ? size - dir.maxSize : 0;
    case VyrIconTheme::DirType::Threshold:
        if (size < dir.size - dir.threshold)
            return dir.size - dir.threshold - size;
        return size > dir.size + dir.threshold ? size - dir.size - dir.threshold : 0;
    }
    return INT_MAX;
}

// The icon theme specification's rules with the directory's Scale: a
// directory made for another scale never matches exactly, and distances
// compare pixels.
bool matchesSizeAndScale(const VyrIconTheme::Directory &dir, int size, int scale)
{
    return dir.scale == scale && matchesSize(dir, size);
}

int scaledSizeDistance(const VyrIconTheme::Directory &dir, int size, int scale)
{
    const int pixels = size * scale;
    switch (dir.type) {
    case VyrIconTheme::DirType::Fixed:
        return std::abs(dir.size * dir.scale - pixels);
    case VyrIconTheme::DirType::Scalable:
        if (pixels < dir.minSize * dir.scale)
            return dir.minSize * dir.scale - pixels;
        return pixels > dir.maxSize * dir.scale ? pixels - dir.maxSize * dir.scale : 0;
    case VyrIconTheme::DirType::Threshold:
        // As the icon theme specification writes it: outside the threshold
        // the distance is taken from MinSize or MaxSize (Size by default).
        if (pixels < (dir.size - dir.threshold) * dir.scale)
            return dir.minSize * dir.scale - pixels;
        return pixels > (dir.size + dir.threshold) * dir.scale ? pixels - dir.maxSize * dir.scale : 0;
    }
    return INT_MAX;
}

QString iconFileIn(const QString &dir, const QString &iconName)
{
    // Asked for every directory of a theme and every icon looked up: a
    // plain access() on the encoded name, without QFileInfo's path work.
    QByteArray file = QFile::encodeName(dir + QLatin1Char('/') + iconName);
    const int stem = file.size();
    for (const char *extension : s_extensions) {
        file.truncate(stem);
        file += extension;
        if (::access(file.constData(), F_OK) == 0)
            return dir + QLatin1Char('/') + iconName + QLatin1String(extension);
    }
    return QString();
}

/// The server's current resources: RESOURCE_MANAGER of the first screen's
/// root window. Xlib's own copy is taken when the connection opens and
/// would miss an xrdb run since.
QByteArray currentResources(Display *display)
{
    if (!display)
        return QByteArray();
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    QByteArray text;
    if (XGetWindowProperty(display, RootWindow(display, 0), XA_RESOURCE_MANAGER, 0, LONG_MAX / 4, False, XA_STRING,
                           &type, &format, &count, &after, &data) == Success && data) {
        if (format == 8)
            text = QByteArray(reinterpret_cast<const char *>(data), int(count));
        XFree(data);
    }
    return text;
}

QString resourceValue(Display *display, const char *name, const char *className)
{
    const QByteArray text = currentResources(display);
    if (text.isEmpty())
        return QString();
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(text.constData());
    if (!database)
        return QString();
    char *type = nullptr;
    XrmValue value{0, nullptr};
    QString out;
    if (XrmGetResource(database, name, className, &type, &value) && value.addr)
        out = QString::fromLocal8Bit(value.addr, int(value.size) - 1).trimmed();
    XrmDestroyDatabase(database);
    return out;
}

int positive(const QString &text)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    return ok && number >= 1 ? int(std::lround(number)) : 0;
}

QString xresourcesFile()
{
    const QString home = GetVyrDir(VyrDirHome);
    return home.isEmpty() ? QString() : home + QStringLiteral("/.Xresources");
}

// Grows a size in proportion to the DPI above 120 dpi, where the fixed
// sizes end, so that the two meet without a step.
int scaledFrom120(int base, int dpi)
{
    if (dpi <= 120)
        return base;
    return int(std::lround(base * double(dpi) / 120.0));
}
}

struct VyrIconTheme::Private {
    QString name;
    QString basePath;
    bool followInherits = true;
    bool loaded = false;
    /// <base>/<name> for every base directory holding the theme, in
    /// search order: looked up once at load, not per icon.
    QStringList themeDirs;
    QString path;
    QString displayName;
    QStringList inherits;
    std::vector<Directory> dirs;
    // Lazily made: the themes searched after this one, in order.
    mutable bool chainBuilt = false;
    mutable std::vector<std::unique_ptr<VyrIconTheme>> chain;

    QString lookup(const QString &iconName, int size, const QString &context) const
    {
        for (const Directory &dir : dirs) {
            if (!context.isEmpty() && dir.context.compare(context, Qt::CaseInsensitive) != 0)
                continue;
            if (!matchesSize(dir, size))
                continue;
            for (const QString &themeDir : themeDirs) {
                const QString file = iconFileIn(themeDir + QLatin1Char('/') + dir.path, iconName);
                if (!file.isEmpty())
                    return file;
            }
        }
        return QString();
    }

    QString closest(const QString &iconName, int size, const QString &context) const
    {
        QString best;
        int bestDistance = INT_MAX;
        for (const Directory &dir : dirs) {
            if (!context.isEmpty() && dir.context.compare(context, Qt::CaseInsensitive) != 0)
                continue;
            const int distance = sizeDistance(dir, size);
            if (distance >= bestDistance)
                continue;
            for (const QString &themeDir : themeDirs) {
                const QString file = iconFileIn(themeDir + QLatin1Char('/') + dir.path, iconName);
                if (!file.isEmpty()) {
                    best = file;
                    bestDistance = distance;
                    break;
                }
            }
        }
        return best;
    }

    /// The icon theme specification's LookupIcon with scales: an exact
    /// match, else the closest size among this theme's directories holding
    /// the icon.
    QString lookupToDraw(const QString &iconName, int size, int scale) const
    {
        for (const Directory &dir : dirs) {
            if (!matchesSizeAndScale(dir, size, scale))
                continue;
            for (const QString &themeDir : themeDirs) {
                const QString file = iconFileIn(themeDir + QLatin1Char('/') + dir.path, iconName);
                if (!file.isEmpty())
                    return file;
            }
        }
        // The closest directory holding the icon, the first in index order
        // among equally close ones: tried nearest first, so that only
        // directories closer than the answer are looked into.
        std::vector<std::pair<int, const Directory *>> byDistance;
        byDistance.reserve(dirs.size());
        for (const Directory &dir : dirs)
            byDistance.emplace_back(scaledSizeDistance(dir, size, scale), &dir);
        std::stable_sort(byDistance.begin(), byDistance.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &candidate : byDistance) {
            for (const QString &themeDir : themeDirs) {
                const QString file = iconFileIn(themeDir + QLatin1Char('/') + candidate.second->path, iconName);
                if (!file.isEmpty())
                    return file;
            }
        }
        return QString();
    }

    /// The directories of this theme holding the icon, in index order.
    std::vector<const Directory *> holding(const QString &iconName) const
    {
        std::vector<const Directory *> out;
        for (const Directory &dir : dirs) {
            for (const QString &themeDir : themeDirs) {
                if (!iconFileIn(themeDir + QLatin1Char('/') + dir.path, iconName).isEmpty()) {
                    out.push_back(&dir);
                    break;
                }
            }
        }
        return out;
    }

    /// This theme's inherited themes depth first, each once, cycles cut,
    /// and hicolor last.
    const std::vector<std::unique_ptr<VyrIconTheme>> &fallbacks() const
    {
        if (chainBuilt)
            return chain;
        chainBuilt = true;
        if (!followInherits)
            return chain;
        QSet<QString> seen{name};
        std::function<void(const QStringList &, int)> walk = [&](const QStringList &names, int depth) {
            if (depth > VyrThemeIndex::maxInheritance)
                return;
            for (const QString &parent : names) {
                if (seen.contains(parent) || parent == s_hicolor)
                    continue;
                seen.insert(parent);
                auto theme = std::make_unique<VyrIconTheme>(parent, QString(), false);
                if (!theme->load())
                    continue;
                const QStringList next = theme->inherits();
                chain.push_back(std::move(theme));
                walk(next, depth + 1);
            }
        };
        walk(inherits, 0);
        if (name != s_hicolor) {
            auto theme = std::make_unique<VyrIconTheme>(s_hicolor, QString(), false);
            if (theme->load())
                chain.push_back(std::move(theme));
        }
        return chain;
    }
};

VyrIconTheme::VyrIconTheme(const QString &name, const QString &basePath, bool followInherits)
    : d(std::make_unique<Private>())
{
    d->name = name;
    d->basePath = basePath;
    d->followInherits = followInherits;
}

VyrIconTheme::~VyrIconTheme() = default;

QString VyrIconTheme::iconFileInFolder(const QString &dir, const QString &iconName)
{
    return iconFileIn(dir, iconName);
}

QStringList VyrIconTheme::baseDirs()
{
    QStringList candidates;
    const QString home = GetVyrDir(VyrDirHome);
    if (!home.isEmpty())
        candidates << home + QStringLiteral("/.icons");
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() && !home.isEmpty())
        dataHome = home + QStringLiteral("/.local/share");
    if (!dataHome.isEmpty())
        candidates << dataHome + QStringLiteral("/icons");
    const QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty()) {
        candidates << vyrSystemPath(QStringLiteral("/usr/local/share/icons"))
                   << vyrSystemPath(QStringLiteral("/usr/share/icons"));
    } else {
        for (const QString &dir : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            if (QDir::isAbsolutePath(dir))
                candidates << QDir::cleanPath(dir) + QStringLiteral("/icons");
        }
    }
    candidates << vyrSystemPath(QStringLiteral("/usr/share/pixmaps"));
    QStringList out;
    for (const QString &dir : qAsConst(candidates)) {
        if (!out.contains(dir) && QFileInfo(dir).isDir())
            out << dir;
    }
    return out;
}

bool VyrIconTheme::load()
{
    d->loaded = false;
    d->dirs.clear();
    d->inherits.clear();
    d->themeDirs.clear();
    if (d->name.isEmpty() || d->name.contains(QLatin1Char('/')) || d->name == QLatin1String(".."))
        return false;
    const QStringList allBases = baseDirs();
    for (const QString &base : allBases) {
        if (QFileInfo(base + QLatin1Char('/') + d->name).isDir())
            d->themeDirs << base + QLatin1Char('/') + d->name;
    }
    const QStringList bases = d->basePath.isEmpty() ? allBases : QStringList{d->basePath};
    for (const QString &base : bases) {
        const QString dir = base + QLatin1Char('/') + d->name;
        const QString index = dir + QStringLiteral("/index.theme");
        if (!QFileInfo(index).isFile())
            continue;
        VyrIniDocument doc;
        if (!doc.loadFile(index) || !doc.hasSection(s_group))
            return false;
        d->path = dir;
        d->displayName = doc.text(QString::fromLatin1(s_group), QStringLiteral("Name"), d->name);
        d->inherits = VyrThemeIndex::splitList(doc.value(s_group, "Inherits"));
        QStringList names = VyrThemeIndex::splitList(doc.value(s_group, "Directories"));
        names << VyrThemeIndex::splitList(doc.value(s_group, "ScaledDirectories"));
        for (const QString &entry : qAsConst(names)) {
            if (!VyrThemeIndex::isSafeRelative(entry))
                continue;
            // One pass over the directory's group (a theme has dozens to
            // hundreds); a repeated key counts by its last occurrence.
            QByteArray size, scale, context, type("Threshold"), minSize, maxSize, threshold;
            doc.visitEntries(entry.toUtf8(), [&](const char *key, const char *value) {
                QByteArray *field = qstrcmp(key, "Size") == 0 ? &size
                    : qstrcmp(key, "Scale") == 0              ? &scale
                    : qstrcmp(key, "Context") == 0            ? &context
                    : qstrcmp(key, "Type") == 0               ? &type
                    : qstrcmp(key, "MinSize") == 0            ? &minSize
                    : qstrcmp(key, "MaxSize") == 0            ? &maxSize
                    : qstrcmp(key, "Threshold") == 0          ? &threshold
                                                              : nullptr;
                if (field)
                    *field = value;
            });
            Directory directory;
            directory.path = entry;
            directory.size = toInt(size, 0);
            if (directory.size <= 0)
                continue; // a directory without a size can match no request
            directory.scale = toInt(scale, 1);
            directory.context = QString::fromUtf8(context);
            type = type.trimmed();
            directory.type = type == "Fixed" ? DirType::Fixed
                : type == "Scalable"         ? DirType::Scalable
                                             : DirType::Threshold;
            directory.minSize = toInt(minSize, directory.size);
            directory.maxSize = toInt(maxSize, directory.size);
            directory.threshold = toInt(threshold, 2);
            d->dirs.push_back(directory);
        }
        d->loaded = true;
        return true;
    }
    return false;
}

bool VyrIconTheme::isLoaded() const
{
    return d->loaded;
}

QString VyrIconTheme::name() const
{
    return d->name;
}

QString VyrIconTheme::path() const
{
    return d->path;
}

QString VyrIconTheme::displayName() const
{
    return d->displayName.isEmpty() ? d->name : d->displayName;
}

QStringList VyrIconTheme::inherits() const
{
    return d->inherits;
}

const std::vector<VyrIconTheme::Directory> &VyrIconTheme::directories() const
{
    return d->dirs;
}

bool VyrIconTheme::hasCursors() const
{
    for (const QString &base : baseDirs()) {
        if (QFileInfo(base + QLatin1Char('/') + d->name + QStringLiteral("/cursors")).isDir())
            return true;
    }
    return false;
}

QString VyrIconTheme::getIconPath(const QString &iconName, int size, const QString &context) const
{
    if (!d->loaded || iconName.isEmpty() || iconName.contains(QLatin1Char('/')))
        return QString();
    QString file = d->lookup(iconName, size, context);
    if (!file.isEmpty())
        return file;
    for (const auto &theme : d->fallbacks()) {
        file = theme->d->lookup(iconName, size, context);
        if (!file.isEmpty())
            return file;
    }
    return QString();
}

QString VyrIconTheme::findIcon(const QString &iconName, int size, const QString &context) const
{
    QString file = getIconPath(iconName, size, context);
    if (!file.isEmpty() || !d->loaded || iconName.isEmpty() || iconName.contains(QLatin1Char('/')))
        return file;
    file = d->closest(iconName, size, context);
    for (auto it = d->fallbacks().begin(); file.isEmpty() && it != d->fallbacks().end(); ++it)
        file = (*it)->d->closest(iconName, size, context);
    for (const QString &base : baseDirs()) {
        if (!file.isEmpty())
            break;
        file = iconFileIn(base, iconName);
    }
    return file;
}

QString VyrIconTheme::iconFileToDraw(const QString &iconName, int size, int scale) const
{
    if (!d->loaded || iconName.isEmpty() || iconName.contains(QLatin1Char('/')) || size < 1 || scale < 1)
        return QString();
    QString file = d->lookupToDraw(iconName, size, scale);
    if (!file.isEmpty())
        return file;
    // Only now: reading the inherited themes (hicolor's index is large)
    // costs more than most lookups.
    for (const auto &theme : d->fallbacks()) {
        file = theme->d->lookupToDraw(iconName, size, scale);
        if (!file.isEmpty())
            break;
    }
    return file;
}

QList<int> VyrIconTheme::iconSizesToDraw(const QString &iconName) const
{
    QList<int> sizes;
    if (!d->loaded || iconName.isEmpty() || iconName.contains(QLatin1Char('/')))
        return sizes;
    std::vector<const Directory *> dirs = d->holding(iconName);
    if (dirs.empty()) {
        for (const auto &theme : d->fallbacks()) {
            dirs = theme->d->holding(iconName);
            if (!dirs.empty())
                break;
        }
    }
    for (const Directory *dir : dirs)
        sizes << dir->size;
    return sizes;
}

QStringList VyrIconTheme::getThemesNames()
{
    QSet<QString> names;
    for (const QString &base : baseDirs()) {
        const QStringList dirs = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &dir : dirs) {
            if (QFileInfo(base + QLatin1Char('/') + dir + QStringLiteral("/index.theme")).isFile())
                names.insert(dir);
        }
    }
    QStringList out(names.begin(), names.end());
    out.sort();
    return out;
}

QStringList VyrIconTheme::getCursorThemeNames()
{
    QSet<QString> names;
    for (const QString &base : baseDirs()) {
        const QStringList dirs = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &dir : dirs) {
            if (QFileInfo(base + QLatin1Char('/') + dir + QStringLiteral("/cursors")).isDir())
                names.insert(dir);
        }
    }
    QStringList out(names.begin(), names.end());
    out.sort();
    return out;
}

QString VyrIconTheme::getCurrentCursorThemeName(Display *display)
{
    const QString fromResources = resourceValue(display, "Xcursor.theme", "Xcursor.Theme");
    if (!fromResources.isEmpty())
        return fromResources;
    return qEnvironmentVariable("XCURSOR_THEME").trimmed();
}

int VyrIconTheme::getCurrentCursorThemeSize(Display *display)
{
    const QString fromResources = resourceValue(display, "Xcursor.size", "Xcursor.Size");
    if (!fromResources.isEmpty())
        return positive(fromResources);
    return positive(qEnvironmentVariable("XCURSOR_SIZE"));
}

bool VyrIconTheme::setCurrentCursorThemeName(const QString &name, QString *error)
{
    const QString resources = xresourcesFile();
    if (resources.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("VyrIconTheme", "no home directory");
        return false;
    }
    // The name ends up in a resources line and an INI line.
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'))) {
        if (error)
            *error = QCoreApplication::translate("VyrIconTheme", "cursor theme name holds a line break");
        return false;
    }
    // Programs started without the server's resources (Wayland clients,
    // GTK's own lookup) take the theme that "default" inherits.
    const QString index = GetVyrDir(VyrDirHome) + QStringLiteral("/.icons/default/index.theme");
    VyrIniDocument doc;
    if (QFileInfo::exists(index) && !doc.loadFile(index)) {
        if (error)
            *error = QCoreApplication::translate("VyrIconTheme", "cannot read %1").arg(index);
        return false;
    }
    if (name.isEmpty())
        doc.removeKey(s_group, "Inherits");
    else
        doc.setValue(s_group, "Inherits", name.toUtf8());
    if (!QFileInfo(QFileInfo(index).path()).isDir() && !QDir().mkpath(QFileInfo(index).path())) {
        if (error)
            *error = QCoreApplication::translate("VyrIconTheme", "cannot create %1").arg(QFileInfo(index).path());
        return false;
    }
    if (!doc.saveFile(index, error))
        return false;
    return setXrdbParameterInFile(resources, QStringLiteral("Xcursor.theme:"), QStringLiteral(" "), name, true, error);
}

bool VyrIconTheme::setCurrentCursorThemeSize(int size, QString *error)
{
    const QString resources = xresourcesFile();
    if (resources.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("VyrIconTheme", "no home directory");
        return false;
    }
    return setXrdbParameterInFile(resources, QStringLiteral("Xcursor.size:"), QStringLiteral(" "),
                                  size >= 1 ? QString::number(size) : QString(), true, error);
}

int VyrIconTheme::GetIconSizeForDPI(int dpi, int desktop)
{
    return scaledFrom120(desktop ? 48 : 31, dpi);
}

int VyrIconTheme::GetFrameTitleSizeForDPI(int dpi, int base)
{
    return scaledFrom120(base, dpi);
}

int VyrIconTheme::GetFrameBorderSizeForDPI(int dpi, int base)
{
    return scaledFrom120(base, dpi);
}

int GetXftDPI(Display *display, int screen)
{
    Q_UNUSED(screen) // the resource is one for the display
    return positive(resourceValue(display, "Xft.dpi", "Xft.Dpi"));
}

int FindDPI(Display *display, int screen, unsigned long root)
{
    Q_UNUSED(root)
    if (!display || screen < 0 || screen >= ScreenCount(display))
        return 0;
    const int millimetres = DisplayHeightMM(display, screen);
    if (millimetres <= 0)
        return 0;
    return int(std::lround(DisplayHeight(display, screen) * 25.4 / millimetres));
}
