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
    return !dir.startsWith(QLatin1Char('/')) && !dir.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}
}
