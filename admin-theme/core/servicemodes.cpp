// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "servicemodes.h"

int runApplyColorScheme(const QString &scheme, MyApplication *app)
{
    return 1;
}

int runWmColor(MyApplication *app)
{
    return 1;
}
