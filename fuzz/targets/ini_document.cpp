// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// The INI layer: any bytes load; what was read survives a save and a second
// load; an edited key reads back as written and every other entry stays.
// Input: <file> "\n--\n" <section> "\n--\n" <key> "\n--\n" <value>.
#include "fuzzsupport.h"
#include "inirules.h"

#include <vyrinidocument.h>

#include <algorithm>

namespace {

using Entries = QList<QPair<QByteArray, QByteArray>>;

// How the document compares names: byte for byte, or ASCII letters without case.
QByteArray folded(const QByteArray &name, VyrIniDocument::CaseMode mode)
{
    if (mode == VyrIniDocument::CaseSensitive)
        return name;
    QByteArray out = name;
    for (char &c : out) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return out;
}

// The entries of a section by key, in the order keys first appear: a
// repeated key's lines are written together, so the file may change the
// order between different keys' repetitions, never what each key reads.
QList<QPair<QByteArray, QList<QByteArray>>> grouped(const Entries &entries, VyrIniDocument::CaseMode mode)
{
    QList<QPair<QByteArray, QList<QByteArray>>> out;
    for (const auto &entry : entries) {
        auto it = std::find_if(out.begin(), out.end(),
                               [&](const auto &g) { return folded(g.first, mode) == folded(entry.first, mode); });
        if (it == out.end())
            out.append({folded(entry.first, mode), {entry.second}});
        else
            it->second.append(entry.second);
    }
    return out;
}

// The sections that hold something, the unnamed one first: keys under an
// empty "[]" line belong to the unnamed section, which a file holds before
// its first section line, and which it cannot show when it has no entries.
QList<QByteArray> sectionsOf(const VyrIniDocument &doc)
{
    QList<QByteArray> out = doc.sections();
    if (out.removeAll(QByteArray()) && !doc.entries(QByteArray()).isEmpty())
        out.prepend(QByteArray());
    return out;
}

QList<QByteArray> nonBlankLines(const QByteArray &text)
{
    QList<QByteArray> out;
    for (const QByteArray &line : text.split('\n')) {
        if (!vyrfuzz::iniTrimmed(line).isEmpty())
            out.append(line);
    }
    return out;
}

QByteArray describe(const VyrIniDocument &doc)
{
    QByteArray out;
    for (const QByteArray &section : doc.sections()) {
        out += '[' + section + "]\n";
        for (const auto &entry : doc.entries(section))
            out += "  " + entry.first + " = " + entry.second + '\n';
    }
    return out;
}

// Every entry of @p before is in @p after with the same value, apart from
// @p skipSection/@p skipKey.
void checkKept(const VyrIniDocument &before, const VyrIniDocument &after, const QByteArray &skipSection,
               const QByteArray &skipKey, const QByteArray &text, VyrIniDocument::CaseMode mode)
{
    for (const QByteArray &section : before.sections()) {
        for (const QByteArray &key : before.keys(section)) {
            if (folded(section, mode) == folded(skipSection, mode) && folded(key, mode) == folded(skipKey, mode))
                continue;
            bool found = false;
            const QByteArray value = after.value(section, key, QByteArray(), &found);
            VYR_FUZZ_CHECK(found && value == before.value(section, key),
                           "[" + section + "] " + key + "\nbefore:\n" + describe(before) + "after:\n" + describe(after)
                               + "saved:\n" + text);
        }
    }
}

void fuzzOne(const QByteArray &data)
{
    const QList<QByteArray> parts = vyrfuzz::split(data, "\n--\n", 4);
    const QByteArray &file = parts.at(0);
    const QByteArray &section = parts.at(1);
    const QByteArray &key = parts.at(2);
    const QByteArray &value = parts.at(3);

    for (const auto mode : {VyrIniDocument::CaseSensitive, VyrIniDocument::CaseInsensitive}) {
        VyrIniDocument doc(mode);
        if (!doc.loadData(file))
            continue;
        // What was read is what a save writes: a second load sees the same.
        const QByteArray saved = doc.saveData();
        VyrIniDocument again(mode);
        VYR_FUZZ_CHECK(again.loadData(saved), saved);
        VYR_FUZZ_CHECK(sectionsOf(again) == sectionsOf(doc), describe(doc) + "--\n" + describe(again));
        for (const QByteArray &s : doc.sections())
            VYR_FUZZ_CHECK(grouped(again.entries(s), mode) == grouped(doc.entries(s), mode), "[" + s + "]\n" + describe(doc) + "--\n" + describe(again));
        // And saving that again keeps every line (blank lines between
        // comment blocks may move).
        VYR_FUZZ_CHECK(nonBlankLines(again.saveData()) == nonBlankLines(saved), saved + "--\n" + again.saveData());

        if (!vyrfuzz::isValidSection(section) || !vyrfuzz::isValidKey(key))
            continue;
        // An edit reads back as written and leaves every other entry.
        VyrIniDocument edited(mode);
        edited.loadData(file);
        edited.setValue(section, key, value);
        const QByteArray text = edited.saveData();
        VyrIniDocument reread(mode);
        reread.loadData(text);
        bool found = false;
        const QByteArray back = reread.value(section, key, QByteArray(), &found);
        VYR_FUZZ_CHECK(found && back == vyrfuzz::storedValue(value), "got " + back + "\nsaved:\n" + text);
        const Entries others = doc.entries(section);
        VYR_FUZZ_CHECK(reread.entries(section).size()
                           == 1 + int(std::count_if(others.cbegin(), others.cend(), [&](const auto &e) {
                                  return folded(e.first, mode) != folded(key, mode);
                              })),
                       text);
        checkKept(doc, reread, section, key, text, mode);

        // Removing the key leaves every other entry too.
        VyrIniDocument removed(mode);
        removed.loadData(file);
        removed.removeKey(section, key);
        const QByteArray removedText = removed.saveData();
        VyrIniDocument reread2(mode);
        reread2.loadData(removedText);
        VYR_FUZZ_CHECK(!reread2.hasValue(section, key), removedText);
        checkKept(doc, reread2, section, key, removedText, mode);
    }
}

} // namespace

VYR_FUZZ_TARGET(fuzzOne)
