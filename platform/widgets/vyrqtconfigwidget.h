// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QSpinBox;

/**
 * The settings Qt programs take from the "[Qt]" group of Trolltech.conf:
 * widget style ("style"), GUI effects ("GUIEffects"), double-click interval
 * ("doubleClickInterval"), cursor flash time ("cursorFlashTime") and wheel
 * scroll lines ("wheelScrollLines"). Everything else in the file (the
 * palette the Theme page writes, other groups, comments) is kept.
 */
struct VyrQtSettings {
    /// Empty means Qt's own default; the key is then removed.
    QString style;
    /// Effect words ("general", "animatemenu", ...); empty is stored as "none".
    QStringList guiEffects = {QStringLiteral("general")};
    int doubleClickInterval = 400;
    int cursorFlashTime = 1000;
    int wheelScrollLines = 3;

    /// Every effect word Qt knows, "general" first.
    static QStringList knownEffects();
    /// ~/.config/Trolltech.conf (following XDG_CONFIG_HOME).
    static QString defaultPath();

    /**
     * Reads @p path. A missing file, a missing key or a value that is not a
     * number in range gives the default; unknown effect words are dropped.
     * Returns false when the file exists but cannot be read.
     */
    bool read(const QString &path);
    /// Merges the values into @p path atomically; false (and @p error) on failure.
    bool write(const QString &path, QString *error = nullptr) const;

    bool operator==(const VyrQtSettings &other) const;
    bool operator!=(const VyrQtSettings &other) const { return !(*this == other); }
};

/**
 * An embeddable editor of VyrQtSettings. It reads the file when created,
 * emits changed() on every edit and writes the file on save().
 */
class VyrQtConfigWidget : public QWidget
{
    Q_OBJECT
public:
    explicit VyrQtConfigWidget(QWidget *parent = nullptr);
    ~VyrQtConfigWidget() override;

    /// Edits @p path instead of the default Trolltech.conf and reads it.
    void setConfigPath(const QString &path);
    QString configPath() const { return m_path; }

    /// Reads the file into the controls (emits nothing).
    void load();
    /// Writes the controls' values; false when the file could not be written.
    bool save();
    /// Why the last save() failed.
    QString errorString() const { return m_error; }

    /// The values shown now.
    VyrQtSettings settings() const;
    /// Shows @p values (emits nothing).
    void setSettings(const VyrQtSettings &values);

Q_SIGNALS:
    void changed();

private:
    void emitChanged();

    QString m_path;
    QString m_error;
    bool m_updating = false;
    QComboBox *m_style = nullptr;
    QGroupBox *m_effects = nullptr;
    QList<QCheckBox *> m_effectBoxes;
    QSpinBox *m_doubleClick = nullptr;
    QSpinBox *m_cursorFlash = nullptr;
    QSpinBox *m_wheelLines = nullptr;
};
