// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

/**
 * Sets the string setting "shadow-color" of the compositor's configuration,
 * ~/.config/picom.conf or, when that does not exist, ~/.config/compton.conf.
 * The file is never created; it is rewritten (atomically) only when the
 * value changes, keeping its comments and layout. Problems are reported on
 * standard error; returns false when the file could not be read or written.
 */
bool setCompositorShadowColor(const QString &colour);
