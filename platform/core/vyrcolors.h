// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMap>
#include <QString>

/**
 * Colour helpers shared by the whole suite. Colours are passed and returned
 * as "#rrggbb" strings (lower case, as QColor::name() prints them), except
 * that textColorFor() answers "#FFFFFF" or "#000000" in upper case.
 *
 * Shade rule: a shade moves the colour's HSL lightness L towards white or
 * black while hue and saturation stay. A positive factor f lightens,
 * L' = L + (1 - L) * f; a negative factor darkens, L' = L * (1 + f); the
 * factor is clamped to [-1, 1]. White cannot be lightened and black cannot be
 * darkened: the result is then the colour itself. The rule is deterministic,
 * so two calls with the same input give the same string.
 */

/// "#FFFFFF" when the background is dark (perceived luma below 0.6), else
/// "#000000". An invalid colour reads as black and gets "#FFFFFF".
QString textColorFor(const QString &background);

/// A lighter (@p factor > 0) or darker (@p factor < 0) shade of @p colour;
/// an invalid colour is returned unchanged.
QString CreateShadeColor(const QString &colour, double factor);

/**
 * The nine named shades "color100" .. "color900" of @p colour: "color500" is
 * the colour itself, "color400" to "color100" lighten by 0.2, 0.4, 0.6, 0.8
 * and "color600" to "color900" darken by 0.15, 0.3, 0.45, 0.6. A shade that
 * does not exist equals "color500".
 */
QMap<QString, QString> CreateShadeColors(const QString &colour);

/// The dark companion of a primary colour: its "color700" shade when
/// @p material is set, else its "color600" shade.
QString GetPrimaryDarkColor(const QString &colour, bool material);
