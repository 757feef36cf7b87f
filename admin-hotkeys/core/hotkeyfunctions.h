// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QVector>

/// One window-manager function: its identifier and an untranslated description.
struct HotkeyFunction {
    const char *id;
    const char *description;
};

/// A group of functions as the editor lists them.
struct HotkeyFunctionGroup {
    const char *title;
    QVector<HotkeyFunction> functions;
};

/**
 * The window manager's functions that a key can be bound to, in the order
 * the editor shows them (12 groups, 153 functions). Titles and descriptions
 * are untranslated; pass them through hotkeyTr().
 */
const QVector<HotkeyFunctionGroup> &hotkeyFunctionTable();

/// The translation of a title or description of the table.
QString hotkeyTr(const char *text);

/// Identifier of command bindings in the editor's function column.
inline QString execCommandId()
{
    return QStringLiteral("ExecCommand");
}

/// Prefix of every window-manager function identifier.
inline QString wmFunctionPrefix()
{
    return QStringLiteral("VYRWM_");
}
