// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QWidget;

/// What a window asks for when the user has to pick a file or a folder.
struct VyrFileRequest {
    enum Mode {
        ExistingFile, ///< open: only a file that exists can be chosen
        AnyFile,      ///< open: any typed name is taken; the caller checks it
        SaveFile,     ///< save: a new or an existing file
        Directory,    ///< an existing folder
    };
    Mode mode = ExistingFile;
    QString title;
    QString directory; ///< where the dialog starts; empty: the working directory
    QString filter;    ///< e.g. "Images (*.png *.svg)"; empty: every file
    bool nonNative = false; ///< Qt's own dialog even where the platform has one
    bool detailView = false;
    /// In: the dialog's size, empty for its own. Out: its size when it closed.
    QSize size;
};

/**
 * Asks the user with a modal file dialog over @p parent (or with the chooser
 * installed by vyrSetFileChooser()). Returns the absolute path chosen, or an
 * empty string when the user cancelled. @p request.size is updated.
 */
QString vyrChooseFile(QWidget *parent, VyrFileRequest &request);

/// Answers a request instead of the dialog: the chosen path, empty for cancel.
using VyrFileChooser = std::function<QString(QWidget *parent, VyrFileRequest &request)>;

/**
 * Replaces the file dialog of every window of this process with @p chooser
 * (tests answer through it; an empty function brings the dialog back).
 * Returns the chooser that was installed before.
 */
VyrFileChooser vyrSetFileChooser(VyrFileChooser chooser);
