// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

/**
 * Conversion between Qt key codes and the X key strings of the window
 * manager's hot-key files.
 *
 * An X key string is a list of tokens joined by "+": modifier names first,
 * in the order "Ctrl", "Alt", "Shift", "Super", then the name of one X
 * keysym as XKeysymToString() spells it ("t", "F12", "Return", "KP_Enter",
 * "XF86AudioRaiseVolume", "plus", "U0444"). Letters are named by their lower
 * case keysym; keypad keys by their "KP_" keysym (Qt's keypad modifier is
 * not a modifier name). The strings need no X server.
 */
class VyrKeyServer
{
public:
    /**
     * The X key string of a Qt key code with modifier flags
     * (Qt::CTRL | Qt::Key_T gives "Ctrl+t"), or an empty string when the key
     * has no keysym (Qt::Key_unknown, 0).
     */
    static QString KeyQtToKeyStringX(int keyCode);

    /**
     * The Qt key code of an X key string, 0 when the string is not one.
     * Modifier names are matched without regard to case and accept the
     * usual aliases ("Control", "Mod1", "Mod4", "Meta", "Win"); the key may
     * also be named as Qt names it ("Del", "PgUp").
     */
    static int KeyStringXToCode(const QString &text);

    /**
     * The key of an X key string in Qt's portable text ("Ctrl+Alt+T"), or an
     * empty string when the string names no key.
     */
    static QString KeyStringXToQt(const QString &text);
};
