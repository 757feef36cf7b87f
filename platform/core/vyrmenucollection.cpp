// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrmenucollection.h"
#include "vyrdesktopentry.h"
#include "vyrpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cstdio>

static const QString s_directoryFile = QStringLiteral(".directory");

QString VyrMenuItem::relativePath() const
{
    if (!parent)
        return QString();
    const QString above = parent->relativePath();
    return above.isEmpty() ? fileName : above + QLatin1Char('/') + fileName;
}

int VyrMenuItem::row() const
{
    if (!parent)
        return 0;
    for (size_t i = 0; i < parent->children.size(); ++i) {
        if (parent->children[i].get() == this)
            return int(i);
    }
    return -1;
}

// A file name from the entry's name: letters, digits, '-' and '_' only, so
// that the name is safe in any command line the desktop builds from it.
static QString baseNameFor(const QString &name, VyrMenuItem::Kind kind)
{
    QString base;
    for (const QChar c : name.toLower()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            || c == QLatin1Char('_') || c == QLatin1Char('-'))
            base.append(c);
        else if (!base.endsWith(QLatin1Char('-')))
            base.append(QLatin1Char('-'));
    }
    while (base.startsWith(QLatin1Char('-')))
        base.remove(0, 1);
    while (base.endsWith(QLatin1Char('-')))
        base.chop(1);
    if (base.isEmpty())
        base = kind == VyrMenuItem::Submenu ? QStringLiteral("submenu") : QStringLiteral("entry");
    return base;
}

struct VyrMenuCollection::Private {
    QString userDir;
    QString shippedDir;
    std::unique_ptr<VyrMenuItem> root;
    /// User files and submenu directories (relative paths) to delete on save.
    QStringList removed;

    QString levelPath(const QString &base, const VyrMenuItem *level) const
    {
        const QString rel = level->relativePath();
        return rel.isEmpty() ? base : base + QLatin1Char('/') + rel;
    }
    QString filePath(const QString &base, const VyrMenuItem *item) const
    {
        if (base.isEmpty())
            return QString();
        if (item->kind == VyrMenuItem::Submenu || item->isRoot())
            return levelPath(base, item) + QLatin1Char('/') + s_directoryFile;
        return levelPath(base, item);
    }
    void loadLevel(VyrMenuItem *level);
    QString uniqueFileName(const VyrMenuItem *parent, VyrMenuItem::Kind kind, const QString &name,
                           const VyrMenuItem *self) const;
    void nameNewItems(VyrMenuItem *level);
};

static void warnUnusable(const QString &path)
{
    std::fprintf(stderr, "%s: can't read desktop entry %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(path));
}

// Loads the user's file when there is one, else the shipped one. A user
// file that exists but cannot be used hides the item instead of letting a
// later save overwrite it.
static bool loadLayered(VyrDesktopEntry &entry, const QString &userPath, const QString &shippedPath, bool *shipped)
{
    *shipped = false;
    bool shippedValid = false;
    if (!shippedPath.isEmpty() && QFileInfo::exists(shippedPath)) {
        VyrDesktopEntry probe(shippedPath);
        shippedValid = probe.load();
        if (!shippedValid)
            warnUnusable(shippedPath);
    }
    if (QFileInfo::exists(userPath)) {
        entry.setFilePath(userPath);
        if (!entry.load()) {
            warnUnusable(userPath);
            return false;
        }
        *shipped = shippedValid;
        return true;
    }
    if (!shippedValid)
        return false;
    entry.setFilePath(shippedPath);
    *shipped = true;
    return entry.load();
}

static void readFields(VyrMenuItem *item, const VyrDesktopEntry &entry)
{
    item->name = entry.localNameOrFallback();
    if (item->kind == VyrMenuItem::Submenu && entry.localName().isEmpty() && entry.name().isEmpty())
        item->name = item->fileName;
    item->comment = entry.localCommentOrFallback();
    item->exec = entry.exec();
    item->icon = entry.icon();
    item->terminal = entry.terminal();
    item->hidden = entry.hidden();
}

void VyrMenuCollection::Private::loadLevel(VyrMenuItem *level)
{
    const QString userLevel = levelPath(userDir, level);
    const QString shippedLevel = shippedDir.isEmpty() ? QString() : levelPath(shippedDir, level);

    QSet<QString> entryNames;
    QSet<QString> submenuNames;
    for (const QString &dirPath : {userLevel, shippedLevel}) {
        if (dirPath.isEmpty())
            continue;
        const QDir dir(dirPath);
        const auto files = dir.entryList({QStringLiteral("*.desktop")}, QDir::Files | QDir::Hidden);
        for (const QString &name : files)
            entryNames.insert(name);
        const auto dirs = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString &name : dirs) {
            if (QFileInfo::exists(dir.filePath(name + QLatin1Char('/') + s_directoryFile)))
                submenuNames.insert(name);
        }
    }

    std::vector<std::unique_ptr<VyrMenuItem>> items;
    auto addFrom = [&](const QSet<QString> &names, VyrMenuItem::Kind kind) {
        for (const QString &name : names) {
            auto item = std::make_unique<VyrMenuItem>();
            item->kind = kind;
            item->fileName = name;
            item->parent = level;
            VyrDesktopEntry entry;
            bool shipped = false;
            if (!loadLayered(entry, filePath(userDir, item.get()), filePath(shippedDir, item.get()), &shipped))
                continue;
            item->shipped = shipped;
            readFields(item.get(), entry);
            if (kind == VyrMenuItem::Submenu)
                loadLevel(item.get());
            items.push_back(std::move(item));
        }
    };
    addFrom(submenuNames, VyrMenuItem::Submenu);
    addFrom(entryNames, VyrMenuItem::Entry);

    // The level's own record holds the order; a user record replaces the shipped one.
    QStringList order;
    VyrDesktopEntry record;
    bool unused = false;
    if (loadLayered(record, filePath(userDir, level), filePath(shippedDir, level), &unused))
        order = record.sortOrder();
    for (QString &name : order) {
        while (name.endsWith(QLatin1Char('/')))
            name.chop(1);
    }

    auto rank = [&](const VyrMenuItem *item) {
        const int listed = order.indexOf(item->fileName);
        return listed >= 0 ? listed : order.size() + (item->kind == VyrMenuItem::Submenu ? 0 : 1);
    };
    std::sort(items.begin(), items.end(), [&](const auto &a, const auto &b) {
        const int ra = rank(a.get());
        const int rb = rank(b.get());
        if (ra != rb)
            return ra < rb;
        const int byName = a->name.toCaseFolded().localeAwareCompare(b->name.toCaseFolded());
        return byName != 0 ? byName < 0 : a->fileName < b->fileName;
    });
    level->children = std::move(items);
}

VyrMenuCollection::VyrMenuCollection(const QString &userDir, const QString &shippedDir)
    : d(std::make_unique<Private>())
{
    d->userDir = QDir::cleanPath(userDir);
    if (!shippedDir.isEmpty())
        d->shippedDir = QDir::cleanPath(shippedDir);
    d->root = std::make_unique<VyrMenuItem>();
    d->root->kind = VyrMenuItem::Submenu;
}

VyrMenuCollection::~VyrMenuCollection() = default;

QString VyrMenuCollection::shippedDirFor(const QString &userDir)
{
    const QString startMenu = GetVyrDir(VyrDirStartMenu);
    if (startMenu.isEmpty() || QDir::cleanPath(userDir) != QDir::cleanPath(startMenu))
        return QString();
    return GetVyrDir(VyrDirSharedData) + QStringLiteral("/startmenu");
}

QString VyrMenuCollection::userDir() const
{
    return d->userDir;
}

QString VyrMenuCollection::shippedDir() const
{
    return d->shippedDir;
}

void VyrMenuCollection::load()
{
    d->root = std::make_unique<VyrMenuItem>();
    d->root->kind = VyrMenuItem::Submenu;
    d->removed.clear();
    // Without a directory (no home) there is nothing to show, and relative
    // paths would point at the working directory or "/".
    if (!d->userDir.isEmpty())
        d->loadLevel(d->root.get());
}

VyrMenuItem *VyrMenuCollection::root() const
{
    return d->root.get();
}

QString VyrMenuCollection::userPath(const VyrMenuItem *item) const
{
    return d->filePath(d->userDir, item);
}

QString VyrMenuCollection::shippedPath(const VyrMenuItem *item) const
{
    return d->filePath(d->shippedDir, item);
}

static VyrMenuItem *findIn(const VyrMenuCollection &collection, VyrMenuItem *level, const QString &path)
{
    for (const auto &child : level->children) {
        if (QDir::cleanPath(collection.userPath(child.get())) == path
            || (!collection.shippedDir().isEmpty() && QDir::cleanPath(collection.shippedPath(child.get())) == path))
            return child.get();
        if (VyrMenuItem *found = findIn(collection, child.get(), path))
            return found;
    }
    return nullptr;
}

VyrMenuItem *VyrMenuCollection::findByPath(const QString &path) const
{
    if (path.isEmpty())
        return nullptr;
    return findIn(*this, d->root.get(), QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

QString VyrMenuCollection::Private::uniqueFileName(const VyrMenuItem *parent, VyrMenuItem::Kind kind,
                                                  const QString &name, const VyrMenuItem *self) const
{
    const QString suffix = kind == VyrMenuItem::Entry ? QStringLiteral(".desktop") : QString();
    const QString base = baseNameFor(name, kind);
    const QString userLevel = levelPath(userDir, parent);
    const QString shippedLevel = shippedDir.isEmpty() ? QString() : levelPath(shippedDir, parent);
    const QString parentRel = parent->relativePath();
    auto taken = [&](const QString &fileName) {
        for (const auto &child : parent->children) {
            if (child.get() != self && child->fileName == fileName)
                return true;
        }
        const QString rel = parentRel.isEmpty() ? fileName : parentRel + QLatin1Char('/') + fileName;
        // Files on disk that the collection left out (unreadable, malformed)
        // and pending removals must not be overwritten either.
        return removed.contains(rel) || QFileInfo::exists(userLevel + QLatin1Char('/') + fileName)
            || (!shippedLevel.isEmpty() && QFileInfo::exists(shippedLevel + QLatin1Char('/') + fileName));
    };
    QString fileName = base + suffix;
    for (int n = 2; taken(fileName); ++n)
        fileName = base + QLatin1Char('-') + QString::number(n) + suffix;
    return fileName;
}

VyrMenuItem *VyrMenuCollection::addItem(VyrMenuItem *parent, VyrMenuItem::Kind kind, const QString &name, int index)
{
    if (!parent || parent->kind != VyrMenuItem::Submenu)
        return nullptr;
    const QString fileName = d->uniqueFileName(parent, kind, name, nullptr);

    auto item = std::make_unique<VyrMenuItem>();
    item->kind = kind;
    item->fileName = fileName;
    item->name = name;
    item->parent = parent;
    item->modified = true;
    item->isNew = true;
    VyrMenuItem *raw = item.get();
    const int count = int(parent->children.size());
    const int at = index < 0 || index > count ? count : index;
    parent->children.insert(parent->children.begin() + at, std::move(item));
    parent->orderChanged = true;
    return raw;
}

static bool containsShipped(const VyrMenuItem *item)
{
    if (item->shipped)
        return true;
    return std::any_of(item->children.begin(), item->children.end(),
                       [](const auto &child) { return containsShipped(child.get()); });
}

bool VyrMenuCollection::removeItem(VyrMenuItem *item)
{
    if (!item || item->isRoot() || containsShipped(item))
        return false;
    VyrMenuItem *parent = item->parent;
    const int at = item->row();
    if (at < 0)
        return false;
    d->removed.append(item->relativePath());
    parent->children.erase(parent->children.begin() + at);
    parent->orderChanged = true;
    return true;
}

bool VyrMenuCollection::moveItem(VyrMenuItem *item, int delta)
{
    if (!item || item->isRoot())
        return false;
    const int from = item->row();
    const int to = from + delta;
    auto &siblings = item->parent->children;
    if (from < 0 || to < 0 || to >= int(siblings.size()) || delta == 0)
        return false;
    auto moving = std::move(siblings[size_t(from)]);
    siblings.erase(siblings.begin() + from);
    siblings.insert(siblings.begin() + to, std::move(moving));
    item->parent->orderChanged = true;
    return true;
}

void VyrMenuCollection::touch(VyrMenuItem *item)
{
    if (item)
        item->modified = true;
}

static bool anyChange(const VyrMenuItem *item)
{
    if (item->modified || item->orderChanged)
        return true;
    return std::any_of(item->children.begin(), item->children.end(),
                       [](const auto &child) { return anyChange(child.get()); });
}

bool VyrMenuCollection::isModified() const
{
    return !d->removed.isEmpty() || anyChange(d->root.get());
}

// Removes what the collection owns inside a deleted submenu (entries,
// records, nested submenus); other files the user keeps there survive, and
// so does the directory holding them.
static bool removeSubmenuFiles(const QString &dirPath)
{
    QDir dir(dirPath);
    if (!dir.exists())
        return true;
    bool ok = true;
    const auto subdirs = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &name : subdirs) {
        if (QFileInfo::exists(dir.filePath(name + QLatin1Char('/') + s_directoryFile)))
            ok = removeSubmenuFiles(dir.filePath(name)) && ok;
    }
    const auto files = dir.entryList({QStringLiteral("*.desktop"), s_directoryFile}, QDir::Files | QDir::Hidden);
    for (const QString &name : files)
        ok = dir.remove(name) && ok;
    dir.rmdir(dirPath);
    return ok;
}

// Sets a localised key the way VyrDesktopEntry::setLocalName does for Name:
// the translation the user sees is replaced, else the plain key.
static void setLocalComment(VyrDesktopEntry &entry, const QString &text)
{
    const QStringList tags = VyrDesktopEntry::localeCandidates();
    for (const QString &tag : tags) {
        const QString key = QStringLiteral("Comment[%1]").arg(tag);
        if (!entry.value(key).isEmpty()) {
            entry.setValue(key, text);
            return;
        }
    }
    entry.setComment(text);
}

static void setFlag(VyrDesktopEntry &entry, const QString &key, bool value)
{
    // An absent flag means false; only write it when it says something.
    if (value || !entry.value(key).isEmpty())
        entry.setValue(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

static bool writeItem(const VyrMenuCollection &collection, VyrMenuItem *item)
{
    const QString userPath = collection.userPath(item);
    VyrDesktopEntry entry;
    bool shipped = false;
    if (!loadLayered(entry, userPath, collection.shippedPath(item), &shipped)) {
        entry.setFilePath(userPath);
        entry.setType(item->kind == VyrMenuItem::Entry ? QStringLiteral("Application") : QStringLiteral("Directory"));
    }
    entry.setFilePath(userPath);
    if (item->modified && !item->isRoot()) {
        // Only fields that differ are written, so untouched values keep
        // their exact spelling in the file.
        if (entry.localNameOrFallback() != item->name || entry.name().isEmpty())
            entry.setLocalName(item->name);
        if (entry.localCommentOrFallback() != item->comment)
            setLocalComment(entry, item->comment);
        if (entry.icon() != item->icon)
            entry.setIcon(item->icon);
        if (item->kind == VyrMenuItem::Entry) {
            if (entry.exec() != item->exec)
                entry.setExec(item->exec);
            if (entry.terminal() != item->terminal)
                setFlag(entry, QStringLiteral("Terminal"), item->terminal);
        }
        if (entry.hidden() != item->hidden)
            setFlag(entry, QStringLiteral("Hidden"), item->hidden);
    }
    if (item->orderChanged) {
        QStringList order;
        for (const auto &child : item->children)
            order << child->fileName;
        entry.setSortOrder(order);
    }
    return entry.save(false);
}

static bool writeChanges(const VyrMenuCollection &collection, VyrMenuItem *item, QString *failed)
{
    if (item->modified || item->orderChanged) {
        if (!writeItem(collection, item)) {
            *failed = collection.userPath(item);
            return false;
        }
        item->modified = false;
        item->orderChanged = false;
        item->isNew = false;
    }
    for (const auto &child : item->children) {
        if (!writeChanges(collection, child.get(), failed))
            return false;
    }
    return true;
}

// New items get their file names from the names they carry now, so that
// "New entry" renamed to "Clock" is stored as "clock.desktop".
void VyrMenuCollection::Private::nameNewItems(VyrMenuItem *level)
{
    for (const auto &child : level->children) {
        if (child->isNew)
            child->fileName = uniqueFileName(level, child->kind, child->name, child.get());
        if (child->kind == VyrMenuItem::Submenu)
            nameNewItems(child.get());
    }
}

bool VyrMenuCollection::save(QString *error)
{
    if (d->userDir.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("VyrMenuCollection", "The menu has no directory");
        return false;
    }
    QString failed;
    d->nameNewItems(d->root.get());
    while (!d->removed.isEmpty()) {
        const QString path = d->userDir + QLatin1Char('/') + d->removed.constFirst();
        const bool ok = QFileInfo(path).isDir() ? removeSubmenuFiles(path) : (!QFileInfo::exists(path) || QFile::remove(path));
        if (!ok) {
            failed = path;
            break;
        }
        d->removed.removeFirst();
    }
    if (failed.isEmpty())
        writeChanges(*this, d->root.get(), &failed);
    if (failed.isEmpty())
        return true;
    if (error)
        *error = QCoreApplication::translate("VyrMenuCollection", "Can't write '%1'").arg(failed);
    return false;
}
