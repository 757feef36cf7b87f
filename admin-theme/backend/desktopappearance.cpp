// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "desktopappearance.h"

#include <distribution.h>
#include <schemeapply.h>
#include <schemepalette.h>
#include <session.h>
#include <themepaths.h>
#include <themesettings.h>
#include <wmcolours.h>

#include <vyrautostart.h>
#include <vyrfileio.h>
#include <vyricontheme.h>
#include <vyrinidocument.h>
#include <vyrpaths.h>
#include <vyrqtsettings.h>
#include <vyrsettings.h>
#include <vyrx11.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <KConfig>
#include <KConfigGroup>

#include <QSet>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <functional>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using FontSettings::FontSpec;

namespace {
const QByteArray s_gtk3Group = QByteArrayLiteral("Settings");

/// @p name below @p base; empty without a base (no home: nowhere to write).
QString below(const QString &base, const QString &name)
{
    return base.isEmpty() ? QString() : base + QLatin1Char('/') + name;
}

QString configHome()
{
    if (GetVyrDir(VyrDirHome).isEmpty())
        return QString();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

/// Text safe inside a quoted value of one line: line breaks and other
/// control characters could end the line or the file's syntax.
QString oneLine(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            out += c;
    }
    return out;
}

/// A double-quoted string with backslash escapes, as gtkrc and xsettingsd read it.
QByteArray quoted(const QString &text)
{
    QByteArray out = oneLine(text).toUtf8();
    out.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + out + '"';
}

QString sizeText(double size)
{
    return size == std::floor(size) ? QString::number(qint64(size)) : QString::number(size, 'g', 6);
}

/// Key/value lines of a line-based file: the first line of each key gets
/// the new value (or goes when the value is empty), later ones go, missing
/// keys are added at the end; every other line stays as it was.
QByteArray mergeLines(const QByteArray &old, const QVector<QPair<QByteArray, QByteArray>> &entries,
                      QByteArray (*keyOf)(const QByteArray &line), const QByteArray &separator)
{
    QList<QByteArray> lines = old.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QSet<QByteArray> written;
    QList<QByteArray> out;
    for (const QByteArray &line : qAsConst(lines)) {
        const QByteArray key = keyOf(line);
        auto entry = std::find_if(entries.begin(), entries.end(), [&key](const auto &e) { return e.first == key; });
        if (key.isEmpty() || entry == entries.end()) {
            out << line;
            continue;
        }
        if (!written.contains(key) && !entry->second.isEmpty())
            out << key + separator + entry->second;
        written.insert(key);
    }
    for (const auto &entry : entries) {
        if (!written.contains(entry.first) && !entry.second.isEmpty())
            out << entry.first + separator + entry.second;
    }
    return out.isEmpty() ? QByteArray() : out.join('\n') + '\n';
}

QByteArray gtkrcKey(const QByteArray &line)
{
    const QByteArray trimmed = line.trimmed();
    const int eq = trimmed.indexOf('=');
    if (trimmed.startsWith('#') || eq <= 0)
        return QByteArray();
    return trimmed.left(eq).trimmed();
}

QByteArray xsettingsKey(const QByteArray &line)
{
    const QByteArray trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith('#'))
        return QByteArray();
    const int blank = trimmed.indexOf(' ');
    const int tab = trimmed.indexOf('\t');
    const int end = blank < 0 ? tab : tab < 0 ? blank : std::min(blank, tab);
    return end < 0 ? trimmed : trimmed.left(end);
}

QByteArray readAll(const QString &path, bool *readable)
{
    QFile file(path);
    *readable = true;
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly)) {
        *readable = false;
        return QByteArray();
    }
    return file.readAll();
}

/// The scheme file's text, empty when it cannot be read.
QByteArray schemeText(const QString &scheme)
{
    if (scheme.isEmpty())
        return QByteArray();
    QFile file(schemeFilePath(scheme));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isColourGroup(const QString &group)
{
    return group.startsWith(QLatin1String("Colors:")) || group.startsWith(QLatin1String("ColorEffects:"));
}

/// Copies the entries of @p from and of its nested groups into @p to.
/// (KConfigGroup::copyTo() would also have the copy announced on the
/// session bus, under the private file's name.)
void copyGroup(const KConfigGroup &from, KConfigGroup &to)
{
    const QMap<QString, QString> entries = from.entryMap();
    for (auto it = entries.begin(); it != entries.end(); ++it)
        to.writeEntry(it.key(), it.value());
    for (const QString &name : from.groupList()) {
        KConfigGroup nested = to.group(name);
        copyGroup(from.group(name), nested);
    }
}

// /proc of one process, as the finder needs it.
QByteArray procFile(int pid, const char *name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The process is this user's xsettingsd on the display of this process.
bool isOurXsettingsd(int pid)
{
    struct stat info;
    const QByteArray dir = "/proc/" + QByteArray::number(pid);
    if (::stat(dir.constData(), &info) != 0 || info.st_uid != ::getuid())
        return false;
    if (procFile(pid, "comm").trimmed() != "xsettingsd")
        return false;
    const QString ours = vyrDisplayWithoutScreen(qEnvironmentVariable("DISPLAY"));
    for (const QByteArray &variable : procFile(pid, "environ").split('\0')) {
        if (variable.startsWith("DISPLAY="))
            return vyrDisplayWithoutScreen(QString::fromLocal8Bit(variable.mid(8))) == ours;
    }
    return false;
}
}

DesktopAppearance DesktopAppearance::current(const ThemeSettings &theme)
{
    DesktopAppearance appearance;
    const VyrSettings paletteFile(paletteFilePath());
    appearance.scheme =
        paletteFile.value(QStringLiteral("ColorScheme"), Distribution::defaultColourScheme(sessionFlags())).toString();
    VyrQtSettings qt;
    qt.read(trolltechPath());
    if (const std::optional<QPalette> palette = qt.palette())
        appearance.palette = *palette;

    const FontSpec defaultFont = FontSettings::fontEntries().first().defaultFont;
    const QString fontText =
        theme.value(QStringLiteral("DefaultFont"), FontSettings::fontValue(defaultFont)).toString();
    appearance.font = FontSettings::parseFontValue(fontText).value_or(defaultFont);
    appearance.iconTheme = theme.value(QStringLiteral("IconTheme"), QStringLiteral("breeze")).toString().trimmed();
    if (appearance.iconTheme.isEmpty())
        appearance.iconTheme = QStringLiteral("breeze");

    Display *display = vyrX11Display();
    appearance.cursorTheme = VyrIconTheme::getCurrentCursorThemeName(display);
    appearance.cursorSize = std::max(0, VyrIconTheme::getCurrentCursorThemeSize(display));

    // The program settings vyrInit() names for vyr-admin-theme; named here
    // too, since the service modes run without an application object.
    const QSettings settings(QStringLiteral("orlenvask"), QStringLiteral("vyr-admin-theme"));
    appearance.xft = FontSettings::xftValues(settings);
    return appearance;
}

bool DesktopAppearance::prefersDark() const
{
    return palette.color(QPalette::Active, QPalette::Window).lightnessF() < 0.5;
}

QString DesktopAppearance::gtkFontName() const
{
    QString name = oneLine(font.family);
    if (font.weight > 57)
        name += QLatin1String(" Bold");
    if (font.italic)
        name += QLatin1String(" Italic");
    return name + QLatin1Char(' ') + sizeText(font.pointSize);
}

QByteArray DesktopAppearance::gtk3Settings(const QByteArray &old) const
{
    VyrIniDocument doc;
    doc.loadData(old);
    auto set = [&doc](const char *key, const QByteArray &value) {
        if (value.isEmpty())
            doc.removeKey(s_gtk3Group, key);
        else
            doc.setValue(s_gtk3Group, key, value);
    };
    set("gtk-icon-theme-name", oneLine(iconTheme).toUtf8());
    set("gtk-cursor-theme-name", oneLine(cursorTheme).toUtf8());
    set("gtk-cursor-theme-size", cursorSize > 0 ? QByteArray::number(cursorSize) : QByteArray());
    set("gtk-font-name", gtkFontName().toUtf8());
    set("gtk-application-prefer-dark-theme", prefersDark() ? "true" : "false");
    return doc.saveData();
}

QByteArray DesktopAppearance::gtk2Settings(const QByteArray &old) const
{
    const QVector<QPair<QByteArray, QByteArray>> entries = {
        {"gtk-icon-theme-name", iconTheme.isEmpty() ? QByteArray() : quoted(iconTheme)},
        {"gtk-cursor-theme-name", cursorTheme.isEmpty() ? QByteArray() : quoted(cursorTheme)},
        {"gtk-cursor-theme-size", cursorSize > 0 ? QByteArray::number(cursorSize) : QByteArray()},
        {"gtk-font-name", quoted(gtkFontName())},
    };
    return mergeLines(old, entries, gtkrcKey, "=");
}

QByteArray DesktopAppearance::xsettingsdConfig(const QByteArray &old) const
{
    const int hinting = xft.hinting();
    const QVector<QPair<QByteArray, QByteArray>> entries = {
        {"Net/IconThemeName", iconTheme.isEmpty() ? QByteArray() : quoted(iconTheme)},
        {"Gtk/CursorThemeName", cursorTheme.isEmpty() ? QByteArray() : quoted(cursorTheme)},
        {"Gtk/CursorThemeSize", cursorSize > 0 ? QByteArray::number(cursorSize) : QByteArray()},
        {"Gtk/FontName", quoted(gtkFontName())},
        {"Xft/Antialias", xft.antialias ? "1" : "0"},
        {"Xft/Hinting", hinting < 0 ? QByteArray() : QByteArray::number(hinting)},
        {"Xft/HintStyle", xft.hintStyle.isEmpty() ? QByteArray() : quoted(xft.hintStyle)},
        {"Xft/RGBA", quoted(xft.rgba.isEmpty() ? QStringLiteral("none") : xft.rgba)},
        // XSETTINGS carries the DPI in 1/1024 dots per inch.
        {"Xft/DPI", xft.dpi > 0 ? QByteArray::number(xft.dpi * 1024) : QByteArray()},
    };
    return mergeLines(old, entries, xsettingsKey, " ");
}

QByteArray DesktopAppearance::kdeGlobals(const QByteArray &old, const QByteArray &schemeFile) const
{
    // KConfig, not the INI layer: KDE's files nest groups
    // ("[Colors:Header][Inactive]") and mark entries ("[$e]"), which only
    // KConfig reads and writes faithfully. It works on copies in a private
    // directory; the caller replaces the real file atomically.
    const QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("kdeglobals"));
    const QString source = dir.filePath(QStringLiteral("scheme.colors"));
    if (!dir.isValid() || !vyrWriteFileAtomically(target, old) || !vyrWriteFileAtomically(source, schemeFile))
        return old;
    {
        KConfig globals(target, KConfig::SimpleConfig);
        if (!schemeFile.isEmpty()) {
            const KConfig colours(source, KConfig::SimpleConfig);
            for (const QString &group : globals.groupList()) {
                if (isColourGroup(group))
                    globals.deleteGroup(group);
            }
            for (const QString &group : colours.groupList()) {
                if (!isColourGroup(group))
                    continue;
                KConfigGroup copy(&globals, group);
                copyGroup(KConfigGroup(&colours, group), copy);
            }
            if (isGeneratedScheme(scheme)) {
                for (const SchemeColourEntry &entry : generatedSchemeColours(palette))
                    KConfigGroup(&globals, entry.group).writeEntry(entry.key, entry.colour);
            }
            KConfigGroup(&globals, "General").writeEntry("ColorScheme", oneLine(QFileInfo(scheme).completeBaseName()));
        }
        if (!iconTheme.isEmpty())
            KConfigGroup(&globals, "Icons").writeEntry("Theme", oneLine(iconTheme));
        if (!globals.sync())
            return old;
    }
    QFile file(target);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : old;
}

QString DesktopAppearance::trolltechPath()
{
    return VyrQtSettings::defaultPath();
}

QString DesktopAppearance::gtk3Path()
{
    return below(configHome(), QStringLiteral("gtk-3.0/settings.ini"));
}

QString DesktopAppearance::gtk2Path()
{
    return below(GetVyrDir(VyrDirHome), QStringLiteral(".gtkrc-2.0"));
}

QString DesktopAppearance::xsettingsdPath()
{
    const QString own = below(GetVyrDir(VyrDirHome), QStringLiteral(".xsettingsd"));
    if (!own.isEmpty() && QFileInfo::exists(own))
        return own;
    return below(configHome(), QStringLiteral("xsettingsd/xsettingsd.conf"));
}

QString DesktopAppearance::kdeGlobalsPath()
{
    return below(configHome(), QStringLiteral("kdeglobals"));
}

bool DesktopAppearance::write(QStringList *errors) const
{
    bool ok = true;
    auto report = [&](const QString &line) {
        std::fprintf(stderr, "vyr-admin-theme: %s\n", qPrintable(line));
        if (errors)
            *errors << line;
        ok = false;
    };

    QFont qtFont(font.family);
    if (font.pointSize > 0)
        qtFont.setPointSizeF(font.pointSize);
    qtFont.setWeight(font.weight);
    qtFont.setItalic(font.italic);
    QString error;
    if (!GetVyrDir(VyrDirHome).isEmpty() && !VyrQtSettings::writeFont(trolltechPath(), qtFont.toString(), &error))
        report(QStringLiteral("can't write %1: %2").arg(trolltechPath(), error));

    const QByteArray scheme = schemeText(this->scheme);
    const struct {
        QString path;
        std::function<QByteArray(const QByteArray &)> text;
    } targets[] = {
        {gtk3Path(), [this](const QByteArray &old) { return gtk3Settings(old); }},
        {gtk2Path(), [this](const QByteArray &old) { return gtk2Settings(old); }},
        {xsettingsdPath(), [this](const QByteArray &old) { return xsettingsdConfig(old); }},
        {kdeGlobalsPath(), [this, &scheme](const QByteArray &old) { return kdeGlobals(old, scheme); }},
    };
    for (const auto &target : targets) {
        if (target.path.isEmpty())
            continue;
        bool readable = true;
        const QByteArray old = readAll(target.path, &readable);
        if (!readable) {
            // What cannot be read cannot be kept: the file stays as it is.
            report(QStringLiteral("can't read %1, left as it is").arg(target.path));
            continue;
        }
        const QByteArray text = target.text(old);
        if (text == old && QFileInfo::exists(target.path))
            continue;
        if (!vyrWriteFileAtomically(target.path, text, &error))
            report(QStringLiteral("can't write %1: %2").arg(target.path, error));
    }
    return ok;
}

void DesktopAppearance::notify() const
{
    if (!vyrX11Display())
        return;
    if (!XSettingsDaemon::reload() && XSettingsDaemon::installed() && XSettingsDaemon::autostartWanted())
        XSettingsDaemon::start();
    // The time stamp alone: the style's signal belongs to a new scheme,
    // which the colour engine announces itself.
    notifyQtSettingsChanged();
}

namespace XSettingsDaemon {

int findRunning()
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool numeric = false;
        const int pid = entry.toInt(&numeric);
        if (numeric && pid > 0 && isOurXsettingsd(pid))
            return pid;
    }
    return 0;
}

bool reload()
{
    const int pid = findRunning();
    if (!pid)
        return false;
    // The descriptor holds on to the process: checked again through it, the
    // signal cannot reach another process that took over the number.
    // (Called through syscall(): the C library's declarations are not
    // usable from C++ in every version.)
    const int fd = int(::syscall(SYS_pidfd_open, pid, 0));
    if (fd < 0)
        return isOurXsettingsd(pid) && ::kill(pid, SIGHUP) == 0;
    const bool sent = isOurXsettingsd(pid) && ::syscall(SYS_pidfd_send_signal, fd, SIGHUP, nullptr, 0) == 0;
    ::close(fd);
    return sent;
}

bool autostartWanted()
{
    const QString program = QStringLiteral("xsettingsd");
    if (!QFileInfo::exists(vyrAutostartPath(program)) && !vyrIsAutostartEnabled(program))
        vyrEnableAutostart(program, true);
    return vyrIsAutostartEnabled(program);
}

QString programPath()
{
    return vyrSystemPath(QStringLiteral("/usr/bin/xsettingsd"));
}

bool installed()
{
    return QFileInfo(programPath()).isExecutable();
}

bool start()
{
    const QString program = programPath();
    if (!installed())
        return false;
    QProcess process;
    process.setProgram(program);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setWorkingDirectory(QDir::rootPath());
    return process.startDetached();
}
}
