// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "kxftconfig.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

class QSettings;

/**
 * What the Fonts page computes and writes, without widgets: the font
 * entries and their stored form, the Cyrillic test, the anti-aliasing and
 * DPI settings, the X resources and the window manager's "XftSettings"
 * command. The page converts between QFont and FontSpec and asks the user;
 * everything else is here.
 */
namespace FontSettings {

/// A font as the page stores it: underline, overline and strike-out never are.
struct FontSpec {
    QString family;
    double pointSize = 0;
    int weight = 50; ///< Qt's scale: 50 normal, 75 bold
    bool italic = false;
    bool operator==(const FontSpec &o) const
    {
        return family == o.family && pointSize == o.pointSize && weight == o.weight && italic == o.italic;
    }
};

struct FontEntry {
    const char *label;     ///< untranslated; translate in the "FontPage" context
    const char *group;     ///< "Variables", the theme store's section
    const char *key;       ///< the store key, also the window manager's name
    FontSpec defaultFont;
    const char *quickHelp; ///< untranslated, "FontPage" context
};

/// The twelve entries in the page's order.
const QVector<FontEntry> &fontEntries();

/**
 * The stored form: family, "-", size, ":bold" when the weight is above 57
 * else ":normal", and ":italic" for an italic font, e.g.
 * "PT Solva Fact-10.5:normal". A whole size is written without decimals,
 * any other with up to six significant digits.
 */
QString fontValue(const FontSpec &font);

/**
 * Reads a stored font. The size follows the last "-" that is followed by a
 * number; after it, ":bold" gives weight 75, ":italic" italic, and other
 * properties (fontconfig allows them) are ignored. Returns nothing for text
 * without a family or a positive size; the caller then uses the default.
 */
std::optional<FontSpec> parseFontValue(const QString &value);

/**
 * Which of "all fonts" adjustments the user ticked (the font-difference
 * dialog's choices).
 */
enum FontDiff { DiffFamily = 1, DiffStyle = 2, DiffSize = 4 };

/**
 * One entry's font after "Adjust All Fonts...": @p current with the ticked
 * parts of @p chosen. The family is kept for an entry that takes only
 * fixed-pitch fonts when the chosen one is not; the style becomes bold (75)
 * when the chosen weight is 58 or more, else normal (50), and italic as
 * chosen.
 */
FontSpec adjustedFont(const FontSpec &current, const FontSpec &chosen, int diff, bool entryFixedPitchOnly = false,
                      bool chosenFixedPitch = false);

/**
 * Whether fonts are checked for Cyrillic: when LANG is unset, or its value
 * contains "ru" in any letter case.
 */
bool cyrillicCheckWanted(bool langSet, const QString &lang);
/// The same for this process's LANG, decided at the first call.
bool cyrillicCheckWanted();
/**
 * True when fontconfig's current configuration has a font of @p family
 * (any of its names) that covers Russian, the language fontconfig and Qt
 * take for the Cyrillic writing system. False for an unknown family.
 */
bool familyHasCyrillic(const QString &family);
/// Whether a font of @p family may be written without asking.
bool passesCyrillicTest(const QString &family);

/// The anti-aliasing modes in the order of the page's combo box.
enum class AAMode { Enabled = 0, System = 1, Disabled = 2 };
/// "enabled", "system", "disabled"; any other text means System.
AAMode aaModeFromString(const QString &text);
QString toString(AAMode mode);

/// A forced DPI as stored: 0 (not forced) outside 67…500.
int normalizedForcedDpi(int value);

/// The anti-aliasing dialog's choices. The exclusion range is in pixels.
struct AAOptions {
    bool excludeRange = false;
    double excludeFrom = 8;
    double excludeTo = 15;
    bool useSubPixel = false;
    KXftConfig::SubPixel subPixel = KXftConfig::SubPixel::Rgb;
    KXftConfig::Hint hintStyle = KXftConfig::Hint::Slight;
};

/**
 * The dialog's choices as @p config holds them. A range kept only in points
 * is converted to pixels at @p dpi; unset options keep AAOptions' defaults.
 */
AAOptions loadAAOptions(const KXftConfig &config, double dpi = 96);

/**
 * Puts the choices into @p config (anti-aliasing on or off by
 * @p antiAliasingEnabled, the range in pixels and in points at @p dpi,
 * sub-pixel order or "none", hinting and its style) and into the program
 * settings ("XftAntialias", "XftSubPixel" – empty without sub-pixel
 * rendering –, "XftHintStyle"). Does not apply @p config.
 */
void storeAAOptions(const AAOptions &options, bool antiAliasingEnabled, double dpi, KXftConfig &config,
                    QSettings &settings);

/**
 * How fonts are rendered, as the settings ask for: the one reading behind
 * the X resources and the XSETTINGS values GTK programs get.
 */
struct XftValues {
    bool antialias = true;  ///< "XftAntialias", default on
    /// "XftHintStyle" ("hintnone", "hintslight", "hintmedium", "hintfull"),
    /// default "hintmedium"; empty when hinting is left to fontconfig. A
    /// value that is not a single word gives the default.
    QString hintStyle;
    /// "XftSubPixel" ("rgb", "bgr", "vrgb", "vbgr"); empty without
    /// sub-pixel rendering or for a value that is not a single word.
    QString rgba;
    int dpi = 0; ///< "forceFontDPI", 0 when not forced
    /// Hinting on (1), off (0) or left to fontconfig (-1).
    int hinting() const;
};
XftValues xftValues(const QSettings &settings);

/**
 * The resource lines the settings ask for: "Xft.antialias: 1|0", "Xft.hinting:
 * -1|0|1" and "Xft.hintstyle: <style>", "Xft.rgba: <order>" when a sub-pixel
 * order is set, "Xft.dpi: <n>" when a DPI is forced. A value that is not a
 * single word (it could add resources of its own) is left out or replaced
 * by the default.
 */
QByteArray xftResourceLines(const QSettings &settings);

/**
 * The text merged into the server on save: ~/.Xresources (or ~/.Xdefaults
 * when the first does not exist) below @p home, then xftResourceLines().
 */
QByteArray xresourcesPushText(const QString &home, const QSettings &settings);

/**
 * Merges xresourcesPushText() into the running server and, when no DPI is
 * forced, removes Xft.dpi from it. Returns false with @p error when xrdb
 * failed.
 */
bool pushXResources(const QString &home, const QSettings &settings, QString *error = nullptr);

/**
 * The DPI part of saving: stores the spin box's value (normalised) as
 * "forceFontDPI", or removes the key when the control is hidden; removes
 * Xft.dpi from the server when the DPI went from forced to 0; sets or
 * removes "Xft.dpi:" in @p xresourcesFile when it changed. Returns the new
 * value; @p ok (when given) tells whether the X parts succeeded.
 */
int saveForcedDpi(QSettings &settings, int spinValue, bool controlShown, int loadedDpi,
                  const QString &xresourcesFile, bool *ok = nullptr, QString *error = nullptr);

/**
 * The window manager command "VYRWM_UPDATE_VAL XftSettings <dpi> <aa>
 * <subpixel> <hintstyle>\n": the forced DPI or "96.0"; "unknown" while the
 * mode is "enabled" or "system", else "XftAntialias" (default "false");
 * "XftSubPixel" (default "rgb", "none" when empty); "XftHintStyle" (default
 * "full"). A field that is not a single word gets its default, so that the
 * line stays one command with four fields.
 */
QByteArray xftSettingsCommand(const QSettings &settings);

/// The per-user fontconfig files that "System Settings" deletes.
QStringList userFontconfigFiles();
/// Deletes those that exist; false with @p error when one could not be.
bool removeUserFontconfigFiles(QString *error = nullptr);
}
