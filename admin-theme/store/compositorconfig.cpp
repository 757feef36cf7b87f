// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "compositorconfig.h"

#include <vyrfileio.h>
#include <vyrpaths.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QStandardPaths>

#include <libconfig.h++>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
using libconfig::Setting;

/// Parses libconfig text; false when it is not valid.
bool parse(libconfig::Config &config, const QByteArray &text)
{
    // The compositor reads the file as a stream, where a NUL byte is a
    // syntax error; the string reader would stop there, and a rewrite
    // would turn the text after it into settings.
    if (text.contains('\0'))
        return false;
    try {
        config.readString(text.constData());
    } catch (const libconfig::ConfigException &) {
        return false;
    }
    return true;
}

bool readFile(const QString &path, QByteArray *text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = file.readAll();
    return file.error() == QFileDevice::NoError;
}

Setting::Type typeOf(const QVariant &value)
{
    switch (value.type()) {
    case QVariant::Bool:
        return Setting::TypeBoolean;
    case QVariant::Int:
        return Setting::TypeInt;
    default:
        return Setting::TypeString;
    }
}

/// The top-level setting holds exactly this value, of this type.
bool holds(const Setting &root, const CompositorSetting &wanted)
{
    if (!root.exists(wanted.name.constData()))
        return false;
    const Setting &setting = root[wanted.name.constData()];
    if (setting.getType() != typeOf(wanted.value))
        return false;
    switch (setting.getType()) {
    case Setting::TypeBoolean:
        return bool(setting) == wanted.value.toBool();
    case Setting::TypeInt:
        return int(setting) == wanted.value.toInt();
    default:
        return std::string(setting.c_str()) == wanted.value.toString().toStdString();
    }
}

/// The value as libconfig spells it.
QByteArray literal(const QVariant &value)
{
    switch (value.type()) {
    case QVariant::Bool:
        return value.toBool() ? "true" : "false";
    case QVariant::Int:
        return QByteArray::number(value.toInt());
    default: {
        QByteArray text = value.toString().toUtf8();
        text.replace('\\', "\\\\").replace('"', "\\\"");
        return '"' + text + '"';
    }
    }
}

/**
 * @p text with one setting changed or appended; empty when the setting's
 * text cannot be found on its line (the caller falls back).
 */
QByteArray editSetting(const QByteArray &text, const Setting &root, const CompositorSetting &wanted)
{
    const QByteArray value = literal(wanted.value);
    if (!root.exists(wanted.name.constData())) {
        QByteArray result = text;
        if (!result.isEmpty() && !result.endsWith('\n'))
            result += '\n';
        return result + wanted.name + " = " + value + ";\n";
    }
    const Setting &setting = root[wanted.name.constData()];
    if (!setting.isScalar())
        return QByteArray();
    QList<QByteArray> lines = text.split('\n');
    const int lineIndex = int(setting.getSourceLine()) - 1;
    if (lineIndex < 0 || lineIndex >= lines.size())
        return QByteArray();
    // The name must start a statement, so that "shadow" never matches inside
    // "no-shadow" and a later "shadow-color" is not taken for "shadow".
    const QRegularExpression pattern(QStringLiteral(R"re((?:^|[\s;,])%1\s*[=:]\s*("(?:[^"\\]|\\.)*"|[^\s;,#/]+))re")
                                         .arg(QRegularExpression::escape(QString::fromUtf8(wanted.name))));
    const QString line = QString::fromUtf8(lines.at(lineIndex));
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch())
        return QByteArray();
    lines[lineIndex] = line.left(match.capturedStart(1)).toUtf8() + value + line.mid(match.capturedEnd(1)).toUtf8();
    return lines.join('\n');
}

/// The whole configuration as libconfig writes it, with the settings set.
QByteArray rewriteWhole(const QByteArray &original, const QList<CompositorSetting> &settings)
{
    libconfig::Config config;
    if (!parse(config, original))
        return QByteArray();
    try {
        Setting &root = config.getRoot();
        for (const CompositorSetting &wanted : settings) {
            const Setting::Type type = typeOf(wanted.value);
            if (root.exists(wanted.name.constData()) && root[wanted.name.constData()].getType() != type)
                root.remove(wanted.name.constData());
            if (!root.exists(wanted.name.constData()))
                root.add(wanted.name.constData(), type);
            Setting &setting = root[wanted.name.constData()];
            if (type == Setting::TypeBoolean)
                setting = wanted.value.toBool();
            else if (type == Setting::TypeInt)
                setting = wanted.value.toInt();
            else
                setting = wanted.value.toString().toStdString();
        }
    } catch (const libconfig::ConfigException &) {
        return QByteArray();
    }
    char *buffer = nullptr;
    size_t size = 0;
    FILE *stream = open_memstream(&buffer, &size);
    if (!stream)
        return QByteArray();
    config.write(stream);
    std::fclose(stream);
    const QByteArray text(buffer, int(size));
    std::free(buffer);
    return text;
}

/// A setting's type and value as text, a group's or list's with its members.
QByteArray describe(const Setting &setting)
{
    switch (setting.getType()) {
    case Setting::TypeInt:
        return "i" + QByteArray::number(int(setting));
    case Setting::TypeInt64:
        return "l" + QByteArray::number(static_cast<long long>(setting));
    case Setting::TypeFloat:
        return "f" + QByteArray::number(double(setting), 'g', 17);
    case Setting::TypeString:
        return "s" + QByteArray(setting.c_str());
    case Setting::TypeBoolean:
        return bool(setting) ? "btrue" : "bfalse";
    default:
        break;
    }
    QByteArray text = setting.isGroup() ? "{" : "[";
    for (int i = 0; i < setting.getLength(); ++i) {
        const char *name = setting[i].getName();
        text += (name ? QByteArray(name) + '=' : QByteArray()) + describe(setting[i]) + ';';
    }
    return text + ']';
}

/// Every top-level setting but @p settings, described.
QMap<QByteArray, QByteArray> otherSettings(const Setting &root, const QList<CompositorSetting> &settings)
{
    QMap<QByteArray, QByteArray> others;
    for (int i = 0; i < root.getLength(); ++i) {
        const QByteArray name = root[i].getName() ? QByteArray(root[i].getName()) : QByteArray();
        if (std::none_of(settings.begin(), settings.end(),
                         [&](const CompositorSetting &wanted) { return wanted.name == name; }))
            others.insert(name, describe(root[i]));
    }
    return others;
}

/**
 * Every setting holds its value in @p text, and every other top-level
 * setting is @p others: an edit on one line can turn a value over several
 * lines (a string with line breaks) into settings of its text.
 */
bool holdsAll(const QByteArray &text, const QList<CompositorSetting> &settings,
              const QMap<QByteArray, QByteArray> &others)
{
    libconfig::Config check;
    if (!parse(check, text))
        return false;
    for (const CompositorSetting &wanted : settings) {
        if (!holds(check.getRoot(), wanted))
            return false;
    }
    return otherSettings(check.getRoot(), settings) == others;
}

bool readBool(const Setting &root, const char *name)
{
    bool value = false;
    return root.lookupValue(name, value) && value;
}

int readInt(const Setting &root, const char *name)
{
    if (!root.exists(name))
        return 0;
    const Setting &setting = root[name];
    switch (setting.getType()) {
    case Setting::TypeInt:
        return int(setting);
    case Setting::TypeInt64:
        return static_cast<long long>(setting) > 0 ? 1 : 0;
    case Setting::TypeFloat:
        return double(setting) > 0 ? 1 : 0;
    default:
        return 0;
    }
}

QString userConfigDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}
}

CompositorFileResult setCompositorSettings(const QString &path, const QList<CompositorSetting> &settings,
                                           QString *error)
{
    QByteArray original;
    libconfig::Config config;
    if (!readFile(path, &original) || !parse(config, original))
        return CompositorFileResult::Unreadable;

    QList<CompositorSetting> pending;
    for (const CompositorSetting &wanted : settings) {
        if (!holds(config.getRoot(), wanted))
            pending.append(wanted);
    }
    if (pending.isEmpty())
        return CompositorFileResult::Unchanged;
    const QMap<QByteArray, QByteArray> others = otherSettings(config.getRoot(), settings);

    QByteArray text = original;
    for (const CompositorSetting &wanted : qAsConst(pending)) {
        libconfig::Config current;
        if (!parse(current, text)) {
            text.clear();
            break;
        }
        text = editSetting(text, current.getRoot(), wanted);
        if (text.isEmpty())
            break;
    }
    if (text.isEmpty() || !holdsAll(text, settings, others)) {
        // libconfig's writer loses the comments: keep the user's file first.
        if (!vyrKeepBackup(path, error))
            return CompositorFileResult::WriteFailed;
        text = rewriteWhole(original, settings);
        if (text.isEmpty() || !holdsAll(text, settings, others)) {
            if (error)
                *error = QCoreApplication::translate("CompositorConfig", "the settings cannot be stored in this file");
            return CompositorFileResult::WriteFailed;
        }
    }
    if (!vyrWriteFileAtomically(path, text, error, false))
        return CompositorFileResult::WriteFailed;
    return CompositorFileResult::Written;
}

bool readCompositorOptions(const QString &path, CompositorOptions *options)
{
    QByteArray text;
    libconfig::Config config;
    if (!readFile(path, &text) || !parse(config, text))
        return false;
    const Setting &root = config.getRoot();
    options->shadow = readBool(root, "shadow");
    options->transparency = readBool(root, "enable-transparency");
    options->roundCorners = readInt(root, "corner-radius") > 0;
    options->fading = readBool(root, "fading");
    options->animations = readBool(root, "animations");
    options->vsync = readBool(root, "vsync");
    return true;
}

CompositorFileResult writeCompositorOptions(const QString &path, const CompositorOptions &options, QString *error)
{
    return setCompositorSettings(path,
                                 {{"enable-transparency", options.transparency},
                                  {"vsync", options.vsync},
                                  {"shadow", options.shadow},
                                  {"corner-radius", options.roundCorners ? 7 : 0},
                                  {"fading", options.fading},
                                  {"animations", options.animations}},
                                 error);
}

CompositorFileOrigin prepareCompositorConfigFile(QString *path)
{
    const QString configDir = userConfigDir();
    if (path->isEmpty()) {
        *path = configDir + QStringLiteral("/picom.conf");
        if (!QFileInfo::exists(*path))
            *path = configDir + QStringLiteral("/compton.conf");
    }
    if (QFileInfo::exists(*path))
        return CompositorFileOrigin::Existing;

    // The same directory the shadow colour and picom itself read.
    *path = configDir + QStringLiteral("/picom.conf");
    if (QFileInfo::exists(*path))
        return CompositorFileOrigin::Existing;
    for (const char *system : {"/etc/xdg/picom.conf", "/etc/xdg/picom/picom.conf", "/etc/xdg/compton.conf"}) {
        const QString source = vyrSystemPath(QString::fromLatin1(system));
        if (!QFileInfo(source).isFile())
            continue;
        QByteArray text;
        if (readFile(source, &text) && vyrWriteFileAtomically(*path, text))
            return CompositorFileOrigin::CopiedFromSystem;
        return CompositorFileOrigin::CreateFailed;
    }
    return vyrWriteFileAtomically(*path, QByteArray()) ? CompositorFileOrigin::CreatedEmpty
                                                       : CompositorFileOrigin::CreateFailed;
}

bool setCompositorShadowColor(const QString &colour)
{
    const QString configDir = userConfigDir();
    QString path = configDir + QStringLiteral("/picom.conf");
    if (!QFile::exists(path)) {
        path = configDir + QStringLiteral("/compton.conf");
        if (!QFile::exists(path)) {
            std::fprintf(stderr, "vyr-admin-theme: no %s\n", qPrintable(path));
            return false;
        }
    }
    QString error;
    switch (setCompositorSettings(path, {{"shadow-color", colour}}, &error)) {
    case CompositorFileResult::Unreadable:
        std::fprintf(stderr, "vyr-admin-theme: cant read %s\n", qPrintable(path));
        return false;
    case CompositorFileResult::WriteFailed:
        std::fprintf(stderr, "vyr-admin-theme: can't write %s: %s\n", qPrintable(path), qPrintable(error));
        return false;
    default:
        return true;
    }
}
