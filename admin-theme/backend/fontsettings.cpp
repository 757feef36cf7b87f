// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fontsettings.h"

#include <vyrxresources.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QtGlobal>

#include <fontconfig/fontconfig.h>

#include <cmath>

namespace FontSettings {

namespace {
const QString s_family = QStringLiteral("PT Solva Fact");
constexpr int s_normal = 50;
constexpr int s_bold = 75;

FontSpec spec(double size, int weight = s_normal)
{
    return FontSpec{s_family, size, weight, false};
}

// A settings value usable as one field of a command or a resource value: a
// single word without control characters.
bool isWord(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c.isSpace() || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString word(const QSettings &settings, const QString &key, const QString &fallback)
{
    const QString text = settings.value(key, fallback).toString();
    return isWord(text) ? text : fallback;
}

int forcedDpi(const QSettings &settings)
{
    bool ok = false;
    const int dpi = settings.value(QStringLiteral("forceFontDPI"), 0).toString().trimmed().toInt(&ok);
    return ok && dpi > 0 ? dpi : 0;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}
}

const QVector<FontEntry> &fontEntries()
{
    static const QVector<FontEntry> entries{
        {QT_TRANSLATE_NOOP("FontPage", "General"), "Variables", "DefaultFont", spec(10),
         QT_TRANSLATE_NOOP("FontPage", "Default.")},
        {QT_TRANSLATE_NOOP("FontPage", "Title"), "Variables", "TitleFont", spec(9),
         QT_TRANSLATE_NOOP("FontPage", "Window titles.")},
        {QT_TRANSLATE_NOOP("FontPage", "Start Menu"), "Variables", "StartMenuFont", spec(10),
         QT_TRANSLATE_NOOP("FontPage", "Start menu.")},
        {QT_TRANSLATE_NOOP("FontPage", "Control Menu"), "Variables", "CtrlMenuFont", spec(9),
         QT_TRANSLATE_NOOP("FontPage", "Control menus.")},
        {QT_TRANSLATE_NOOP("FontPage", "Dialog"), "Variables", "DialogFont", spec(10),
         QT_TRANSLATE_NOOP("FontPage", "Dialogs.")},
        {QT_TRANSLATE_NOOP("FontPage", "Taskbar"), "Variables", "TaskbarFont", spec(9),
         QT_TRANSLATE_NOOP("FontPage", "Taskbar.")},
        {QT_TRANSLATE_NOOP("FontPage", "Taskbar bold"), "Variables", "TaskbarBoldFont", spec(9, s_bold),
         QT_TRANSLATE_NOOP("FontPage", "Taskbar bold.")},
        {QT_TRANSLATE_NOOP("FontPage", "Taskbar clock"), "Variables", "TaskbarClockFont", spec(16, s_bold),
         QT_TRANSLATE_NOOP("FontPage", "Taskbar clock.")},
        {QT_TRANSLATE_NOOP("FontPage", "Taskbar date"), "Variables", "TaskbarDateFont", spec(9),
         QT_TRANSLATE_NOOP("FontPage", "Taskbar date.")},
        {QT_TRANSLATE_NOOP("FontPage", "Taskbar lang"), "Variables", "TaskbarLangFont", spec(14),
         QT_TRANSLATE_NOOP("FontPage", "Taskbar language indicator.")},
        {QT_TRANSLATE_NOOP("FontPage", "Icon"), "Variables", "IconFont", spec(9),
         QT_TRANSLATE_NOOP("FontPage", "Icons.")},
        {QT_TRANSLATE_NOOP("FontPage", "Tooltip"), "Variables", "TooltipFont", spec(10),
         QT_TRANSLATE_NOOP("FontPage", "Tooltips.")},
    };
    return entries;
}

QString fontValue(const FontSpec &font)
{
    const double size = font.pointSize;
    const QString sizeText = size == std::floor(size) && std::fabs(size) < 1e9
        ? QString::number(static_cast<qint64>(size))
        : QString::number(size, 'g', 6);
    QString value = font.family + QLatin1Char('-') + sizeText
        + (font.weight > 57 ? QLatin1String(":bold") : QLatin1String(":normal"));
    if (font.italic)
        value += QLatin1String(":italic");
    return value;
}

std::optional<FontSpec> parseFontValue(const QString &value)
{
    const int colon = value.indexOf(QLatin1Char(':'));
    const QString head = colon < 0 ? value : value.left(colon);
    const int dash = head.lastIndexOf(QLatin1Char('-'));
    if (dash <= 0)
        return std::nullopt;
    FontSpec font;
    font.family = head.left(dash).trimmed();
    bool ok = false;
    font.pointSize = head.mid(dash + 1).trimmed().toDouble(&ok);
    if (font.family.isEmpty() || !ok || !(font.pointSize > 0) || !std::isfinite(font.pointSize))
        return std::nullopt;
    if (colon >= 0) {
        const QStringList properties = value.mid(colon + 1).split(QLatin1Char(':'));
        for (const QString &property : properties) {
            const QString p = property.trimmed().toLower();
            if (p == QLatin1String("bold"))
                font.weight = s_bold;
            else if (p == QLatin1String("normal"))
                font.weight = s_normal;
            else if (p == QLatin1String("italic") || p == QLatin1String("oblique"))
                font.italic = true;
        }
    }
    return font;
}

FontSpec adjustedFont(const FontSpec &current, const FontSpec &chosen, int diff, bool entryFixedPitchOnly,
                      bool chosenFixedPitch)
{
    FontSpec font = current;
    if (diff & DiffSize)
        font.pointSize = chosen.pointSize;
    if ((diff & DiffFamily) && !(entryFixedPitchOnly && !chosenFixedPitch))
        font.family = chosen.family;
    if (diff & DiffStyle) {
        font.weight = chosen.weight >= 58 ? s_bold : s_normal;
        font.italic = chosen.italic;
    }
    return font;
}

bool cyrillicCheckWanted(bool langSet, const QString &lang)
{
    return !langSet || lang.contains(QLatin1String("ru"), Qt::CaseInsensitive);
}

bool cyrillicCheckWanted()
{
    static const bool wanted =
        cyrillicCheckWanted(qEnvironmentVariableIsSet("LANG"), qEnvironmentVariable("LANG"));
    return wanted;
}

bool familyHasCyrillic(const QString &family)
{
    if (family.isEmpty())
        return false;
    FcPattern *pattern = FcPatternCreate();
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(name.constData()));
    FcObjectSet *objects = FcObjectSetBuild(FC_LANG, nullptr);
    FcFontSet *fonts = FcFontList(nullptr, pattern, objects);
    bool found = false;
    for (int i = 0; fonts && i < fonts->nfont && !found; ++i) {
        FcLangSet *langs = nullptr;
        if (FcPatternGetLangSet(fonts->fonts[i], FC_LANG, 0, &langs) == FcResultMatch)
            found = FcLangSetHasLang(langs, reinterpret_cast<const FcChar8 *>("ru")) != FcLangDifferentLang;
    }
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

bool passesCyrillicTest(const QString &family)
{
    return !cyrillicCheckWanted() || familyHasCyrillic(family);
}

AAMode aaModeFromString(const QString &text)
{
    if (text == QLatin1String("enabled"))
        return AAMode::Enabled;
    if (text == QLatin1String("disabled"))
        return AAMode::Disabled;
    return AAMode::System;
}

QString toString(AAMode mode)
{
    switch (mode) {
    case AAMode::Enabled:
        return QStringLiteral("enabled");
    case AAMode::Disabled:
        return QStringLiteral("disabled");
    case AAMode::System:
        break;
    }
    return QStringLiteral("system");
}

int normalizedForcedDpi(int value)
{
    return value >= 67 && value <= 500 ? value : 0;
}

AAOptions loadAAOptions(const KXftConfig &config, double dpi)
{
    AAOptions options;
    const KXftConfig::Range pixels = config.excludePixelRange();
    const KXftConfig::Range points = config.excludeRange();
    if (pixels.enabled) {
        options.excludeRange = true;
        options.excludeFrom = pixels.from;
        options.excludeTo = pixels.to;
    } else if (points.enabled && dpi > 0) {
        options.excludeRange = true;
        options.excludeFrom = std::round(points.from * dpi / 72.0);
        options.excludeTo = std::round(points.to * dpi / 72.0);
    }
    const KXftConfig::SubPixel subPixel = config.subPixelType();
    options.useSubPixel = subPixel != KXftConfig::SubPixel::NotSet && subPixel != KXftConfig::SubPixel::None;
    if (options.useSubPixel)
        options.subPixel = subPixel;
    if (config.hintStyle() != KXftConfig::Hint::NotSet)
        options.hintStyle = config.hintStyle();
    else if (config.hinting() == KXftConfig::Toggle::Off)
        options.hintStyle = KXftConfig::Hint::None;
    return options;
}

void storeAAOptions(const AAOptions &options, bool antiAliasingEnabled, double dpi, KXftConfig &config,
                    QSettings &settings)
{
    config.setAntiAliasing(antiAliasingEnabled ? KXftConfig::Toggle::On : KXftConfig::Toggle::Off);
    KXftConfig::Range pixels{options.excludeRange, options.excludeFrom, options.excludeTo};
    config.setExcludePixelRange(pixels);
    const double scale = dpi > 0 ? 72.0 / dpi : 0.75;
    config.setExcludeRange({options.excludeRange, options.excludeFrom * scale, options.excludeTo * scale});
    const KXftConfig::SubPixel subPixel = options.useSubPixel ? options.subPixel : KXftConfig::SubPixel::None;
    config.setSubPixelType(subPixel);
    config.setHintStyle(options.hintStyle);
    config.setHinting(options.hintStyle == KXftConfig::Hint::None ? KXftConfig::Toggle::Off
                                                                 : KXftConfig::Toggle::On);

    settings.setValue(QStringLiteral("XftAntialias"), antiAliasingEnabled);
    settings.setValue(QStringLiteral("XftSubPixel"), options.useSubPixel ? KXftConfig::toString(subPixel) : QString());
    settings.setValue(QStringLiteral("XftHintStyle"), KXftConfig::toString(options.hintStyle));
}

QByteArray xftResourceLines(const QSettings &settings)
{
    QByteArray lines;
    const bool antialias = settings.value(QStringLiteral("XftAntialias"), true).toBool();
    lines += QByteArray("Xft.antialias: ") + (antialias ? "1" : "0") + '\n';

    QString hintStyle = settings.value(QStringLiteral("XftHintStyle"), QStringLiteral("hintmedium")).toString();
    if (!hintStyle.isEmpty() && !isWord(hintStyle))
        hintStyle = QStringLiteral("hintmedium");
    const char *hinting = hintStyle.isEmpty() ? "-1" : hintStyle == QLatin1String("hintnone") ? "0" : "1";
    lines += QByteArray("Xft.hinting: ") + hinting + '\n';
    if (!hintStyle.isEmpty())
        lines += "Xft.hintstyle: " + hintStyle.toLatin1() + '\n';

    const QString subPixel = settings.value(QStringLiteral("XftSubPixel")).toString();
    if (isWord(subPixel))
        lines += "Xft.rgba: " + subPixel.toLatin1() + '\n';

    if (const int dpi = forcedDpi(settings))
        lines += "Xft.dpi: " + QByteArray::number(dpi) + '\n';
    return lines;
}

QByteArray xresourcesPushText(const QString &home, const QSettings &settings)
{
    const QString resources = home + QStringLiteral("/.Xresources");
    QByteArray text = readFile(QFile::exists(resources) ? resources : home + QStringLiteral("/.Xdefaults"));
    if (!text.isEmpty() && !text.endsWith('\n'))
        text += '\n';
    return text + xftResourceLines(settings);
}

bool pushXResources(const QString &home, const QSettings &settings, QString *error)
{
    if (!vyrXrdbMerge(xresourcesPushText(home, settings), home, error))
        return false;
    if (forcedDpi(settings) == 0)
        return vyrXrdbRemove(QStringLiteral("Xft.dpi"), error);
    return true;
}

int saveForcedDpi(QSettings &settings, int spinValue, bool controlShown, int loadedDpi,
                  const QString &xresourcesFile, bool *ok, QString *error)
{
    const int dpi = normalizedForcedDpi(spinValue);
    if (controlShown)
        settings.setValue(QStringLiteral("forceFontDPI"), dpi);
    else
        settings.remove(QStringLiteral("forceFontDPI"));
    bool success = true;
    if (dpi == 0 && loadedDpi != 0)
        success = vyrXrdbRemove(QStringLiteral("Xft.dpi"), error) && success;
    if (dpi != loadedDpi) {
        const QString value = dpi ? QString::number(dpi) : QString();
        success = setXrdbParameterInFile(xresourcesFile, QStringLiteral("Xft.dpi:"), QStringLiteral(" "), value,
                                         false, error)
            && success;
    }
    if (ok)
        *ok = success;
    return dpi;
}

QByteArray xftSettingsCommand(const QSettings &settings)
{
    const int dpi = forcedDpi(settings);
    const QString dpiText = dpi ? QString::number(dpi) : QStringLiteral("96.0");
    const AAMode mode =
        aaModeFromString(settings.value(QStringLiteral("useAASettings"), QStringLiteral("system")).toString());
    const QString antialias = mode == AAMode::Disabled
        ? word(settings, QStringLiteral("XftAntialias"), QStringLiteral("false"))
        : QStringLiteral("unknown");
    QString subPixel = settings.value(QStringLiteral("XftSubPixel"), QStringLiteral("rgb")).toString();
    if (subPixel.isEmpty())
        subPixel = QStringLiteral("none");
    else if (!isWord(subPixel))
        subPixel = QStringLiteral("rgb");
    const QString hintStyle = word(settings, QStringLiteral("XftHintStyle"), QStringLiteral("full"));
    return QStringLiteral("VYRWM_UPDATE_VAL XftSettings %1 %2 %3 %4\n")
        .arg(dpiText, antialias, subPixel, hintStyle)
        .toUtf8();
}

QStringList userFontconfigFiles()
{
    return {QDir::homePath() + QStringLiteral("/.fonts.conf"),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                + QStringLiteral("/fontconfig/fonts.conf")};
}

bool removeUserFontconfigFiles(QString *error)
{
    bool ok = true;
    for (const QString &path : userFontconfigFiles()) {
        QFile file(path);
        if (file.exists() && !file.remove()) {
            ok = false;
            if (error)
                *error
                    = QCoreApplication::translate("FontSettings", "cannot remove %1: %2").arg(path, file.errorString());
        }
    }
    return ok;
}
}
