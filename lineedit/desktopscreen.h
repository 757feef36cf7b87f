// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

class QScreen;

/**
 * A screen as the desktop sees it: the desktop speaks in device pixels of
 * the whole X screen, Qt in logical pixels per screen.
 */
struct DesktopScreen {
    QScreen *screen = nullptr;
    /// The screen's geometry in device pixels (logical geometry times the
    /// device pixel ratio, each value rounded half away from zero).
    QRect deviceRect;
    qreal ratio = 1.0;
    /// False when no screen contains the point and the primary screen is used.
    bool found = false;
};

/// @p logical scaled by @p ratio, each of x, y, width and height rounded
/// half away from zero.
QRect deviceRectFor(const QRect &logical, qreal ratio);

/**
 * The first screen whose device-pixel rectangle contains @p devicePoint, or
 * the primary screen (found == false) when none does. screen is null only
 * when the application has no screen at all.
 */
DesktopScreen screenForDesktopPoint(const QPoint &devicePoint);
