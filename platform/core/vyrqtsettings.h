// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QPalette>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

/**
 * The settings Qt programs take from the "[Qt]" group of Trolltech.conf:
 * widget style ("style"), GUI effects ("GUIEffects"), double-click interval
 * ("doubleClickInterval"), cursor flash time ("cursorFlashTime") and wheel
 * scroll lines ("wheelScrollLines"), which the Programs page edits, and the
 * general font ("font") and the palette ("Palette/active", "Palette/inactive",
 * "Palette/disabled"), which the Fonts and Theme pages write. The Programs
 * page, the appearance writer and the platform theme plugin all read the
 * file through this one reader.
 *
 * Values follow QSettings' INI syntax (quotes, backslash escapes, lists
 * separated by commas), since QSettings writes the same file.
 */
struct VyrQtSettings {
    /// Empty means Qt's own default; the key is then removed.
    QString style;
    /// Effect words ("general", "animatemenu", ...); empty is stored as "none".
    QStringList guiEffects = {QStringLiteral("general")};
    int doubleClickInterval = 400;
    int cursorFlashTime = 1000;
    int wheelScrollLines = 3;

    /// QFont::toString() of the general font; empty when the key is absent.
    /// Read only: write() leaves the key as it is (see writeFont()).
    QString font;
    /// The palette lists as stored, active, inactive, disabled; a list is
    /// empty when its key is absent. Read only, like the font.
    std::array<QStringList, 3> paletteLists;

    /// The accepted ranges; read() gives the default for a value outside.
    struct Range {
        int min;
        int max;
    };
    static constexpr Range doubleClickRange{100, 5000};
    static constexpr Range cursorFlashRange{0, 10000}; ///< 0: the cursor does not blink
    static constexpr Range wheelLinesRange{1, 100};

    /// Every effect word Qt knows, "general" first.
    static QStringList knownEffects();
    /// ~/.config/Trolltech.conf (following XDG_CONFIG_HOME).
    static QString defaultPath();

    /**
     * Reads @p path. A missing file, a missing key or a value that is not a
     * number in range gives the default; unknown effect words are dropped.
     * Returns false when the file exists but cannot be read.
     */
    bool read(const QString &path);
    /// Merges the Programs page's values into @p path atomically; false (and
    /// @p error) on failure. The font and the palette stay as they are.
    bool write(const QString &path, QString *error = nullptr) const;
    /// Sets "font" in @p path to @p font (QFont::toString()), keeping
    /// everything else, atomically; false (and @p error) on failure, when
    /// the old file stays.
    static bool writeFont(const QString &path, const QString &font, QString *error = nullptr);

    /// Whether any palette list is present.
    bool hasPalette() const;
    /**
     * The palette of the three lists (21 colours each, role by role from
     * WindowText to PlaceholderText). Nothing when a list is missing, does
     * not hold 21 entries or holds a colour that does not parse; @p problem
     * then says which, in one line.
     */
    std::optional<QPalette> palette(QString *problem = nullptr) const;

    /// Compares the values the Programs page edits.
    bool operator==(const VyrQtSettings &other) const;
    bool operator!=(const VyrQtSettings &other) const { return !(*this == other); }
};

/**
 * The strings of a value as QSettings writes it in an INI file: quoted
 * parts, backslash escapes (\n, \", \\, \xhhhh, octal), elements separated
 * by commas outside quotes, blanks around unquoted elements dropped. A
 * plain value gives one element, an empty one none.
 */
QStringList vyrQSettingsStrings(const QByteArray &raw);
/// @p value in QSettings' INI syntax, quoted when it holds ',', ';' or '='
/// or starts or ends with a blank; vyrQSettingsStrings() reads it back.
QByteArray vyrQSettingsEscaped(const QString &value);
