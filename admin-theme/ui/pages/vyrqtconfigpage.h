// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <adminthemekcm.h>

class QVBoxLayout;
class VyrQtConfigWidget;

/// The Programs page: the platform's editor of the settings Qt programs share.
class VyrQtConfigPage : public AdminThemeKCM
{
    Q_OBJECT
public:
    VyrQtConfigPage(ThemeSettings *settings, QWidget *parent);
    ~VyrQtConfigPage() override;

    /// The editor; null until the page is first loaded.
    VyrQtConfigWidget *configWidget() const { return m_widget; }

public Q_SLOTS:
    void load() override;
    void save() override;

private:
    QVBoxLayout *m_layout = nullptr;
    VyrQtConfigWidget *m_widget = nullptr;
};
