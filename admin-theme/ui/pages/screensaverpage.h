// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <adminthemekcm.h>

#include <QSet>

#include <memory>

class QCheckBox;
struct ScreenLockerState;
namespace Ui {
class ScreensaverForm;
}

/**
 * The Screensaver page: when the window manager's screen locker starts,
 * what locks the screen and what stays closed while it is locked. The
 * conversions and what is saved live in ScreenLocker.
 */
class ScreensaverPage : public AdminThemeKCM
{
    Q_OBJECT
public:
    ScreensaverPage(ThemeSettings *settings, QWidget *parent);
    ~ScreensaverPage() override;

public Q_SLOTS:
    void load() override;
    void save() override;

    void lockerChanged(int state);
    void lockOnDPMSStateChanged(int state);
    void minutesToStartEnabled(int state);
    void powerConfig();
    void slideShowConfig();
    void checkLockTTY(int state);
    void checkSwitchSession(int state);

private:
    void connectOnce();
    QString readLocked(const QString &key, const QString &defaultValue);
    void showState(const ScreenLockerState &state);
    ScreenLockerState shown() const;
    /// A coupling between controls: never changes a control the user may
    /// not change either (fixed by the master file or by the seat manager).
    void couple(QCheckBox *box, bool checked);

    std::unique_ptr<Ui::ScreensaverForm> m_ui;
    QSet<QWidget *> m_fixed;
    bool m_powerManager = false;
    bool m_loading = false;
    bool m_connected = false;
};
