// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "interactive.h"

#include <myapplication.h>

#include <cstdio>

int runInteractive(MyApplication &app, int argc, char **argv)
{
    std::fputs("vyr-admin-theme: the settings window is not available yet\n", stderr);
    return 1;
}
