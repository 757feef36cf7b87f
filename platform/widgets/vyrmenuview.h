// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QTreeWidget>

struct VyrMenuItem;
class VyrMenuCollection;

/**
 * The tree of a VyrMenuCollection: submenus as branches, entries as leaves,
 * in the collection's order. Hidden items are greyed when shown at all.
 * The view does not own the collection.
 */
class VyrMenuView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit VyrMenuView(QWidget *parent = nullptr);

    /// Shows @p collection (null clears the view).
    void setCollection(VyrMenuCollection *collection, bool showHidden);
    /// Rebuilds the tree from the collection, keeping the selection.
    void refresh();

    /**
     * Opens the submenus leading to the item whose file is @p path (a
     * ".desktop" file, or a submenu's ".directory"), selects it and scrolls
     * to it. Returns false (and leaves the selection) when the collection
     * holds no such item.
     */
    bool showAndSelect(const QString &path);

    /// The selected item, or null.
    VyrMenuItem *selectedMenuItem() const;
    /// Selects @p item (null clears the selection).
    void selectMenuItem(const VyrMenuItem *item);
    /// The tree row of @p item, or null when it is not shown.
    QTreeWidgetItem *treeItemFor(const VyrMenuItem *item) const;
    /// Updates the row of @p item after its fields changed.
    void updateItem(const VyrMenuItem *item);

private:
    void addChildren(QTreeWidgetItem *parentRow, const VyrMenuItem *parent);
    void fillRow(QTreeWidgetItem *row, const VyrMenuItem *item) const;

    VyrMenuCollection *m_collection = nullptr;
    bool m_showHidden = false;
};
