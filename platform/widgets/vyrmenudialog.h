// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "vyrmenuview.h"

#include <QDialog>
#include <QString>

#include <memory>

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class VyrMenuCollection;

/**
 * The desktop's menu dialog: a collection of desktop entries (a directory of
 * ".desktop" files whose subdirectories with a ".directory" file are
 * submenus) shown as a tree in the collection's sort order.
 *
 * Two uses:
 * - picking a program (VyrMenuDialog(parent)): the user's start menu, read
 *   only, hidden entries left out; OK is enabled while an application entry
 *   is selected, and selectedItemExec() gives its command line afterwards;
 * - editing (editable set): entries and submenus can be added, edited (name,
 *   comment, command, icon, terminal, hidden), deleted and reordered. Nothing
 *   is written before OK; OK saves the collection (an error keeps the dialog
 *   open), Close asks whether to save pending changes.
 *
 * The user's start menu (GetVyrDir(4)) lies over the shipped start menu
 * (GetVyrDir(0) + "/startmenu"): a user file of the same relative path
 * replaces the shipped one, and editing or hiding a shipped entry writes a
 * user copy, so the shipped file is never touched.
 */
class VyrMenuDialog : public QDialog
{
    Q_OBJECT
public:
    /// The program picker over the user's start menu.
    explicit VyrMenuDialog(QWidget *parent = nullptr);
    /**
     * @p dir the collection to show; empty means the user's start menu.
     * @p iconSize the size of the entries' icons in pixels.
     * @p editable whether the collection can be edited.
     * @p showHidden whether hidden entries are listed (greyed), so that they
     * can be made visible again.
     */
    VyrMenuDialog(const QString &dir, int iconSize, bool editable, bool showHidden, QWidget *parent = nullptr,
                  Qt::WindowFlags flags = Qt::WindowFlags());
    ~VyrMenuDialog() override;

    /// The directory the dialog shows (absolute, without a trailing slash).
    QString menuDir() const;
    /// The tree; showAndSelect() selects an entry in it.
    VyrMenuView *view() const;
    /// The dialog's buttons (OK, and Close or Cancel); callers may add their own.
    QDialogButtonBox *buttonBox() const;
    /// The collection being shown and edited.
    VyrMenuCollection *collection() const;

    /**
     * The command line of the selected application entry with its field
     * codes (%f, %U, %i, ...) removed (kept as stored with
     * @p keepFieldCodes); empty when no application entry is selected.
     */
    QString selectedItemExec(bool keepFieldCodes = false) const;
    /// The file of the selected entry (a ".desktop" file, or the ".directory"
    /// file of a submenu); empty without a selection.
    QString selectedItemPath() const;

    /// Unsaved edits exist.
    bool isModified() const;
    /// Writes the collection now; on failure shows an error and returns false.
    bool save();

public Q_SLOTS:
    /// Shows the help page of the menu dialog.
    void helpSlot();
    void accept() override;
    void reject() override;

private:
    void setUp(const QString &dir, int iconSize, bool editable, bool showHidden);
    void buildEditor();
    void updateEditor();
    void updateButtons();
    void storeField(const QString &key, const QString &value);
    void addItem(bool submenu);
    void removeSelected();
    void moveSelected(int delta);

    std::unique_ptr<VyrMenuCollection> m_collection;
    VyrMenuView *m_view = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QWidget *m_editor = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_comment = nullptr;
    QLineEdit *m_exec = nullptr;
    QLineEdit *m_icon = nullptr;
    QCheckBox *m_terminal = nullptr;
    QCheckBox *m_hidden = nullptr;
    QPushButton *m_addEntry = nullptr;
    QPushButton *m_addSubmenu = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
    bool m_editable = false;
    bool m_updating = false;
};

/**
 * @p exec with the field codes of the desktop entry format removed ("%f",
 * "%U", "%i", ...), "%%" turned into "%", and blanks left by removed codes
 * collapsed. Quoted arguments stay as written.
 */
QString vyrStripFieldCodes(const QString &exec);
