// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <adminthemekcm.h>

#include <QList>
#include <QMetaObject>
#include <QSet>

#include <initializer_list>
#include <memory>

class CompositorGroup;
struct CompositorMessage;

namespace Ui {
class EffectForm;
}

/**
 * The Effects page: window placement, opaque moving and resizing, snapping,
 * the window manager's animations, menu and taskbar delays, autopaging and
 * the compositor. Compositing needs opaque moving and resizing, and the
 * compositor's animation and fading exclude each other; the slots below keep
 * the controls so. The compositor's files and commands are CompositorGroup's.
 */
class EffectPage : public AdminThemeKCM
{
    Q_OBJECT
public:
    EffectPage(ThemeSettings *settings, QWidget *parent);
    ~EffectPage() override;

public Q_SLOTS:
    void load() override;
    void save() override;

    /// A map style was chosen: "None" sets the map speed to 0 and disables it.
    void mapAnimationSlot(int index);
    /// Autopaging switched: the belt size becomes 0 (off) or at least 2.
    void pagingBeltSlot(bool on);
    /// "Shadow on focus only" needs the shadow and the compositor.
    void shadowChangedSlot(int state);
    /// Without opaque moving there is no move snapping and no compositing.
    void checkSnapMove(int state);
    /// Without opaque resizing there is no resize snapping and no compositing.
    void checkSnapResize(int state);
    /// The compositor replaces the window manager's own animations and needs
    /// opaque moving and resizing.
    void fixOldAnimations(bool on);
    void toggleFadeSignal(bool checked);
    void toggleAninmSignal(bool checked);

private:
    /// The store's value of @p key; records @p controls as locked when the
    /// administrator fixed the key.
    QString readValue(const QString &key, const QString &defaultValue, std::initializer_list<QWidget *> controls);
    bool readBool(const QString &key, const QString &defaultValue, QWidget *control);
    int readInt(const QString &key, const QString &defaultValue, QWidget *control);
    /// Enables @p control unless a locked key keeps it disabled.
    void setEnabledUnlessLocked(QWidget *control, bool enabled);
    void loadCompositor();
    void showMessages(const QList<CompositorMessage> &messages, bool waitCursor);
    void connectControls();

    std::unique_ptr<Ui::EffectForm> m_ui;
    std::unique_ptr<CompositorGroup> m_compositor;
    QList<QMetaObject::Connection> m_connections;
    QSet<QWidget *> m_locked;
    bool m_compositorAvailable = false;
    bool m_compositorLocked = false;
};
