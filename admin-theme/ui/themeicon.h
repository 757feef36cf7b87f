// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QIcon>
#include <QProxyStyle>
#include <QString>

/**
 * The icon @p name of the desktop's icon theme (QIcon::themeName()), its
 * file chosen for @p size pixels the way Qt chooses it (see
 * VyrIconTheme::iconFileToDraw()), read once and drawn at every size asked
 * for. QIcon::fromTheme() reads an SVG file three times before it first
 * draws it, which made the page list's seven icons a sixth of the window's
 * start. Copies of the icon share its drawings. QIcon::name() is @p name.
 * Without a theme file for the icon this is QIcon::fromTheme(@p name), so
 * Qt's own fallbacks still apply; when Qt surely finds none of them either,
 * a null icon that skips Qt's search and becomes QIcon::fromTheme(@p name)
 * once the icon theme or its folders change.
 */
QIcon themeIcon(const QString &name, int size);

/**
 * Writes the drawings made since the last call into the drawing cache
 * (below the XDG cache directory), where the next start finds them: a
 * drawing there is used only while its theme file is unchanged. Called
 * after the window's first paint, when the writing delays nothing.
 */
void storeThemeIconDrawings();

/// As themeIcon(), but null when the theme (with its inherited themes and
/// hicolor) has no file of that very name: Qt's own fallbacks are left to
/// the caller.
QIcon themeFileIcon(const QString &name, int size);

/**
 * The application's style with the standard icons the window shows (the
 * button row's and the line edits' clear button) drawn through
 * themeFileIcon(): the same files Qt's style takes from the icon theme,
 * read once. An icon the theme has no file of that name for is the
 * style's own, with all of Qt's fallbacks.
 */
class ThemeIconStyle : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
