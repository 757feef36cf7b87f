// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

/**
 * Shows the program's help. The pages are HTML files shipped under
 * GetVyrDir(0)/help/<program>/ (index.html, or <topic>.html for a topic);
 * an empty topic means the program's own page. The page opens in a help
 * window of this program (one per program; a second call raises it).
 * Returns false when no page exists for the program.
 */
bool vyrHelpShow(const QString &topic);

/// The help file vyrHelpShow() would open, empty when there is none.
QString vyrHelpPath(const QString &topic);
