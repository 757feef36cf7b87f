// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// The wallpaper records in a desktop's ".directory": any record file reads;
// a value written for the desktop and the monitor reads back as written (a
// colour in quotes), a value with a line break is refused and leaves the
// file as it was, every other key keeps its value, and a missing record
// file is never created.
// Input: <record file> "\n--\n" <output name> "\n--\n" <value>; an empty
// record file stands for a missing one.
#include "fuzzsupport.h"
#include "inirules.h"

#include <vyrinidocument.h>
#include <wallpaperrecords.h>

#include <QFile>

namespace {

void fuzzOne(const QByteArray &data)
{
    vyrfuzz::resetSandbox();
    const QList<QByteArray> parts = vyrfuzz::split(data, "\n--\n", 3);
    const QString path = vyrfuzz::home() + QStringLiteral("/Desktops/Desktop1/.directory");
    const bool present = !parts.at(0).isEmpty();
    if (present)
        vyrfuzz::writeFile(path, parts.at(0));
    else
        vyrfuzz::writeFile(vyrfuzz::home() + QStringLiteral("/Desktops/Desktop1/keep"), QByteArray());
    const QString screen = QString::fromUtf8(parts.at(1));
    const QString value = QString::fromUtf8(parts.at(2));

    readWallpaperRecords(screen);
    hasMonitorWallpaperRecords();

    const QByteArray section = "Monitor::" + screen.toUtf8();
    const bool usableScreen = !screen.isEmpty() && vyrfuzz::isValidSection(section) && screen.toUtf8() == parts.at(1);
    const bool ok = writeWallpaperRecords(value, true, usableScreen, usableScreen ? screen : QString());
    const bool lineBreak = value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'));
    VYR_FUZZ_CHECK(ok == !lineBreak, value.toUtf8());
    if (!present) {
        VYR_FUZZ_CHECK(!QFile::exists(path), "a record file was made");
        return;
    }
    const QByteArray after = vyrfuzz::readFile(path);
    if (lineBreak) {
        VYR_FUZZ_CHECK(after == parts.at(0), "a refused value changed the file");
        return;
    }
    const QByteArray bytes = value.toUtf8();
    if (vyrfuzz::storedValue(bytes) == bytes) {
        const QString written = value.startsWith(QLatin1Char('#')) ? QLatin1Char('"') + value + QLatin1Char('"') : value;
        const WallpaperRecords records = readWallpaperRecords(usableScreen ? screen : QString());
        VYR_FUZZ_CHECK(records.desktop == written, records.desktop.toUtf8() + "\n--\n" + after);
        if (usableScreen)
            VYR_FUZZ_CHECK(records.monitor == written, records.monitor.toUtf8() + "\n--\n" + after);
    }
    VyrIniDocument before(VyrIniDocument::CaseInsensitive);
    before.loadData(parts.at(0));
    VyrIniDocument reread(VyrIniDocument::CaseInsensitive);
    reread.loadData(after);
    for (const QByteArray &group : before.sections()) {
        for (const QByteArray &key : before.keys(group)) {
            const QByteArray g = vyrfuzz::asciiLower(group);
            if (vyrfuzz::asciiLower(key) == "x-vyr-wallpaper"
                && (g == "desktop entry" || (usableScreen && g == vyrfuzz::asciiLower(section))))
                continue;
            VYR_FUZZ_CHECK(reread.value(group, key) == before.value(group, key),
                           "[" + group + "] " + key + "\n" + after);
        }
    }
}

} // namespace

VYR_FUZZ_TARGET(fuzzOne)
