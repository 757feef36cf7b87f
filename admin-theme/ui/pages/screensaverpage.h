// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <adminthemekcm.h>

#include <memory>

namespace Ui {
class ScreensaverForm;
}

/// The Screensaver page: screen saver delay and the screen locker.
class ScreensaverPage : public AdminThemeKCM
{
    Q_OBJECT
public:
    ScreensaverPage(ThemeSettings *settings, QWidget *parent);
    ~ScreensaverPage() override;

public Q_SLOTS:
    void load() override;

private:
    std::unique_ptr<Ui::ScreensaverForm> m_ui;
};
