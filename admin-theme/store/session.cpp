// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "session.h"

SessionFlags &sessionFlags()
{
    static SessionFlags flags;
    return flags;
}
