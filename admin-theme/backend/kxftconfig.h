// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QDomDocument;
class QDomElement;

/**
 * The font rendering options of a fontconfig configuration file:
 * anti-aliasing, an anti-aliasing exclusion range (in points and in pixels),
 * sub-pixel order, hinting and hinting style.
 *
 * Reading recognises the options by the shapes this class writes: a
 * <match target="font"> holding nothing but one <edit mode="assign"> of
 * "rgba", "antialias", "hinting" or "hintstyle", or two <test qual="any">
 * elements on "size" (points) or "pixelsize" (pixels) with "more_eq" and
 * "less_eq" bounds and an edit setting "antialias" to false (the exclusion
 * range). Every other node of the document is kept as it is.
 *
 * Setters mark an option changed when its value differs; apply() writes only
 * the changed options, each in place of its previous element or added to
 * the root, and removes the elements of options set to unset (NotSet, or an
 * exclusion range switched off).
 */
class KXftConfig
{
public:
    enum class Mode {
        User,   ///< the per-user file, under the home directory
        System, ///< the machine-wide file
    };

    enum class SubPixel { NotSet, None, Rgb, Bgr, Vrgb, Vbgr };
    enum class Hint { NotSet, None, Slight, Medium, Full };
    /// For anti-aliasing and hinting, which are on/off or absent from the file.
    enum class Toggle { NotSet, On, Off };

    /// An exclusion range; "off" when @c enabled is false (bounds ignored).
    struct Range {
        bool enabled = false;
        double from = 0;
        double to = 0;
        bool operator==(const Range &other) const;
        bool operator!=(const Range &other) const { return !(*this == other); }
    };

    /// Chooses the file (see fileFor()) and reads it.
    explicit KXftConfig(Mode mode = Mode::User);
    ~KXftConfig();
    KXftConfig(const KXftConfig &) = delete;
    KXftConfig &operator=(const KXftConfig &) = delete;

    /**
     * The file this mode edits, from the configuration files the current
     * fontconfig setup reads (FONTCONFIG_FILE and the like are honoured).
     * User: the regular files among them under the home directory, the first
     * named "fonts.conf" or ".fonts.conf" if any, else the first; with none,
     * "fontconfig/fonts.conf" under the generic configuration location (the
     * directory is made with mode 0700 when apply() first writes). System: "29-vyr-rendering.conf" in a
     * configuration directory named "conf.d"; else the first regular
     * configuration file named "local.conf"; else /etc/fonts/local.conf (below
     * VYR_SYSROOT when set). Never another system file: those belong to the
     * fontconfig package, which would replace them on its next update.
     */
    static QString fileFor(Mode mode);

    /**
     * Reads the file again, dropping unapplied changes. A missing or empty
     * file gives a configuration with every option unset. Returns false when
     * the file exists but cannot be read or is not a fontconfig XML document;
     * the options then read as unset and apply() refuses to overwrite it.
     */
    bool reset();

    QString fileName() const;
    /// True while the file is one that apply() will not overwrite.
    bool isBroken() const;
    /// Why the last read or apply() failed, naming the file; empty otherwise.
    QString errorString() const;
    /// True when some option was changed since the last read or apply().
    bool changed() const;

    SubPixel subPixelType() const;
    void setSubPixelType(SubPixel type);
    Hint hintStyle() const;
    void setHintStyle(Hint style);
    Toggle antiAliasing() const;
    void setAntiAliasing(Toggle value);
    Toggle hinting() const;
    void setHinting(Toggle value);
    /// The exclusion range in points.
    Range excludeRange() const;
    void setExcludeRange(const Range &range);
    /// The exclusion range in pixels.
    Range excludePixelRange() const;
    void setExcludePixelRange(const Range &range);

    /**
     * Writes the changed options. When the file changed on disk since it was
     * read, a line saying so goes to standard error, the file is read again
     * and the changed options are applied to its new content, so that both
     * changes survive. The file is replaced atomically (fontconfig's lock and
     * rename protocol); on any failure it stays as it was, the changes stay
     * pending and false is returned with errorString() set. Returns true at
     * once when nothing changed.
     */
    bool apply();

    /// fontconfig's names: "rgb", "bgr", "vrgb", "vbgr", "none"; empty for NotSet.
    static QString toString(SubPixel type);
    /// "hintnone", "hintslight", "hintmedium", "hintfull"; empty for NotSet.
    static QString toString(Hint style);
    /// The inverse of toString(); NotSet for any other text.
    static SubPixel subPixelFromString(const QString &name);
    static Hint hintFromString(const QString &name);

    /**
     * The text apply() writes for @p doc, read from @p original: the XML
     * declaration `<?xml version="1.0"?>` (replacing any the text had), the
     * document type `<!DOCTYPE fontconfig SYSTEM "fonts.dtd">` unless the
     * text names a system or public identifier of its own, then the nodes with an
     * indentation of one blank per level and attributes in a fixed order, in
     * UTF-8.
     */
    static QByteArray serialize(const QDomDocument &doc, const QByteArray &original);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
