// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <adminthemekcm.h>

#include <QPointer>
#include <QProcess>

#include <memory>

class EventSounds;
class QFileInfo;
namespace Ui {
class SoundForm;
}

/**
 * The Sounds page: the sound theme, the window manager's sound switch and
 * one sound per window-manager event. The rules (defaults, lookups, what is
 * stored and played) live in EventSounds; the page mirrors its rows into
 * the list and runs the external player.
 */
class SoundPage : public AdminThemeKCM
{
    Q_OBJECT
public:
    /// Marks every player this process starts as an event sound for PulseAudio.
    SoundPage(ThemeSettings *settings, QWidget *parent);
    ~SoundPage() override;

    /// The player while a sound plays, else nullptr.
    QProcess *player() const { return m_player; }

    Q_INVOKABLE QString GetFileForSound(const QString &soundName);
    Q_INVOKABLE QString GetDefaultSoundForParam(const QString &paramName, bool complete);
    Q_INVOKABLE QString GetCommentForFile(const QFileInfo &finfo);

public Q_SLOTS:
    void load() override;
    void save() override;

    void soundDisabled(bool disabled);
    void soundEnabled(bool enabled);
    void themeSelected(int index);
    void itemSelected();
    void openItem();
    void clearItem();
    void restoreItem();
    void playItem();
    void stopItem();
    void playStarted();
    void callMixer();
    void clearAll();
    void defaultAll();

private:
    void buildForm();
    /// Selects the theme of combo item @p index and refills the rows;
    /// false when the theme could not be loaded.
    bool applyTheme(int index, bool keepCurrent);
    void showRows();
    void showRow(int row);
    void askAboutFormats();
    int selectedRow() const;
    void playerFailed(QProcess::ProcessError error);
    void playerFinished(int exitCode, QProcess::ExitStatus status);
    void endPlaying();

    std::unique_ptr<Ui::SoundForm> m_ui;
    std::unique_ptr<EventSounds> m_sounds;
    QPointer<QProcess> m_player;
    bool m_themeLocked = false;
    bool m_waitCursor = false;
    bool m_connected = false;
};
