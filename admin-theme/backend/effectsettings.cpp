// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "effectsettings.h"

#include <themesettings.h>

#include <vyrinidocument.h>
#include <vyrpaths.h>
#include <vyrprocess.h>
#include <vyrwmcommand.h>

#include <QFile>
#include <QFileInfo>

namespace {
const QString s_useComposite = QStringLiteral("UseComposite");
const QString s_compositeManager = QStringLiteral("CompositeManager");
const QString s_focusShadow = QStringLiteral("FocusShadow");
const QString s_defaultManager = QStringLiteral("/usr/bin/compton");
const QString s_kompmgrGroup = QStringLiteral("kompmgr");

QString kompmgrPath()
{
    return GetVyrDir(VyrDirUserPlatform) + QStringLiteral("/kompmgrrc");
}

bool usesLibConfig(const QString &manager)
{
    return manager.contains(QLatin1String("compton")) || manager.contains(QLatin1String("picom"));
}

bool compositorRuns(const QString &manager, const QString &program)
{
    if (findInPS(program) || findInPS(QFileInfo(program).completeBaseName()))
        return true;
    if (manager.contains(QLatin1String("compton")))
        return findInPS(QStringLiteral("/usr/bin/picom"));
    return findInPS(QStringLiteral("picom"));
}
}

bool EffectSettings::isTrueText(const QString &text)
{
    return text.contains(QLatin1String("rue"));
}

QStringList EffectSettings::mapStyleValues()
{
    return {QStringLiteral("Normal"),           QStringLiteral("TopToBottom"),       QStringLiteral("LeftToRight"),
            QStringLiteral("CenterToTopBottom"), QStringLiteral("CenterToLeftRight"), QStringLiteral("CenterToAll"),
            QStringLiteral("FromButton"),        QStringLiteral("RightToLeft"),       QStringLiteral("BottomToTop")};
}

int EffectSettings::mapStyleIndex(const QString &stored)
{
    return qMax(0, mapStyleValues().indexOf(stored));
}

QString EffectSettings::mapStyleValue(int index)
{
    const QStringList values = mapStyleValues();
    return values.value(index, values.first());
}

int EffectSettings::mapSpeedForStyle(int index)
{
    return index == 0 ? 0 : 15;
}

QStringList EffectSettings::placementValues()
{
    return {QStringLiteral("NorthWest"), QStringLiteral("Center")};
}

int EffectSettings::placementIndex(const QString &stored)
{
    return qMax(0, placementValues().indexOf(stored));
}

QString EffectSettings::placementValue(int index)
{
    const QStringList values = placementValues();
    return values.value(index, values.first());
}

int EffectSettings::beltSizeWhenSwitched(bool on, int current)
{
    if (!on)
        return 0;
    return current == 0 ? 2 : current;
}

CompositorGroup::CompositorGroup(ThemeSettings *settings)
    : m_settings(settings)
{
}

bool CompositorGroup::isLocked() const
{
    return m_settings->isLocked(s_useComposite) || m_settings->isLocked(s_compositeManager);
}

void CompositorGroup::switchOffInStore()
{
    m_settings->setValue(s_useComposite, QStringLiteral("false"));
    m_settings->sync(false);
}

CompositorGroup::LoadResult CompositorGroup::load(bool opaqueMoveAndResize)
{
    LoadResult result;
    result.locked = isLocked();
    if (qEnvironmentVariableIsSet("VYR_NO_REAL_COMPOSITE") || !opaqueMoveAndResize) {
        switchOffInStore();
        return result;
    }
    const QString manager = m_settings->value(s_compositeManager, s_defaultManager).toString();
    const QString program = FindFileInPATH(manager);
    if (program.isEmpty()) {
        result.messages.append({CompositorMessage::ManagerNotFound, manager});
        switchOffInStore();
        return result;
    }
    result.available = true;
    result.checked = EffectSettings::isTrueText(m_settings->value(s_useComposite, QStringLiteral("true")).toString());

    const bool runs = compositorRuns(manager, program);
    if (runs && !result.checked) {
        result.messages.append({CompositorMessage::StartedOutside, QString()});
        result.checked = true;
        m_settings->setValue(s_useComposite, QStringLiteral("true"));
        m_settings->sync(false);
    } else if (!runs && result.checked) {
        result.messages.append({CompositorMessage::NotStarted, QString()});
        result.checked = false;
        switchOffInStore();
    }

    if (usesLibConfig(manager)) {
        if (prepareCompositorConfigFile(&m_configPath) == CompositorFileOrigin::CreateFailed) {
            result.messages.append({CompositorMessage::CantCreate, m_configPath});
        } else if (readCompositorOptions(m_configPath, &result.options)) {
            result.source = LibConfig;
        } else {
            result.messages.append({CompositorMessage::CantRead, m_configPath});
        }
    } else if (manager.contains(QLatin1String("vyr-kompmgr"))) {
        VyrIniDocument kompmgr;
        kompmgr.loadFile(kompmgrPath());
        result.options.transparency = !EffectSettings::isTrueText(
            kompmgr.text(s_kompmgrGroup, QStringLiteral("IgnoreTransparency"), QStringLiteral("true")));
        result.options.shadow = !kompmgr.text(s_kompmgrGroup, QStringLiteral("Compmode"), QStringLiteral("CompSimple"))
                                     .contains(QLatin1String("CompSimple"));
        result.source = Kompmgr;
    }
    return result;
}

QList<CompositorMessage> CompositorGroup::save(const SaveInput &input)
{
    QList<CompositorMessage> messages;
    // Values the administrator fixed stay in force: nothing of the group is
    // written or announced.
    if (isLocked())
        return messages;
    if (!input.enabled) {
        saveBool(m_settings, s_useComposite, QStringLiteral("false"), false, false);
        vyrSendWmCommand(updateValCommand(s_useComposite, QStringLiteral("false")));
        return messages;
    }

    const QString manager = m_settings->value(s_compositeManager, s_defaultManager).toString();
    QString program = FindFileInPATH(manager);
    if (program.isEmpty()) {
        program = manager.contains(QLatin1String("compton")) ? QStringLiteral("/usr/bin/vyr-kompmgr")
                                                              : QStringLiteral("/usr/bin/compton");
    }

    bool changed = false;
    if (usesLibConfig(program) && !m_configPath.isEmpty()) {
        QFile access(m_configPath);
        if (!access.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
            messages.append({CompositorMessage::CantWrite, m_configPath});
        } else {
            access.close();
            switch (writeCompositorOptions(m_configPath, input.options)) {
            case CompositorFileResult::Written:
                changed = true;
                break;
            case CompositorFileResult::Unreadable:
                messages.append({CompositorMessage::CantRead, m_configPath});
                break;
            case CompositorFileResult::WriteFailed:
                messages.append({CompositorMessage::CantWrite, m_configPath});
                break;
            case CompositorFileResult::Unchanged:
                break;
            }
        }
    } else if (program.contains(QLatin1String("vyr-kompmgr"))) {
        VyrIniDocument kompmgr;
        kompmgr.loadFile(kompmgrPath());
        const QString ignore = QStringLiteral("IgnoreTransparency");
        const QString mode = QStringLiteral("Compmode");
        const bool transparency =
            !EffectSettings::isTrueText(kompmgr.text(s_kompmgrGroup, ignore, QStringLiteral("true")));
        const bool shadow = !kompmgr.text(s_kompmgrGroup, mode, QStringLiteral("CompSimple"))
                                 .contains(QLatin1String("CompSimple"));
        bool edited = false;
        if (transparency != input.options.transparency) {
            kompmgr.setText(s_kompmgrGroup, ignore,
                            input.options.transparency ? QStringLiteral("false") : QStringLiteral("true"));
            edited = true;
        }
        if (shadow != input.options.shadow) {
            kompmgr.setText(s_kompmgrGroup, mode,
                            input.options.shadow ? QStringLiteral("CompClientShadows") : QStringLiteral("CompSimple"));
            edited = true;
        }
        if (edited) {
            if (kompmgr.saveFile(kompmgrPath()))
                changed = true;
            else
                messages.append({CompositorMessage::CantWrite, kompmgrPath()});
        }
    }

    const bool wasOn = EffectSettings::isTrueText(m_settings->value(s_useComposite, QStringLiteral("false")).toString());
    saveBool(m_settings, s_useComposite, QStringLiteral("false"), input.checked, true);
    if (program != manager) {
        saveString(m_settings, s_compositeManager, s_defaultManager, program, true);
        changed = false;
    }
    saveInt(m_settings, s_focusShadow, QStringLiteral("-100"), input.focusShadow ? -100 : -1, true);
    if (input.checked && wasOn && changed) {
        vyrSendWmCommand(updateValCommand(s_useComposite, QStringLiteral("false")));
        vyrSendWmCommand(updateValCommand(s_useComposite, QStringLiteral("true")));
    }
    return messages;
}
