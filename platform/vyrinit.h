// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

/**
 * Sets up the program's identity right after the application object exists:
 * version, display description, the organisation "orlenvask" (so that each
 * program's QSettings land in ~/.config/orlenvask/<program>.conf) and the
 * translations of Qt and of the suite for the current locale.
 */
void vyrInit(const QString &version, const QString &description);

/// @p value (a size in pixels at 96 DPI) scaled to the primary screen's
/// logical DPI; the value itself without a screen.
int vyrDpiScaled(int value);
