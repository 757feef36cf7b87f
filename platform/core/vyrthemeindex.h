// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

/**
 * What the freedesktop icon and sound themes' "index.theme" files share:
 * comma-separated lists (Inherits, Directories) and the rule that a
 * theme's directories stay inside the theme.
 */
namespace VyrThemeIndex {
/// Inheritance deeper than this is a broken theme, not a real one.
constexpr int maxInheritance = 32;

/// The items of a comma-separated list, trimmed, empty items dropped.
QStringList splitList(const QByteArray &value);

/// @p dir is relative and has no ".." part: a theme must not send a
/// lookup outside its own directory.
bool isSafeRelative(const QString &dir);
}
