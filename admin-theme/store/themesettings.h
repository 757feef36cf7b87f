// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QVariant>

#include <memory>

class VyrSettings;

/**
 * The two-layer store over one themerc-format file: the edited file (user
 * layer) and the administrator's master file (GetVyrDir(0)/theme.master/themerc),
 * whose keys are fixed: they are read from the master, never written, and
 * the controls that edit them are disabled.
 */
class ThemeSettings
{
public:
    /// Opens @p path (when not empty) and the master file. An unparsable or
    /// missing edited file is reported once on standard error; reads then
    /// return defaults and writes are ignored.
    explicit ThemeSettings(const QString &path);
    ~ThemeSettings();
    ThemeSettings(const ThemeSettings &) = delete;
    ThemeSettings &operator=(const ThemeSettings &) = delete;

    bool isParsed() const;
    /// The master file holds @p key.
    bool isLocked(const QString &key) const;
    /**
     * The master's value of a locked key, else the user layer's value, else
     * @p defaultValue. The pages read through lockedValue(), which also
     * disables the controls of a locked key.
     */
    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    /// Ignored without a user layer or for a locked key.
    void setValue(const QString &key, const QVariant &value);
    /// Writes pending changes (see VyrSettings::sync); false when that failed.
    bool sync(bool reload);
    /// The edited file's path.
    QString fileName() const;

    /// The path of the administrator's master file.
    static QString masterFilePath();

private:
    QString m_path;
    std::unique_ptr<VyrSettings> m_user;
    std::unique_ptr<VyrSettings> m_master;
};

/**
 * Write helpers: each reads the key with @p defaultValue, and only when the
 * new value differs writes it (through setValue and sync(false)) and, when
 * @p notify is set, sends "VYRWM_UPDATE_VAL <key> <text>" to the window
 * manager. They return whether the value differed.
 */
bool saveBool(ThemeSettings *settings, const QString &key, const QString &defaultValue, bool value, bool notify);
bool saveInt(ThemeSettings *settings, const QString &key, const QString &defaultValue, int value, bool notify);
/// As above, with the high-integrity rule for WallPaper and DecorTheme.
bool saveString(ThemeSettings *settings, const QString &key, const QString &defaultValue, const QString &value,
                bool notify);

/// The window-manager command that announces a new value.
QString updateValCommand(const QString &key, const QString &value);
