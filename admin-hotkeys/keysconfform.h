// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "hotkeyfile.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class KKeySequenceWidget;
class QAction;
class QGroupBox;
class QMenu;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

/**
 * The hot-key editor's main window: the window manager's functions and the
 * command bindings in a tree, the key of the selected row, and the file
 * actions. The tree is the editor's model; HotkeyBindings carries it to and
 * from the file.
 */
class KeysConfForm : public QMainWindow
{
    Q_OBJECT
public:
    enum Column { ActionColumn = 0, KeyColumn = 1, FunctionColumn = 2, SourceColumn = 3 };

    explicit KeysConfForm(QWidget *parent = nullptr);
    ~KeysConfForm() override;

    /// Empties the tree and adds the function table without keys.
    void fillFunctionTree();
    /// Fills the tree from @p path (with the system file when @p path is
    /// the user's file); false, tree unchanged, when it cannot be read.
    bool loadKeyFile(const QString &path);
    /// Writes the tree into the current file; false when it cannot be written.
    bool saveKeyFile();

    QString currentFile() const { return m_currentFile; }
    QString startFile() const { return m_startFile; }
    QStringList disabledKeys() const { return m_disabledKeys; }
    bool isModified() const { return m_modified; }
    QTreeWidget *tree() const { return m_tree; }
    KKeySequenceWidget *keyWidget() const { return m_keyWidget; }
    QGroupBox *keyBox() const { return m_keyBox; }
    QRadioButton *assignKeyButton() const { return m_assignKey; }
    QRadioButton *clearKeyButton() const { return m_clearKey; }
    QTreeWidgetItem *commandGroupItem() const { return m_commandGroup; }
    QMenu *contextMenu() const { return m_contextMenu; }

    /**
     * With @p deferred, a file loaded while the window is not shown yet is
     * only checked (readable, with its section) and read into the tree once
     * the window is on screen: a large file then does not hold up the
     * window's first appearance.
     */
    void setFillWhenShown(bool deferred) { m_fillWhenShown = deferred; }

    /// The tree as bindings (what a save writes).
    HotkeyBindings bindings() const;

    QAction *fileNewAction = nullptr;
    QAction *fileOpenAction = nullptr;
    QAction *fileRestoreAction = nullptr;
    QAction *fileSaveAction = nullptr;
    QAction *fileSaveAsAction = nullptr;
    QAction *fileExitAction = nullptr;
    QAction *fileApplyAction = nullptr;
    QAction *newCommandAction = nullptr;
    QAction *cloneCommandAction = nullptr;
    QAction *editCommandAction = nullptr;
    QAction *deleteCommandAction = nullptr;

public Q_SLOTS:
    void capturedKey(const QKeySequence &sequence);
    void cloneCommand();
    void deleteCommand();
    void editCommand();
    void fileApply();
    void fileChanged();
    void fileClose();
    void fileNew();
    void fileOpen();
    void fileRestore();
    void fileSave();
    void fileSaveAs();
    void grabKeys();
    bool init(const QString &filepath);
    bool isKeyPresent(const QKeySequence &sequence, bool warnuser);
    void itemDoubleClicked(QTreeWidgetItem *item, int column);
    void itemSelectionChanged();
    void itemSelected(QTreeWidgetItem *item);
    void newCommand();
    void opt_customkey_checked();
    void opt_nokeys_checked();
    void setKey(const QKeySequence &sequence);
    void slotPopupMenu(QTreeWidgetItem *item, const QPoint &point);
    bool setActionsEnabled(QTreeWidgetItem *item);
    bool messageReceived(const QString &message);

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createActions();
    /// Icons and first column widths, once the window is shown.
    void completeWindow();
    void fillPending();
    bool loadNow(const QString &path, const QString &systemFile);
    void createWidgets();
    void populate(const HotkeyBindings &bindings);
    void setModified(bool modified);
    void updateTitle();
    void restoreSettings();
    void saveSettings() const;
    /// Asks whether to save changes; false when the user cancelled.
    bool maybeSave();
    /// Lets the user choose a file name for New file and Save As, copies the
    /// current file there and makes it current.
    bool chooseNewFile();
    /// loadKeyFile() with a warning when the file cannot be read.
    bool loadOrWarn(const QString &path);
    QString askFileName(bool forSaving);
    QTreeWidgetItem *selectedOrCurrent() const;
    bool isCommandRow(const QTreeWidgetItem *item) const;
    bool isGroupRow(const QTreeWidgetItem *item) const;
    void setRowKey(QTreeWidgetItem *item, const QString &portableKey);
    void setRowSource(QTreeWidgetItem *item, HotkeySource source);
    void showKeyOf(QTreeWidgetItem *item);
    /// A system row's key goes to the disabled-key list when the row loses it.
    void disableSystemKey(const QTreeWidgetItem *item);
    QTreeWidgetItem *makeRow(const HotkeyRow &row);
    bool sameFile(const QString &a, const QString &b) const;

    QTreeWidget *m_tree = nullptr;
    QGroupBox *m_keyBox = nullptr;
    QRadioButton *m_assignKey = nullptr;
    QRadioButton *m_clearKey = nullptr;
    KKeySequenceWidget *m_keyWidget = nullptr;
    QMenu *m_contextMenu = nullptr;
    QTreeWidgetItem *m_commandGroup = nullptr;

    QStringList m_disabledKeys;
    HotkeyBindings m_loaded; ///< what the last load found besides the rows
    QString m_currentFile;
    QString m_startFile;
    bool m_modified = false;
    bool m_closing = false;
    bool m_sizeColumns = false;
    bool m_fillWhenShown = false;
    QPair<QString, QString> m_pendingLoad; ///< file and system file still to read into the tree
    QList<QPair<QPointer<QAction>, QString>> m_actionIcons; ///< icons still to load

};
