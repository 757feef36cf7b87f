#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Vyr desktop developers
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes large-keyshortcutrc: a user's hot-key file of 2 000 bindings.

1 990 keys in the file notation (X modifier names in the order Ctrl, Alt,
Shift, Super, then an X key name, a single letter in lower case, "None|"
before a key without modifiers), every third one bound to a command, the
others to the functions of functions.tsv in turn; then 10 commands without
a key under the placeholders None0 to None9. The keys are spelt as the
editor itself writes them, so the file reads back unchanged.

Run from anywhere: python3 make-large-keyfile.py
"""
import itertools
import os

HERE = os.path.dirname(os.path.abspath(__file__))

MODIFIER_SETS = [
    ["Ctrl"], ["Alt"], ["Ctrl", "Shift"], ["Super"], ["Shift", "Super"],
    ["Ctrl", "Alt"], ["Ctrl", "Alt", "Shift"], ["Ctrl", "Super"],
    ["Alt", "Super"], ["Ctrl", "Alt", "Super"], [], ["Alt", "Shift"],
    ["Alt", "Shift", "Super"], ["Ctrl", "Shift", "Super"],
    ["Ctrl", "Alt", "Shift", "Super"], ["Shift"],
]

# X key names: characters by their keysym names, letters and digits as
# themselves, then function, cursor, keypad and media keys.
KEYS = (
    "exclam quotedbl numbersign dollar percent ampersand apostrophe "
    "parenleft parenright asterisk plus comma minus period slash "
    "colon semicolon less equal greater question at bracketleft backslash "
    "bracketright asciicircum underscore grave braceleft bar braceright "
    "asciitilde".split()
    + [str(d) for d in range(10)]
    + [chr(c) for c in range(ord("a"), ord("z") + 1)]
    + ["F%d" % n for n in range(1, 36)]
    + "Left Right Up Down Home End Prior Next Insert Delete Escape BackSpace "
      "Return Tab space Pause Print Menu KP_1 KP_Enter KP_Add KP_Divide "
      "XF86AudioRaiseVolume XF86AudioLowerVolume XF86AudioMute XF86AudioPlay "
      "XF86Mail XF86HomePage".split()
)

BINDINGS = 1990


def functions():
    with open(os.path.join(HERE, "functions.tsv"), encoding="utf-8") as table:
        return [line.split("\t")[1] for line in table.read().splitlines()
                if line and not line.startswith("#")]


def file_key(modifiers, key):
    if not modifiers:
        return "None|" + key
    return "|".join(modifiers + [key])


def main():
    ids = functions()
    lines = ["[ShortCutKeys]"]
    pairs = itertools.islice(
        ((m, k) for m in MODIFIER_SETS for k in KEYS), BINDINGS)
    for n, (modifiers, key) in enumerate(pairs):
        if n % 3 == 2:
            value = '"sh -c "notify-send %d""' % n
        else:
            value = ids[n % len(ids)]
        lines.append("%s=%s" % (file_key(modifiers, key), value))
    assert len(lines) == BINDINGS + 1
    for i in range(10):
        lines.append('None%d="keyless %d"' % (i, i))
    with open(os.path.join(HERE, "large-keyshortcutrc"), "w",
              encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
