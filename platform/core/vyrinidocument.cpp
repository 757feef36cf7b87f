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

static QList<QByteArray> linesOf(QByteArray text)
{
    // The parser reads nothing after a NUL byte, and ends lines at CR too.
    const int nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    return text.replace("\r\n", "\n").replace('\r', '\n').split('\n');
}

// Blank as the parser sees it (QByteArray::trimmed() also drops \f and \v).
static QByteArray parserTrimmed(const QByteArray &line)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    int from = 0;
    int to = line.size();
    while (from < to && blank(line.at(from)))
        ++from;
    while (to > from && blank(line.at(to - 1)))
        --to;
    return line.mid(from, to - from);
}

static bool isCommentLine(const QByteArray &trimmed)
{
    return trimmed.startsWith(';') || trimmed.startsWith('#');
}

// The comment lines after the last entry of @p data that the parser did not
// keep: @p parsed is the parser's own text of the file, which holds a
// leading block of them as the file's comment when the file has no entries.
static QByteArray trailingCommentOf(const QByteArray &data, const QByteArray &parsed)
{
    const QList<QByteArray> lines = linesOf(data);
    int first = lines.size();
    for (int i = lines.size() - 1; i >= 0; --i) {
        const QByteArray line = parserTrimmed(lines.at(i));
        if (line.isEmpty())
            continue;
        if (!isCommentLine(line))
            break;
        first = i;
    }
    QList<QByteArray> tail; // the comment lines of the block, without blank lines
    QList<int> where;
    for (int i = first; i < lines.size(); ++i) {
        const QByteArray line = parserTrimmed(lines.at(i));
        if (!line.isEmpty()) {
            tail.append(line);
            where.append(i);
        }
    }
    QList<QByteArray> kept;
    for (const QByteArray &line : linesOf(parsed)) {
        if (!parserTrimmed(line).isEmpty())
            kept.append(parserTrimmed(line));
    }
    // The longest start of the block that the parser's text ends with.
    int k = std::min(tail.size(), kept.size());
    for (; k > 0; --k) {
        if (kept.mid(kept.size() - k) == tail.mid(0, k))
            break;
    }
    if (k == tail.size())
        return QByteArray();
    QByteArray block;
    int last = lines.size() - 1;
    while (last > 0 && parserTrimmed(lines.at(last)).isEmpty())
        --last;
    for (int line = where.at(k); line <= last; ++line)
        block += lines.at(line) + '\n';
    return block;
}

// Whether the last line of @p data with text (as the parser reads it) is a
// comment line. Most files end with an entry: they need no search for a
// trailing comment block.
static bool endsWithCommentLine(const QByteArray &data)
{
    const int nul = data.indexOf('\0');
    const QByteArray text = nul < 0 ? data : data.left(nul);
    for (int end = text.size(); end > 0;) {
        const int start = std::max(text.lastIndexOf('\n', end - 1), text.lastIndexOf('\r', end - 1)) + 1;
        const QByteArray line = parserTrimmed(text.mid(start, end - start));
        if (!line.isEmpty())
            return isCommentLine(line);
        end = start - 1;
    }
    return false;
}

// A line that opens a section name without closing it on the same line is
// skipped by the parser, but it would still take the text after the '[' up
// to the next key as the name of the section the following keys go to: the
// keys would move into a section of that garbled name. As a comment the
// line keeps its text and the keys stay in the section they are in.
static QByteArray withoutOpenSectionLines(const QByteArray &data)
{
    const int size = data.size();
    // The parser reads up to the first NUL byte.
    const int nul = data.indexOf('\0');
    const int parsed = nul < 0 ? size : nul;
    QByteArray out;
    bool changed = false;
    // The parser skips a UTF-8 byte order mark.
    int start = data.startsWith("\xef\xbb\xbf") ? 3 : 0;
    while (start < parsed) {
        int end = start;
        while (end < parsed && data.at(end) != '\n' && data.at(end) != '\r')
            ++end;
        int first = start;
        while (first < end && (data.at(first) == ' ' || data.at(first) == '\t'))
            ++first;
        const char *line = data.constData();
        const bool open = first < end && line[first] == '[' && std::find(line + first, line + end, ']') == line + end;
        if (open && !changed) {
            out = data.left(start);
            changed = true;
        }
        if (changed) {
            if (open)
                out += ';';
            out += data.mid(start, end + 1 - start);
        }
        start = end + 1;
    }
    if (!changed)
        return data;
    out += data.mid(start);
    return out;
}

VyrIniDocument::VyrIniDocument(CaseMode mode)
    : d(std::make_unique<Private>(mode))
{
}

VyrIniDocument::~VyrIniDocument() = default;

bool VyrIniDocument::loadData(const QByteArray &data)
{
    const bool ok = d->visit([&](auto &ini) {
        ini.Reset();
        const QByteArray text = withoutOpenSectionLines(data);
        return ini.LoadData(text.constData(), size_t(text.size())) >= 0;
    });
    d->trailingComment.clear();
    if (endsWithCommentLine(data))
        d->trailingComment = trailingCommentOf(data, saveData());
    return ok;
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
    // A first key that starts with the bytes of a byte order mark would
    // lose them on the next read, where they mark the encoding.
    if (text.startsWith("\xef\xbb\xbf"))
        text.prepend('\n');
    if (!d->trailingComment.isEmpty()) {
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
