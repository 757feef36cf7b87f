// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

/**
 * The rules of renaming a desktop item, free of widgets so that the tests
 * can call them directly. Lengths are counted in bytes of the local 8-bit
 * encoding, which is what the file system stores.
 */
namespace ItemRename {

/// The coordinate the desktop passes when it has no position to offer.
constexpr int unsetCoordinate = -99999999;
/// The longest name (bytes plus the terminating NUL) the desktop accepts.
constexpr int maxNameBytes = 254;
constexpr int maxPathBytes = 4095;

enum class Kind {
    Plain,          ///< a file or a directory without ".directory"
    DesktopEntry,   ///< a ".desktop" file: only its display name changes
    DirectoryEntry, ///< a directory described by its ".directory" file
};

/// What @p path is; a missing path counts as Plain.
Kind kindOf(const QString &path);

/// The desktop entry file describing @p path for the two entry kinds.
QString entryFileFor(const QString &path, Kind kind);

/**
 * "100x100+X+Y" for the message dialog: centred on @p screen when either
 * coordinate is unsetCoordinate, otherwise at (x, y) pulled back so that a
 * 400x300 area stays on the screen's right and bottom edges.
 */
QString dialogGeometry(int x, int y, const QRect &screen);

/**
 * The number of leading characters of @p name to select when editing
 * starts: the base name when the name has a "." at position 2 or later and
 * the MIME database knows its suffix ("report.pdf" gives 6), else the
 * whole name.
 */
int initialSelectionLength(const QString &name);

/// The tool tip of the live check for the edited @p text (trimmed first);
/// empty when the name is fine.
QString liveCheckMessage(const QString &text);

enum class Refusal {
    Ok,
    LeadingDot,
    BadSymbols,
    TooLong,
    Unencodable, ///< the local 8-bit encoding has no bytes for some letter
};

/**
 * Whether @p name (already trimmed) may become a file name in @p directory.
 * With @p checkSymbols false only the length limits apply.
 */
Refusal checkNewName(const QString &name, const QString &directory, bool checkSymbols = true);

/// The message shown for a refusal; @p startText is the text editing began with.
QString refusalMessage(Refusal refusal, const QString &startText);

enum class Result {
    Renamed,
    Unchanged, ///< the new path equals the old one
    Exists,    ///< the target exists (also when it appeared at the last moment)
    Failed,
};

/**
 * Renames @p from to @p to without ever replacing an existing @p to: the
 * check and the rename are one step (renameat2 with RENAME_NOREPLACE), or,
 * on file systems without it, a link or a placeholder that only succeeds
 * when nothing is there. @p error receives errno on failure.
 * @p allowNative false skips renameat2 (for tests of the fallback).
 */
Result renameNoReplace(const QString &from, const QString &to, int *error = nullptr, bool allowNative = true);

/// Step of the desktop: nothing when the paths are equal, Exists when the
/// target is there, else renameNoReplace().
Result renameItem(const QString &from, const QString &to, int *error = nullptr);

/// The message for an Exists or Failed result, empty for the others.
QString renameMessage(Result result, const QString &from, const QString &to);

/// Icon and kind ("--sorry" or "--error") of the dialog for a rename result.
QString renameIcon(Result result);
bool renameIsError(Result result);

/// The arguments for vyr-dialog.
QStringList dialogArguments(const QString &geometry, const QString &icon, bool error, const QString &text);
}
