// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// Desktop entries and the sort order of ".directory" records: any file
// reads; a value written (any text of one or more lines, escaped) reads back
// as written, every other key keeps its value, and a sort order of names
// without commas or blanks at their ends reads back as written.
// Input: <file> "\n--\n" <key> "\n--\n" <value> "\n--\n" <sort order, one name a line>.
#include "fuzzsupport.h"
#include "inirules.h"

#include <vyrdesktopentry.h>
#include <vyrinidocument.h>

namespace {

const QByteArray s_group = "Desktop Entry";

void fuzzOne(const QByteArray &data)
{
    vyrfuzz::resetSandbox();
    const QList<QByteArray> parts = vyrfuzz::split(data, "\n--\n", 4);
    const QString path = vyrfuzz::home() + QStringLiteral("/Desktops/Desktop1/.directory");
    vyrfuzz::writeFile(path, parts.at(0));

    VyrDesktopEntry entry(path);
    const bool valid = entry.load();
    // Every reader answers without harm.
    entry.type();
    entry.hidden();
    entry.noDisplay();
    entry.exec();
    entry.localNameOrFallback();
    entry.localCommentOrFallback();
    const QStringList order = entry.sortOrder();
    for (const QString &name : order)
        VYR_FUZZ_CHECK(!name.isEmpty() && name == name.trimmed() && !name.contains(QLatin1Char(',')), name.toUtf8());
    if (!valid)
        return;

    VyrIniDocument before;
    before.loadData(parts.at(0));
    const QByteArray keyBytes = parts.at(1);
    const QString key = QString::fromUtf8(keyBytes);
    const QString value = QString::fromUtf8(parts.at(2));
    QStringList newOrder;
    for (const QByteArray &line : parts.at(3).split('\n')) {
        const QString name = QString::fromUtf8(line);
        if (!name.isEmpty() && name == name.trimmed() && !name.contains(QLatin1Char(',')))
            newOrder << name;
    }
    const bool editKey = vyrfuzz::isValidKey(keyBytes) && key.toUtf8() == keyBytes && keyBytes != "SortOrder"
        && !value.contains(QLatin1Char('\0'));
    if (editKey)
        entry.setValue(key, value);
    entry.setSortOrder(newOrder);
    VYR_FUZZ_CHECK(entry.save(true), path.toUtf8());

    VyrDesktopEntry reread(path);
    VYR_FUZZ_CHECK(reread.load(), vyrfuzz::readFile(path));
    if (editKey)
        VYR_FUZZ_CHECK(reread.value(key) == value, reread.value(key).toUtf8() + "\n--\n" + vyrfuzz::readFile(path));
    VYR_FUZZ_CHECK(reread.sortOrder() == newOrder,
                   reread.sortOrder().join(QLatin1Char('|')).toUtf8() + "\n--\n" + vyrfuzz::readFile(path));
    VyrIniDocument after;
    after.loadData(vyrfuzz::readFile(path));
    for (const QByteArray &section : before.sections()) {
        for (const QByteArray &other : before.keys(section)) {
            if (section == s_group && (other == keyBytes || other == "SortOrder"))
                continue;
            VYR_FUZZ_CHECK(after.value(section, other) == before.value(section, other),
                           "[" + section + "] " + other + "\n" + vyrfuzz::readFile(path));
        }
    }
}

} // namespace

VYR_FUZZ_TARGET(fuzzOne)
