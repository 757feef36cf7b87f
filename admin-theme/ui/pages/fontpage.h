// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <adminthemekcm.h>

#include <memory>

namespace Ui {
class FontForm;
}

/// The Fonts page: the fonts of the desktop's elements and their rendering.
class FontPage : public AdminThemeKCM
{
    Q_OBJECT
public:
    FontPage(ThemeSettings *settings, QWidget *parent);
    ~FontPage() override;

public Q_SLOTS:
    void load() override;

private:
    std::unique_ptr<Ui::FontForm> m_ui;
};
