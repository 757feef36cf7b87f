// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrthemeindex.h"

namespace VyrThemeIndex {
QStringList splitList(const QByteArray &value)
{
    QStringList out;
    const QStringList parts = QString::fromUtf8(value).split(QLatin1Char(','));
    for (const QString &part : parts) {
        const QString item = part.trimmed();
        if (!item.isEmpty())
            out << item;
    }
    return out;
}

bool isSafeRelative(const QString &dir)
{
    // No part of the path may be "..": checked without splitting, since
    // every directory of every theme passes here.
    const QLatin1String up("..");
    return !dir.startsWith(QLatin1Char('/')) && dir != up && !dir.startsWith(QLatin1String("../"))
        && !dir.endsWith(QLatin1String("/..")) && !dir.contains(QLatin1String("/../"));
}
}
