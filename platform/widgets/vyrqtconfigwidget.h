// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "vyrqtsettings.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QSpinBox;

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
