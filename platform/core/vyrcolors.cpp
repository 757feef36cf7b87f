// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrcolors.h"

#include <QColor>

#include <algorithm>
#include <cmath>

QString textColorFor(const QString &background)
{
    const QColor c(background);
    if (!c.isValid())
        return QStringLiteral("#FFFFFF");
    const double luma = (0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue()) / 255.0;
    return luma < 0.6 ? QStringLiteral("#FFFFFF") : QStringLiteral("#000000");
}

QString CreateShadeColor(const QString &colour, double factor)
{
    const QColor c(colour);
    if (!c.isValid())
        return colour;
    factor = std::clamp(factor, -1.0, 1.0);
    double h = 0, s = 0, l = 0;
    c.getHslF(&h, &s, &l);
    if (factor > 0)
        l = l + (1.0 - l) * factor;
    else
        l = l * (1.0 + factor);
    QColor shade;
    shade.setHslF(h < 0 ? 0 : h, s, std::clamp(l, 0.0, 1.0));
    return shade.name();
}

QMap<QString, QString> CreateShadeColors(const QString &colour)
{
    static const struct {
        const char *name;
        double factor;
    } shades[] = {
        {"color100", 0.8},   {"color200", 0.6},   {"color300", 0.4},   {"color400", 0.2},  {"color500", 0.0},
        {"color600", -0.15}, {"color700", -0.3},  {"color800", -0.45}, {"color900", -0.6},
    };
    QMap<QString, QString> map;
    const QColor base(colour);
    const QString middle = base.isValid() ? base.name() : colour;
    for (const auto &shade : shades)
        map.insert(QLatin1String(shade.name), shade.factor == 0.0 ? middle : CreateShadeColor(middle, shade.factor));
    return map;
}

QString GetPrimaryDarkColor(const QString &colour, bool material)
{
    return CreateShadeColor(colour, material ? -0.3 : -0.15);
}
