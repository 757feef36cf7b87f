// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "adminthemekcm.h"

AdminThemeKCM::AdminThemeKCM(ThemeSettings *settings, QWidget *parent)
    : KCModule(parent, QVariantList())
    , m_settings(settings)
{
    setButtons(Help | Default | Apply | Export);
    connect(this, qOverload<bool>(&KCModule::changed), this, &AdminThemeKCM::onChanged, Qt::UniqueConnection);
}

AdminThemeKCM::~AdminThemeKCM() = default;

void AdminThemeKCM::load()
{
    m_loaded = true;
    // The page now shows what its files hold: no edit is pending.
    Q_EMIT changed(false);
}

void AdminThemeKCM::save()
{
    Q_EMIT changed(false);
}

void AdminThemeKCM::defaults()
{
    Q_EMIT changed(false);
}

void AdminThemeKCM::showEvent(QShowEvent *event)
{
    // KCModule would load on a queued call after the first show, so the
    // first paint would show an empty page; load before it instead.
    if (!m_loaded)
        load();
    QWidget::showEvent(event);
}

void AdminThemeKCM::onChanged(bool state)
{
    m_changed = state;
}
