// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "hotkeyfile.h"
#include "hotkeyfunctions.h"

#include <vyrfileio.h>
#include <vyrinidocument.h>
#include <vyrkeyserver.h>
#include <vyrpaths.h>
#include <vyrsettings.h>

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QKeySequence>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Messages of the free functions below, in one translation context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(HotkeyBindings)
};

bool readKeyFile(VyrIniDocument &doc, const QString &path, QString *error)
{
    if (path.isEmpty()) {
        *error = Text::tr("No file given.");
        return false;
    }
    if (!doc.loadFile(path)) {
        *error = Text::tr("Can't read %1.").arg(path);
        return false;
    }
    if (!doc.hasSection(shortCutKeysSection)) {
        *error = Text::tr("%1 has no [ShortCutKeys] section.").arg(path);
        return false;
    }
    return true;
}

bool isCommandRow(const HotkeyRow &row)
{
    return !row.function.contains(wmFunctionPrefix());
}

// Whether the row still holds what its file entry said, so the entry can be
// written back as it was.
bool rawEntryStillValid(const HotkeyRow &row)
{
    if (row.rawKey.isNull() || row.rawValue.isNull())
        return false;
    if (keyFileToText(QString::fromLocal8Bit(row.rawKey)) != row.key)
        return false;
    const QString value = unquoted(QString::fromLocal8Bit(row.rawValue));
    return value == (isCommandRow(row) ? row.action : row.function);
}

// Which key combination a file key stands for: spellings that differ only
// in quotes, case or the names of modifiers and keys are the same key.
// Placeholders of keyless commands stand for themselves (behind a '|',
// which no key text contains).
QByteArray keyIdentity(const QByteArray &fileKey)
{
    const QString text = keyFileToText(QString::fromLocal8Bit(fileKey));
    if (text.isEmpty())
        return '|' + fileKey.toLower();
    return text.toLower().toUtf8();
}

} // namespace

HotkeyBindings::HotkeyBindings()
{
    const auto &table = hotkeyFunctionTable();
    groups.reserve(table.size() + 1);
    for (const HotkeyFunctionGroup &group : table) {
        HotkeyRowGroup rows;
        rows.title = hotkeyTr(group.title);
        rows.rows.reserve(group.functions.size());
        for (const HotkeyFunction &function : group.functions) {
            HotkeyRow row;
            row.action = hotkeyTr(function.description);
            row.function = QString::fromLatin1(function.id);
            rows.rows.append(row);
        }
        groups.append(rows);
    }
    HotkeyRowGroup commands;
    commands.title = QCoreApplication::translate("HotkeyFunctions", "Command Keybindings");
    groups.append(commands);
}

bool HotkeyBindings::load(const QString &path, const QString &systemPath, QString *error, QString *warning)
{
    QString reason;
    VyrIniDocument user(VyrIniDocument::CaseInsensitive);
    if (!readKeyFile(user, path, &reason)) {
        if (error)
            *error = reason;
        return false;
    }
    QList<QPair<QByteArray, QByteArray>> systemEntries;
    if (!systemPath.isEmpty()) {
        VyrIniDocument system(VyrIniDocument::CaseInsensitive);
        if (readKeyFile(system, systemPath, &reason))
            systemEntries = system.entries(shortCutKeysSection);
        else if (warning)
            *warning = reason;
    }

    *this = HotkeyBindings();
    // Where each function's first row is, and the rows to insert after it.
    struct FunctionRows {
        int group = 0;
        int row = 0;
        bool assigned = false;
        QVector<HotkeyRow> extra;
    };
    QHash<QString, FunctionRows> functions;
    for (int g = 0; g < commandGroupIndex(); ++g) {
        for (int r = 0; r < groups[g].rows.size(); ++r) {
            FunctionRows &f = functions[groups[g].rows[r].function];
            f.group = g;
            f.row = r;
        }
    }

    const auto addEntries = [&](const QList<QPair<QByteArray, QByteArray>> &entries, HotkeySource source) {
        for (const auto &entry : entries) {
            HotkeyRow row;
            row.key = keyFileToText(QString::fromLocal8Bit(entry.first));
            row.source = source;
            row.rawKey = entry.first;
            row.rawValue = entry.second;
            const QString value = unquoted(QString::fromLocal8Bit(entry.second));
            if (value.startsWith(wmFunctionPrefix())) {
                const auto it = functions.find(value);
                if (it == functions.end()) {
                    unknownEntries.append({entry.first, entry.second, source});
                    continue;
                }
                HotkeyRow &first = groups[it->group].rows[it->row];
                row.action = first.action;
                row.function = first.function;
                if (!it->assigned) {
                    first = row;
                    it->assigned = true;
                } else {
                    it->extra.append(row);
                }
                continue;
            }
            if (value == QLatin1String("Disable")) {
                if (!disabledKeys.contains(row.key)) {
                    disabledKeys.append(row.key);
                    disabledRawKeys.insert(row.key, entry.first);
                }
                continue;
            }
            row.action = value;
            row.function = execCommandId();
            commandGroup().rows.append(row);
        }
    };
    addEntries(user.entries(shortCutKeysSection), HotkeySource::User);
    addEntries(systemEntries, HotkeySource::System);

    // Each further row of a function went in right after its first row, so
    // the later ones come first.
    for (int g = 0; g < commandGroupIndex(); ++g) {
        QVector<HotkeyRow> rows;
        rows.reserve(groups[g].rows.size());
        for (const HotkeyRow &row : qAsConst(groups[g].rows)) {
            rows.append(row);
            const FunctionRows &f = functions[row.function];
            std::copy(f.extra.rbegin(), f.extra.rend(), std::back_inserter(rows));
        }
        groups[g].rows = rows;
    }
    return true;
}

QByteArray HotkeyBindings::serialize(const QByteArray &base, bool userRowsOnly) const
{
    VyrIniDocument doc(VyrIniDocument::CaseInsensitive);
    // The user's notes above a binding travel with it to its new place.
    QHash<QByteArray, QByteArray> comments;
    if (!base.trimmed().isEmpty() && doc.loadData(base)) {
        if (doc.hasSection(shortCutKeysSection)) {
            const QList<QByteArray> keys = doc.keys(shortCutKeysSection);
            for (const QByteArray &key : keys) {
                const QByteArray note = doc.comment(shortCutKeysSection, key);
                if (!note.isEmpty())
                    comments.insert(key.toLower(), note);
                doc.removeKey(shortCutKeysSection, key);
            }
        } else {
            doc.loadData(base + "\n[ShortCutKeys]\n");
        }
    } else {
        doc.loadData(emptyKeyFileContent());
    }

    // Entries in write order. Keys are unique in the file: a reader that
    // takes the first line of a key would otherwise get a binding the user
    // replaced. A key given twice is written once, with the later entry's
    // binding, in the earlier entry's place.
    struct Entry {
        QByteArray key;
        QByteArray value;
        QByteArray replacedKey; ///< the earlier spelling, whose comment is kept
    };
    // Two spellings of one key name one line of the file too, as the file
    // ignores case in key names ("NOne0" and "None0").
    QVector<Entry> entries;
    QHash<QByteArray, int> entryOfKey;
    QHash<QByteArray, int> entryOfSpelling;
    const auto add = [&](const QByteArray &key, const QByteArray &value) {
        const QByteArray identity = keyIdentity(key);
        const QByteArray spelling = key.toLower();
        const int at = entryOfKey.value(identity, entryOfSpelling.value(spelling, -1));
        entryOfKey.insert(identity, at < 0 ? entries.size() : at);
        entryOfSpelling.insert(spelling, at < 0 ? entries.size() : at);
        if (at < 0) {
            entries.append({key, value, QByteArray()});
            return;
        }
        Entry &earlier = entries[at];
        if (earlier.replacedKey.isNull())
            earlier.replacedKey = earlier.key;
        earlier.key = key;
        earlier.value = value;
    };

    // The lines in write order; a keyless command's key is chosen below.
    QVector<QPair<QByteArray, QByteArray>> lines;
    QSet<QByteArray> spellings;
    const auto line = [&](const QByteArray &key, const QByteArray &value) {
        lines.append({key, value});
        if (!key.isEmpty())
            spellings.insert(key.toLower());
    };
    for (const HotkeyRowGroup &group : groups) {
        for (const HotkeyRow &row : group.rows) {
            if (userRowsOnly && row.source != HotkeySource::User)
                continue;
            const bool raw = rawEntryStillValid(row);
            QByteArray key;
            if (row.key.isEmpty() && row.function == execCommandId())
                key.clear();
            else if (raw && !row.rawKey.isEmpty())
                key = row.rawKey;
            else if (!row.key.isEmpty())
                key = keyStringToFile(row.key).toLocal8Bit();
            else
                continue;
            QByteArray value;
            if (raw)
                value = row.rawValue;
            else
                value = (isCommandRow(row) ? commandFileValue(row.action) : row.function).toLocal8Bit();
            line(key, value);
        }
    }
    for (const HotkeyRawEntry &entry : unknownEntries) {
        if (!userRowsOnly || entry.source == HotkeySource::User)
            line(entry.key, entry.value);
    }
    for (const QString &key : disabledKeys) {
        QByteArray fileKey = disabledRawKeys.value(key);
        if (fileKey.isEmpty() || keyFileToText(QString::fromLocal8Bit(fileKey)) != key)
            fileKey = keyStringToFile(key).toLocal8Bit();
        if (!fileKey.isEmpty())
            line(fileKey, "\"Disable\"");
    }
    // Keyless commands go under "None<n>" names that no other line uses in
    // any case ("NOne0" is a key name too): the file ignores case, so the
    // two would be one key and one binding would replace the other.
    int placeholder = 0;
    for (const auto &entry : qAsConst(lines)) {
        QByteArray key = entry.first;
        while (key.isEmpty()) {
            const QByteArray name = "None" + QByteArray::number(placeholder++);
            if (!spellings.contains(name.toLower()))
                key = name;
        }
        add(key, entry.second);
    }
    for (const Entry &entry : qAsConst(entries)) {
        QByteArray note = comments.take(entry.key.toLower());
        if (note.isEmpty() && !entry.replacedKey.isNull())
            note = comments.take(entry.replacedKey.toLower());
        doc.addValue(shortCutKeysSection, entry.key, entry.value, note);
    }
    return doc.saveData();
}

bool HotkeyBindings::save(const QString &path, bool userRowsOnly, QString *error) const
{
    if (path.isEmpty()) {
        if (error)
            *error = Text::tr("No file given.");
        return false;
    }
    QByteArray base;
    QFile file(path);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            if (error)
                *error = Text::tr("Can't read %1.").arg(path);
            return false;
        }
        base = file.readAll();
        file.close();
    }
    // The INI parser stops at a NUL byte: keep the file as it was before
    // rewriting it without what follows.
    if (base.contains('\0') && !vyrKeepBackup(path, error))
        return false;
    return vyrWriteFileAtomically(path, serialize(base, userRowsOnly), error);
}

bool keyFileHasSection(const QString &path, QString *error)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path.isEmpty() ? Text::tr("No file given.") : Text::tr("Can't read %1.").arg(path);
        return false;
    }
    QByteArray data = file.readAll();
    // The INI parser sees nothing after a NUL byte.
    const int nul = data.indexOf('\0');
    if (nul >= 0)
        data.truncate(nul);
    for (QByteArray line : data.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('[') && line.endsWith(']')
            && line.mid(1, line.size() - 2).trimmed().toLower() == QByteArray(shortCutKeysSection).toLower())
            return true;
    }
    if (error)
        *error = Text::tr("%1 has no [ShortCutKeys] section.").arg(path);
    return false;
}

QString unquoted(const QString &text)
{
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        return text.mid(1, text.size() - 2);
    return text;
}

QString keyFileToText(const QString &fileKey)
{
    QString text = fileKey;
    if (text.startsWith(QLatin1Char('"'))) {
        text.remove(0, 1);
        if (text.endsWith(QLatin1Char('"')))
            text.chop(1);
    }
    text.replace(QLatin1Char('|'), QLatin1Char('+'));
    static const QRegularExpression noneMarker(QStringLiteral("None\\+"));
    // All digits of a placeholder: None12 is a command without key, not the key "2".
    static const QRegularExpression nonePlaceholder(QStringLiteral("None[0-9]+"));
    if (text.contains(QLatin1String("None"))) {
        text.remove(noneMarker);
        text.remove(nonePlaceholder);
    }
    if (text == QLatin1String("XF86Calculator"))
        return QStringLiteral("Calculator");
    const QString qt = VyrKeyServer::KeyStringXToQt(text);
    return qt.isEmpty() ? text : qt;
}

QString keyStringToFile(const QString &keyText)
{
    const QKeySequence sequence = QKeySequence::fromString(keyText, QKeySequence::PortableText);
    QString x = sequence.isEmpty() ? QString() : VyrKeyServer::KeyQtToKeyStringX(sequence[0]);
    if (x.isEmpty())
        x = keyText;
    const int plus = x.lastIndexOf(QLatin1Char('+'));
    if (plus < 0) {
        if (x.size() == 1)
            x = x.toLower();
        return QStringLiteral("None|") + x;
    }
    const QString last = x.mid(plus + 1).toLower();
    if (last.size() == 1)
        x = x.left(plus) + QLatin1Char('+') + last;
    x.replace(QLatin1Char('+'), QLatin1Char('|'));
    return x;
}

QString commandFileValue(const QString &command)
{
    if (command.startsWith(QLatin1Char('"')))
        return command;
    return QLatin1Char('"') + command + QLatin1Char('"');
}

QString userKeyFilePath()
{
    const QString dir = GetVyrDir(VyrDirUserPlatform);
    return dir.isEmpty() ? QString() : dir + QStringLiteral("/keyshortcutrc") + vyrSessionConfigSuffix(0);
}

QString systemKeyFilePath()
{
    const QString dir = GetVyrDir(VyrDirSharedData);
    return dir.isEmpty() ? QString() : dir + QStringLiteral("/keyshortcutrc") + vyrSessionConfigSuffix(0);
}

QByteArray emptyKeyFileContent()
{
    return QByteArrayLiteral("[ShortCutKeys]\n");
}

bool copyKeyFile(const QString &from, const QString &to, QString *error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        if (error)
            *error = Text::tr("Can't read %1.").arg(from);
        return false;
    }
    return vyrWriteFileAtomically(to, source.readAll(), error);
}
