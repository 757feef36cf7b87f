// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "themepage.h"
#include "ui_themepage.h"

#include <distribution.h>
#include <session.h>
#include <themesettings.h>

ThemePage::ThemePage(ThemeSettings *settings, ThemeSettings *palette, QWidget *parent)
    : AdminThemeKCM(settings, parent)
    , m_palette(palette)
{
}

ThemePage::~ThemePage() = default;

QString ThemePage::currentSchemePath() const
{
    return m_schemePath.isEmpty() ? Distribution::defaultColourScheme(sessionFlags()) : m_schemePath;
}

void ThemePage::setColorScheme(const QString &path, bool quiet)
{
    m_schemePath = path;
    if (!quiet)
        markAsChanged();
}

void ThemePage::toggleColorSchemes(int index)
{
    Q_UNUSED(index)
}

void ThemePage::enableColorSchemes(bool enable)
{
    Q_UNUSED(enable)
}

void ThemePage::load()
{
    setupForm(m_ui);
    if (m_palette) {
        m_schemePath = m_palette->value(QStringLiteral("ColorScheme"), QString()).toString();
        m_primaryColor = QColor(m_palette->value(QStringLiteral("PrimaryColor"), Distribution::defaultPrimaryColour(sessionFlags())).toString());
        m_backgroundColor = QColor(m_palette->value(QStringLiteral("BackgroundColor"), QStringLiteral("#ffffff")).toString());
    }
    AdminThemeKCM::load();
}

void ThemePage::save()
{
    AdminThemeKCM::save();
}
