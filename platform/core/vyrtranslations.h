// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

/**
 * The directories searched for the suite's message catalogues, first match
 * wins: the one installed beside the running program (<bindir>/../share/vyr/
 * translations for the install prefix it was built for; in the build tree the
 * same place below the build folder, where the build puts them), then the
 * platform's shared data directory (GetVyrDir(VyrDirSharedData) +
 * "/translations", which follows VYR_SYSROOT). Without an application object
 * only the second.
 */
QStringList vyrTranslationDirs();

/**
 * Installs the translators for the current locale (QLocale(), which follows
 * LANGUAGE, LC_ALL, LC_MESSAGES and LANG even when the C library lacks the
 * locale): Qt's own ("qtbase"), the platform's ("vyr-platform", the shared
 * dialogs) and the program's @p catalogue ("<catalogue>_<language>.qm";
 * the application name when empty). The C locale counts as English. Where
 * a catalogue has no file for the language, its English one is taken, which
 * holds only the plural forms of the English sources ("1 line", "2 lines");
 * a catalogue without either is skipped. Each is installed at most once per
 * process. Needs the application object; does nothing without one.
 * Returns the catalogues installed by this call.
 */
QStringList vyrInstallTranslations(const QString &catalogue = QString());
