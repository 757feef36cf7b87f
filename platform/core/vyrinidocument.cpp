// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrinidocument.h"
#include "vyrfileio.h"

#include <QFile>

#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <string>
#include <vector>

// A value is one line and SimpleIni stops at a NUL byte: what cannot be
// stored faithfully is dropped or folded into blanks.
static QByteArray storable(const QByteArray &value)
{
    return QByteArray(value).replace('\0', "").replace('\n', ' ').replace('\r', ' ');
}

struct VyrIniDocument::Private {
    explicit Private(CaseMode mode)
    {
        // Files of the desktop are written "key=value", without blanks.
        if (mode == CaseSensitive) {
            sensitive = std::make_unique<CSimpleIniCaseA>(false, true, false);
            sensitive->SetSpaces(false);
        } else {
            insensitive = std::make_unique<CSimpleIniA>(false, true, false);
            insensitive->SetSpaces(false);
        }
    }
    template<typename F>
    auto visit(F &&f)
    {
        return sensitive ? f(*sensitive) : f(*insensitive);
    }
    template<typename F>
    auto visit(F &&f) const
    {
        return sensitive ? f(static_cast<const CSimpleIniCaseA &>(*sensitive))
                         : f(static_cast<const CSimpleIniA &>(*insensitive));
    }
    std::unique_ptr<CSimpleIniCaseA> sensitive;
    std::unique_ptr<CSimpleIniA> insensitive;
    // Comment lines after the last entry: the parser attaches a comment to
    // the entry that follows it, so these would otherwise vanish on save.
    QByteArray trailingComment;
};

static QByteArray trailingCommentOf(const QByteArray &data)
{
    // Walks the lines from the end: only the last few are looked at, and
    // nothing is copied for the others (index files are read by the
    // hundred).
    int lineEnd = data.size();
    int blockStart = -1;
    int blockEnd = -1;
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    for (;;) {
        const int newline = lineEnd > 0 ? data.lastIndexOf('\n', lineEnd - 1) : -1;
        const int lineStart = newline + 1;
        int first = lineStart;
        while (first < lineEnd && blank(data.at(first)))
            ++first;
        if (first < lineEnd) {
            if (data.at(first) != ';' && data.at(first) != '#')
                break;
            blockStart = lineStart;
            if (blockEnd < 0)
                blockEnd = lineEnd;
        }
        // A file of comments only: the parser keeps them as the file comment.
        if (newline < 0)
            return QByteArray();
        lineEnd = newline;
    }
    QByteArray block;
    if (blockStart < 0)
        return block;
    const QList<QByteArray> lines = data.mid(blockStart, blockEnd - blockStart).split('\n');
    for (const QByteArray &line : lines)
        block += line.trimmed() + '\n';
    return block;
}

VyrIniDocument::VyrIniDocument(CaseMode mode)
    : d(std::make_unique<Private>(mode))
{
}

VyrIniDocument::~VyrIniDocument() = default;

bool VyrIniDocument::loadData(const QByteArray &data)
{
    d->trailingComment = trailingCommentOf(data);
    return d->visit([&](auto &ini) {
        ini.Reset();
        return ini.LoadData(data.constData(), size_t(data.size())) >= 0;
    });
}

bool VyrIniDocument::loadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        d->trailingComment.clear();
        d->visit([](auto &ini) {
            ini.Reset();
            return 0;
        });
        return false;
    }
    return loadData(file.readAll());
}

QByteArray VyrIniDocument::saveData() const
{
    QByteArray text = d->visit([](const auto &ini) {
        std::string out;
        ini.Save(out, false);
        return QByteArray(out.data(), int(out.size()));
    });
    const QByteArray saved = '\n' + text.trimmed();
    if (!d->trailingComment.isEmpty() && !saved.endsWith('\n' + d->trailingComment.trimmed())) {
        if (!text.isEmpty() && !text.endsWith('\n'))
            text += '\n';
        text += d->trailingComment;
    }
    return text;
}

bool VyrIniDocument::saveFile(const QString &path, QString *error) const
{
    return vyrWriteFileAtomically(path, saveData(), error);
}

bool VyrIniDocument::hasValue(const QByteArray &section, const QByteArray &key) const
{
    bool found = false;
    value(section, key, QByteArray(), &found);
    return found;
}

QByteArray VyrIniDocument::value(const QByteArray &section, const QByteArray &key, const QByteArray &defaultValue,
                                 bool *found) const
{
    return d->visit([&](const auto &ini) {
        using Ini = std::decay_t<decltype(ini)>;
        typename Ini::TNamesDepend values;
        if (!ini.GetAllValues(section.constData(), key.constData(), values) || values.empty()) {
            if (found)
                *found = false;
            return defaultValue;
        }
        values.sort(typename Ini::Entry::LoadOrder());
        if (found)
            *found = true;
        return QByteArray(values.back().pItem);
    });
}

void VyrIniDocument::setValue(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    const QByteArray clean = storable(value);
    d->visit([&](auto &ini) { return ini.SetValue(section.constData(), key.constData(), clean.constData(), nullptr, true); });
}

static bool isCommentBlock(const QByteArray &text)
{
    if (text.isEmpty())
        return false;
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray &line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(';') && !trimmed.startsWith('#'))
            return false;
    }
    return text.startsWith(';') || text.startsWith('#');
}

void VyrIniDocument::addValue(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                              const QByteArray &comment)
{
    const QByteArray clean = storable(value);
    // Anything but comment lines would be written into the file as entries.
    const char *note = isCommentBlock(comment) ? comment.constData() : nullptr;
    d->visit([&](auto &ini) { return ini.SetValue(section.constData(), key.constData(), clean.constData(), note, false); });
}

QByteArray VyrIniDocument::comment(const QByteArray &section, const QByteArray &key) const
{
    return d->visit([&](const auto &ini) {
        using Ini = std::decay_t<decltype(ini)>;
        typename Ini::TNamesDepend names;
        ini.GetAllKeys(section.constData(), names);
        names.sort(typename Ini::Entry::LoadOrder());
        for (const auto &entry : names) {
            if (entry.pComment && QByteArray(entry.pItem) == key)
                return QByteArray(entry.pComment);
        }
        return QByteArray();
    });
}

QList<QPair<QByteArray, QByteArray>> VyrIniDocument::entries(const QByteArray &section) const
{
    return d->visit([&](const auto &ini) {
        using Ini = std::decay_t<decltype(ini)>;
        QList<QPair<QByteArray, QByteArray>> result;
        const typename Ini::TKeyVal *keyValues = ini.GetSection(section.constData());
        if (!keyValues)
            return result;
        std::vector<std::pair<typename Ini::Entry, const char *>> ordered(keyValues->begin(), keyValues->end());
        std::stable_sort(ordered.begin(), ordered.end(), [](const auto &a, const auto &b) {
            return typename Ini::Entry::LoadOrder()(a.first, b.first);
        });
        for (const auto &entry : ordered)
            result.append(qMakePair(QByteArray(entry.first.pItem), QByteArray(entry.second)));
        return result;
    });
}

void VyrIniDocument::visitEntries(const QByteArray &section,
                                  const std::function<void(const char *key, const char *value)> &visit) const
{
    d->visit([&](const auto &ini) {
        // The section's multimap keeps equal keys in load order.
        if (const auto *keyValues = ini.GetSection(section.constData())) {
            for (const auto &entry : *keyValues)
                visit(entry.first.pItem, entry.second);
        }
        return 0;
    });
}

bool VyrIniDocument::removeKey(const QByteArray &section, const QByteArray &key)
{
    return d->visit([&](auto &ini) { return ini.Delete(section.constData(), key.constData(), false); });
}

bool VyrIniDocument::removeSection(const QByteArray &section)
{
    return d->visit([&](auto &ini) { return ini.Delete(section.constData(), nullptr); });
}

QList<QByteArray> VyrIniDocument::sections() const
{
    return d->visit([](const auto &ini) {
        using Ini = std::decay_t<decltype(ini)>;
        typename Ini::TNamesDepend names;
        ini.GetAllSections(names);
        names.sort(typename Ini::Entry::LoadOrder());
        QList<QByteArray> result;
        for (const auto &entry : names)
            result.append(QByteArray(entry.pItem));
        return result;
    });
}

bool VyrIniDocument::hasSection(const QByteArray &section) const
{
    return d->visit([&](const auto &ini) { return ini.GetSection(section.constData()) != nullptr; });
}

QList<QByteArray> VyrIniDocument::keys(const QByteArray &section) const
{
    return d->visit([&](const auto &ini) {
        using Ini = std::decay_t<decltype(ini)>;
        typename Ini::TNamesDepend names;
        ini.GetAllKeys(section.constData(), names);
        names.sort(typename Ini::Entry::LoadOrder());
        QList<QByteArray> result;
        for (const auto &entry : names) {
            const QByteArray name(entry.pItem);
            // A repeated key is listed once.
            if (!result.contains(name))
                result.append(name);
        }
        return result;
    });
}

QString VyrIniDocument::text(const QString &section, const QString &key, const QString &defaultValue, bool *found) const
{
    bool have = false;
    const QByteArray raw = value(section.toLocal8Bit(), key.toLocal8Bit(), QByteArray(), &have);
    if (found)
        *found = have;
    return have ? QString::fromLocal8Bit(raw) : defaultValue;
}

void VyrIniDocument::setText(const QString &section, const QString &key, const QString &value)
{
    setValue(section.toLocal8Bit(), key.toLocal8Bit(), value.toLocal8Bit());
}
