// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QIcon>
#include <QString>

/**
 * The icon @p name of the desktop's icon theme (QIcon::themeName()), its
 * file chosen for @p size pixels the way Qt chooses it (see
 * VyrIconTheme::iconFileToDraw()), read once and drawn at every size asked
 * for. QIcon::fromTheme() reads an SVG file three times before it first
 * draws it, which made the page list's seven icons a sixth of the window's
 * start. Copies of the icon share its drawings. QIcon::name() is @p name. Without a theme file for the icon this is
 * QIcon::fromTheme(@p name), so Qt's own fallbacks still apply.
 */
QIcon themeIcon(const QString &name, int size);
