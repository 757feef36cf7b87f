// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QVariant>

#include <initializer_list>

class QWidget;
class ThemeSettings;

/**
 * What a page shows for @p key: the store's value (see
 * ThemeSettings::value()). When the administrator's master file fixes the
 * key, every control in @p controls is disabled, since the user may not
 * change it.
 */
QVariant lockedValue(const ThemeSettings &settings, const QString &key, const QVariant &defaultValue,
                     std::initializer_list<QWidget *> controls);
