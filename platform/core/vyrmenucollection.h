// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

/**
 * One entry or submenu of a VyrMenuCollection. The fields are the collection's
 * working copy; nothing reaches the disk before VyrMenuCollection::save().
 */
struct VyrMenuItem {
    enum Kind { Entry, Submenu };

    Kind kind = Entry;
    /// "writer.desktop" for an entry, the directory name for a submenu; empty
    /// for the root.
    QString fileName;
    QString name;
    QString comment;
    QString exec;
    QString icon;
    bool terminal = false;
    bool hidden = false;
    /// A shipped copy exists (the item can be hidden but not deleted).
    bool shipped = false;
    /// The fields differ from the files.
    bool modified = false;
    /// Submenus: the order of the children differs from the stored sort order.
    bool orderChanged = false;
    /// Added since the last save: the file name still follows the name.
    bool isNew = false;

    VyrMenuItem *parent = nullptr;
    std::vector<std::unique_ptr<VyrMenuItem>> children;

    bool isRoot() const { return parent == nullptr; }
    /// Path below the collection's root ("Office/writer.desktop", "Office").
    QString relativePath() const;
    int row() const;
};

/**
 * An editable collection of desktop entries: the ".desktop" files of a
 * directory and of its subdirectories that hold a ".directory" file
 * (submenus), in the order of each directory's sort order (the "SortOrder"
 * key of its ".directory"; names not listed follow, submenus first, then by
 * name).
 *
 * A collection may lie over a shipped one (the user's start menu over the
 * shipped default): a user file of the same relative path replaces the
 * shipped one. Saving writes only to the user directory: edited or hidden
 * shipped entries become user copies, the shipped files stay untouched.
 *
 * Files that cannot be read or have no "Desktop Entry" group are left out
 * (and never written); keys the collection does not edit survive a save.
 */
class VyrMenuCollection
{
public:
    explicit VyrMenuCollection(const QString &userDir, const QString &shippedDir = QString());
    ~VyrMenuCollection();
    VyrMenuCollection(const VyrMenuCollection &) = delete;
    VyrMenuCollection &operator=(const VyrMenuCollection &) = delete;

    /// The shipped collection below the user's start menu, for a directory
    /// that is the user's start menu; empty otherwise.
    static QString shippedDirFor(const QString &userDir);

    QString userDir() const;
    QString shippedDir() const;

    /// (Re)reads both layers. Files that cannot be used are reported on
    /// standard error and skipped.
    void load();
    VyrMenuItem *root() const;

    /// The user's file of @p item (".directory" inside the directory for a
    /// submenu or the root).
    QString userPath(const VyrMenuItem *item) const;
    /// The shipped file of @p item, empty without a shipped layer.
    QString shippedPath(const VyrMenuItem *item) const;
    /// The item whose user or shipped file is @p path (a ".desktop" file, or
    /// the ".directory" of a submenu); null when none.
    VyrMenuItem *findByPath(const QString &path) const;

    /// Adds a new entry (or submenu) named @p name to @p parent at @p index
    /// (-1: at the end) with a file name not used on disk yet. Until the
    /// next save the file name follows the item's name.
    VyrMenuItem *addItem(VyrMenuItem *parent, VyrMenuItem::Kind kind, const QString &name, int index = -1);
    /// Removes a user item (and a submenu's content) from the collection;
    /// shipped items cannot be removed (false), only hidden.
    bool removeItem(VyrMenuItem *item);
    /// Moves @p item by @p delta places among its siblings; false at the ends.
    bool moveItem(VyrMenuItem *item, int delta);
    /// Marks @p item's fields as changed.
    void touch(VyrMenuItem *item);

    bool isModified() const;
    /**
     * Writes every change into the user directory: changed entries and
     * submenus, the sort order of every reordered level, and the removal of
     * deleted user files. Atomic per file. Returns false when a file could
     * not be written; @p error then names it and the changes stay pending.
     */
    bool save(QString *error = nullptr);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
