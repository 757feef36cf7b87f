// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <adminthemekcm.h>

#include <memory>

namespace Ui {
class EffectForm;
}

/// The Effects page: window placement, animation, snapping and the compositor.
class EffectPage : public AdminThemeKCM
{
    Q_OBJECT
public:
    EffectPage(ThemeSettings *settings, QWidget *parent);
    ~EffectPage() override;

public Q_SLOTS:
    void load() override;

private:
    std::unique_ptr<Ui::EffectForm> m_ui;
};
