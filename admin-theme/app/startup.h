// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

/**
 * Start-up helpers of vyr-admin-theme shared by the entry point, the service
 * modes and the interactive path.
 */

/// The service mode asked for on the command line.
enum class ServiceMode { NotRequested, WmColor, ApplyColorScheme };

/**
 * The service mode that @p args (the arguments without the program name)
 * request: "wmcolor" anywhere in the first argument (any case), or exactly
 * two arguments whose first contains "apply-color-scheme" (any case).
 */
ServiceMode requestedServiceMode(const QStringList &args);

/// The single-instance key: DISPLAY (without a screen number) followed by the program name.
QString singleInstanceKey();

/// The usage text, without the final newline; untranslated.
QString usageText();
/// The usage text through the translator (needs an application object).
QString translatedUsageText();

/**
 * Console preparation of the service modes: sets XDG_RUNTIME_DIR (when
 * unset) and XAUTHORITY, then asks loginctl for a display of the user's
 * sessions. Returns true and sets DISPLAY when one was found.
 */
bool prepareConsoleDisplay();

/**
 * Opens the process's X connection (see vyrX11Display()) and tells whether
 * the display answers. The service modes open it first and keep it: every
 * later request of theirs goes over it.
 */
bool displayAnswers();
