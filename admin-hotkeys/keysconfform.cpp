// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "keysconfform.h"
#include "hotkeyfunctions.h"
#include "selectcommanddialog.h"

#include <vyrfilechooser.h>
#include <vyrhelpmenu.h>
#include <vyrpaths.h>
#include <vyrsettings.h>
#include <vyrwmcommand.h>

#include <KKeySequenceWidget>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <QWindow>

#include <cstdio>

namespace {

constexpr int KeyRole = Qt::UserRole;        // column 1: key in portable text
constexpr int SourceRole = Qt::UserRole;     // column 3: "user" or "system"
constexpr int RawKeyRole = Qt::UserRole;     // column 0: the file's key bytes
constexpr int RawValueRole = Qt::UserRole + 1; // column 0: the file's value bytes

const QString userSource = QStringLiteral("user");
const QString systemSource = QStringLiteral("system");

// Keys that Qt cannot show as a sequence are shown as they were read.
bool showsRawText(const QString &portable)
{
    return portable.startsWith(QLatin1Char('#'))
        || (portable.endsWith(QLatin1Char('+')) && !portable.endsWith(QLatin1String("++")));
}

QKeySequence sequenceOf(const QString &portable)
{
    if (portable.isEmpty() || showsRawText(portable))
        return QKeySequence();
    const QKeySequence sequence = QKeySequence::fromString(portable, QKeySequence::PortableText);
    if (sequence.isEmpty() || (sequence[0] & ~Qt::KeyboardModifierMask) == Qt::Key_unknown)
        return QKeySequence();
    return sequence;
}

// Qt's native key text differs from the portable one only by translated key
// names; parsing every key of a large file again is worth avoiding.
bool keyNamesTranslated()
{
    // Qt's own catalogue holds these names; through a variable, so that ours
    // does not collect them.
    const auto changed = [](const char *name) {
        return QCoreApplication::translate("QShortcut", name) != QLatin1String(name);
    };
    static const bool translated = changed("Ctrl") || changed("Space") || changed("Shift");
    return translated;
}

QString nativeKeyText(const QString &portable)
{
    if (!keyNamesTranslated())
        return portable;
    const QKeySequence sequence = sequenceOf(portable);
    return sequence.isEmpty() ? portable : sequence.toString(QKeySequence::NativeText);
}

void printDiagnostic(const QString &text)
{
    std::fprintf(stderr, "vyr-admin-hotkeys: %s\n", text.toLocal8Bit().constData());
}

} // namespace

KeysConfForm::KeysConfForm(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("KeysConfForm"));
    createActions();
    createWidgets();
    setActionsEnabled(nullptr);
    setModified(false);
    updateTitle();
}

KeysConfForm::~KeysConfForm()
{
    saveSettings();
}

void KeysConfForm::createActions()
{
    const auto make = [this](const QString &icon, const QString &text, void (KeysConfForm::*slot)()) {
        auto *action = new QAction(text, this);
        m_actionIcons.append({action, icon});
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    fileNewAction = make(QStringLiteral("document-new"), tr("&New file"), &KeysConfForm::fileNew);
    fileOpenAction = make(QStringLiteral("document-open"), tr("&Open..."), &KeysConfForm::fileOpen);
    fileRestoreAction = make(QStringLiteral("view-refresh"), tr("&Restore..."), &KeysConfForm::fileRestore);
    fileRestoreAction->setToolTip(tr("Restore user's keyshortcutrc file from system one"));
    fileSaveAction = make(QStringLiteral("document-save"), tr("&Save"), &KeysConfForm::fileSave);
    fileSaveAsAction = make(QStringLiteral("document-save-as"), tr("Save &As..."), &KeysConfForm::fileSaveAs);
    fileExitAction = make(QString(), tr("E&xit"), &KeysConfForm::fileClose);
    fileApplyAction = make(QStringLiteral("dialog-ok-apply"), tr("Apply"), &KeysConfForm::fileApply);
    newCommandAction = make(QStringLiteral("edit-add"), tr("&New action"), &KeysConfForm::newCommand);
    cloneCommandAction = make(QStringLiteral("edit-copy"), tr("&Clone"), &KeysConfForm::cloneCommand);
    editCommandAction = make(QStringLiteral("document-properties"), tr("&Edit"), &KeysConfForm::editCommand);
    editCommandAction->setShortcut(QKeySequence(Qt::Key_Return));
    deleteCommandAction = make(QStringLiteral("edit-delete"), tr("&Delete"), &KeysConfForm::deleteCommand);
    deleteCommandAction->setShortcut(QKeySequence(Qt::Key_Delete));
}

void KeysConfForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Looking icons up in the icon theme is slow when they are missing, and
    // so is measuring 2 000 rows: the window goes on screen first and gets
    // its icons and column widths right after.
    if ((!m_actionIcons.isEmpty() || m_sizeColumns || m_keyWidget->isHidden() || !m_pendingLoad.first.isEmpty())
        && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool KeysConfForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, &KeysConfForm::completeWindow);
    }
    return QMainWindow::eventFilter(watched, event);
}

void KeysConfForm::completeWindow()
{
    for (const auto &entry : qAsConst(m_actionIcons)) {
        if (entry.first && !entry.second.isEmpty())
            entry.first->setIcon(QIcon::fromTheme(entry.second));
    }
    m_actionIcons.clear();
    m_keyWidget->show();
    fillPending();
    if (m_sizeColumns) {
        m_sizeColumns = false;
        m_tree->resizeColumnToContents(ActionColumn);
        m_tree->resizeColumnToContents(KeyColumn);
        m_tree->resizeColumnToContents(SourceColumn);
    }
    if (windowIcon().cacheKey() == QApplication::windowIcon().cacheKey())
        setWindowIcon(QIcon::fromTheme(QStringLiteral("preferences-desktop-keyboard-khotkeys"),
                                       QIcon::fromTheme(QStringLiteral("preferences-desktop-keyboard"))));
}

void KeysConfForm::createWidgets()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);

    m_tree = new QTreeWidget(central);
    m_tree->setObjectName(QStringLiteral("tree"));
    m_tree->setColumnCount(4);
    m_tree->setHeaderLabels({tr("Action"), tr("Current Key"), tr("vyr-wm function"), tr("Source")});
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setUniformRowHeights(true);
    layout->addWidget(m_tree, 1);

    m_keyBox = new QGroupBox(tr("Choose a Key for the Selected Action"), central);
    auto *keyLayout = new QHBoxLayout(m_keyBox);
    m_assignKey = new QRadioButton(tr("Assign Key:"), m_keyBox);
    m_keyWidget = new KKeySequenceWidget(m_keyBox);
    m_keyWidget->setObjectName(QStringLiteral("keyWidget"));
    // The window manager owns the global keys: conflicts are checked against
    // this editor's rows and the standard shortcuts only.
    m_keyWidget->setCheckForConflictsAgainst(KKeySequenceWidget::LocalShortcuts
                                             | KKeySequenceWidget::StandardShortcuts);
    m_keyWidget->setMultiKeyShortcutsAllowed(false);
    m_keyWidget->setModifierlessAllowed(true);
    m_clearKey = new QRadioButton(tr("Clear Key"), m_keyBox);
    keyLayout->addWidget(m_assignKey);
    keyLayout->addWidget(m_keyWidget);
    keyLayout->addWidget(m_clearKey);
    keyLayout->addStretch();
    m_keyBox->setEnabled(false);
    // Shown with the icons once the window is up (see completeWindow()).
    m_keyWidget->hide();
    layout->addWidget(m_keyBox);
    setCentralWidget(central);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addActions({fileNewAction, fileOpenAction, fileRestoreAction, fileSaveAction, fileSaveAsAction,
                      fileApplyAction});
    file->addSeparator();
    file->addAction(fileExitAction);
    menuBar()->addMenu(new VyrHelpMenu(this));

    QToolBar *toolbar = addToolBar(tr("Actions toolbar"));
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->addActions({fileNewAction, fileOpenAction, fileRestoreAction, fileSaveAction, fileSaveAsAction,
                         fileApplyAction});
    toolbar->addSeparator();
    toolbar->addActions({newCommandAction, cloneCommandAction, editCommandAction, deleteCommandAction});

    m_contextMenu = new QMenu(this);
    m_contextMenu->addActions({newCommandAction, cloneCommandAction, editCommandAction, deleteCommandAction});
    // The Return and Delete shortcuts act on the tree's rows.
    m_tree->addActions({editCommandAction, deleteCommandAction});
    editCommandAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    deleteCommandAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);

    connect(m_clearKey, &QRadioButton::clicked, this, &KeysConfForm::opt_nokeys_checked);
    connect(m_assignKey, &QRadioButton::clicked, this, &KeysConfForm::opt_customkey_checked);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &KeysConfForm::itemDoubleClicked);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &KeysConfForm::itemSelectionChanged);
    connect(m_tree, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        slotPopupMenu(m_tree->currentItem(), m_tree->viewport()->mapToGlobal(pos));
    });
    connect(m_keyWidget, &KKeySequenceWidget::keySequenceChanged, this, &KeysConfForm::fileChanged);
    connect(m_keyWidget, &KKeySequenceWidget::keySequenceChanged, this, &KeysConfForm::capturedKey);
}

QTreeWidgetItem *KeysConfForm::makeRow(const HotkeyRow &row)
{
    auto *item = new QTreeWidgetItem({row.action, nativeKeyText(row.key), row.function});
    if (!row.rawKey.isNull()) {
        item->setData(ActionColumn, RawKeyRole, row.rawKey);
        item->setData(ActionColumn, RawValueRole, row.rawValue);
    }
    if (!row.key.isEmpty())
        item->setData(KeyColumn, KeyRole, row.key);
    if (row.source != HotkeySource::None)
        setRowSource(item, row.source);
    return item;
}

void KeysConfForm::populate(const HotkeyBindings &bindings)
{
    const QSignalBlocker blocker(m_tree);
    m_tree->clear();
    m_commandGroup = nullptr;
    QList<QTreeWidgetItem *> top;
    top.reserve(bindings.groups.size());
    for (const HotkeyRowGroup &group : bindings.groups) {
        auto *groupItem = new QTreeWidgetItem(QStringList{group.title});
        QList<QTreeWidgetItem *> rows;
        rows.reserve(group.rows.size());
        for (const HotkeyRow &row : group.rows)
            rows.append(makeRow(row));
        groupItem->addChildren(rows);
        top.append(groupItem);
    }
    m_commandGroup = top.last();
    m_tree->addTopLevelItems(top);
    m_tree->expandAll();
    itemSelected(nullptr);
    setActionsEnabled(nullptr);
}

void KeysConfForm::fillFunctionTree()
{
    populate(HotkeyBindings());
}

HotkeyBindings KeysConfForm::bindings() const
{
    HotkeyBindings result = m_loaded;
    result.groups.clear();
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem *groupItem = m_tree->topLevelItem(g);
        HotkeyRowGroup group;
        group.title = groupItem->text(ActionColumn);
        group.rows.reserve(groupItem->childCount());
        for (int r = 0; r < groupItem->childCount(); ++r) {
            const QTreeWidgetItem *item = groupItem->child(r);
            HotkeyRow row;
            row.action = item->text(ActionColumn);
            row.key = item->data(KeyColumn, KeyRole).toString();
            row.function = item->text(FunctionColumn);
            const QString source = item->data(SourceColumn, SourceRole).toString();
            row.source = source == systemSource ? HotkeySource::System
                : source == userSource          ? HotkeySource::User
                                                : HotkeySource::None;
            const QVariant rawKey = item->data(ActionColumn, RawKeyRole);
            if (rawKey.isValid()) {
                row.rawKey = rawKey.toByteArray();
                row.rawValue = item->data(ActionColumn, RawValueRole).toByteArray();
            }
            group.rows.append(row);
        }
        result.groups.append(group);
    }
    result.disabledKeys = m_disabledKeys;
    return result;
}

bool KeysConfForm::sameFile(const QString &a, const QString &b) const
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

bool KeysConfForm::loadKeyFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString systemFile = sameFile(path, userKeyFilePath()) ? systemKeyFilePath() : QString();
    if (!m_fillWhenShown || isVisible()) {
        m_pendingLoad = {};
        return loadNow(path, systemFile);
    }
    // Only the test that decides whether the file can be edited runs now;
    // reading it into the tree waits until the window is on screen.
    QString error;
    if (!keyFileHasSection(path, &error)) {
        printDiagnostic(error);
        return false;
    }
    m_pendingLoad = {path, systemFile};
    m_currentFile = path;
    updateTitle();
    m_disabledKeys.clear();
    setModified(false);
    return true;
}

bool KeysConfForm::loadNow(const QString &path, const QString &systemFile)
{
    HotkeyBindings loaded;
    QString error;
    QString warning;
    if (!loaded.load(path, systemFile, &error, &warning)) {
        printDiagnostic(error);
        return false;
    }
    if (!warning.isEmpty())
        printDiagnostic(warning);
    std::fprintf(stderr, "files %s %s\n", path.toLocal8Bit().constData(), systemFile.toLocal8Bit().constData());
    m_currentFile = path;
    updateTitle();
    m_disabledKeys = loaded.disabledKeys;
    populate(loaded);
    loaded.groups.clear();
    m_loaded = loaded;
    setModified(false);
    return true;
}

void KeysConfForm::fillPending()
{
    if (m_pendingLoad.first.isEmpty())
        return;
    const auto pending = m_pendingLoad;
    m_pendingLoad = {};
    if (loadNow(pending.first, pending.second))
        return;
    // The file changed in the moment since it was found editable: nothing
    // may be saved over it.
    m_currentFile.clear();
    updateTitle();
    QMessageBox::warning(this, tr("Attention"), tr("Can't parse file:\n%1").arg(pending.first));
}

bool KeysConfForm::saveKeyFile()
{
    fillPending();
    if (!m_modified)
        return true;
    if (m_currentFile.isEmpty())
        return false;
    const bool userFile = sameFile(m_currentFile, userKeyFilePath());
    QString error;
    if (!bindings().save(m_currentFile, userFile, &error)) {
        printDiagnostic(QStringLiteral("Can't save file %1 (%2)").arg(m_currentFile, error));
        return false;
    }
    return true;
}

bool KeysConfForm::init(const QString &filepath)
{
    m_disabledKeys.clear();
    setModified(false);
    setActionsEnabled(nullptr);
    const bool loaded = loadKeyFile(filepath);
    m_startFile = filepath;
    restoreSettings();
    return loaded;
}

void KeysConfForm::restoreSettings()
{
    QSettings settings;
    const int width = settings.value(QStringLiteral("/Width"), 800).toInt();
    const int height = settings.value(QStringLiteral("/Height"), 600).toInt();
    if (width > 0 && height > 0)
        resize(width, height);
    if (settings.value(QStringLiteral("/Maximized"), false).toBool())
        setWindowState(windowState() | Qt::WindowMaximized);
    restoreState(settings.value(QStringLiteral("/MainWinState")).toByteArray());
    const QByteArray header = settings.value(QStringLiteral("/HeaderState")).toByteArray();
    if (header.isEmpty() || !m_tree->header()->restoreState(header)) {
        m_tree->setColumnHidden(FunctionColumn, true);
        // Measuring every row's text takes a while: done once the window shows.
        m_sizeColumns = true;
    }
}

void KeysConfForm::saveSettings() const
{
    QSettings settings;
    const bool maximized = isMaximized();
    const QSize size = maximized ? normalGeometry().size() : this->size();
    settings.setValue(QStringLiteral("/Width"), size.width());
    settings.setValue(QStringLiteral("/Height"), size.height());
    settings.setValue(QStringLiteral("/Maximized"), maximized);
    settings.setValue(QStringLiteral("/MainWinState"), saveState());
    settings.setValue(QStringLiteral("/HeaderState"), m_tree->header()->saveState());
}

void KeysConfForm::updateTitle()
{
    QString title = tr("Vyr hotkeys editor");
    if (!m_currentFile.isEmpty())
        title += QStringLiteral(" - ") + QFileInfo(m_currentFile).fileName();
    setWindowTitle(title);
    setWindowIconText(tr("Vyr hotkeys editor"));
}

void KeysConfForm::setModified(bool modified)
{
    m_modified = modified;
    fileSaveAction->setEnabled(modified);
    fileApplyAction->setEnabled(modified);
}

void KeysConfForm::fileChanged()
{
    setModified(true);
}

bool KeysConfForm::isGroupRow(const QTreeWidgetItem *item) const
{
    return item && item->text(FunctionColumn).isEmpty();
}

bool KeysConfForm::isCommandRow(const QTreeWidgetItem *item) const
{
    return item && m_commandGroup && item->parent() == m_commandGroup;
}

QTreeWidgetItem *KeysConfForm::selectedOrCurrent() const
{
    const QList<QTreeWidgetItem *> selected = m_tree->selectedItems();
    return selected.isEmpty() ? m_tree->currentItem() : selected.constFirst();
}

void KeysConfForm::itemSelectionChanged()
{
    const QList<QTreeWidgetItem *> selected = m_tree->selectedItems();
    QTreeWidgetItem *item = selected.isEmpty() ? nullptr : selected.constFirst();
    itemSelected(item);
    setActionsEnabled(item);
}

void KeysConfForm::showKeyOf(QTreeWidgetItem *item)
{
    const QSignalBlocker blocker(m_keyWidget);
    const QString key = item ? item->data(KeyColumn, KeyRole).toString() : QString();
    if (key.isEmpty()) {
        m_clearKey->setChecked(true);
        m_keyWidget->clearKeySequence();
        m_keyWidget->setEnabled(false);
        return;
    }
    m_assignKey->setChecked(true);
    m_keyWidget->setEnabled(true);
    const QKeySequence sequence = sequenceOf(key);
    m_keyWidget->setKeySequence(sequence, KKeySequenceWidget::NoValidate);
    if (sequence.isEmpty()) {
        // The capture widget has no text of its own: label its button.
        if (auto *button = m_keyWidget->findChild<QPushButton *>())
            button->setText(key);
    }
}

void KeysConfForm::itemSelected(QTreeWidgetItem *item)
{
    if (!item || item == m_commandGroup || isGroupRow(item)) {
        const QSignalBlocker blocker(m_keyWidget);
        m_keyBox->setEnabled(false);
        return;
    }
    m_keyBox->setEnabled(true);
    showKeyOf(item);
}

void KeysConfForm::opt_customkey_checked()
{
    m_keyWidget->setEnabled(true);
    m_keyWidget->captureKeySequence();
}

void KeysConfForm::capturedKey(const QKeySequence &sequence)
{
    if (sequence.isEmpty()) {
        // The capture widget's own clear button: the row loses its key as
        // with "Clear Key", instead of keeping it while the widget says None.
        QTreeWidgetItem *item = m_tree->currentItem();
        if (item && !isGroupRow(item) && !item->data(KeyColumn, KeyRole).toString().isEmpty()) {
            m_clearKey->setChecked(true);
            opt_nokeys_checked();
        }
        return;
    }
    setKey(sequence);
}

void KeysConfForm::setRowKey(QTreeWidgetItem *item, const QString &portableKey)
{
    item->setText(KeyColumn, nativeKeyText(portableKey));
    item->setData(KeyColumn, KeyRole, portableKey.isEmpty() ? QVariant() : QVariant(portableKey));
}

void KeysConfForm::setRowSource(QTreeWidgetItem *item, HotkeySource source)
{
    const bool user = source == HotkeySource::User;
    item->setText(SourceColumn, user ? tr("user") : tr("system"));
    item->setData(SourceColumn, SourceRole, user ? userSource : systemSource);
}

void KeysConfForm::setKey(const QKeySequence &sequence)
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (sequence.isEmpty() || !item || isGroupRow(item))
        return;
    if (isKeyPresent(sequence, true)) {
        // The widget already shows the refused key: show the row's own again.
        showKeyOf(item);
        return;
    }
    const QKeySequence first(sequence[0]);
    const QString portable = first.toString(QKeySequence::PortableText);
    setRowKey(item, portable);
    setRowSource(item, HotkeySource::User);
    {
        const QSignalBlocker blocker(m_keyWidget);
        m_keyWidget->setKeySequence(first, KKeySequenceWidget::NoValidate);
    }
    fileChanged();
    for (int i = m_disabledKeys.size() - 1; i >= 0; --i) {
        if (m_disabledKeys.at(i).compare(portable, Qt::CaseInsensitive) == 0)
            m_disabledKeys.removeAt(i);
    }
}

bool KeysConfForm::isKeyPresent(const QKeySequence &sequence, bool warnuser)
{
    const QString portable = QKeySequence(sequence[0]).toString(QKeySequence::PortableText);
    const QTreeWidgetItem *current = m_tree->currentItem();
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        const QTreeWidgetItem *item = *it;
        if (item == current)
            continue;
        if (item->data(KeyColumn, KeyRole).toString().compare(portable, Qt::CaseInsensitive) != 0)
            continue;
        if (warnuser) {
            const QString where = item->parent() ? item->parent()->text(ActionColumn) : item->text(KeyColumn);
            QMessageBox::warning(this, tr("Whoopsie! Key conflict."),
                                 tr("Ouch! The %1 key combination has already been allocated\nto the %2 action "
                                    "(%3).\n\nPlease choose a unique key combination.")
                                     .arg(QKeySequence(sequence[0]).toString(QKeySequence::NativeText), where,
                                          item->text(ActionColumn)),
                                 QMessageBox::Ok);
        }
        return true;
    }
    return false;
}

void KeysConfForm::disableSystemKey(const QTreeWidgetItem *item)
{
    const QString key = item->data(KeyColumn, KeyRole).toString();
    if (item->data(SourceColumn, SourceRole).toString() == systemSource && !key.isEmpty()
        && !m_disabledKeys.contains(key))
        m_disabledKeys.append(key);
}

void KeysConfForm::opt_nokeys_checked()
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item || isGroupRow(item))
        return;
    disableSystemKey(item);
    setRowKey(item, QString());
    setRowSource(item, HotkeySource::User);
    fileChanged();
    const QSignalBlocker blocker(m_keyWidget);
    m_keyWidget->clearKeySequence();
    m_keyWidget->setEnabled(false);
}

void KeysConfForm::newCommand()
{
    fillPending();
    m_keyBox->setEnabled(false);
    SelectCommandDialog dialog(this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const QString command = dialog.command();
    if (!accepted || command.isEmpty()) {
        itemSelected(m_tree->currentItem());
        return;
    }
    HotkeyRow row;
    row.action = command;
    row.function = execCommandId();
    row.source = HotkeySource::User;
    QTreeWidgetItem *item = makeRow(row);
    m_commandGroup->addChild(item);
    m_tree->scrollToItem(item);
    m_tree->setCurrentItem(item);
    m_keyBox->setEnabled(true);
    fileChanged();
}

void KeysConfForm::editCommand()
{
    if (QTreeWidgetItem *item = selectedOrCurrent())
        itemDoubleClicked(item, 0);
}

void KeysConfForm::itemDoubleClicked(QTreeWidgetItem *item, int column)
{
    if (!isCommandRow(item))
        return;
    SelectCommandDialog dialog(this);
    const QString old = item->text(ActionColumn);
    dialog.setCommand(old);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString command = dialog.command();
    if (command.isEmpty() || command == old)
        return;
    item->setText(ActionColumn, command);
    item->setText(FunctionColumn, execCommandId());
    setRowSource(item, HotkeySource::User);
    fileChanged();
}

void KeysConfForm::cloneCommand()
{
    QTreeWidgetItem *item = selectedOrCurrent();
    if (!item || isGroupRow(item) || !item->parent())
        return;
    HotkeyRow row;
    row.action = item->text(ActionColumn);
    row.function = item->text(FunctionColumn);
    row.source = HotkeySource::User;
    QTreeWidgetItem *clone = makeRow(row);
    QTreeWidgetItem *parent = item->parent();
    parent->insertChild(parent->indexOfChild(item) + 1, clone);
    m_tree->scrollToItem(clone);
    m_tree->setCurrentItem(clone);
    m_keyBox->setEnabled(true);
    fileChanged();
}

void KeysConfForm::deleteCommand()
{
    QTreeWidgetItem *item = selectedOrCurrent();
    if (!item || isGroupRow(item) || !item->parent())
        return;
    if (QMessageBox::question(this, tr("Delete"), tr("Are you sure to delete this action?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    disableSystemKey(item);
    QTreeWidgetItem *parent = item->parent();
    delete item;
    m_tree->setCurrentItem(parent);
    parent->setSelected(true);
    fileChanged();
}

bool KeysConfForm::setActionsEnabled(QTreeWidgetItem *item)
{
    bool newEnabled = false;
    bool editEnabled = false;
    bool deleteEnabled = false;
    bool cloneEnabled = false;
    if (item && item == m_commandGroup) {
        newEnabled = true;
    } else if (isCommandRow(item)) {
        newEnabled = editEnabled = deleteEnabled = cloneEnabled = true;
    } else if (item && !isGroupRow(item) && item->parent()) {
        cloneEnabled = true;
        const QString function = item->text(FunctionColumn);
        const QTreeWidgetItem *parent = item->parent();
        int same = 0;
        for (int i = 0; i < parent->childCount() && same < 2; ++i) {
            if (parent->child(i)->text(FunctionColumn) == function)
                ++same;
        }
        deleteEnabled = same > 1;
    }
    newCommandAction->setEnabled(newEnabled);
    editCommandAction->setEnabled(editEnabled);
    deleteCommandAction->setEnabled(deleteEnabled);
    cloneCommandAction->setEnabled(cloneEnabled);
    return newEnabled || editEnabled || deleteEnabled || cloneEnabled;
}

void KeysConfForm::slotPopupMenu(QTreeWidgetItem *item, const QPoint &point)
{
    if (setActionsEnabled(item))
        m_contextMenu->popup(point);
}

void KeysConfForm::contextMenuEvent(QContextMenuEvent *event)
{
    slotPopupMenu(m_tree->currentItem(), event->globalPos());
}

bool KeysConfForm::maybeSave()
{
    if (!m_modified)
        return true;
    const auto answer = QMessageBox::warning(this, tr("Save ?"), tr("Save previous changes?"),
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes)
        fileSave();
    // A save that failed (and said so) must not be followed by closing the
    // window or loading another file over the unsaved edits.
    return answer != QMessageBox::Yes || !m_modified;
}

QString KeysConfForm::askFileName(bool forSaving)
{
    VyrFileRequest request;
    request.mode = forSaving ? VyrFileRequest::SaveFile : VyrFileRequest::ExistingFile;
    request.title = tr("Select hotkeys file");
    request.directory = GetVyrDir(VyrDirUserPlatform);
    request.filter = QStringLiteral("*");
    request.nonNative = true;
    return vyrChooseFile(this, request);
}

bool KeysConfForm::chooseNewFile()
{
    fillPending();
    const QString name = askFileName(true);
    if (name.isEmpty())
        return false;
    if (!sameFile(name, m_currentFile)) {
        // The previous file's content goes to the new file in one piece.
        QString error;
        const bool copied = QFileInfo::exists(m_currentFile)
            ? copyKeyFile(m_currentFile, name, &error)
            : vyrWriteFileAtomically(name, emptyKeyFileContent(), &error);
        if (!copied) {
            printDiagnostic(error);
            QMessageBox::warning(this, tr("Error"), tr("Can't create file ") + name);
            return false;
        }
    }
    m_currentFile = name;
    updateTitle();
    fileChanged();
    return true;
}

void KeysConfForm::fileNew()
{
    if (maybeSave())
        chooseNewFile();
}

void KeysConfForm::fileOpen()
{
    if (!maybeSave())
        return;
    const QString name = askFileName(false);
    if (name.isEmpty())
        return;
    if (loadOrWarn(name))
        fileChanged();
}

bool KeysConfForm::loadOrWarn(const QString &path)
{
    if (loadKeyFile(path))
        return true;
    // The file stays untouched and the editor keeps the previous one.
    QMessageBox::warning(this, tr("Attention"), tr("Can't parse file:\n%1").arg(path));
    return false;
}

void KeysConfForm::fileSaveAs()
{
    if (chooseNewFile())
        fileSave();
}

void KeysConfForm::fileSave()
{
    if (saveKeyFile()) {
        setModified(false);
        return;
    }
    QMessageBox::warning(this, tr("Error"), tr("Can't save in file ") + m_currentFile);
}

void KeysConfForm::fileRestore()
{
    if (m_modified
        && QMessageBox::warning(this, tr("Save ?"), tr("All changes will be lost. Save them?"),
                                QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes)
        fileSave();
    const QString system = systemKeyFilePath();
    const QString user = userKeyFilePath();
    QString error;
    if (!copyKeyFile(system, user, &error)) {
        printDiagnostic(error);
        QMessageBox::warning(this, tr("Error"), tr("Can't restore file %1 from %2").arg(user, system));
        return;
    }
    if (loadOrWarn(user))
        fileChanged();
}

void KeysConfForm::fileApply()
{
    if (!saveKeyFile()) {
        // The window manager would read a file that does not hold the changes.
        QMessageBox::warning(this, tr("Error"), tr("Can't save in file ") + m_currentFile);
        return;
    }
    setModified(false);
    if (!sameFile(m_currentFile, m_startFile)) {
        QMessageBox::warning(this, tr("Warning"),
                             tr("You current file is \"%1\".\nAfter restart vyr-wm will use \"%2\".")
                                 .arg(m_currentFile, m_startFile),
                             QMessageBox::Ok);
    }
    vyrSendWmCommand(QStringLiteral("VYRWM_UPDATE_VAL SCKeysFile %1\n").arg(m_currentFile));
}

void KeysConfForm::fileClose()
{
    if (!maybeSave())
        return;
    m_closing = true;
    close();
    QApplication::quit();
}

void KeysConfForm::closeEvent(QCloseEvent *event)
{
    if (m_closing || maybeSave()) {
        m_closing = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void KeysConfForm::grabKeys()
{
}

bool KeysConfForm::messageReceived(const QString &message)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    return true;
}
