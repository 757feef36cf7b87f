// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// VyrSettings and the theme store's two layers (the administrator's master
// file over the user's theme file): a locked key reads the master's value
// and is never written; any other key written reads back as written, every
// key not touched keeps its value, and a file the parser could not hold
// whole is kept as "<file>.bak" before the rewrite.
// Input: <master> "\n--\n" <user file> "\n--\n" <key> "\n--\n" <value>.
#include "fuzzsupport.h"
#include "inirules.h"

#include <themesettings.h>
#include <vyrinidocument.h>
#include <vyrsettings.h>

#include <QFile>

namespace {

const QByteArray s_section = "Variables";

void fuzzOne(const QByteArray &data)
{
    vyrfuzz::resetSandbox();
    const QList<QByteArray> parts = vyrfuzz::split(data, "\n--\n", 4);
    const QByteArray &master = parts.at(0);
    const QByteArray &user = parts.at(1);
    const QByteArray &keyBytes = parts.at(2);
    const QString key = QString::fromUtf8(keyBytes);
    const QString value = QString::fromUtf8(parts.at(3));

    const QString masterPath = ThemeSettings::masterFilePath();
    const QString userPath = vyrfuzz::home() + QStringLiteral("/.vyr/theme/current.themerc");
    if (!master.isEmpty())
        vyrfuzz::writeFile(masterPath, master);
    vyrfuzz::writeFile(userPath, user);

    VyrIniDocument masterDoc;
    masterDoc.loadData(master);
    VyrIniDocument before;
    before.loadData(user);

    ThemeSettings store(userPath);
    VYR_FUZZ_CHECK(store.isParsed(), user);
    const bool lockedByMaster = !master.isEmpty() && masterDoc.hasValue(s_section, keyBytes)
        && masterDoc.value(s_section, keyBytes) != "undf";
    VYR_FUZZ_CHECK(store.isLocked(key) == lockedByMaster, master);
    // QString::fromUtf8() drops a leading byte order mark: such a key is
    // another key by the time the store sees it.
    if (key.toUtf8() != keyBytes)
        return;
    const QString shown = store.value(key, QStringLiteral("dflt")).toString();
    if (lockedByMaster)
        VYR_FUZZ_CHECK(shown == QString::fromLocal8Bit(masterDoc.value(s_section, keyBytes)), shown.toUtf8());
    else if (before.hasValue(s_section, keyBytes))
        VYR_FUZZ_CHECK(shown == QString::fromLocal8Bit(before.value(s_section, keyBytes)), shown.toUtf8());
    else if (!keyBytes.isEmpty())
        VYR_FUZZ_CHECK(shown == QLatin1String("dflt"), shown.toUtf8());

    // Only names a file can hold.
    if (!vyrfuzz::isValidKey(keyBytes))
        return;
    store.setValue(key, value);
    VYR_FUZZ_CHECK(store.sync(false), userPath.toUtf8());
    const QByteArray after = vyrfuzz::readFile(userPath);
    if (lockedByMaster) {
        VYR_FUZZ_CHECK(after == user, "a locked key was written:\n" + after);
        return;
    }
    VyrIniDocument reread;
    reread.loadData(after);
    VYR_FUZZ_CHECK(reread.value(s_section, keyBytes) == vyrfuzz::storedValue(value.toUtf8()),
                   reread.value(s_section, keyBytes) + "\n--\n" + after);
    for (const QByteArray &section : before.sections()) {
        for (const QByteArray &other : before.keys(section)) {
            if (section == s_section && other == keyBytes)
                continue;
            VYR_FUZZ_CHECK(reread.value(section, other) == before.value(section, other),
                           "[" + section + "] " + other + " lost or changed\n" + user + "\n--\n" + after);
        }
    }
    // What the parser could not hold is kept aside, as it was.
    const QString backup = userPath + QStringLiteral(".bak");
    if (QFile::exists(backup))
        VYR_FUZZ_CHECK(vyrfuzz::readFile(backup) == user, "backup differs");
    if (user.contains('\0'))
        VYR_FUZZ_CHECK(QFile::exists(backup), "no backup of a file with a NUL byte");

    // The same through a fresh VyrSettings: it reads what was written.
    VyrSettings again(userPath);
    VYR_FUZZ_CHECK(again.value(key).toString() == QString::fromUtf8(vyrfuzz::storedValue(value.toUtf8())),
                   again.value(key).toString().toUtf8());
}

} // namespace

VYR_FUZZ_TARGET(fuzzOne)
