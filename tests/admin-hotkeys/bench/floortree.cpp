// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// floortree ROWS: the floor of the start-up benchmark, a window with a
// four-column QTreeWidget of ROWS rows in groups of 150.
// (hotkeys-floortree-kxmlgui: the same, linked with KXmlGui.)
#include <QApplication>
#include <QTreeWidget>

#ifdef FLOOR_WITH_KXMLGUI
#include <KKeySequenceWidget>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 2000;
    QTreeWidget tree;
    tree.setColumnCount(4);
    tree.setHeaderLabels({QStringLiteral("Action"), QStringLiteral("Current Key"), QStringLiteral("Function"),
                          QStringLiteral("Source")});
    QList<QTreeWidgetItem *> groups;
    for (int i = 0; i < rows; ++i) {
        if (i % 150 == 0)
            groups.append(new QTreeWidgetItem(QStringList{QStringLiteral("Group %1").arg(i / 150)}));
        groups.last()->addChild(new QTreeWidgetItem(
            {QStringLiteral("action %1").arg(i), QStringLiteral("Ctrl+Alt+F%1").arg(i % 12 + 1),
             QStringLiteral("VYRWM_X"), QStringLiteral("user")}));
    }
    tree.addTopLevelItems(groups);
    tree.expandAll();
#ifdef FLOOR_WITH_KXMLGUI
    // The same floor with the key capture widget's libraries loaded: what the
    // editor pays before its first line runs.
    tree.setObjectName(QString::fromLatin1(KKeySequenceWidget::staticMetaObject.className()));
#endif
    tree.resize(800, 600);
    tree.show();
    return app.exec();
}
