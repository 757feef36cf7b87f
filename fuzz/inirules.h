// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>

/**
 * Which names and values an INI file can carry at all. A key or section
 * name outside these rules cannot be read back as written by any INI
 * reader (a key holding '=', a section holding ']', a name with a line
 * break), so the round-trip properties hold for the names the rules allow.
 */
namespace vyrfuzz {

/// The INI parser's blanks: they end names and values and are trimmed.
inline bool isIniBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

inline QByteArray iniTrimmed(const QByteArray &text)
{
    int from = 0;
    int to = text.size();
    while (from < to && isIniBlank(text.at(from)))
        ++from;
    while (to > from && isIniBlank(text.at(to - 1)))
        --to;
    return text.mid(from, to - from);
}

inline bool isNameChar(char c)
{
    return c != '\0' && c != '\n' && c != '\r';
}

inline bool isValidKey(const QByteArray &key)
{
    if (key.isEmpty() || iniTrimmed(key) != key || key.contains('=') || key.startsWith('[') || key.startsWith(';')
        || key.startsWith('#'))
        return false;
    for (const char c : key) {
        if (!isNameChar(c))
            return false;
    }
    return true;
}

inline bool isValidSection(const QByteArray &section)
{
    if (section.isEmpty() || iniTrimmed(section) != section || section.contains(']'))
        return false;
    for (const char c : section) {
        if (!isNameChar(c))
            return false;
    }
    return true;
}

/// What a value written through the INI layer reads back as: one line,
/// no NUL, no blanks at either end.
inline QByteArray storedValue(const QByteArray &value)
{
    return iniTrimmed(QByteArray(value).replace('\0', "").replace('\n', ' ').replace('\r', ' '));
}

/// Names as a case-insensitive document compares them: ASCII letters folded.
inline QByteArray asciiLower(const QByteArray &name)
{
    QByteArray out = name;
    for (char &c : out) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return out;
}

} // namespace vyrfuzz
