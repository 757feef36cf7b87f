// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

/// The full path of the executable @p program found in PATH, or an empty
/// string. A name with a slash is checked as it stands.
QString FindFileInPATH(const QString &program);

/// True when a process whose name (or the base name of its first argument)
/// equals @p program runs; looks at /proc.
bool findInPS(const QString &program);
