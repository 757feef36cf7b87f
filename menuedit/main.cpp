// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "menueditor.h"

#include "vyrinit.h"
#include "vyrversion.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vyrInit(vyrVersion(), QT_TRANSLATE_NOOP("vyrInit", "Vyr desktop entry collection (menu, toolbar, etc.) editor"));

    MenuEditor editor;
    const int status = editor.prepare(QCoreApplication::arguments().mid(1));
    if (status != MenuEditor::Continue)
        return status;
    return editor.run();
}
