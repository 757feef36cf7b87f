// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "filechoices.h"
#include "modalanswerer.h"
#include "testenv.h"
#include "wmrecorder.h"

#include <hotkeyfile.h>
#include <keysconfform.h>
#include <myapplication.h>
#include <selectcommanddialog.h>
#include <startup.h>
#include <vyrhelpmenu.h>
#include <vyrinidocument.h>
#include <vyrmenudialog.h>
#include <vyrpaths.h>

#include <KKeySequenceWidget>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QMessageBox>
#include <QProcess>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QWindow>

namespace {

QTreeWidgetItem *rowOf(QTreeWidget *tree, const QString &function, int nth = 0)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->text(KeysConfForm::FunctionColumn) == function && nth-- == 0)
            return *it;
    }
    return nullptr;
}

int rowsWith(QTreeWidget *tree, const QString &function)
{
    int n = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        n += (*it)->text(KeysConfForm::FunctionColumn) == function;
    return n;
}

QString keyOf(const QTreeWidgetItem *item)
{
    return item->data(KeysConfForm::KeyColumn, Qt::UserRole).toString();
}

QString sourceOf(const QTreeWidgetItem *item)
{
    return item->text(KeysConfForm::SourceColumn);
}

void select(KeysConfForm &w, QTreeWidgetItem *item)
{
    w.tree()->setCurrentItem(item);
    item->setSelected(true);
}

QList<QPair<QByteArray, QByteArray>> entriesOf(const QString &path)
{
    VyrIniDocument doc(VyrIniDocument::CaseInsensitive);
    doc.loadFile(path);
    auto list = doc.entries(shortCutKeysSection);
    std::sort(list.begin(), list.end());
    return list;
}

const QByteArray systemKeys = "[ShortCutKeys]\nSuper|l=VYRWM_LOCK\nAlt|Tab=VYRWM_SWITCH_TASK\nNone|F1=\"xterm\"\n";

} // namespace

class TestHotkeysEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        vyrtest::resetHome();
        QVERIFY(vyrtest::writeFile(systemKeyFilePath(), systemKeys));
        QVERIFY(vyrtest::writeFile(userKeyFilePath(), "[ShortCutKeys]\nCtrl|Alt|l=VYRWM_LOCK\n"));
    }

    void treeOfUserAndSystemRows()
    {
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        QTreeWidget *tree = w.tree();
        QCOMPARE(tree->topLevelItemCount(), 13);
        QCOMPARE(tree->topLevelItem(12), w.commandGroupItem());
        QCOMPARE(tree->topLevelItem(12)->text(0), QStringLiteral("Command Keybindings"));
        QCOMPARE(tree->headerItem()->text(1), QStringLiteral("Current Key"));
        QVERIFY(tree->isColumnHidden(KeysConfForm::FunctionColumn));
        QCOMPARE(rowsWith(tree, "VYRWM_LOCK"), 2);
        QTreeWidgetItem *first = rowOf(tree, "VYRWM_LOCK");
        QCOMPARE(keyOf(first), QStringLiteral("Ctrl+Alt+L"));
        QCOMPARE(sourceOf(first), QStringLiteral("user"));
        QTreeWidgetItem *second = first->parent()->child(first->parent()->indexOfChild(first) + 1);
        QCOMPARE(keyOf(second), QStringLiteral("Meta+L"));
        QCOMPARE(sourceOf(second), QStringLiteral("system"));
        QCOMPARE(w.commandGroupItem()->childCount(), 1);
        QCOMPARE(w.windowTitle(), QStringLiteral("Vyr hotkeys editor - keyshortcutrc"));
        QVERIFY(!w.fileSaveAction->isEnabled());
        QVERIFY(!w.fileApplyAction->isEnabled());
        QVERIFY(!w.isModified());
    }

    // The program shows its window before filling a large tree.
    void treeFilledOnceShown()
    {
        KeysConfForm w;
        w.setFillWhenShown(true);
        QVERIFY(w.init(userKeyFilePath()));
        QCOMPARE(w.tree()->topLevelItemCount(), 0);
        w.show();
        QTRY_COMPARE(w.tree()->topLevelItemCount(), 13);
        QCOMPARE(keyOf(rowOf(w.tree(), "VYRWM_LOCK")), QStringLiteral("Ctrl+Alt+L"));
        QVERIFY(w.keyWidget()->isVisible());
        QVERIFY(w.tree()->columnWidth(KeysConfForm::ActionColumn) > 0);

        // A save before the tree is filled writes the file's bindings.
        KeysConfForm early;
        early.setFillWhenShown(true);
        QVERIFY(early.init(userKeyFilePath()));
        early.fileChanged();
        QVERIFY(early.saveKeyFile());
        const QList<QPair<QByteArray, QByteArray>> expected{{"Ctrl|Alt|l", "VYRWM_LOCK"}};
        QCOMPARE(entriesOf(userKeyFilePath()), expected);
    }

    // The file was found editable at start but broke before the window
    // showed: it is reported and nothing is saved over it.
    void deferredFileBrokeMeanwhile()
    {
        KeysConfForm w;
        w.setFillWhenShown(true);
        QVERIFY(w.init(userKeyFilePath()));
        QVERIFY(vyrtest::writeFile(userKeyFilePath(), "garbage\n"));
        ModalAnswerer answers;
        answers.answer(QMessageBox::Ok);
        answers.answer(QMessageBox::Ok);
        w.show();
        QTRY_COMPARE(answers.boxes(), QStringList{QStringLiteral("Attention|Can't parse file:\n") + userKeyFilePath()});
        QCOMPARE(w.currentFile(), QString());
        w.fileChanged();
        w.fileSave();
        QCOMPARE(answers.boxes().value(1), QStringLiteral("Error|Can't save in file "));
        QCOMPARE(vyrtest::readFile(userKeyFilePath()), QByteArray("garbage\n"));
    }

    void menusAndToolBar()
    {
        KeysConfForm w;
        const QList<QAction *> bar = w.menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
        QList<QAction *> file = bar[0]->menu()->actions();
        QVERIFY(file.size() == 8 && file[6]->isSeparator());
        file.removeAt(6);
        QCOMPARE(file, QList<QAction *>({w.fileNewAction, w.fileOpenAction, w.fileRestoreAction, w.fileSaveAction,
                                         w.fileSaveAsAction, w.fileApplyAction, w.fileExitAction}));
        QVERIFY(qobject_cast<VyrHelpMenu *>(bar[1]->menu()));
        auto *toolbar = w.findChild<QToolBar *>(QStringLiteral("toolbar"));
        QVERIFY(toolbar);
        QCOMPARE(toolbar->windowTitle(), QStringLiteral("Actions toolbar"));
        QList<QAction *> tools = toolbar->actions();
        QVERIFY(tools.size() == 11 && tools[6]->isSeparator());
        tools.removeAt(6);
        QCOMPARE(tools, QList<QAction *>({w.fileNewAction, w.fileOpenAction, w.fileRestoreAction, w.fileSaveAction,
                                          w.fileSaveAsAction, w.fileApplyAction, w.newCommandAction,
                                          w.cloneCommandAction, w.editCommandAction, w.deleteCommandAction}));
        QCOMPARE(w.editCommandAction->shortcut(), QKeySequence(Qt::Key_Return));
        QCOMPARE(w.deleteCommandAction->shortcut(), QKeySequence(Qt::Key_Delete));
        // Without an installed page the help entry says so instead of failing silently.
        ModalAnswerer answers;
        answers.answer(QMessageBox::Ok);
        qobject_cast<VyrHelpMenu *>(bar[1]->menu())->helpAction()->trigger();
        QCOMPARE(answers.boxes().size(), 1);
    }

    void keyConflict_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("conflict");
        QTest::newRow("same text") << "Ctrl+Alt+K" << true;
        QTest::newRow("lower case") << "ctrl+alt+k" << true;
        QTest::newRow("upper case") << "CTRL+ALT+K" << true;
        QTest::newRow("other key") << "Ctrl+Alt+J" << false;
    }
    void keyConflict()
    {
        QFETCH(QString, stored);
        QFETCH(bool, conflict);
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        rowOf(w.tree(), "VYRWM_EXIT")->setData(KeysConfForm::KeyColumn, Qt::UserRole, stored);
        QTreeWidgetItem *target = rowOf(w.tree(), "VYRWM_RESTART");
        select(w, target);
        ModalAnswerer answers;
        if (conflict)
            answers.answer(QMessageBox::Ok);
        w.setKey(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
        if (conflict) {
            QCOMPARE(answers.boxes().size(), 1);
            QVERIFY(answers.boxes().at(0).startsWith(QStringLiteral("Whoopsie! Key conflict.|Ouch! The Ctrl+Alt+K key")));
            QVERIFY(answers.boxes().at(0).contains(QStringLiteral("(exit vyr-wm)")));
            QCOMPARE(keyOf(target), QString());
            QCOMPARE(sourceOf(target), QString());
            QCOMPARE(w.keyWidget()->keySequence(), QKeySequence());
        } else {
            QCOMPARE(keyOf(target), QStringLiteral("Ctrl+Alt+K"));
            QCOMPARE(sourceOf(target), QStringLiteral("user"));
            QVERIFY(w.isModified());
        }
    }

    void clearedSystemKeyIsDisabled()
    {
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        QTreeWidgetItem *system = rowOf(w.tree(), "VYRWM_SWITCH_TASK");
        QCOMPARE(sourceOf(system), QStringLiteral("system"));
        select(w, system);
        QVERIFY(w.keyBox()->isEnabled());
        QVERIFY(w.assignKeyButton()->isChecked());
        w.clearKeyButton()->click();
        QCOMPARE(w.disabledKeys(), QStringList{QStringLiteral("Alt+Tab")});
        QCOMPARE(keyOf(system), QString());
        QCOMPARE(sourceOf(system), QStringLiteral("user"));
        QVERIFY(!w.keyWidget()->isEnabled());
        w.fileSave();
        QVERIFY(!w.isModified());
        QVERIFY(entriesOf(userKeyFilePath()).contains(qMakePair(QByteArray("Alt|Tab"), QByteArray("\"Disable\""))));
        QCOMPARE(vyrtest::readFile(systemKeyFilePath()), systemKeys);

        // Read back: no Disable row, the key is in the list again.
        KeysConfForm again;
        QVERIFY(again.init(userKeyFilePath()));
        QCOMPARE(again.disabledKeys(), QStringList{QStringLiteral("Alt+Tab")});
        for (QTreeWidgetItemIterator it(again.tree()); *it; ++it)
            QVERIFY((*it)->text(0) != QLatin1String("Disable"));
        // Assigning the key again takes it off the list.
        ModalAnswerer answers;
        select(again, rowOf(again.tree(), "VYRWM_SWITCH_TASK"));
        again.setKey(QKeySequence(QStringLiteral("Alt+Tab")));
        QCOMPARE(answers.boxes(), QStringList());
        QCOMPARE(again.disabledKeys(), QStringList());
    }

    // The capture widget's clear button clears the row's key too, instead
    // of leaving the key in the row (and in the file) while the widget
    // shows none.
    void clearButtonOfTheKeyWidget()
    {
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        QTreeWidgetItem *system = rowOf(w.tree(), "VYRWM_SWITCH_TASK");
        select(w, system);
        QVERIFY(w.keyWidget()->isEnabled());
        w.keyWidget()->clearKeySequence();
        QCOMPARE(keyOf(system), QString());
        QCOMPARE(sourceOf(system), QStringLiteral("user"));
        QCOMPARE(w.disabledKeys(), QStringList{QStringLiteral("Alt+Tab")});
        QVERIFY(w.clearKeyButton()->isChecked());
        QVERIFY(!w.keyWidget()->isEnabled());
        QVERIFY(w.isModified());
    }

    void actionsOfEachRowKind()
    {
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        const auto state = [&w] {
            return QVector<bool>{w.newCommandAction->isEnabled(), w.cloneCommandAction->isEnabled(),
                                 w.editCommandAction->isEnabled(), w.deleteCommandAction->isEnabled()};
        };
        QVERIFY(!w.setActionsEnabled(w.tree()->topLevelItem(0)));
        QCOMPARE(state(), QVector<bool>({false, false, false, false}));
        QVERIFY(w.setActionsEnabled(w.commandGroupItem()));
        QCOMPARE(state(), QVector<bool>({true, false, false, false}));
        QVERIFY(w.setActionsEnabled(w.commandGroupItem()->child(0)));
        QCOMPARE(state(), QVector<bool>({true, true, true, true}));
        // A function with one row can be cloned, not deleted.
        QTreeWidgetItem *exit = rowOf(w.tree(), "VYRWM_EXIT");
        QVERIFY(w.setActionsEnabled(exit));
        QCOMPARE(state(), QVector<bool>({false, true, false, false}));
        // The lock screen has two rows: both can be deleted.
        QVERIFY(w.setActionsEnabled(rowOf(w.tree(), "VYRWM_LOCK", 1)));
        QCOMPARE(state(), QVector<bool>({false, true, false, true}));

        select(w, exit);
        w.cloneCommand();
        QCOMPARE(rowsWith(w.tree(), "VYRWM_EXIT"), 2);
        QTreeWidgetItem *clone = w.tree()->currentItem();
        QCOMPARE(clone->text(0), exit->text(0));
        QCOMPARE(keyOf(clone), QString());
        QCOMPARE(sourceOf(clone), QStringLiteral("user"));
        QCOMPARE(exit->parent()->indexOfChild(clone), exit->parent()->indexOfChild(exit) + 1);
        QCOMPARE(state(), QVector<bool>({false, true, false, true}));
        QVERIFY(w.isModified());

        // The context menu shows for rows with actions only.
        w.slotPopupMenu(w.tree()->topLevelItem(0), QPoint(10, 10));
        QVERIFY(!w.contextMenu()->isVisible());
        w.slotPopupMenu(clone, QPoint(10, 10));
        QTRY_VERIFY(w.contextMenu()->isVisible());
        const QList<QAction *> menu = w.contextMenu()->actions();
        QCOMPARE(menu, QList<QAction *>({w.newCommandAction, w.cloneCommandAction, w.editCommandAction,
                                         w.deleteCommandAction}));
        w.contextMenu()->hide();
    }

    void deleteSystemRow()
    {
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        QTreeWidgetItem *system = rowOf(w.tree(), "VYRWM_LOCK", 1);
        QTreeWidgetItem *group = system->parent();
        select(w, system);
        {
            ModalAnswerer answers;
            answers.answer(QMessageBox::No);
            w.deleteCommand();
            QCOMPARE(answers.boxes(), QStringList{QStringLiteral("Delete|Are you sure to delete this action?")});
        }
        QCOMPARE(rowsWith(w.tree(), "VYRWM_LOCK"), 2);
        ModalAnswerer answers;
        answers.answer(QMessageBox::Yes);
        w.deleteCommand();
        QCOMPARE(rowsWith(w.tree(), "VYRWM_LOCK"), 1);
        QCOMPARE(w.disabledKeys(), QStringList{QStringLiteral("Meta+L")});
        QCOMPARE(w.tree()->currentItem(), group);
        QVERIFY(w.isModified());
    }

    void commandRows()
    {
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        ModalAnswerer answers;
        answers.then([](QWidget *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("commandEdit"))->setText(QStringLiteral("firefox --new"));
            static_cast<QDialog *>(dialog)->accept();
        });
        answers.then([](QWidget *dialog) {
            auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("commandEdit"));
            QCOMPARE(edit->text(), QStringLiteral("firefox --new"));
            edit->setText(QStringLiteral("sh -c \"echo 'hi'\""));
            static_cast<QDialog *>(dialog)->accept();
        });
        w.newCommand();
        QTreeWidgetItem *row = w.tree()->currentItem();
        QCOMPARE(row->parent(), w.commandGroupItem());
        QCOMPARE(row->text(0), QStringLiteral("firefox --new"));
        QCOMPARE(row->text(KeysConfForm::FunctionColumn), QStringLiteral("ExecCommand"));
        QCOMPARE(sourceOf(row), QStringLiteral("user"));
        QVERIFY(w.keyBox()->isEnabled());
        w.editCommand();
        QCOMPARE(row->text(0), QStringLiteral("sh -c \"echo 'hi'\""));
        QCOMPARE(answers.pending(), 0);
        w.fileSave();
        const auto entries = entriesOf(userKeyFilePath());
        QVERIFY(entries.contains(qMakePair(QByteArray("None0"), QByteArray("\"sh -c \"echo 'hi'\"\""))));
        // Function rows have no command to edit.
        select(w, rowOf(w.tree(), "VYRWM_EXIT"));
        w.itemDoubleClicked(rowOf(w.tree(), "VYRWM_EXIT"), 0);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void commandFromTheMenu()
    {
        const QString entry = GetVyrDir(VyrDirStartMenu) + QStringLiteral("/myapp.desktop");
        QVERIFY(vyrtest::writeFile(entry, "[Desktop Entry]\nType=Application\nName=My App\nExec=myapp --x %U\n"));
        SelectCommandDialog dialog;
        ModalAnswerer answers;
        answers.then([entry](QWidget *w) {
            auto *menu = qobject_cast<VyrMenuDialog *>(w);
            QVERIFY(menu);
            QVERIFY(menu->view()->showAndSelect(entry));
            menu->accept();
        });
        dialog.findChild<QToolButton *>(QStringLiteral("selectFromMenuButton"))->click();
        QCOMPARE(dialog.command(), QStringLiteral("myapp --x"));
    }

    void commandFromAnExecutable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("box");
        QTest::newRow("executable") << "tool" << true << "%1/tool" << QString();
        QTest::newRow("blank in the name") << "my tool" << true << "'%1/my tool'" << QString();
        QTest::newRow("not executable") << "data" << false << QString()
                                        << "File isn't executable|You can't exec selected file. Do you want to "
                                           "choose another one?";
        QTest::newRow("missing") << "gone" << false << QString()
                                 << "File doesn't exist|File you have selected doesn't exist. Do you want to choose "
                                    "another one?";
    }
    void commandFromAnExecutable()
    {
        QFETCH(QString, name);
        QFETCH(bool, executable);
        QFETCH(QString, command);
        QFETCH(QString, box);
        const QString dir = QDir(vyrtest::home()).canonicalPath() + QStringLiteral("/bin");
        QVERIFY(QDir().mkpath(dir));
        const QString file = dir + QLatin1Char('/') + name;
        if (name != QLatin1String("gone")) {
            QVERIFY(vyrtest::writeFile(file, "#!/bin/sh\n"));
            if (executable)
                QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::ExeOwner);
        }
        SelectCommandDialog dialog;
        dialog.setCommand(QStringLiteral("old"));
        FileChoices files;
        files.choose(file);
        ModalAnswerer answers;
        if (!box.isEmpty())
            answers.answer(QMessageBox::Cancel);
        dialog.findChild<QToolButton *>(QStringLiteral("selectCommandFileButton"))->click();
        QCOMPARE(files.titles(), QStringList{QStringLiteral("Open executable")});
        QCOMPARE(answers.boxes(), box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(dialog.command(), command.isEmpty() ? QStringLiteral("old") : command.arg(dir));
    }

    void capturedKeyFromTheKeyboard()
    {
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTreeWidgetItem *row = rowOf(w.tree(), "VYRWM_RESTART");
        select(w, row);
        QVERIFY(w.clearKeyButton()->isChecked());
        w.assignKeyButton()->click();
        QWindow *window = w.keyWidget()->window()->windowHandle();
        QTest::keyPress(window, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QTest::keyRelease(window, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QTest::keyRelease(window, Qt::Key_Alt, Qt::ControlModifier);
        QTest::keyRelease(window, Qt::Key_Control, Qt::NoModifier);
        QTRY_COMPARE(keyOf(row), QStringLiteral("Ctrl+Alt+K"));
        QCOMPARE(sourceOf(row), QStringLiteral("user"));
        QVERIFY(w.fileSaveAction->isEnabled());
    }

    void restoreShowsBindingsTwice()
    {
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        select(w, rowOf(w.tree(), "VYRWM_EXIT"));
        w.setKey(QKeySequence(QStringLiteral("Ctrl+Alt+X")));
        ModalAnswerer answers;
        answers.answer(QMessageBox::No);
        w.fileRestore();
        QCOMPARE(answers.boxes(), QStringList{QStringLiteral("Save ?|All changes will be lost. Save them?")});
        QCOMPARE(vyrtest::readFile(userKeyFilePath()), systemKeys);
        QCOMPARE(w.currentFile(), userKeyFilePath());
        QVERIFY(w.isModified());
        for (const QString &function : {QStringLiteral("VYRWM_LOCK"), QStringLiteral("VYRWM_SWITCH_TASK")}) {
            QCOMPARE(rowsWith(w.tree(), function), 2);
            QCOMPARE(sourceOf(rowOf(w.tree(), function, 0)), QStringLiteral("user"));
            QCOMPARE(sourceOf(rowOf(w.tree(), function, 1)), QStringLiteral("system"));
            QCOMPARE(keyOf(rowOf(w.tree(), function, 0)), keyOf(rowOf(w.tree(), function, 1)));
        }
        QCOMPARE(keyOf(rowOf(w.tree(), "VYRWM_EXIT")), QString());
        QCOMPARE(w.commandGroupItem()->childCount(), 2);
    }

    void applyTellsTheWindowManager()
    {
        WmRecorder recorder;
        QVERIFY(recorder.start());
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        select(w, rowOf(w.tree(), "VYRWM_EXIT"));
        w.setKey(QKeySequence(QStringLiteral("Ctrl+Alt+X")));
        QVERIFY(w.fileApplyAction->isEnabled());
        w.fileApply();
        QCOMPARE(recorder.takeCommands(), QStringList{QStringLiteral("VYRWM_UPDATE_VAL SCKeysFile ") + userKeyFilePath()});
        QVERIFY(!w.isModified());
        QVERIFY(!w.fileApplyAction->isEnabled());
        QVERIFY(entriesOf(userKeyFilePath()).contains(qMakePair(QByteArray("Ctrl|Alt|x"), QByteArray("VYRWM_EXIT"))));

        // Another file than the start file: the user is told which one the
        // window manager will use after a restart.
        const QString other = vyrtest::home() + QStringLiteral("/my keys; $(x)");
        FileChoices files;
        files.choose(other);
        ModalAnswerer answers;
        answers.answer(QMessageBox::Ok);
        w.fileSaveAs();
        QCOMPARE(files.requests().size(), 1);
        QCOMPARE(files.requests().at(0).mode, VyrFileRequest::SaveFile);
        QCOMPARE(w.currentFile(), other);
        QCOMPARE(w.windowTitle(), QStringLiteral("Vyr hotkeys editor - my keys; $(x)"));
        w.fileChanged();
        w.fileApply();
        QCOMPARE(answers.boxes().size(), 1);
        QVERIFY(answers.boxes().at(0).startsWith(QStringLiteral("Warning|You current file is \"") + other));
        QCOMPARE(recorder.takeCommands(), QStringList{QStringLiteral("VYRWM_UPDATE_VAL SCKeysFile ") + other});
        // The other file holds every row, the system's too.
        const auto entries = entriesOf(other);
        QVERIFY(entries.contains(qMakePair(QByteArray("Super|l"), QByteArray("VYRWM_LOCK"))));
        QVERIFY(entries.contains(qMakePair(QByteArray("Ctrl|Alt|x"), QByteArray("VYRWM_EXIT"))));
    }

    void failedSaveIsReported()
    {
        const QString dir = vyrtest::home() + QStringLiteral("/ro");
        const QString file = dir + QStringLiteral("/keys");
        const QByteArray data = "[ShortCutKeys]\nNone|F1=VYRWM_LOCK\n";
        QVERIFY(vyrtest::writeFile(file, data));
        KeysConfForm w;
        QVERIFY(w.init(file));
        select(w, rowOf(w.tree(), "VYRWM_EXIT"));
        w.setKey(QKeySequence(QStringLiteral("Ctrl+Alt+X")));
        QFile::setPermissions(vyrtest::home(), QFile::permissions(vyrtest::home()) | QFileDevice::ExeOther);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                       | QFileDevice::ExeOther);
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadOther);
        {
            vyrtest::AsOrdinaryUser user;
            ModalAnswerer answers;
            answers.answer(QMessageBox::Ok);
            w.fileSave();
            QCOMPARE(answers.boxes(), QStringList{QStringLiteral("Error|Can't save in file ") + file});
        }
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(w.isModified());
        QCOMPARE(vyrtest::readFile(file), data);
    }

    // Answering Yes to the save question when the save fails keeps the
    // window and its edits, instead of closing over them.
    void failedSaveOnExitKeepsTheWindow()
    {
        const QString dir = vyrtest::home() + QStringLiteral("/ro");
        const QString file = dir + QStringLiteral("/keys");
        QVERIFY(vyrtest::writeFile(file, "[ShortCutKeys]\n"));
        KeysConfForm w;
        QVERIFY(w.init(file));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.fileChanged();
        QFile::setPermissions(vyrtest::home(), QFile::permissions(vyrtest::home()) | QFileDevice::ExeOther);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                       | QFileDevice::ExeOther);
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadOther);
        {
            vyrtest::AsOrdinaryUser user;
            if (!user.active())
                QSKIP("permission checks need root to drop privileges");
            ModalAnswerer answers;
            answers.answer(QMessageBox::Yes);
            answers.answer(QMessageBox::Ok);
            w.fileClose();
            QCOMPARE(answers.boxes(), (QStringList{QStringLiteral("Save ?|Save previous changes?"),
                                                 QStringLiteral("Error|Can't save in file ") + file}));
            QVERIFY(w.isVisible());
            answers.answer(QMessageBox::Yes);
            answers.answer(QMessageBox::Ok);
            QVERIFY(!w.close());
        }
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(w.isVisible());
        QVERIFY(w.isModified());
    }

    void exitWithCancelKeepsTheWindow()
    {
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.fileChanged();
        {
            ModalAnswerer answers;
            answers.answer(QMessageBox::Cancel);
            w.fileClose();
            QCOMPARE(answers.boxes(), QStringList{QStringLiteral("Save ?|Save previous changes?")});
        }
        QVERIFY(w.isVisible());
        ModalAnswerer answers;
        answers.answer(QMessageBox::Cancel);
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
    }

    void messageRaisesTheWindow()
    {
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.showMinimized();
        QTRY_VERIFY(w.isMinimized());
        QVERIFY(w.messageReceived(QStringLiteral("show")));
        QVERIFY(!w.isMinimized());
    }

    void openRefusesAnUnreadableFile()
    {
        const QString bad = vyrtest::home() + QStringLiteral("/bad");
        QVERIFY(vyrtest::writeFile(bad, "no section here\n"));
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        FileChoices files;
        files.choose(bad);
        ModalAnswerer answers;
        answers.answer(QMessageBox::Ok);
        w.fileOpen();
        QCOMPARE(files.requests().size(), 1);
        QCOMPARE(files.requests().at(0).mode, VyrFileRequest::ExistingFile);
        QCOMPARE(answers.boxes(), QStringList{QStringLiteral("Attention|Can't parse file:\n") + bad});
        QCOMPARE(w.currentFile(), userKeyFilePath());
        QCOMPARE(vyrtest::readFile(bad), QByteArray("no section here\n"));
    }

    void largeUserFileThroughTheEditor()
    {
        QByteArray data = "[ShortCutKeys]\n";
        const char *functions[] = {"VYRWM_LOCK", "VYRWM_EXIT", "VYRWM_MOVE", "VYRWM_TILE_HORZ"};
        for (int i = 0; i < 2000; ++i) {
            const QByteArray key = "Ctrl|Alt|F" + QByteArray::number(i % 35 + 1) + (i / 35 ? "|x" + QByteArray::number(i / 35) : "");
            data += (i % 2 ? "None|U" + QByteArray::number(0x4e00 + i, 16).toUpper() : key) + '='
                + (i % 3 ? QByteArray(functions[i % 4]) : "\"run " + QByteArray::number(i) + "\"") + '\n';
        }
        QVERIFY(vyrtest::writeFile(userKeyFilePath(), data));
        const auto before = entriesOf(userKeyFilePath());
        QCOMPARE(before.size(), 2000);
        KeysConfForm w;
        QVERIFY(w.init(userKeyFilePath()));
        w.fileChanged();
        w.fileSave();
        QVERIFY(!w.isModified());
        QCOMPARE(entriesOf(userKeyFilePath()), before);
    }

    void startStatuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("content"); // of the named file; "-" for none
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("box");
        const QString file = vyrtest::home() + QStringLiteral("/named");
        QTest::newRow("help") << QStringList{"--help"} << QByteArray("-") << 0 << 1 << QString();
        QTest::newRow("short help") << QStringList{"-h"} << QByteArray("-") << 0 << 1 << QString();
        QTest::newRow("no section") << QStringList{file} << QByteArray("[Other]\n") << int(QMessageBox::Ok) << 4
                                    << QStringLiteral("Attention|Can't parse file:\n") + file;
        QTest::newRow("garbage") << QStringList{file} << QByteArray("\x01\x02\xff\xfe[\0x", 7) << int(QMessageBox::Ok)
                                 << 4 << QStringLiteral("Attention|Can't parse file:\n") + file;
        QTest::newRow("missing, declined") << QStringList{file} << QByteArray("-") << int(QMessageBox::No) << 2
                                           << QStringLiteral("Warning|File %1 doesn't exist. Create?").arg(file);
        QTest::newRow("missing, created") << QStringList{file} << QByteArray("-") << int(QMessageBox::Yes) << -1
                                          << QStringLiteral("Warning|File %1 doesn't exist. Create?").arg(file);
        QTest::newRow("placeholder means the user's file") << QStringList{"%f"} << QByteArray("-") << 0 << -1 << QString();
        QTest::newRow("no argument") << QStringList() << QByteArray("-") << 0 << -1 << QString();
    }
    void startStatuses()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, content);
        QFETCH(int, answer);
        QFETCH(int, status);
        QFETCH(QString, box);
        const QString file = vyrtest::home() + QStringLiteral("/named");
        QFile::remove(userKeyFilePath());
        if (content != "-")
            QVERIFY(vyrtest::writeFile(file, content));
        ModalAnswerer answers;
        if (answer)
            answers.answer(QMessageBox::StandardButton(answer));
        std::unique_ptr<KeysConfForm> window;
        QCOMPARE(startHotkeysEditor(args, window), status);
        QCOMPARE(answers.boxes(), box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(bool(window), status == -1);
        if (content != "-")
            QCOMPARE(vyrtest::readFile(file), content);
        if (status == -1) {
            const QString expected = args.isEmpty() || args[0].startsWith('%') ? userKeyFilePath() : file;
            QCOMPARE(window->currentFile(), expected);
            QCOMPARE(vyrtest::readFile(expected), QByteArray("[ShortCutKeys]\n"));
        }
    }

    void cannotCreateTheFile()
    {
        const QString dir = vyrtest::home() + QStringLiteral("/ro");
        QVERIFY(QDir().mkpath(dir));
        QFile::setPermissions(vyrtest::home(), QFile::permissions(vyrtest::home()) | QFileDevice::ExeOther);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                       | QFileDevice::ExeOther);
        const QString file = dir + QStringLiteral("/keys");
        vyrtest::AsOrdinaryUser user;
        ModalAnswerer answers;
        answers.answer(QMessageBox::Yes);
        answers.answer(QMessageBox::Ok);
        std::unique_ptr<KeysConfForm> window;
        QCOMPARE(startHotkeysEditor({file}, window), 3);
        QCOMPARE(answers.boxes().value(1), QStringLiteral("Attention|Can't open/create file:\n") + file);
    }

    void commandLine()
    {
        const auto help = vyrtest::run(vyrtest::programPath(QStringLiteral("vyr-admin-hotkeys")), {"--help"});
        QCOMPARE(help.exitCode, 1);
        QCOMPARE(help.out, QByteArray("Usage: vyr-admin-hotkeys filepath - open/create file as hotkeys coll\n\n"));
    }

    // A second start hands over to the running editor and exits with 0.
    void singleInstance()
    {
        QProcess first;
        first.setProgram(vyrtest::programPath(QStringLiteral("vyr-admin-hotkeys")));
        first.start();
        QVERIFY(first.waitForStarted());
        const QString socket = MyApplication::serverPath(vyrDisplayKey() + QStringLiteral("vyr-admin-hotkeys"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
        const auto second = vyrtest::run(vyrtest::programPath(QStringLiteral("vyr-admin-hotkeys")), {}, 10000);
        QCOMPARE(second.exitCode, 0);
        QVERIFY(!second.crashed && !second.timedOut);
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        if (!first.waitForFinished(5000))
            first.kill();
        first.waitForFinished(5000);
    }
};

VYR_TEST_MAIN_OWN_DISPLAY(TestHotkeysEditor)
#include "test_hotkeyseditor.moc"
