// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// Colour schemes: any scheme file gives a palette of valid colours; its
// "WM" group's role values parse as documented ("r,g,b" read back as the
// same colour); writing the WM colour keys from it leaves valid colour names
// in the theme file, keeps the file's other keys, and doing it a second time
// changes nothing.
// Input: <scheme file> "\n--\n" <theme file>.
#include "fuzzsupport.h"

#include <schemepalette.h>
#include <themesettings.h>
#include <vyrinidocument.h>
#include <wmcolours.h>

#include <KConfigGroup>

namespace {

void fuzzOne(const QByteArray &data)
{
    vyrfuzz::resetSandbox();
    const QList<QByteArray> parts = vyrfuzz::split(data, "\n--\n", 2);
    const QString scheme = QStringLiteral("/usr/share/color-schemes/Fuzz.colors");
    vyrfuzz::writeFile(schemeFilePath(scheme), parts.at(0));
    const QString themePath = vyrfuzz::home() + QStringLiteral("/.vyr/theme/current.themerc");
    vyrfuzz::writeFile(themePath, parts.at(1));

    {
        const KSharedConfigPtr config = openScheme(scheme);
        const KConfigGroup group(config, "WM");
        for (const QString &role : wmRoleNames()) {
            const QString value = group.readEntry(role, QString());
            const QColor colour = parseWmRoleColour(value);
            if (colour.isValid()) {
                const QString rgb = QStringLiteral("%1,%2,%3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
                VYR_FUZZ_CHECK(parseWmRoleColour(rgb) == colour, value.toUtf8());
            }
        }
        const QPalette palette = buildSchemePalette(scheme, QColor(QStringLiteral("#039be5")), Qt::white);
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            for (const QString &name : paletteColourNames(palette, group))
                VYR_FUZZ_CHECK(QColor::isValidColor(name), name.toUtf8());
        }
        hasWmColours(scheme);
    }

    VyrIniDocument before;
    before.loadData(parts.at(1));
    ThemeSettings theme(themePath);
    if (!theme.isParsed())
        return;
    VYR_FUZZ_CHECK(applySchemeWmColours(scheme, &theme, nullptr), themePath.toUtf8());
    const QByteArray written = vyrfuzz::readFile(themePath);
    VyrIniDocument after;
    after.loadData(written);
    for (const WmColourKey &key : wmColourKeys()) {
        if (key.role == WmRole::NotWritten)
            continue;
        const QByteArray value = after.value("Variables", key.key);
        if (key.role == WmRole::White)
            VYR_FUZZ_CHECK(value == "white", key.key + QByteArray("=") + value);
        else
            VYR_FUZZ_CHECK(value.startsWith('#') && value.size() == 7 && QColor::isValidColor(QString::fromLatin1(value)),
                           key.key + QByteArray("=") + value + "\n" + written);
    }
    for (const QByteArray &section : before.sections()) {
        for (const QByteArray &key : before.keys(section)) {
            bool colourKey = false;
            for (const WmColourKey &k : wmColourKeys())
                colourKey = colourKey || (section == "Variables" && key == k.key);
            if (!colourKey)
                VYR_FUZZ_CHECK(after.value(section, key) == before.value(section, key),
                               "[" + section + "] " + key + "\n" + written);
        }
    }
    ThemeSettings again(themePath);
    VYR_FUZZ_CHECK(applySchemeWmColours(scheme, &again, nullptr), themePath.toUtf8());
    VYR_FUZZ_CHECK(vyrfuzz::readFile(themePath) == written, "a second write changed the file");
}

} // namespace

VYR_FUZZ_TARGET(fuzzOne)
