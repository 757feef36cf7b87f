// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

/// What the Screensaver page shows: times in the units of its controls.
struct ScreenLockerState {
    bool locker = true;          ///< "Screen Locker"; derived, never stored
    bool afterInactivity = true; ///< "After Inactivity"
    int minutes = 10;            ///< idle minutes before the locker starts
    int dpmsOffMinutes = 1;      ///< minutes after locking until the monitor is off
    int lockAfterDpms = 3;       ///< seconds between the blank screen and the lock
    bool onDpms = true;
    bool onSleep = true;
    bool onSwitch = true;
    bool onLid = true;
    int wrongPasswordPause = 2; ///< seconds
    int bellLevel = 50;         ///< percent
    bool ttyLock = true;
    bool xaccessLock = false;
    /// The power manager switches the monitor off: the page hides its own
    /// DPMS-off time and saves 0 for it.
    bool powerManager = false;
};

/// One value the page saves, in save order.
struct ScreenLockerSaveEntry {
    QString key;
    QString value; ///< integers in decimal, booleans as "true"/"false"
    QString defaultValue;
    bool boolean = false; ///< save with saveBool, else saveInt
};

/**
 * The widget-free rules of the Screensaver page: the theme variables it
 * owns, how stored seconds become the minutes it shows and back, and the
 * settings programs it starts.
 */
namespace ScreenLocker {

/// Reads a stored value: (key, default as stored) → stored text.
using Reader = std::function<QString(const QString &key, const QString &defaultValue)>;

/// The page's stored keys with their defaults, in the order they are read.
const QVector<QPair<QString, QString>> &keys();

/**
 * The state the page shows for the values @p read returns. Minutes are the
 * stored seconds divided by 60 (rounded down, never negative); "After
 * Inactivity" is on exactly when that gives a minute or more; "Screen
 * Locker" is off only when no minute and none of the four lock-on options
 * is set. Booleans count as on when they contain "rue".
 */
ScreenLockerState load(const Reader &read, bool powerManager);

/// The values to save, in save order. The delay is 0 unless both "Screen
/// Locker" and "After Inactivity" are on; the DPMS-off time is 0 while the
/// power manager runs.
QVector<ScreenLockerSaveEntry> saveEntries(const ScreenLockerState &state);

/// True while the desktop's power manager ("org_kde_powerdevil") runs.
bool powerManagerRunning();
/// True on a multi-seat machine (VYR_SEAT_LIST set, whatever its value),
/// where session switching belongs to the seat manager.
bool multiSeat();

/// The power management settings program, as an argument list.
QStringList powerSettingsCommand();
/// The display manager's slide-show settings, as an argument list.
QStringList slideShowCommand();
}
