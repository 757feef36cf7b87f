// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "desktopscreen.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

QRect deviceRectFor(const QRect &logical, qreal ratio)
{
    const auto scaled = [ratio](int value) { return int(std::lround(value * ratio)); };
    return QRect(scaled(logical.x()), scaled(logical.y()), scaled(logical.width()), scaled(logical.height()));
}

DesktopScreen screenForDesktopPoint(const QPoint &devicePoint)
{
    DesktopScreen result;
    const auto screens = QGuiApplication::screens();
    for (QScreen *screen : screens) {
        const qreal ratio = screen->devicePixelRatio();
        const QRect rect = deviceRectFor(screen->geometry(), ratio);
        if (rect.contains(devicePoint)) {
            result.screen = screen;
            result.deviceRect = rect;
            result.ratio = ratio;
            result.found = true;
            return result;
        }
    }
    result.screen = QGuiApplication::primaryScreen();
    if (result.screen) {
        result.ratio = result.screen->devicePixelRatio();
        result.deviceRect = deviceRectFor(result.screen->geometry(), result.ratio);
    }
    return result;
}
