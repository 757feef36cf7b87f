// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrversion.h"

QString vyrVersion()
{
    return QStringLiteral(VYR_VERSION);
}
