// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// The full path of the executable @p program found in PATH, or an empty
/// string. A name with a slash is checked as it stands.
QString FindFileInPATH(const QString &program);

/// True when a process whose name (or the base name of its first argument)
/// equals @p program runs; for a path (with a slash), when a process runs
/// that file or was started with that path. Looks at /proc.
bool findInPS(const QString &program);

/**
 * Runs @p program with @p args (no shell), waits at most @p timeoutMs and
 * returns its standard output; @p ok tells whether it started and exited
 * normally. Needs no application object or event loop. A program still
 * running at the time-out is killed; one that exits while something it
 * started keeps its output open is done when it exits.
 */
QByteArray vyrRunProgram(const QString &program, const QStringList &args, int timeoutMs = 30000, bool *ok = nullptr);
