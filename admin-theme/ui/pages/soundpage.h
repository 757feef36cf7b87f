// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <adminthemekcm.h>

#include <memory>

namespace Ui {
class SoundForm;
}

/// The Sounds page: the sound theme and the window manager's event sounds.
class SoundPage : public AdminThemeKCM
{
    Q_OBJECT
public:
    SoundPage(ThemeSettings *settings, QWidget *parent);
    ~SoundPage() override;

public Q_SLOTS:
    void load() override;

private:
    std::unique_ptr<Ui::SoundForm> m_ui;
};
