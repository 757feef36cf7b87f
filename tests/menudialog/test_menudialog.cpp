// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "modalanswerer.h"
#include "testenv.h"

#include "vyrdesktopentry.h"
#include "vyrmenucollection.h"
#include "vyrmenudialog.h"
#include "vyrpaths.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

class TestMenuDialog : public QObject
{
    Q_OBJECT

private:
    QString m_dir;

    static QByteArray entry(const QByteArray &name, const QByteArray &exec)
    {
        return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec + "\n";
    }
    template<typename T>
    static T *find(const VyrMenuDialog &dialog, const char *name)
    {
        auto *w = dialog.findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    static QStringList topNames(const QString &dir)
    {
        VyrMenuCollection collection(dir);
        collection.load();
        QStringList out;
        for (const auto &c : collection.root()->children)
            out << c->name;
        return out;
    }

private Q_SLOTS:
    void init()
    {
        vyrtest::resetHome();
        m_dir = vyrtest::home() + QStringLiteral("/menu");
        vyrtest::writeFile(m_dir + "/.directory",
                           "[Desktop Entry]\nType=Directory\nSortOrder=edit.desktop,Sub,view.desktop\n");
        vyrtest::writeFile(m_dir + "/edit.desktop", entry("Edit", "editor --new %F"));
        vyrtest::writeFile(m_dir + "/view.desktop", entry("View", "viewer"));
        vyrtest::writeFile(m_dir + "/Sub/.directory", "[Desktop Entry]\nType=Directory\nName=Sub\n");
        vyrtest::writeFile(m_dir + "/Sub/deep.desktop", entry("Deep", "deep %u"));
    }

    void defaultDirectoryIsTheStartMenu()
    {
        VyrMenuDialog editor(QString(), 32, true, true);
        QCOMPARE(editor.menuDir(), GetVyrDir(VyrDirStartMenu));
        VyrMenuDialog picker;
        QCOMPARE(picker.menuDir(), GetVyrDir(VyrDirStartMenu));
    }

    void showAndSelectOpensTheSubmenu()
    {
        VyrMenuDialog dialog(m_dir, 32, false, false);
        QVERIFY(dialog.view()->showAndSelect(m_dir + "/Sub/deep.desktop"));
        QCOMPARE(dialog.selectedItemPath(), m_dir + "/Sub/deep.desktop");
        QVERIFY(dialog.view()->selectedItems().constFirst()->parent()->isExpanded());
        QCOMPARE(dialog.selectedItemExec(), QStringLiteral("deep"));
        QCOMPARE(dialog.selectedItemExec(true), QStringLiteral("deep %u"));
        QVERIFY(!dialog.view()->showAndSelect(m_dir + "/missing.desktop"));
        QCOMPARE(dialog.selectedItemPath(), m_dir + "/Sub/deep.desktop");
    }

    // The picker only accepts an application entry.
    void pickerAcceptsEntriesOnly()
    {
        VyrMenuDialog dialog(m_dir, 32, false, false);
        QPushButton *ok = dialog.buttonBox()->button(QDialogButtonBox::Ok);
        QVERIFY(!ok->isEnabled());
        dialog.view()->showAndSelect(m_dir + "/Sub/.directory");
        QVERIFY(!ok->isEnabled());
        QVERIFY(dialog.selectedItemExec().isEmpty());
        dialog.view()->showAndSelect(m_dir + "/edit.desktop");
        QVERIFY(ok->isEnabled());
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedItemExec(), QStringLiteral("editor --new"));
    }

    // Given the editor, when the user renames, adds and moves entries with the
    // widgets and presses OK, then the files hold it.
    void editWithWidgets()
    {
        VyrMenuDialog dialog(m_dir, 32, true, true);
        dialog.view()->showAndSelect(m_dir + "/view.desktop");
        QLineEdit *name = find<QLineEdit>(dialog, "nameEdit");
        QCOMPARE(name->text(), QStringLiteral("View"));
        name->clear();
        QTest::keyClicks(name, "Viewer");
        QCOMPARE(dialog.view()->currentItem()->text(0), QStringLiteral("Viewer"));
        find<QPushButton>(dialog, "upButton")->click();
        QVERIFY(find<QPushButton>(dialog, "deleteButton")->isEnabled());

        find<QPushButton>(dialog, "addEntryButton")->click();
        QCOMPARE(name->text(), QStringLiteral("New entry"));
        name->selectAll();
        QTest::keyClicks(name, "Clock");
        QTest::keyClicks(find<QLineEdit>(dialog, "execEdit"), "xclock");
        find<QCheckBox>(dialog, "terminalCheck")->setChecked(true);
        QVERIFY(dialog.isModified());
        QVERIFY(topNames(m_dir) == (QStringList{"Edit", "Sub", "View"})); // nothing written yet

        dialog.buttonBox()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(topNames(m_dir), (QStringList{"Edit", "Viewer", "Clock", "Sub"}));
        VyrDesktopEntry clock(m_dir + "/clock.desktop");
        QVERIFY(clock.load());
        QCOMPARE(clock.exec(), QStringLiteral("xclock"));
        QVERIFY(clock.terminal());
        QCOMPARE(clock.type(), QStringLiteral("Application"));
    }

    void closeWithChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes saves") << int(QMessageBox::Yes) << true << true;
        QTest::newRow("no discards") << int(QMessageBox::No) << true << false;
        QTest::newRow("cancel stays") << int(QMessageBox::Cancel) << false << false;
    }
    void closeWithChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        VyrMenuDialog dialog(m_dir, 32, true, true);
        dialog.show();
        dialog.view()->showAndSelect(m_dir + "/edit.desktop");
        find<QCheckBox>(dialog, "hiddenCheck")->setChecked(true);
        ModalAnswerer answerer(QMessageBox::Escape);
        answerer.answer(QMessageBox::StandardButton(answer));
        dialog.buttonBox()->button(QDialogButtonBox::Close)->click();
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.texts().constFirst(), QStringLiteral("Save changes?"));
        QCOMPARE(!dialog.isVisible(), closed);
        VyrDesktopEntry edit(m_dir + "/edit.desktop");
        QVERIFY(edit.load());
        QCOMPARE(edit.hidden(), saved);
    }

    // A failed save keeps the dialog open with the edits, and says so.
    void failedSaveKeepsDialogOpen()
    {
        QFile::setPermissions(m_dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                         | QFileDevice::ExeOther);
        vyrtest::AsOrdinaryUser nobody;
        if (!nobody.active())
            QSKIP("permission checks need root to drop privileges");
        VyrMenuDialog dialog(m_dir, 32, true, true);
        dialog.show();
        dialog.view()->showAndSelect(m_dir + "/edit.desktop");
        find<QCheckBox>(dialog, "hiddenCheck")->setChecked(true);
        ModalAnswerer answerer(QMessageBox::Escape);
        dialog.buttonBox()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(answerer.titles(), QStringList{"Error"});
        QVERIFY(answerer.texts().constFirst().contains("edit.desktop"));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.isModified());
    }

    // Deleting an open submenu rebuilds the tree while the submenu's rows
    // still point at the freed items (the test runs with freed memory
    // scribbled over, see CMakeLists.txt).
    void deleteOpenSubmenu()
    {
        VyrMenuDialog dialog(m_dir, 32, true, true);
        dialog.show();
        QVERIFY(dialog.view()->showAndSelect(m_dir + "/Sub/deep.desktop"));
        QVERIFY(dialog.view()->showAndSelect(m_dir + "/Sub/.directory"));
        QVERIFY(dialog.view()->currentItem()->isExpanded());
        find<QPushButton>(dialog, "deleteButton")->click();
        QVERIFY(!dialog.view()->showAndSelect(m_dir + "/Sub/deep.desktop"));
        QVERIFY(find<QLineEdit>(dialog, "nameEdit")->text().isEmpty());
        dialog.buttonBox()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(topNames(m_dir), (QStringList{"Edit", "View"}));
        QVERIFY(!QFile::exists(m_dir + "/Sub/deep.desktop"));
    }

    // The row the tree makes current when it gets the focus looks chosen:
    // the form shows that entry rather than staying empty.
    void focusedRowFillsTheForm()
    {
        VyrMenuDialog dialog(m_dir, 32, true, true);
        dialog.show();
        // The focus reaches the tree once its window is active.
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.view()->setFocus();
        QTRY_VERIFY(dialog.view()->currentItem());
        QCOMPARE(dialog.view()->currentItem()->text(0), QStringLiteral("Edit"));
        QVERIFY(dialog.view()->currentItem()->isSelected());
        QCOMPARE(find<QLineEdit>(dialog, "nameEdit")->text(), QStringLiteral("Edit"));
        QVERIFY(find<QLineEdit>(dialog, "nameEdit")->isEnabled());
    }

    void hiddenEntriesOnlyWhenAsked()
    {
        vyrtest::writeFile(m_dir + "/gone.desktop", entry("Gone", "gone") + "Hidden=true\n");
        VyrMenuDialog picker(m_dir, 32, false, false);
        QVERIFY(!picker.view()->showAndSelect(m_dir + "/gone.desktop"));
        VyrMenuDialog editor(m_dir, 32, true, true);
        QVERIFY(editor.view()->showAndSelect(m_dir + "/gone.desktop"));
        QVERIFY(find<QCheckBox>(editor, "hiddenCheck")->isChecked());
    }
};

VYR_TEST_MAIN(TestMenuDialog)
#include "test_menudialog.moc"
