// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "session.h"

#include <vyrprocess.h>

SessionFlags &sessionFlags()
{
    static SessionFlags flags;
    return flags;
}

bool queryIntegrityLevel()
{
    bool &flag = sessionFlags().highIntegritySession;
    const QString tool = FindFileInPATH(QStringLiteral("kelvra"));
    if (tool.isEmpty())
        return flag;
    const QByteArray output = vyrRunProgram(tool, {QStringLiteral("--ilevel")});
    for (const QByteArray &line : output.split('\n')) {
        if (line.contains("63") || line.contains("127"))
            flag = true;
    }
    return flag;
}
