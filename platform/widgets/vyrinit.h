// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

/**
 * Sets up the program's identity right after the application object exists:
 * version, the organisation "orlenvask" (so that each program's QSettings
 * land in ~/.config/orlenvask/<program>.conf), the translations of Qt, of
 * the platform and of the program for the current locale
 * (vyrInstallTranslations()), the description (see vyrProgramDescription();
 * it is not made Qt's display name, which Qt would append to every window
 * title) and the desktop's icon theme (the theme file's "IconTheme", else
 * "breeze").
 *
 * @p description is the untranslated text, marked at the call with
 * QT_TRANSLATE_NOOP("vyrInit", ...): it is translated once the catalogues
 * are installed.
 */
void vyrInit(const QString &version, const char *description);

/// The description given to vyrInit(), translated, or the program name before it.
QString vyrProgramDescription();

/// @p value (a size in pixels at 96 DPI) scaled to the primary screen's
/// logical DPI; the value itself without a screen.
int vyrDpiScaled(int value);
