// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// The hot-key file: any user and system file load; a save followed by a
// load and a second save writes the same lines (a save reaches a fixed
// point at once; the rows of one function may trade places, as the editor
// puts a function's further rows right after its first), the second load
// shows the same bindings as the first reload, and sections other than
// [ShortCutKeys] keep their entries.
// Input: <user file> "\n--\n" <system file>.
#include "fuzzsupport.h"
#include "inirules.h"

#include <hotkeyfile.h>
#include <vyrinidocument.h>

#include <algorithm>

namespace {

QList<QByteArray> sortedLines(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    lines.removeAll(QByteArray());
    std::sort(lines.begin(), lines.end());
    return lines;
}

QByteArray describe(const HotkeyBindings &b)
{
    QList<QByteArray> lines;
    for (const HotkeyRowGroup &group : b.groups) {
        for (const HotkeyRow &row : group.rows) {
            if (row.key.isEmpty() && row.source == HotkeySource::None)
                continue;
            lines << row.key.toUtf8() + " -> " + row.function.toUtf8() + " " + row.action.toUtf8() + " ("
                + QByteArray::number(int(row.source)) + ")";
        }
    }
    std::sort(lines.begin(), lines.end());
    QByteArray out = lines.join('\n') + '\n';
    out += "disabled: " + b.disabledKeys.join(QLatin1Char(',')).toUtf8() + '\n';
    for (const HotkeyRawEntry &e : b.unknownEntries)
        out += "unknown: " + e.key + '=' + e.value + '\n';
    return out;
}

void fuzzOne(const QByteArray &data)
{
    vyrfuzz::resetSandbox();
    const QList<QByteArray> parts = vyrfuzz::split(data, "\n--\n", 2);
    const QString userPath = vyrfuzz::home() + QStringLiteral("/.vyr/keyshortcutrc");
    const QString systemPath = vyrfuzz::sysroot() + QStringLiteral("/usr/share/vyr/keyshortcutrc");
    vyrfuzz::writeFile(userPath, parts.at(0));
    vyrfuzz::writeFile(systemPath, parts.at(1));

    HotkeyBindings first;
    QString error;
    QString warning;
    if (!first.load(userPath, systemPath, &error, &warning))
        return;
    VYR_FUZZ_CHECK(first.save(userPath, true, &error), error.toUtf8());
    const QByteArray saved1 = vyrfuzz::readFile(userPath);

    HotkeyBindings second;
    VYR_FUZZ_CHECK(second.load(userPath, systemPath, &error, &warning), error.toUtf8() + "\n" + saved1);
    VYR_FUZZ_CHECK(second.save(userPath, true, &error), error.toUtf8());
    const QByteArray saved2 = vyrfuzz::readFile(userPath);
    VYR_FUZZ_CHECK(sortedLines(saved2) == sortedLines(saved1), saved1 + "\n--\n" + saved2);

    HotkeyBindings third;
    VYR_FUZZ_CHECK(third.load(userPath, systemPath, &error, &warning), error.toUtf8());
    VYR_FUZZ_CHECK(describe(third) == describe(second), describe(second) + "--\n" + describe(third));

    // Other sections keep every entry.
    VyrIniDocument original(VyrIniDocument::CaseInsensitive);
    original.loadData(parts.at(0));
    VyrIniDocument written(VyrIniDocument::CaseInsensitive);
    written.loadData(saved1);
    for (const QByteArray &section : original.sections()) {
        if (vyrfuzz::asciiLower(section) == vyrfuzz::asciiLower(shortCutKeysSection))
            continue;
        for (const QByteArray &key : original.keys(section))
            VYR_FUZZ_CHECK(written.value(section, key) == original.value(section, key),
                           "[" + section + "] " + key + "\n" + saved1);
    }
}

} // namespace

VYR_FUZZ_TARGET(fuzzOne)
