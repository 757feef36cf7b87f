// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class KConfig;

/**
 * One XDG desktop entry file (".desktop" or ".directory"), group
 * "Desktop Entry". Localised keys (Name[de], Comment[de]) are read for the
 * current locale; keys this class does not know survive a save.
 *
 * The sort order of a directory record is the key "SortOrder", a list of
 * file names separated by commas.
 */
class VyrDesktopEntry
{
public:
    explicit VyrDesktopEntry(const QString &path = QString());
    ~VyrDesktopEntry();
    VyrDesktopEntry(const VyrDesktopEntry &) = delete;
    VyrDesktopEntry &operator=(const VyrDesktopEntry &) = delete;

    /// Reads the file; false when it is missing or has no "Desktop Entry" group.
    bool load();
    /// Writes the entry. Without @p saveEmptyFields, empty fields are removed
    /// from the file instead of being written empty. Atomic; false on failure.
    bool save(bool saveEmptyFields = false);
    /// Loaded with a "Desktop Entry" group.
    bool isValid() const;

    QString filePath() const;
    /// Saves to another file from now on (the fields are kept).
    void setFilePath(const QString &path);

    QString type() const;
    void setType(const QString &type);
    bool hidden() const;
    void setHidden(bool hidden);
    bool noDisplay() const;
    QString url() const;
    void setUrl(const QString &url);
    QString exec() const;
    void setExec(const QString &exec);
    QString icon() const;
    void setIcon(const QString &icon);
    bool terminal() const;
    void setTerminal(bool terminal);

    /// The untranslated Name.
    QString name() const;
    void setName(const QString &name);
    /// Name in the current language, empty when the entry has none for it.
    QString localName() const;
    /// Stores @p name as the name in the current language (and as the plain
    /// Name when the entry has none yet).
    void setLocalName(const QString &name);
    /// Localised name, else Name, else the file's base name.
    QString localNameOrFallback() const;
    QString comment() const;
    void setComment(const QString &comment);
    /// Localised comment, else Comment, else an empty string.
    QString localCommentOrFallback() const;

    QStringList sortOrder() const;
    void setSortOrder(const QStringList &order);

    /// Any other key of the "Desktop Entry" group.
    QString value(const QString &key, const QString &defaultValue = QString()) const;
    void setValue(const QString &key, const QString &value);

    /// The language tag used for localised keys ("de_DE" → tries de_DE, de).
    static QStringList localeCandidates();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
