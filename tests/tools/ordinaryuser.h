// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "testenv.h"

#include <QStandardPaths>

#include <unistd.h>

namespace tooltest {

/// True when the tests can run a program as the user "nobody".
inline bool canRunAsOrdinaryUser()
{
    return ::geteuid() == 0 && !QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty();
}

/**
 * Runs a built program wholly as "nobody" (real and effective ids), so that
 * permission checks apply as for an ordinary user. Qt refuses to start a GUI
 * application whose real and effective ids differ, hence not AsOrdinaryUser.
 */
inline vyrtest::RunResult runAsOrdinaryUser(const QString &program, const QStringList &args)
{
    return vyrtest::run(QStandardPaths::findExecutable(QStringLiteral("setpriv")),
                        QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                    QStringLiteral("--clear-groups"), vyrtest::programPath(program)}
                            + args);
}

}
