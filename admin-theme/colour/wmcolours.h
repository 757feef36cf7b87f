// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

/// One of the window manager's 38 colour keys and the palette variable it
/// defaults to.
struct WmColourKey {
    const char *key;
    const char *paletteVariable;
};

/// The 38 WM colour keys in table order.
const WmColourKey *wmColourKeys(int *count);
