// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "screenlocker.h"

#include <vyrprocess.h>

#include <QtGlobal>

namespace {
const QString s_delay = QStringLiteral("ScreenSaverDelay");
const QString s_dpmsOff = QStringLiteral("LockerDpmsOffTimeout");
const QString s_startOnDpms = QStringLiteral("ScreenSaverStartOnDPMSDelay");
const QString s_onDpms = QStringLiteral("LockerOnDPMS");
const QString s_onSleep = QStringLiteral("LockerOnSleep");
const QString s_onSwitch = QStringLiteral("LockerOnSwitch");
const QString s_onLid = QStringLiteral("LockerOnLid");
const QString s_pause = QStringLiteral("LockerWrongPasswdTimeout");
const QString s_bell = QStringLiteral("LockerBellLevel");
const QString s_tty = QStringLiteral("LockerTTYLock");
const QString s_xaccess = QStringLiteral("LockerXaccessLock");

const QString s_true = QStringLiteral("true");
const QString s_false = QStringLiteral("false");

QString defaultOf(const QString &key)
{
    for (const auto &entry : ScreenLocker::keys()) {
        if (entry.first == key)
            return entry.second;
    }
    return QString();
}

// Minutes shown for stored seconds; garbage reads as 0 like the window manager does.
int minutesOf(int seconds) { return seconds > 0 ? seconds / 60 : 0; }

bool isOn(const QString &value) { return value.contains(QLatin1String("rue")); }

ScreenLockerSaveEntry intEntry(const QString &key, int value) { return {key, QString::number(value), defaultOf(key), false}; }
ScreenLockerSaveEntry boolEntry(const QString &key, bool value)
{
    return {key, value ? s_true : s_false, defaultOf(key), true};
}
}

const QVector<QPair<QString, QString>> &ScreenLocker::keys()
{
    static const QVector<QPair<QString, QString>> table{
        {s_delay, QStringLiteral("600")}, {s_dpmsOff, QStringLiteral("60")}, {s_onDpms, s_true},
        {s_onSleep, s_true},              {s_onSwitch, s_true},               {s_onLid, s_true},
        {s_startOnDpms, QStringLiteral("3")}, {s_pause, QStringLiteral("2")}, {s_bell, QStringLiteral("50")},
        {s_tty, s_true},                  {s_xaccess, s_false},
    };
    return table;
}

ScreenLockerState ScreenLocker::load(const Reader &read, bool powerManager)
{
    const auto number = [&read](const QString &key) { return read(key, defaultOf(key)).trimmed().toInt(); };
    const auto flag = [&read](const QString &key) { return isOn(read(key, defaultOf(key))); };
    ScreenLockerState state;
    state.powerManager = powerManager;
    state.minutes = minutesOf(number(s_delay));
    state.afterInactivity = state.minutes != 0;
    state.dpmsOffMinutes = minutesOf(number(s_dpmsOff));
    state.onDpms = flag(s_onDpms);
    state.onSleep = flag(s_onSleep);
    state.onSwitch = flag(s_onSwitch);
    state.onLid = flag(s_onLid);
    state.lockAfterDpms = number(s_startOnDpms);
    state.locker = state.minutes != 0 || state.onDpms || state.onSleep || state.onSwitch || state.onLid;
    state.wrongPasswordPause = number(s_pause);
    state.bellLevel = number(s_bell);
    state.ttyLock = flag(s_tty);
    state.xaccessLock = flag(s_xaccess);
    return state;
}

QVector<ScreenLockerSaveEntry> ScreenLocker::saveEntries(const ScreenLockerState &state)
{
    return {
        intEntry(s_delay, state.locker && state.afterInactivity ? state.minutes * 60 : 0),
        intEntry(s_dpmsOff, state.powerManager ? 0 : state.dpmsOffMinutes * 60),
        intEntry(s_startOnDpms, state.lockAfterDpms),
        boolEntry(s_onDpms, state.onDpms),
        boolEntry(s_onSleep, state.onSleep),
        boolEntry(s_onSwitch, state.onSwitch),
        boolEntry(s_onLid, state.onLid),
        intEntry(s_pause, state.wrongPasswordPause),
        intEntry(s_bell, state.bellLevel),
        boolEntry(s_tty, state.ttyLock),
        boolEntry(s_xaccess, state.xaccessLock),
    };
}

bool ScreenLocker::powerManagerRunning()
{
    return findInPS(QStringLiteral("org_kde_powerdevil"));
}

bool ScreenLocker::multiSeat()
{
    return qEnvironmentVariableIsSet("VYR_SEAT_LIST");
}

QStringList ScreenLocker::powerSettingsCommand()
{
    return {QStringLiteral("vyr-admin-power")};
}

QStringList ScreenLocker::slideShowCommand()
{
    return {QStringLiteral("vyr-admin-dm"), QStringLiteral("screensaver")};
}
