// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrplatformtheme.h"

#include <qpa/qplatformthemeplugin.h>

class VyrPlatformThemePlugin : public QPlatformThemePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QPlatformThemeFactoryInterface_iid FILE "vyr.json")
public:
    // Qt takes the theme and deletes it with the application.
    QPlatformTheme *create(const QString &key, const QStringList &params) override
    {
        Q_UNUSED(params)
        if (key.compare(QLatin1String("vyr"), Qt::CaseInsensitive) != 0)
            return nullptr;
        return new VyrPlatformTheme;
    }
};

#include "plugin.moc"
