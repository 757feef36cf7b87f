// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

#include <array>

class AdminThemeKCM;
class QWidget;
class ThemeSettings;

/// One page of the settings window.
struct PageInfo {
    /// Untranslated name: the list entry (translated in context
    /// "ConfigDialog"), what val() and the command line take.
    const char *name;
    /// Icon theme name of the list entry.
    const char *icon;
    /// Place in the save order, 0 first: Apply saves Wallpaper before
    /// Effects before Theme, so that the Theme page's scheme follows a
    /// wallpaper choice made in the same round.
    int saveOrder;
    /// Named in the usage text's list of page names.
    bool inUsage;
    /// Makes the page over the dialog's two stores (not owned).
    AdminThemeKCM *(*create)(ThemeSettings *theme, ThemeSettings *palette, QWidget *parent);
};

constexpr int PageCount = 7;

/**
 * The pages in list order. The dialog, val(), the usage text and the
 * command-line parser all read this table.
 */
const std::array<PageInfo, PageCount> &pageTable();

/// The untranslated page names in list order.
QStringList pageNames();

/**
 * The page names the command line accepts: the table's, and "ColorScheme",
 * which opens the Theme page with a scheme.
 */
QStringList commandLinePageNames();
