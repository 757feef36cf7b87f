// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class QFileInfo;
class VyrSoundTheme;

/// One window-manager event of the Sounds page, in list order.
struct SoundEvent {
    const char *label;           ///< untranslated; context "SoundPage"
    const char *key;             ///< theme variable
    const char *toolTip;         ///< untranslated Event-column tip, or nullptr
    const char *themeDefault;    ///< basic default with a sound theme, or nullptr
    const char *internalDefault; ///< basic default without a theme, or nullptr
    const char *completeDefault; ///< default shown as comment only, with a theme
};

/// A sound theme as the theme list offers it.
struct SoundThemeChoice {
    QString name;        ///< internal name, stored as SoundTheme
    QString displayName; ///< localName(), else the name
};

/// One value the page saves, in save order.
struct SoundSaveEntry {
    QString key;
    QString value; ///< booleans as "true"/"false"
    QString defaultValue;
    bool boolean = false; ///< save with saveBool, else saveString
};

/// What it takes to play a sound, or why it cannot be played.
struct SoundPlayCommand {
    enum Status {
        Ready,         ///< program, arguments and environment are set
        NoSound,       ///< the row has no sound: do nothing
        MissingFile,   ///< subject: the path (or value) that does not exist
        MissingPlayer, ///< subject: the player's path
        NoPlayer,      ///< subject: the path; no player for its extension
    };
    Status status = NoSound;
    QString subject;
    QString program;
    QStringList arguments;
    QProcessEnvironment environment;
};

/// Enabled state of the row buttons for the current selection.
struct SoundButtonStates {
    bool select = false;
    bool remove = false;
    bool restore = false;
    bool play = false;
    bool stop = false;
};

/**
 * The widget-free back end of the Sounds page: the 17 events, their
 * defaults, the sound theme in use and the File/Comment text of every row.
 * A page mirrors rows() into its list and forwards its actions here.
 *
 * A sound value (the text stored under an event key) is, in this order:
 * empty (no sound); an absolute path ("/..."); a sound name of the current
 * theme (no "."); else a file name in the sound directory.
 */
class EventSounds
{
public:
    struct Row {
        QString file;
        QString comment;
    };

    /// @p soundDirectory is the platform's sound directory (GetVyrDir(14)
    /// when empty).
    explicit EventSounds(const QString &soundDirectory = QString());
    ~EventSounds();
    EventSounds(const EventSounds &) = delete;
    EventSounds &operator=(const EventSounds &) = delete;

    /// The 17 events in list order.
    static const QVector<SoundEvent> &events();
    /// Row of @p key, -1 for a key that is none of the 17.
    static int rowOfKey(const QString &key);

    /// True when a stored EnableSound value means "on" (it contains "rue").
    static bool isEnabledValue(const QString &value);
    /// The themes the platform lists that load, in its order.
    static QVector<SoundThemeChoice> installedThemes();
    /// Index of @p name in @p choices, -1 when missing or empty (then the
    /// list shows "No theme").
    static int themeChoiceIndex(const QVector<SoundThemeChoice> &choices, const QString &name);

    /**
     * Replaces the theme object: none for an empty @p name, else a
     * VyrSoundTheme that is loaded and kept even when loading fails (its
     * lookups then find nothing). Returns false only for that failure.
     * The rows are not touched; call fillSoundList().
     */
    bool selectTheme(const QString &name);
    /// The theme object, or nullptr with "No theme".
    const VyrSoundTheme *theme() const;
    /// The theme's name as saved in SoundTheme; empty with "No theme".
    QString themeName() const;
    QString soundDirectory() const;

    /**
     * The path a sound value names: empty for an empty value, for a theme
     * name without theme or one the theme lacks; the value itself when
     * absolute; else the sound directory's file (whether it exists or not).
     */
    QString GetFileForSound(const QString &soundName);
    /// The default of event @p paramName; with @p complete, also the
    /// comment-only defaults (only while a theme object exists). Unknown
    /// keys give an empty text.
    QString GetDefaultSoundForParam(const QString &paramName, bool complete) const;
    /**
     * The comment of a sound file: symbolic links followed (four at most),
     * then the "Comment" (localised) of "<dir>/<base name>.desktop" beside
     * the file reached. Empty when the file or the entry is missing.
     */
    static QString GetCommentForFile(const QFileInfo &finfo);

    /**
     * A theme whose lookup returned a file in a format that is not .oga,
     * .ogg, .wav or .au, reported once per theme: the theme's name the first
     * time, then an empty text until another theme brings such a file.
     */
    QString takeFormatNotice();

    const QVector<Row> &rows() const;
    /// Sets a row's File text as loaded or edited; the comment is kept.
    void setFile(int row, const QString &value);
    /**
     * Refreshes every row: empties File and Comment; unless @p clear, File
     * becomes the row's current text (@p keepCurrent) or its basic default
     * when that resolves to an existing file, and Comment the comment of
     * that file, or of the complete default for a row left without a sound.
     */
    void fillSoundList(bool clear, bool keepCurrent);
    /// Remove and Restore: the row as fillSoundList(false, false) leaves it.
    void restoreRow(int row);

    /// The directory an open-file dialog for @p row starts in.
    QString openDirectory(int row) const;
    /**
     * The value stored for a file the user chose: the file name when the
     * file lies directly in the sound directory; the theme's sound name
     * when it lies in the theme's "stereo" folder and the theme resolves
     * that name to this very file; else the full path.
     */
    QString valueForChosenFile(const QString &path) const;
    /// Stores valueForChosenFile(@p path) in @p row with the file's comment.
    void chooseFile(int row, const QString &path);

    /// The row buttons' states; @p row -1 means no selection.
    SoundButtonStates buttonStates(bool disabled, int row) const;

    /// The file to play for @p row's value; empty when it cannot be resolved.
    QString playPath(int row) const;
    /**
     * The player for @p row as an argument list, never a shell line: play
     * (sox) when installed, else aplay for .wav and ogg123 for .ogg/.oga.
     * Its environment marks the stream as an event sound for PulseAudio.
     */
    SoundPlayCommand playCommand(int row) const;

    /// True when "play" (sox) or "sndfile-play" is installed; without them
    /// the page warns once at load.
    static bool hasSoundPlayer();

    /// The values to save, in save order: EnableSound, EnableAlsa, the 17
    /// event keys in list order, SoundTheme.
    QVector<SoundSaveEntry> saveEntries(bool enabled) const;

    /// Sets PULSE_PROP_media.role and PULSE_PROP in this process, so that
    /// every player it starts counts as an event sound.
    static void setEventRoleEnvironment();
    /// @p base with the two PulseAudio variables set (overwritten).
    static QProcessEnvironment eventRoleEnvironment(const QProcessEnvironment &base);

    /// The command that makes the notification daemon restart and reread
    /// the sounds after a save, as an argument list; empty when the daemon
    /// is not installed.
    static QStringList notifyDaemonRestartCommand();

private:
    QString m_soundDir;
    std::unique_ptr<VyrSoundTheme> m_theme;
    QString m_themeName;
    QStringList m_noticedThemes;
    QString m_pendingNotice;
    QVector<Row> m_rows;

    void fillRow(int row, bool keepCurrent);
    QString resolve(const QString &value) const;
};
