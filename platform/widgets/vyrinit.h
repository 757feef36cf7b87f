// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

/**
 * Sets up the program's identity right after the application object exists:
 * version, description (see vyrProgramDescription(); it is not made Qt's
 * display name, which Qt would append to every window title), the
 * organisation "orlenvask" (so that each program's QSettings land in
 * ~/.config/orlenvask/<program>.conf), the translations of Qt and of the
 * suite for the current locale, and the desktop's icon theme (the theme
 * file's "IconTheme", else "breeze").
 */
void vyrInit(const QString &version, const QString &description);

/// The description given to vyrInit(), or the program name before it.
QString vyrProgramDescription();

/// @p value (a size in pixels at 96 DPI) scaled to the primary screen's
/// logical DPI; the value itself without a screen.
int vyrDpiScaled(int value);
