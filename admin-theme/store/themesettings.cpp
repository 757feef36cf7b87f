// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "themesettings.h"
#include "distribution.h"
#include "session.h"

#include <vyrpaths.h>
#include <vyrsettings.h>
#include <vyrwmcommand.h>

#include <cstdio>

static const QString s_undefined = QStringLiteral("undf");

QString ThemeSettings::masterFilePath()
{
    return GetVyrDir(VyrDirSharedData) + QStringLiteral("/theme.master/themerc");
}

ThemeSettings::ThemeSettings(const QString &path)
    : m_path(path)
{
    if (!path.isEmpty()) {
        m_user = std::make_unique<VyrSettings>(path);
        if (!m_user->isParsed()) {
            std::fprintf(stderr, "vyr-admin-theme: can't parse %s\n", qPrintable(path));
            m_user.reset();
        }
    }
    m_master = std::make_unique<VyrSettings>(masterFilePath());
    if (!m_master->isParsed())
        m_master.reset();
}

ThemeSettings::~ThemeSettings() = default;

bool ThemeSettings::isParsed() const
{
    return bool(m_user);
}

QString ThemeSettings::fileName() const
{
    return m_path;
}

bool ThemeSettings::isLocked(const QString &key) const
{
    return m_master && m_master->value(key, s_undefined).toString() != s_undefined;
}

QVariant ThemeSettings::value(const QString &key, const QVariant &defaultValue) const
{
    if (isLocked(key)) {
        std::fprintf(stderr, "vyr-admin-theme: read master parameter %s\n", qPrintable(key));
        return m_master->value(key, QString());
    }
    if (!m_user)
        return defaultValue;
    return m_user->value(key, defaultValue);
}

void ThemeSettings::setValue(const QString &key, const QVariant &value)
{
    if (!m_user || isLocked(key))
        return;
    m_user->setValue(key, value);
}

bool ThemeSettings::sync(bool reload)
{
    return m_user ? m_user->sync(reload) : true;
}

QString updateValCommand(const QString &key, const QString &value)
{
    return QStringLiteral("VYRWM_UPDATE_VAL ") + key + QLatin1Char(' ') + value + QLatin1Char('\n');
}

static bool finishSave(ThemeSettings *settings, const QString &key, const QString &text, bool write, bool notify)
{
    if (write) {
        settings->setValue(key, text);
        settings->sync(false);
    }
    if (notify)
        vyrSendWmCommand(updateValCommand(key, text));
    return true;
}

bool saveBool(ThemeSettings *settings, const QString &key, const QString &defaultValue, bool value, bool notify)
{
    if (!settings)
        return false;
    const bool current = settings->value(key, defaultValue).toString().contains(QLatin1String("rue"));
    if (current == value)
        return false;
    return finishSave(settings, key, value ? QStringLiteral("true") : QStringLiteral("false"), true, notify);
}

bool saveInt(ThemeSettings *settings, const QString &key, const QString &defaultValue, int value, bool notify)
{
    if (!settings)
        return false;
    if (settings->value(key, defaultValue).toString().toInt() == value)
        return false;
    return finishSave(settings, key, QString::number(value), true, notify);
}

static bool isForcedValue(const QString &key, const QString &value)
{
    if (key == QLatin1String("WallPaper"))
        return value == Distribution::defaultWallpaperName || value == Distribution::lightWallpaper;
    if (key == QLatin1String("DecorTheme"))
        return value.isEmpty();
    return false;
}

bool saveString(ThemeSettings *settings, const QString &key, const QString &defaultValue, const QString &value,
                bool notify)
{
    if (!settings)
        return false;
    const bool changed = settings->value(key, defaultValue).toString() != value;
    if (!sessionFlags().highIntegritySession) {
        if (!changed)
            return false;
        return finishSave(settings, key, value, true, notify);
    }
    const bool restricted = key == QLatin1String("WallPaper") || key == QLatin1String("DecorTheme");
    if (isForcedValue(key, value))
        return finishSave(settings, key, value, true, notify);
    if (!changed)
        return false;
    // In a high-integrity session only the defaults of these two keys reach
    // the file; the running window manager still follows the choice.
    return finishSave(settings, key, value, !restricted, notify);
}
