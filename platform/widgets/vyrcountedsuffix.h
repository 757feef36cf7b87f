// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <functional>

class QSpinBox;

/**
 * Keeps the unit after a spin box's number in agreement with the number:
 * @p suffix(value) gives it, normally a tr() with the value as its count
 * (tr(" minute(s)", nullptr, value)), which the catalogues spell in each
 * plural form of their language ("1 minute", "5 minutes"; three forms in
 * Russian). Sets the suffix now and after every change of the value.
 */
void vyrSetCountedSuffix(QSpinBox *box, const std::function<QString(int)> &suffix);
