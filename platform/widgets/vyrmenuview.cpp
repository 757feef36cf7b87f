// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrmenuview.h"
#include "vyrmenucollection.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QSet>

static VyrMenuItem *itemOf(const QTreeWidgetItem *row)
{
    return row ? reinterpret_cast<VyrMenuItem *>(row->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

VyrMenuView::VyrMenuView(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    header()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    // The tree makes its first row current when it gets the focus, without
    // selecting it; that row looks chosen, so the selection (which the
    // dialog's form and OK button follow) must be that row too.
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        if (current && selectedItems().isEmpty())
            current->setSelected(true);
    });
}

void VyrMenuView::setCollection(VyrMenuCollection *collection, bool showHidden)
{
    m_collection = collection;
    m_showHidden = showHidden;
    clear();
    if (m_collection)
        addChildren(nullptr, m_collection->root());
}

void VyrMenuView::refresh()
{
    const VyrMenuItem *selected = selectedMenuItem();
    // Rows are remembered by their item's address only: the collection may
    // already have freed the item of a row (a deleted submenu), so the rows'
    // items must not be read here.
    QSet<const VyrMenuItem *> expanded;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if ((*it)->isExpanded())
            expanded.insert(itemOf(*it));
    }
    const QSignalBlocker blocker(this);
    clear();
    if (m_collection)
        addChildren(nullptr, m_collection->root());
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (expanded.contains(itemOf(*it)))
            (*it)->setExpanded(true);
    }
    selectMenuItem(selected);
}

void VyrMenuView::addChildren(QTreeWidgetItem *parentRow, const VyrMenuItem *parent)
{
    for (const auto &child : parent->children) {
        if (child->hidden && !m_showHidden)
            continue;
        auto *row = parentRow ? new QTreeWidgetItem(parentRow) : new QTreeWidgetItem(this);
        row->setData(0, Qt::UserRole, QVariant::fromValue(quintptr(child.get())));
        fillRow(row, child.get());
        if (child->kind == VyrMenuItem::Submenu)
            addChildren(row, child.get());
    }
}

void VyrMenuView::fillRow(QTreeWidgetItem *row, const VyrMenuItem *item) const
{
    row->setText(0, item->name);
    row->setToolTip(0, item->comment);
    QIcon icon;
    if (QFileInfo(item->icon).isAbsolute())
        icon = QIcon(item->icon);
    else if (!item->icon.isEmpty())
        icon = QIcon::fromTheme(item->icon);
    if (icon.isNull())
        icon = QIcon::fromTheme(item->kind == VyrMenuItem::Submenu ? QStringLiteral("folder")
                                                                   : QStringLiteral("application-x-executable"));
    row->setIcon(0, icon);
    QFont font = row->font(0);
    font.setItalic(item->hidden);
    row->setFont(0, font);
    row->setForeground(0, item->hidden ? palette().brush(QPalette::Disabled, QPalette::Text)
                                       : palette().brush(QPalette::Active, QPalette::Text));
}

QTreeWidgetItem *VyrMenuView::treeItemFor(const VyrMenuItem *item) const
{
    if (!item)
        return nullptr;
    for (QTreeWidgetItemIterator it(const_cast<VyrMenuView *>(this)); *it; ++it) {
        if (itemOf(*it) == item)
            return *it;
    }
    return nullptr;
}

void VyrMenuView::updateItem(const VyrMenuItem *item)
{
    if (QTreeWidgetItem *row = treeItemFor(item))
        fillRow(row, item);
}

VyrMenuItem *VyrMenuView::selectedMenuItem() const
{
    const auto rows = selectedItems();
    return rows.isEmpty() ? nullptr : itemOf(rows.constFirst());
}

void VyrMenuView::selectMenuItem(const VyrMenuItem *item)
{
    QTreeWidgetItem *row = treeItemFor(item);
    if (!row) {
        clearSelection();
        return;
    }
    for (QTreeWidgetItem *up = row->parent(); up; up = up->parent())
        up->setExpanded(true);
    setCurrentItem(row);
    row->setSelected(true);
    scrollToItem(row);
}

bool VyrMenuView::showAndSelect(const QString &path)
{
    if (!m_collection)
        return false;
    const VyrMenuItem *item = m_collection->findByPath(path);
    if (!item || !treeItemFor(item))
        return false;
    selectMenuItem(item);
    return true;
}
