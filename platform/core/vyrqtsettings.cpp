// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrqtsettings.h"
#include "vyrinidocument.h"

#include <QColor>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QByteArray s_group = QByteArrayLiteral("Qt");
const QByteArray s_style = QByteArrayLiteral("style");
const QByteArray s_effects = QByteArrayLiteral("GUIEffects");
const QByteArray s_doubleClick = QByteArrayLiteral("doubleClickInterval");
const QByteArray s_cursorFlash = QByteArrayLiteral("cursorFlashTime");
const QByteArray s_wheelLines = QByteArrayLiteral("wheelScrollLines");
const QByteArray s_font = QByteArrayLiteral("font");
// QSettings keeps "Palette/active" as "Palette\active" in the file.
const char *const s_paletteKeys[3] = {"Palette\\active", "Palette\\inactive", "Palette\\disabled"};
constexpr int s_roleCount = int(QPalette::PlaceholderText) + 1;

using Range = VyrQtSettings::Range;

QString single(const VyrIniDocument &doc, const QByteArray &key, bool *found = nullptr)
{
    return vyrQSettingsStrings(doc.value(s_group, key, QByteArray(), found)).join(QLatin1Char(','));
}

int readInt(const VyrIniDocument &doc, const QByteArray &key, int fallback, Range range)
{
    bool ok = false;
    const int value = single(doc, key).trimmed().toInt(&ok);
    return ok && value >= range.min && value <= range.max ? value : fallback;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool loadForMerge(VyrIniDocument &doc, const QString &path, QString *error)
{
    if (doc.loadFile(path) || !QFileInfo::exists(path))
        return true;
    if (error)
        *error = QCoreApplication::translate("VyrQtSettings", "can't read %1").arg(path);
    return false;
}
}

QStringList vyrQSettingsStrings(const QByteArray &raw)
{
    QStringList result;
    QByteArray current; // UTF-8 bytes of the element being read
    bool quoted = false;
    bool currentQuoted = false;
    bool any = false;
    int i = 0;
    const int n = raw.size();
    auto skipBlanks = [&] {
        while (i < n && (raw.at(i) == ' ' || raw.at(i) == '\t'))
            ++i;
    };
    auto finish = [&] {
        if (!currentQuoted) {
            while (!current.isEmpty() && (current.endsWith(' ') || current.endsWith('\t')))
                current.chop(1);
        }
        result << QString::fromUtf8(current);
        current.clear();
        currentQuoted = false;
    };
    skipBlanks();
    while (i < n) {
        const char c = raw.at(i);
        any = true;
        if (c == '"') {
            quoted = !quoted;
            currentQuoted = true;
            ++i;
            continue;
        }
        if (c == ',' && !quoted) {
            finish();
            ++i;
            skipBlanks();
            continue;
        }
        if (c != '\\' || i + 1 >= n) {
            current += c;
            ++i;
            continue;
        }
        const char e = raw.at(i + 1);
        i += 2;
        switch (e) {
        case 'a': current += '\a'; break;
        case 'b': current += '\b'; break;
        case 'f': current += '\f'; break;
        case 'n': current += '\n'; break;
        case 'r': current += '\r'; break;
        case 't': current += '\t'; break;
        case 'v': current += '\v'; break;
        case 'x': {
            uint code = 0;
            int digits = 0;
            while (i < n && digits < 4 && isHexDigit(raw.at(i))) {
                code = code * 16 + uint(QByteArray(1, raw.at(i)).toUInt(nullptr, 16));
                ++i;
                ++digits;
            }
            current += QString(QChar(char16_t(code))).toUtf8();
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                uint code = uint(e - '0');
                int digits = 1;
                while (i < n && digits < 3 && raw.at(i) >= '0' && raw.at(i) <= '7') {
                    code = code * 8 + uint(raw.at(i) - '0');
                    ++i;
                    ++digits;
                }
                current += QString(QChar(char16_t(code))).toUtf8();
            } else {
                // \" \' \\ \? and anything unknown stand for themselves.
                current += e;
            }
        }
    }
    if (any)
        finish();
    // QSettings marks a plain string that starts with '@' by doubling it.
    if (result.size() == 1 && result.first().startsWith(QLatin1String("@@")))
        result.first().remove(0, 1);
    return result;
}

QByteArray vyrQSettingsEscaped(const QString &value)
{
    QByteArray out;
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    const QString text = value.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + value : value;
    for (const QChar ch : text) {
        const ushort code = ch.unicode();
        if (code == ';' || code == ',' || code == '=')
            needsQuotes = true;
        if (escapeNextIfHex && code < 0x80 && isHexDigit(char(code))) {
            out += "\\x" + QByteArray::number(code, 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (code) {
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        default:
            if (code <= 0x1f || code >= 0x7f) {
                out += "\\x" + QByteArray::number(code, 16);
                escapeNextIfHex = true;
            } else {
                out += char(code);
            }
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' '))
        out = '"' + out + '"';
    return out;
}

QStringList VyrQtSettings::knownEffects()
{
    return {QStringLiteral("general"),        QStringLiteral("animatemenu"),    QStringLiteral("fademenu"),
            QStringLiteral("animatecombo"),   QStringLiteral("animatetooltip"), QStringLiteral("fadetooltip"),
            QStringLiteral("animatetoolbox")};
}

QString VyrQtSettings::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Trolltech.conf");
}

bool VyrQtSettings::read(const QString &path)
{
    *this = VyrQtSettings();
    VyrIniDocument doc;
    if (!doc.loadFile(path))
        return !QFileInfo::exists(path);
    style = single(doc, s_style).trimmed();
    bool found = false;
    const QStringList effects = vyrQSettingsStrings(doc.value(s_group, s_effects, QByteArray(), &found));
    if (found) {
        guiEffects.clear();
        const QStringList known = knownEffects();
        for (const QString &word : effects) {
            const QString effect = word.trimmed().toLower();
            if (known.contains(effect) && !guiEffects.contains(effect))
                guiEffects << effect;
        }
    }
    doubleClickInterval = readInt(doc, s_doubleClick, doubleClickInterval, VyrQtSettings::doubleClickRange);
    cursorFlashTime = readInt(doc, s_cursorFlash, cursorFlashTime, VyrQtSettings::cursorFlashRange);
    wheelScrollLines = readInt(doc, s_wheelLines, wheelScrollLines, VyrQtSettings::wheelLinesRange);
    font = single(doc, s_font);
    for (int group = 0; group < 3; ++group)
        paletteLists[group] = vyrQSettingsStrings(doc.value(s_group, s_paletteKeys[group]));
    return true;
}

bool VyrQtSettings::write(const QString &path, QString *error) const
{
    // Read the file again: other pages (the palette) may have written it since.
    VyrIniDocument doc;
    if (!loadForMerge(doc, path, error))
        return false;
    if (style.isEmpty())
        doc.removeKey(s_group, s_style);
    else
        doc.setValue(s_group, s_style, vyrQSettingsEscaped(style));
    doc.setValue(s_group, s_effects,
                 guiEffects.isEmpty() ? QByteArrayLiteral("none") : guiEffects.join(QStringLiteral(", ")).toUtf8());
    doc.setValue(s_group, s_doubleClick, QByteArray::number(doubleClickInterval));
    doc.setValue(s_group, s_cursorFlash, QByteArray::number(cursorFlashTime));
    doc.setValue(s_group, s_wheelLines, QByteArray::number(wheelScrollLines));
    return doc.saveFile(path, error);
}

bool VyrQtSettings::writeFont(const QString &path, const QString &font, QString *error)
{
    VyrIniDocument doc;
    if (!loadForMerge(doc, path, error))
        return false;
    const QByteArray value = vyrQSettingsEscaped(font);
    if (doc.value(s_group, s_font) == value && QFileInfo::exists(path))
        return true;
    doc.setValue(s_group, s_font, value);
    return doc.saveFile(path, error);
}

bool VyrQtSettings::hasPalette() const
{
    return !paletteLists[0].isEmpty() || !paletteLists[1].isEmpty() || !paletteLists[2].isEmpty();
}

std::optional<QPalette> VyrQtSettings::palette(QString *problem) const
{
    static const char *const names[3] = {"active", "inactive", "disabled"};
    static const QPalette::ColorGroup groups[3] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};
    QPalette result;
    for (int group = 0; group < 3; ++group) {
        const QStringList &list = paletteLists[group];
        if (list.size() != s_roleCount) {
            if (problem)
                *problem = QStringLiteral("Palette/%1 holds %2 colours, not %3")
                               .arg(QLatin1String(names[group]))
                               .arg(list.size())
                               .arg(s_roleCount);
            return std::nullopt;
        }
        for (int role = 0; role < s_roleCount; ++role) {
            const QColor colour(list.at(role).trimmed());
            if (!colour.isValid()) {
                if (problem)
                    *problem = QStringLiteral("Palette/%1 colour %2 is not a colour: %3")
                                   .arg(QLatin1String(names[group]))
                                   .arg(role + 1)
                                   .arg(list.at(role));
                return std::nullopt;
            }
            result.setBrush(groups[group], QPalette::ColorRole(role), QBrush(colour, Qt::SolidPattern));
        }
    }
    return result;
}

bool VyrQtSettings::operator==(const VyrQtSettings &other) const
{
    return style == other.style && guiEffects == other.guiEffects && doubleClickInterval == other.doubleClickInterval
        && cursorFlashTime == other.cursorFlashTime && wheelScrollLines == other.wheelScrollLines;
}
