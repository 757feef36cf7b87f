// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>

#include <memory>

class VyrDesktopEntry;

/**
 * Edits one desktop entry file: its kind (Application, Link or Directory),
 * name, comment, command or URL, icon (with a preview and a file chooser)
 * and whether an application runs in a terminal. OK saves the file and
 * closes the dialog; a file that cannot be saved keeps the dialog open with
 * the reason shown.
 *
 * Coordinates handed over with setDesktopEntryCoords() are stored in the
 * entry under positionKey as "<x>;<y>;<monitor>" so that the desktop can
 * place a new item where the user asked for it.
 */
class VyrDesktopEntryEditDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr const char *positionKey = "X-VYR-DesktopPosition";

    explicit VyrDesktopEntryEditDialog(QWidget *parent = nullptr);
    ~VyrDesktopEntryEditDialog() override;

    /**
     * Loads @p path for editing. A missing file is accepted when @p create
     * is true; it is written on OK, pre-filled from @p patternPath (any
     * desktop entry; ignored when empty, missing or not a desktop entry).
     * Returns false, changing nothing, when @p path is empty or a directory,
     * exists but is not a readable desktop entry, is missing without
     * @p create, or lies in a directory that does not exist.
     */
    bool setDesktopEntryPath(const QString &path, bool create, const QString &patternPath = QString());
    /// Remembers the desktop position (device pixels) and monitor to store on OK.
    void setDesktopEntryCoords(int x, int y, const QString &monitor);

    QString desktopEntryPath() const;

    /// Saves the fields; false (with the reason shown) when the input is
    /// incomplete or the file cannot be written.
    bool save();

public Q_SLOTS:
    void accept() override;

private:
    struct Private;
    void loadFields();
    void updateKind();
    void updateIconPreview();
    void chooseIcon();
    void chooseCommand();
    void showError(const QString &text);

    std::unique_ptr<Private> d;
};
