// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "lockedvalue.h"

#include <themesettings.h>

#include <QWidget>

QVariant lockedValue(const ThemeSettings &settings, const QString &key, const QVariant &defaultValue,
                     std::initializer_list<QWidget *> controls)
{
    if (settings.isLocked(key)) {
        for (QWidget *control : controls) {
            if (control)
                control->setEnabled(false);
        }
    }
    return settings.value(key, defaultValue);
}
