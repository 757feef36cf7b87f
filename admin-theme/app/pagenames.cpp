// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Prints the page names vyr-admin-theme's command line takes, one a line.
// Run during the build, so that the shell completion offers the pages of
// the one page table and never a list of its own.

#include <pagetable.h>

#include <cstdio>

int main()
{
    for (const QString &name : commandLinePageNames())
        std::printf("%s\n", qPrintable(name));
    return 0;
}
