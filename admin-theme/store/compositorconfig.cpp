// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "compositorconfig.h"

#include <vyrsettings.h>

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <libconfig.h++>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
const char s_key[] = "shadow-color";

/// Parses libconfig text; false when it is not valid.
bool parse(libconfig::Config &config, const QByteArray &text)
{
    try {
        config.readString(text.constData());
    } catch (const libconfig::ParseException &) {
        return false;
    }
    return true;
}

bool holdsColour(const QByteArray &text, const std::string &colour)
{
    libconfig::Config check;
    std::string value;
    return parse(check, text) && check.getRoot().lookupValue(s_key, value) && value == colour;
}

/**
 * The file's text with the setting changed in place, so that the user's
 * comments and layout survive; empty when the setting's line cannot be
 * edited safely (the caller then lets libconfig write the whole file).
 */
QByteArray editInPlace(const QByteArray &original, const libconfig::Setting &root, const std::string &colour)
{
    const QByteArray quoted = QByteArray("\"") + colour.c_str() + '"';
    QByteArray text = original;
    if (!root.exists(s_key)) {
        if (!text.isEmpty() && !text.endsWith('\n'))
            text += '\n';
        text += QByteArray(s_key) + " = " + quoted + ";\n";
    } else {
        const libconfig::Setting &setting = root[s_key];
        const int lineIndex = int(setting.getSourceLine()) - 1;
        QList<QByteArray> lines = original.split('\n');
        if (setting.getType() != libconfig::Setting::TypeString || lineIndex < 0 || lineIndex >= lines.size())
            return QByteArray();
        static const QRegularExpression pattern(
            QStringLiteral(R"re(^(\s*shadow-color\s*[=:]\s*)"(?:[^"\\]|\\.)*")re"));
        const QString line = QString::fromUtf8(lines.at(lineIndex));
        const QRegularExpressionMatch match = pattern.match(line);
        if (!match.hasMatch())
            return QByteArray();
        lines[lineIndex] = match.captured(1).toUtf8() + quoted + line.mid(match.capturedEnd()).toUtf8();
        text = lines.join('\n');
    }
    return holdsColour(text, colour) ? text : QByteArray();
}

/// The whole configuration as libconfig writes it, with the colour set.
QByteArray rewriteWhole(libconfig::Config &config, const std::string &colour)
{
    libconfig::Setting &root = config.getRoot();
    if (root.exists(s_key) && root[s_key].getType() != libconfig::Setting::TypeString)
        root.remove(s_key);
    if (!root.exists(s_key))
        root.add(s_key, libconfig::Setting::TypeString);
    root[s_key] = colour;
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
}

bool setCompositorShadowColor(const QString &colour)
{
    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QString path = configDir + QStringLiteral("/picom.conf");
    if (!QFile::exists(path)) {
        path = configDir + QStringLiteral("/compton.conf");
        if (!QFile::exists(path)) {
            std::fprintf(stderr, "vyr-admin-theme: no %s\n", qPrintable(path));
            return false;
        }
    }
    QFile file(path);
    libconfig::Config config;
    QByteArray original;
    if (!file.open(QIODevice::ReadOnly) || (original = file.readAll(), !parse(config, original))) {
        std::fprintf(stderr, "vyr-admin-theme: cant read %s\n", qPrintable(path));
        return false;
    }
    file.close();

    const std::string wanted = colour.toStdString();
    std::string current;
    if (config.getRoot().lookupValue(s_key, current) && current == wanted)
        return true;

    QByteArray text = editInPlace(original, config.getRoot(), wanted);
    if (text.isEmpty())
        text = rewriteWhole(config, wanted);
    QString error;
    if (text.isEmpty() || !vyrWriteFileAtomically(path, text, &error, false)) {
        std::fprintf(stderr, "vyr-admin-theme: can't write %s: %s\n", qPrintable(path), qPrintable(error));
        return false;
    }
    return true;
}
