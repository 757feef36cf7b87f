// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "wmcolours.h"

static const WmColourKey s_keys[] = {
    {"TitlebarColor", "BackgroundColor"},
};

const WmColourKey *wmColourKeys(int *count)
{
    *count = int(sizeof s_keys / sizeof s_keys[0]);
    return s_keys;
}
