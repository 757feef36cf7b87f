// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

/**
 * An INI file held in memory through SimpleIni, with the byte-exact values
 * of the file. Comments, order, unknown sections and keys survive a
 * load/save round trip. Keys and sections compare case-sensitively unless
 * the document is made case-insensitive.
 *
 * This is the suite's one INI layer: VyrSettings, the desktop records, the
 * hot-key and session files use it.
 */
class VyrIniDocument
{
public:
    enum CaseMode { CaseSensitive, CaseInsensitive };
    explicit VyrIniDocument(CaseMode mode = CaseSensitive);
    ~VyrIniDocument();
    VyrIniDocument(const VyrIniDocument &) = delete;
    VyrIniDocument &operator=(const VyrIniDocument &) = delete;

    /// Parses @p data; returns false when it is not INI text at all.
    bool loadData(const QByteArray &data);
    /// Reads @p path; false when missing or unreadable (the document is then empty).
    bool loadFile(const QString &path);
    QByteArray saveData() const;
    /// Atomic write of the whole document; see vyrWriteFileAtomically().
    bool saveFile(const QString &path, QString *error = nullptr) const;

    bool hasValue(const QByteArray &section, const QByteArray &key) const;
    /// The last value of @p key (a repeated key reads as its last occurrence).
    QByteArray value(const QByteArray &section, const QByteArray &key, const QByteArray &defaultValue = QByteArray(),
                     bool *found = nullptr) const;
    /// Replaces every occurrence of @p key by one entry.
    void setValue(const QByteArray &section, const QByteArray &key, const QByteArray &value);
    bool removeKey(const QByteArray &section, const QByteArray &key);
    bool removeSection(const QByteArray &section);
    QList<QByteArray> sections() const;
    QList<QByteArray> keys(const QByteArray &section) const;
    bool hasSection(const QByteArray &section) const;
    /// Every entry of @p section in file order, repeated keys included.
    QList<QPair<QByteArray, QByteArray>> entries(const QByteArray &section) const;
    /**
     * Calls @p visit with the key and value of every entry of @p section,
     * without copying them (for reading large files): a repeated key's
     * occurrences in file order, different keys in no particular order.
     */
    void visitEntries(const QByteArray &section,
                      const std::function<void(const char *key, const char *value)> &visit) const;
    /// Adds an entry after the others, even when @p key is already present.
    /// A @p comment (lines starting with ';' or '#', as comment() returns
    /// them) is written just above it.
    void addValue(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                  const QByteArray &comment = QByteArray());
    /// The comment lines just above the first occurrence of @p key, empty
    /// when there are none.
    QByteArray comment(const QByteArray &section, const QByteArray &key) const;

    // Unicode conveniences: text in the local 8-bit encoding.
    QString text(const QString &section, const QString &key, const QString &defaultValue = QString(),
                 bool *found = nullptr) const;
    void setText(const QString &section, const QString &key, const QString &value);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
