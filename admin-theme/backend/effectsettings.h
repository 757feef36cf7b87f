// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <compositorconfig.h>

#include <QList>
#include <QString>
#include <QStringList>

class ThemeSettings;

/// The Effects page's rules without widgets.
namespace EffectSettings {
/// A boolean theme variable is on when its text contains "rue" (true, True).
bool isTrueText(const QString &text);

/// Stored values of `GradWindowMapStyle` by combo index; index 0 ("Normal")
/// is shown as "None".
QStringList mapStyleValues();
/// The combo index of a stored style; 0 for anything not in the table.
int mapStyleIndex(const QString &stored);
/// The stored value of a combo index; "Normal" for an index out of range.
QString mapStyleValue(int index);
/// The map speed a newly chosen style sets: 0 for "None", else 15.
int mapSpeedForStyle(int index);

/// Stored values of `DefaultPlacement` by combo index.
QStringList placementValues();
/// 0 ("NorthWest") for anything not in the list.
int placementIndex(const QString &stored);
QString placementValue(int index);

/// The belt size after the autopaging group is switched: 0 when off, at
/// least 2 when on (a size already set is kept).
int beltSizeWhenSwitched(bool on, int current);
}

/// What the compositor group asks the user to read, in order.
struct CompositorMessage {
    enum Kind {
        ManagerNotFound, ///< argument: the configured manager
        StartedOutside,  ///< runs although compositing is off
        NotStarted,      ///< compositing on but no compositor runs
        CantRead,        ///< argument: the file
        CantCreate,      ///< argument: the file
        CantWrite        ///< argument: the file
    };
    Kind kind;
    QString argument;
};

/**
 * The "Composite Manager" group of the Effects page: compositing on or off
 * (`UseComposite`), the manager (`CompositeManager`), `FocusShadow` and the
 * manager's own options in its libconfig file or in kompmgrrc.
 */
class CompositorGroup
{
public:
    /// @p settings is the dialog's theme store (not owned).
    explicit CompositorGroup(ThemeSettings *settings);

    /// Where the options shown came from.
    enum OptionsSource {
        NoOptions, ///< nothing read: the boxes stay as they are
        LibConfig, ///< all six options from the picom/compton file
        Kompmgr    ///< transparency and shadow from kompmgrrc
    };
    struct LoadResult {
        bool available = false; ///< false: no compositing possible, group off and disabled
        bool locked = false;    ///< the administrator fixed UseComposite or CompositeManager
        bool checked = false;
        OptionsSource source = NoOptions;
        CompositorOptions options;
        QList<CompositorMessage> messages;
    };
    /**
     * Derives the group's state. Unavailable (without VYR_NO_REAL_COMPOSITE,
     * opaque moving and resizing, or a manager in PATH) and corrected states
     * (a compositor runs although switched off or the reverse) are put into
     * the store as `UseComposite`, without telling the window manager. A
     * first use copies the system's compositor file (see
     * prepareCompositorConfigFile()).
     */
    LoadResult load(bool opaqueMoveAndResize);

    struct SaveInput {
        bool enabled = false; ///< the group's enabled state
        bool checked = false;
        CompositorOptions options;
        bool focusShadow = false;
    };
    /**
     * Saves the group after the page's other variables. A locked group saves
     * nothing; a disabled one saves compositing off and sends the switch-off
     * line. Otherwise changed options are written, then `UseComposite`,
     * `CompositeManager` (when the manager moved) and `FocusShadow`; a running
     * compositor whose options changed is restarted with the switch-off and
     * switch-on lines. Returns the problems met.
     */
    QList<CompositorMessage> save(const SaveInput &input);

    /// The libconfig file found at load; empty before.
    QString configPath() const { return m_configPath; }

private:
    bool isLocked() const;
    void switchOffInStore();

    ThemeSettings *const m_settings;
    QString m_configPath;
};
