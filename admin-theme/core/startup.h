// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

/**
 * Start-up helpers of vyr-admin-theme shared by the entry point, the service
 * modes and the interactive path. Paths returned as "stored" values keep the
 * real system spelling (/usr/share/...); file access goes through
 * vyrSystemPath().
 */

/// The service mode asked for on the command line.
enum class ServiceMode { NotRequested, WmColor, ApplyColorScheme };

/**
 * The service mode that @p args (the arguments without the program name)
 * request: "wmcolor" anywhere in the first argument (any case), or exactly
 * two arguments whose first contains "apply-color-scheme" (any case).
 */
ServiceMode requestedServiceMode(const QStringList &args);

/// Sets and returns distributionSchemesPresent: both SolvaLight.colors and
/// SolvaVanteraAdmin.colors are installed.
bool computeDistributionSchemesPresent();

/// "/usr/share/color-schemes/SolvaLight.colors" when the distribution's
/// schemes are present, else "/usr/share/color-schemes/VyrDefault.colors".
QString defaultColourScheme();

/// ~/.vyr/theme/current.themerc plus the session suffix (empty without a home).
QString userThemeFilePath();
/**
 * Gives a user without a theme file one: when nothing exists at @p path, it
 * is written (atomically, parents created) from the shipped default
 * /usr/share/vyr/theme/current.themerc, or as an empty "[Variables]" section
 * when no default is installed, and a line on standard error says so. An
 * existing file, readable or not, is never touched. Returns false, after a
 * line on standard error, when the file was missing and could not be made.
 */
bool ensureUserThemeFile(const QString &path);

/// ~/.vyr/paletterc (empty without a home).
QString paletteFilePath();
/// The single-instance key: DISPLAY (without a screen number) followed by the program name.
QString singleInstanceKey();

/**
 * Runs the integrity tool "kelvra --ilevel" (found in PATH) and sets
 * highIntegritySession when a line of its output contains "63" or "127".
 * A missing or failing tool leaves the flag as it was. Returns the flag.
 */
bool queryIntegrityLevel();

/// The three values of a palette file.
struct PaletteValues {
    QString primaryColor;
    QString backgroundColor;
    QString colorScheme;
};

/// The values a new palette file starts with, by integrity level and the
/// installed schemes.
PaletteValues paletteSeed();

/// The palette file's whole text: "[Variables]" and the three keys, four lines.
QByteArray paletteFileText(const PaletteValues &values);

/**
 * Replaces the palette file at @p path with the four-line form, atomically.
 * On failure the old file stays, the reason goes to @p error and false is
 * returned.
 */
bool writePaletteFile(const QString &path, const PaletteValues &values, QString *error = nullptr);

/// The usage text, without the final newline; untranslated.
QString usageText();
/// The usage text through the translator (needs an application object).
QString translatedUsageText();

/**
 * Runs @p program with @p args (no shell), waits at most @p timeoutMs and
 * returns its standard output; @p ok tells whether it started and exited
 * normally. Needs no application object or event loop. A program still
 * running at the time-out is killed.
 */
QByteArray runProgram(const QString &program, const QStringList &args, int timeoutMs = 30000, bool *ok = nullptr);

/**
 * Console preparation of the service modes: sets XDG_RUNTIME_DIR (when
 * unset) and XAUTHORITY, then asks loginctl for a display of the user's
 * sessions. Returns true and sets DISPLAY when one was found.
 */
bool prepareConsoleDisplay();

/**
 * An X connection to DISPLAY held for the life of the object, or none
 * (isOpen() false) when the display does not answer. The service modes keep
 * one open while they run: an X server resets itself when its last client
 * goes away, and the connections they open one after another would each
 * wait for that.
 */
class DisplayProbe
{
public:
    DisplayProbe();
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe &) = delete;
    DisplayProbe &operator=(const DisplayProbe &) = delete;
    bool isOpen() const { return m_display; }

private:
    struct _XDisplay *m_display = nullptr;
};
