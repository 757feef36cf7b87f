// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "eventsounds.h"

#include <vyrdesktopentry.h>
#include <vyrpaths.h>
#include <vyrsoundtheme.h>

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace {
const QString s_enableSound = QStringLiteral("EnableSound");
const QString s_enableAlsa = QStringLiteral("EnableAlsa");
const QString s_soundTheme = QStringLiteral("SoundTheme");

QString text(const char *s) { return s ? QString::fromLatin1(s) : QString(); }

bool isSupportedFormat(const QString &path)
{
    for (const char *ext : {".oga", ".ogg", ".wav", ".au"}) {
        if (path.endsWith(QLatin1String(ext)))
            return true;
    }
    return false;
}

bool sameDirectory(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    const QString cb = QFileInfo(b).canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty())
        return ca == cb;
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}
}

EventSounds::EventSounds(const QString &soundDirectory)
    : m_soundDir(soundDirectory.isEmpty() ? GetVyrDir(VyrDirSounds) : QDir::cleanPath(soundDirectory))
    , m_rows(events().size())
{
}

EventSounds::~EventSounds() = default;

const QVector<SoundEvent> &EventSounds::events()
{
    // The keyboard-layout rows share the comment-only defaults of rows 7 and 8.
    static const QVector<SoundEvent> table{
        {QT_TRANSLATE_NOOP("SoundPage", "Menu Popup"), "MenuPopupSound", nullptr, nullptr, nullptr, "menu-popup"},
        {QT_TRANSLATE_NOOP("SoundPage", "Menu Command"), "MenuCommandSound", nullptr, nullptr, nullptr,
         "item-selected"},
        {QT_TRANSLATE_NOOP("SoundPage", "Open Window"), "OpenSound", nullptr, nullptr, nullptr, "window-new"},
        {QT_TRANSLATE_NOOP("SoundPage", "Close Window"), "CloseSound", nullptr, nullptr, nullptr, "window-close"},
        {QT_TRANSLATE_NOOP("SoundPage", "Restore Window up"), "RestoreUpSound", nullptr, nullptr, nullptr,
         "window-unminimized"},
        {QT_TRANSLATE_NOOP("SoundPage", "Restore Window down"), "RestoreDownSound", nullptr, nullptr, nullptr,
         "window-unmaximized"},
        {QT_TRANSLATE_NOOP("SoundPage", "Minimize Window"), "MinimizeSound", nullptr, nullptr, nullptr,
         "window-minimized"},
        {QT_TRANSLATE_NOOP("SoundPage", "Maximize Window"), "MaximizeSound", nullptr, nullptr, nullptr,
         "window-maximized"},
        {QT_TRANSLATE_NOOP("SoundPage", "System Start"), "SystemStartSound", nullptr, "desktop-login",
         "x-vyr-wm-chimes.wav", "desktop-login"},
        {QT_TRANSLATE_NOOP("SoundPage", "System Exit"), "SystemExitSound", nullptr, "desktop-logout",
         "x-vyr-wm-chimes.wav", "desktop-logout"},
        {QT_TRANSLATE_NOOP("SoundPage", "System Lock"), "SystemLockSound", nullptr, "desktop-screen-lock",
         "x-vyr-wm-chimes.wav", "desktop-screen-lock"},
        {QT_TRANSLATE_NOOP("SoundPage", "Wrong locker password"), "LockerBellSound", nullptr, "dialog-error",
         "x-vyr-wm-error.wav", "dialog-error"},
        {QT_TRANSLATE_NOOP("SoundPage", "Error Dialog"), "ErrorDialogSound", nullptr, "dialog-error",
         "x-vyr-wm-error.wav", "dialog-error"},
        {QT_TRANSLATE_NOOP("SoundPage", "Forced Tray Message"), "ForceTrayMessageSound", nullptr,
         "window-attention-active", "x-vyr-wm-notify.wav", "window-attention-active"},
        {QT_TRANSLATE_NOOP("SoundPage", "Show OSD Notification"), "OSDNotifySound", nullptr, "dialog-information",
         "x-vyr-wm-tooltip.wav", "dialog-information"},
        {QT_TRANSLATE_NOOP("SoundPage", "Base Layout"), "BaseKbSound",
         QT_TRANSLATE_NOOP("SoundPage", "Sound for switch to base keyboard layout"), nullptr, nullptr,
         "window-minimized"},
        {QT_TRANSLATE_NOOP("SoundPage", "Alternative Layout"), "AltKbSound",
         QT_TRANSLATE_NOOP("SoundPage", "Sound for switch to alternative keyboard layout"), nullptr, nullptr,
         "window-maximized"},
    };
    return table;
}

int EventSounds::rowOfKey(const QString &key)
{
    const QVector<SoundEvent> &table = events();
    for (int i = 0; i < table.size(); ++i) {
        if (key == QLatin1String(table.at(i).key))
            return i;
    }
    return -1;
}

bool EventSounds::isEnabledValue(const QString &value)
{
    // The window manager's own reading of booleans: "true", "True", "TRUE"... but not "yes".
    return value.contains(QLatin1String("rue"));
}

QVector<SoundThemeChoice> EventSounds::installedThemes()
{
    QVector<SoundThemeChoice> out;
    const QStringList names = VyrSoundTheme::getThemesNames();
    for (const QString &name : names) {
        VyrSoundTheme theme(name);
        if (!theme.load())
            continue;
        const QString display = theme.localName();
        out.append({name, display.isEmpty() ? name : display});
    }
    return out;
}

int EventSounds::themeChoiceIndex(const QVector<SoundThemeChoice> &choices, const QString &name)
{
    if (name.isEmpty())
        return -1;
    for (int i = 0; i < choices.size(); ++i) {
        if (choices.at(i).name == name)
            return i;
    }
    return -1;
}

bool EventSounds::selectTheme(const QString &name)
{
    m_theme.reset();
    m_themeName = name;
    if (name.isEmpty())
        return true;
    m_theme = std::make_unique<VyrSoundTheme>(name);
    return m_theme->load();
}

const VyrSoundTheme *EventSounds::theme() const { return m_theme.get(); }
QString EventSounds::themeName() const { return m_theme ? m_themeName : QString(); }
QString EventSounds::soundDirectory() const { return m_soundDir; }

QString EventSounds::resolve(const QString &value) const
{
    if (value.isEmpty())
        return QString();
    if (value.startsWith(QLatin1Char('/')))
        return value;
    if (!value.contains(QLatin1Char('.')))
        return m_theme ? m_theme->getSoundFilePath(value, QString(), QString()) : QString();
    return m_soundDir + QLatin1Char('/') + value;
}

QString EventSounds::GetFileForSound(const QString &soundName)
{
    const QString path = resolve(soundName);
    const bool fromTheme
        = !path.isEmpty() && !soundName.startsWith(QLatin1Char('/')) && !soundName.contains(QLatin1Char('.'));
    // Asking once per theme: a theme full of such files would otherwise
    // stack one question per event.
    if (fromTheme && !isSupportedFormat(path) && !m_noticedThemes.contains(m_theme->name())) {
        m_noticedThemes << m_theme->name();
        m_pendingNotice = m_theme->name();
    }
    return path;
}

QString EventSounds::takeFormatNotice()
{
    QString notice;
    notice.swap(m_pendingNotice);
    return notice;
}

QString EventSounds::GetDefaultSoundForParam(const QString &paramName, bool complete) const
{
    const int row = rowOfKey(paramName);
    if (row < 0)
        return QString();
    const SoundEvent &event = events().at(row);
    if (event.internalDefault)
        return text(m_theme ? event.themeDefault : event.internalDefault);
    if (complete && m_theme)
        return text(event.completeDefault);
    return QString();
}

QString EventSounds::GetCommentForFile(const QFileInfo &finfo)
{
    if (!finfo.exists())
        return QString();
    QFileInfo reached = finfo;
    for (int links = 0; reached.isSymLink() && links < 4; ++links)
        reached = QFileInfo(reached.symLinkTarget());
    if (!reached.exists())
        return QString();
    const QString entryPath
        = reached.absolutePath() + QLatin1Char('/') + reached.baseName() + QStringLiteral(".desktop");
    if (!QFileInfo(entryPath).isFile())
        return QString();
    VyrDesktopEntry entry(entryPath);
    if (!entry.load())
        return QString();
    return entry.localCommentOrFallback();
}

const QVector<EventSounds::Row> &EventSounds::rows() const { return m_rows; }

void EventSounds::setFile(int row, const QString &value)
{
    if (row >= 0 && row < m_rows.size())
        m_rows[row].file = value;
}

void EventSounds::fillRow(int row, bool keepCurrent)
{
    const QString key = text(events().at(row).key);
    QString sound = keepCurrent ? m_rows.at(row).file : GetDefaultSoundForParam(key, false);
    m_rows[row].file.clear();
    m_rows[row].comment.clear();
    QString path = GetFileForSound(sound);
    if (!path.isEmpty() && QFileInfo::exists(path))
        m_rows[row].file = sound;
    if (sound.isEmpty()) {
        // No sound for the event: the comment still tells what the theme would play.
        sound = GetDefaultSoundForParam(key, true);
        path = GetFileForSound(sound);
    }
    m_rows[row].comment = path.isEmpty() ? QString() : GetCommentForFile(QFileInfo(path));
}

void EventSounds::fillSoundList(bool clear, bool keepCurrent)
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (clear) {
            m_rows[row] = Row();
            continue;
        }
        fillRow(row, keepCurrent);
    }
}

void EventSounds::restoreRow(int row)
{
    if (row >= 0 && row < m_rows.size())
        fillRow(row, false);
}

QString EventSounds::openDirectory(int row) const
{
    QString dir;
    if (row >= 0 && row < m_rows.size()) {
        const QString &file = m_rows.at(row).file;
        if (file.startsWith(QLatin1Char('/')))
            dir = QFileInfo(file).absolutePath();
        else if (file.contains(QLatin1Char('.')))
            dir = m_soundDir;
    }
    if (!dir.isEmpty() && QFileInfo(dir).isDir())
        return dir;
    if (m_theme && !m_theme->path().isEmpty())
        return m_theme->path() + QStringLiteral("/stereo");
    return m_soundDir;
}

QString EventSounds::valueForChosenFile(const QString &path) const
{
    const QFileInfo info(path);
    const QString fileName = info.fileName();
    // A stored name is read back by its form: a file name must keep its
    // extension and a theme name must have none, or it reads as the other.
    if (sameDirectory(info.absolutePath(), m_soundDir) && fileName.contains(QLatin1Char('.')))
        return fileName;
    if (m_theme && !m_theme->path().isEmpty()
        && sameDirectory(info.absolutePath(), m_theme->path() + QStringLiteral("/stereo"))) {
        const QString base = info.completeBaseName();
        if (!base.isEmpty() && !base.contains(QLatin1Char('.'))) {
            const QString found = m_theme->getSoundFilePath(base, QString(), QString());
            if (!found.isEmpty() && QFileInfo(found).canonicalFilePath() == info.canonicalFilePath())
                return base;
        }
    }
    return info.absoluteFilePath();
}

void EventSounds::chooseFile(int row, const QString &path)
{
    if (row < 0 || row >= m_rows.size() || path.isEmpty())
        return;
    m_rows[row].file = valueForChosenFile(path);
    m_rows[row].comment = GetCommentForFile(QFileInfo(path));
}

SoundButtonStates EventSounds::buttonStates(bool disabled, int row) const
{
    SoundButtonStates states;
    if (disabled || row < 0 || row >= m_rows.size())
        return states;
    const QString &file = m_rows.at(row).file;
    states.select = true;
    states.remove = !file.isEmpty();
    states.play = !file.isEmpty();
    const QString fallback = GetDefaultSoundForParam(text(events().at(row).key), false);
    // Restore is offered only when it would bring back a sound that exists.
    if (fallback != file && !fallback.isEmpty()) {
        const QString path = resolve(fallback);
        states.restore = !path.isEmpty() && QFileInfo::exists(path);
    }
    return states;
}

QString EventSounds::playPath(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return QString();
    return resolve(m_rows.at(row).file);
}

SoundPlayCommand EventSounds::playCommand(int row) const
{
    SoundPlayCommand command;
    if (row < 0 || row >= m_rows.size() || m_rows.at(row).file.isEmpty())
        return command;
    const QString path = playPath(row);
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        command.status = SoundPlayCommand::MissingFile;
        command.subject = path.isEmpty() ? m_rows.at(row).file : path;
        return command;
    }
    QString player = QStringLiteral("/usr/bin/play");
    if (!isExecutableFile(vyrSystemPath(player))) {
        if (path.endsWith(QLatin1String(".wav"))) {
            player = QStringLiteral("/usr/bin/aplay");
        } else if (path.endsWith(QLatin1String(".ogg")) || path.endsWith(QLatin1String(".oga"))) {
            player = QStringLiteral("/usr/bin/ogg123");
        } else {
            command.status = SoundPlayCommand::NoPlayer;
            command.subject = path;
            return command;
        }
        if (!isExecutableFile(vyrSystemPath(player))) {
            command.status = SoundPlayCommand::MissingPlayer;
            command.subject = player;
            return command;
        }
    }
    command.status = SoundPlayCommand::Ready;
    command.subject = path;
    command.program = vyrSystemPath(player);
    command.arguments = QStringList{QStringLiteral("-q"), path};
    command.environment = eventRoleEnvironment(QProcessEnvironment::systemEnvironment());
    return command;
}

bool EventSounds::hasSoundPlayer()
{
    return isExecutableFile(vyrSystemPath(QStringLiteral("/usr/bin/play")))
        || isExecutableFile(vyrSystemPath(QStringLiteral("/usr/bin/sndfile-play")));
}

QVector<SoundSaveEntry> EventSounds::saveEntries(bool enabled) const
{
    const QString flag = enabled ? QStringLiteral("true") : QStringLiteral("false");
    QVector<SoundSaveEntry> out;
    out.append({s_enableSound, flag, QStringLiteral("false"), true});
    // The window manager reads the ALSA switch apart; it always follows EnableSound.
    out.append({s_enableAlsa, flag, QStringLiteral("false"), true});
    const QVector<SoundEvent> &table = events();
    for (int row = 0; row < table.size(); ++row)
        out.append({text(table.at(row).key), m_rows.at(row).file, QString(), false});
    out.append({s_soundTheme, themeName(), QString(), false});
    return out;
}

void EventSounds::setEventRoleEnvironment()
{
    qputenv("PULSE_PROP_media.role", "event");
    qputenv("PULSE_PROP", "media.role=event");
}

QProcessEnvironment EventSounds::eventRoleEnvironment(const QProcessEnvironment &base)
{
    QProcessEnvironment env = base;
    env.insert(QStringLiteral("PULSE_PROP_media.role"), QStringLiteral("event"));
    env.insert(QStringLiteral("PULSE_PROP"), QStringLiteral("media.role=event"));
    return env;
}

QStringList EventSounds::notifyDaemonRestartCommand()
{
    if (!QFileInfo::exists(vyrSystemPath(QStringLiteral("/usr/bin/qtnotifydaemon"))))
        return {};
    return {vyrSystemPath(QStringLiteral("/usr/bin/killall")), QStringLiteral("qtnotifydaemon")};
}
