// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrmenudialog.h"
#include "vyrhelp.h"
#include "vyrmenucollection.h"
#include "vyrpaths.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

QString vyrStripFieldCodes(const QString &exec)
{
    static const QString codes = QStringLiteral("fFuUdDnNickvm");
    QString out;
    out.reserve(exec.size());
    for (int i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (c != QLatin1Char('%') || i + 1 >= exec.size()) {
            out.append(c);
            continue;
        }
        const QChar code = exec.at(++i);
        if (code == QLatin1Char('%')) {
            out.append(code);
            continue;
        }
        if (!codes.contains(code)) {
            // Not a field code: keep it as written.
            out.append(c);
            out.append(code);
            continue;
        }
        // A code standing alone as an argument takes its separating blank with it.
        const bool atArgumentEnd = i + 1 >= exec.size() || exec.at(i + 1).isSpace();
        if (atArgumentEnd && out.endsWith(QLatin1Char(' ')))
            out.chop(1);
    }
    return out.trimmed();
}

VyrMenuDialog::VyrMenuDialog(QWidget *parent)
    : QDialog(parent)
{
    setUp(QString(), 32, false, false);
}

VyrMenuDialog::VyrMenuDialog(const QString &dir, int iconSize, bool editable, bool showHidden, QWidget *parent,
                             Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setUp(dir, iconSize, editable, showHidden);
}

VyrMenuDialog::~VyrMenuDialog() = default;

void VyrMenuDialog::setUp(const QString &dir, int iconSize, bool editable, bool showHidden)
{
    m_editable = editable;
    QString menuDir = dir.isEmpty() ? GetVyrDir(VyrDirStartMenu) : QFileInfo(dir).absoluteFilePath();
    menuDir = QDir::cleanPath(menuDir);
    m_collection = std::make_unique<VyrMenuCollection>(menuDir, VyrMenuCollection::shippedDirFor(menuDir));
    m_collection->load();

    setWindowTitle(editable ? tr("Edit menu") : tr("Select program"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("vyrmenuedit")));

    m_view = new VyrMenuView(this);
    m_view->setObjectName(QStringLiteral("menuView"));
    m_view->setIconSize(QSize(iconSize, iconSize));
    m_view->setCollection(m_collection.get(), showHidden);

    auto *top = new QHBoxLayout;
    top->addWidget(m_view, 1);
    if (editable)
        buildEditor();
    if (m_editor)
        top->addWidget(m_editor);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | (editable ? QDialogButtonBox::Close : QDialogButtonBox::Cancel),
                                     this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &VyrMenuDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &VyrMenuDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_buttons);

    connect(m_view, &QTreeWidget::itemSelectionChanged, this, [this] {
        updateEditor();
        updateButtons();
    });
    if (!editable) {
        connect(m_view, &QTreeWidget::itemActivated, this, [this] {
            if (!selectedItemExec().isEmpty())
                accept();
        });
    }
    updateEditor();
    updateButtons();
    resize(editable ? 720 : 420, 480);
}

void VyrMenuDialog::buildEditor()
{
    m_editor = new QWidget(this);
    auto *column = new QVBoxLayout(m_editor);
    column->setContentsMargins(0, 0, 0, 0);

    auto *actions = new QHBoxLayout;
    auto makeButton = [&](QPushButton *&button, const QString &name, const QString &text, const char *icon) {
        button = new QPushButton(QIcon::fromTheme(QLatin1String(icon)), text, m_editor);
        button->setObjectName(name);
        button->setAutoDefault(false);
        actions->addWidget(button);
    };
    makeButton(m_addEntry, QStringLiteral("addEntryButton"), tr("New &entry"), "document-new");
    makeButton(m_addSubmenu, QStringLiteral("addSubmenuButton"), tr("New &submenu"), "folder-new");
    makeButton(m_delete, QStringLiteral("deleteButton"), tr("&Delete"), "edit-delete");
    makeButton(m_up, QStringLiteral("upButton"), tr("&Up"), "go-up");
    makeButton(m_down, QStringLiteral("downButton"), tr("Do&wn"), "go-down");
    column->addLayout(actions);

    auto *group = new QGroupBox(tr("Entry"), m_editor);
    auto *form = new QFormLayout(group);
    auto makeLine = [&](QLineEdit *&line, const QString &name, const QString &label, const QString &key) {
        line = new QLineEdit(group);
        line->setObjectName(name);
        form->addRow(label, line);
        connect(line, &QLineEdit::textEdited, this, [this, key](const QString &text) { storeField(key, text); });
    };
    makeLine(m_name, QStringLiteral("nameEdit"), tr("&Name:"), QStringLiteral("Name"));
    makeLine(m_comment, QStringLiteral("commentEdit"), tr("&Comment:"), QStringLiteral("Comment"));
    makeLine(m_exec, QStringLiteral("execEdit"), tr("Co&mmand:"), QStringLiteral("Exec"));
    makeLine(m_icon, QStringLiteral("iconEdit"), tr("&Icon:"), QStringLiteral("Icon"));
    auto makeCheck = [&](QCheckBox *&check, const QString &name, const QString &text, const QString &key) {
        check = new QCheckBox(text, group);
        check->setObjectName(name);
        form->addRow(QString(), check);
        connect(check, &QCheckBox::toggled, this, [this, key](bool on) {
            storeField(key, on ? QStringLiteral("true") : QStringLiteral("false"));
        });
    };
    makeCheck(m_terminal, QStringLiteral("terminalCheck"), tr("Run in &terminal"), QStringLiteral("Terminal"));
    makeCheck(m_hidden, QStringLiteral("hiddenCheck"), tr("&Hidden"), QStringLiteral("Hidden"));
    column->addWidget(group);
    column->addStretch(1);

    connect(m_addEntry, &QPushButton::clicked, this, [this] { addItem(false); });
    connect(m_addSubmenu, &QPushButton::clicked, this, [this] { addItem(true); });
    connect(m_delete, &QPushButton::clicked, this, &VyrMenuDialog::removeSelected);
    connect(m_up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveSelected(1); });
}

void VyrMenuDialog::updateEditor()
{
    if (!m_editor)
        return;
    const VyrMenuItem *item = m_view->selectedMenuItem();
    m_updating = true;
    m_name->setText(item ? item->name : QString());
    m_comment->setText(item ? item->comment : QString());
    m_exec->setText(item ? item->exec : QString());
    m_icon->setText(item ? item->icon : QString());
    m_terminal->setChecked(item && item->terminal);
    m_hidden->setChecked(item && item->hidden);
    m_updating = false;
    const bool isEntry = item && item->kind == VyrMenuItem::Entry;
    for (QWidget *w : {static_cast<QWidget *>(m_name), static_cast<QWidget *>(m_comment),
                       static_cast<QWidget *>(m_icon), static_cast<QWidget *>(m_hidden)})
        w->setEnabled(item != nullptr);
    m_exec->setEnabled(isEntry);
    m_terminal->setEnabled(isEntry);
}

void VyrMenuDialog::updateButtons()
{
    const VyrMenuItem *item = m_view->selectedMenuItem();
    if (!m_editable) {
        m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!selectedItemExec().isEmpty());
        return;
    }
    const int row = item ? item->row() : -1;
    const int count = item ? int(item->parent->children.size()) : 0;
    m_delete->setEnabled(item && !item->shipped);
    m_delete->setToolTip(item && item->shipped ? tr("Shipped entries can be hidden, not deleted") : QString());
    m_up->setEnabled(item && row > 0);
    m_down->setEnabled(item && row + 1 < count);
}

void VyrMenuDialog::storeField(const QString &key, const QString &value)
{
    VyrMenuItem *item = m_view->selectedMenuItem();
    if (m_updating || !item)
        return;
    if (key == QLatin1String("Name"))
        item->name = value;
    else if (key == QLatin1String("Comment"))
        item->comment = value;
    else if (key == QLatin1String("Exec"))
        item->exec = value;
    else if (key == QLatin1String("Icon"))
        item->icon = value;
    else if (key == QLatin1String("Terminal"))
        item->terminal = value == QLatin1String("true");
    else if (key == QLatin1String("Hidden"))
        item->hidden = value == QLatin1String("true");
    m_collection->touch(item);
    m_view->updateItem(item);
}

void VyrMenuDialog::addItem(bool submenu)
{
    VyrMenuItem *selected = m_view->selectedMenuItem();
    VyrMenuItem *parent = m_collection->root();
    int index = -1;
    if (selected && selected->kind == VyrMenuItem::Submenu) {
        parent = selected;
    } else if (selected) {
        parent = selected->parent;
        index = selected->row() + 1;
    }
    VyrMenuItem *item = m_collection->addItem(parent, submenu ? VyrMenuItem::Submenu : VyrMenuItem::Entry,
                                              submenu ? tr("New submenu") : tr("New entry"), index);
    if (!item)
        return;
    m_view->refresh();
    m_view->selectMenuItem(item);
    m_name->setFocus();
    m_name->selectAll();
}

void VyrMenuDialog::removeSelected()
{
    VyrMenuItem *item = m_view->selectedMenuItem();
    if (!item || !m_collection->removeItem(item))
        return;
    m_view->refresh();
    updateEditor();
    updateButtons();
}

void VyrMenuDialog::moveSelected(int delta)
{
    VyrMenuItem *item = m_view->selectedMenuItem();
    if (!item || !m_collection->moveItem(item, delta))
        return;
    m_view->refresh();
    updateButtons();
}

QString VyrMenuDialog::menuDir() const
{
    return m_collection->userDir();
}

VyrMenuView *VyrMenuDialog::view() const
{
    return m_view;
}

QDialogButtonBox *VyrMenuDialog::buttonBox() const
{
    return m_buttons;
}

VyrMenuCollection *VyrMenuDialog::collection() const
{
    return m_collection.get();
}

QString VyrMenuDialog::selectedItemExec(bool keepFieldCodes) const
{
    const VyrMenuItem *item = m_view->selectedMenuItem();
    if (!item || item->kind != VyrMenuItem::Entry)
        return QString();
    return keepFieldCodes ? item->exec : vyrStripFieldCodes(item->exec);
}

QString VyrMenuDialog::selectedItemPath() const
{
    const VyrMenuItem *item = m_view->selectedMenuItem();
    return item ? m_collection->userPath(item) : QString();
}

bool VyrMenuDialog::isModified() const
{
    return m_editable && m_collection->isModified();
}

bool VyrMenuDialog::save()
{
    QString error;
    if (m_collection->save(&error))
        return true;
    QMessageBox::critical(this, tr("Error"), error);
    return false;
}

void VyrMenuDialog::helpSlot()
{
    vyrHelpShow(QStringLiteral("menudialog"));
}

void VyrMenuDialog::accept()
{
    if (isModified() && !save())
        return;
    if (!m_editable && selectedItemExec().isEmpty())
        return;
    QDialog::accept();
}

void VyrMenuDialog::reject()
{
    if (isModified()) {
        const auto answer = QMessageBox::question(this, tr("Save ?"), tr("Save changes?"),
                                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return;
        if (answer == QMessageBox::Yes) {
            accept();
            return;
        }
    }
    QDialog::reject();
}
