// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "filechoices.h"
#include "modalanswerer.h"
#include "testenv.h"
#include "wmrecorder.h"

#include <configdialog.h>
#include <settingsarchive.h>
#include <themesettings.h>

#include <vyrxresources.h>

#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QStandardPaths>

#include <memory>

namespace {
QString home()
{
    return vyrtest::home();
}
QString themeFile()
{
    return home() + QStringLiteral("/.vyr/theme/current.themerc");
}
QString paletteFile()
{
    return home() + QStringLiteral("/.vyr/paletterc");
}
QString outside(const QString &name)
{
    return vyrtest::sandboxRoot() + QStringLiteral("/outside/") + name;
}
}

class TestArchiveSlots : public QObject
{
    Q_OBJECT
    WmRecorder m_recorder;

    std::unique_ptr<ConfigDialog> showDialog()
    {
        auto dialog = std::make_unique<ConfigDialog>(themeFile(), paletteFile());
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            return nullptr;
        return dialog;
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("VYR_NO_REAL_COMPOSITE", "1");
        QCoreApplication::setOrganizationName(QStringLiteral("orlenvask"));
        QCoreApplication::setApplicationName(QStringLiteral("vyr-admin-theme"));
        vyrtest::installShippedData();
        QVERIFY(m_recorder.start());
    }

    void init()
    {
        vyrtest::resetHome();
        QDir(vyrtest::sandboxRoot() + QStringLiteral("/outside")).removeRecursively();
        QVERIFY(QDir().mkpath(vyrtest::sandboxRoot() + QStringLiteral("/outside")));
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\n"));
        QVERIFY(vyrtest::writeFile(paletteFile(), "[Variables]\nPrimaryColor=#5682a3\n"));
        m_recorder.takeCommands();
    }

    void exportWritesArchive()
    {
        const QString wallpaper = outside(QStringLiteral("My Walls/w $(touch x).jpg"));
        QVERIFY(vyrtest::writeFile(wallpaper, "JPEG"));
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\nWallPaper=" + wallpaper.toUtf8() + "\n"));
        auto dialog = showDialog();
        QVERIFY(dialog);
        FileChoices files;
        const QString archive = outside(QStringLiteral("my settings.tgz"));
        files.choose(archive);
        ModalAnswerer boxes;

        dialog->exportSlot();

        QCOMPARE(files.requests().size(), 1);
        QCOMPARE(files.requests().first().mode, VyrFileRequest::SaveFile);
        QCOMPARE(files.requests().first().directory, home() + QStringLiteral("/vyr-settings.tgz"));
        QCOMPARE(files.requests().first().filter, QStringLiteral("Archives (*.tgz *.tar.gz)"));
        QCOMPARE(boxes.count(), 0);
        const QString copy = home() + QStringLiteral("/.vyr/w $(touch x).jpg");
        QCOMPARE(m_recorder.takeCommands(), QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaper ") + copy});
        QCOMPARE(ThemeSettings(themeFile()).value(QStringLiteral("WallPaper")).toString(), copy);
        QVERIFY(SettingsArchive::checkArchive(archive, home()).ok);
        QVERIFY(dialog->isVisible());
    }

    void exportToUnwritableFolder()
    {
        auto dialog = showDialog();
        QVERIFY(dialog);
        FileChoices files;
        const QString archive = outside(QStringLiteral("missing/settings.tgz"));
        files.choose(archive);
        ModalAnswerer boxes(QMessageBox::Ok);

        dialog->exportSlot();

        QCOMPARE(boxes.titles(), QStringList{QStringLiteral("Export...")});
        QVERIFY2(boxes.texts().first().contains(archive), qPrintable(boxes.texts().first()));
        QCOMPARE(QDir(outside(QString())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }

    void import_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("logout");
        QTest::newRow("end the session now") << int(QMessageBox::Yes) << true;
        QTest::newRow("keep the session") << int(QMessageBox::No) << false;
    }
    void import()
    {
        QFETCH(int, answer);
        QFETCH(bool, logout);
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/.config/breezerc"), "[Common]\n"));
        const QString archive = outside(QStringLiteral("it's a $(b) `c`.tgz"));
        QVERIFY(SettingsArchive::writeArchive(archive, home()));
        auto dialog = showDialog();
        QVERIFY(dialog);
        FileChoices files;
        files.choose(archive);
        ModalAnswerer boxes;
        boxes.answer(QMessageBox::StandardButton(answer));

        dialog->importSlot();

        QCOMPARE(files.requests().first().directory, home());
        QCOMPARE(boxes.titles(), QStringList{QStringLiteral("Import done")});
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("You need to exit and restart session. Do it now (recommended)?")});
        QStringList expected{QStringLiteral("VYRWM_UPDATE_VAL KillAtExitCmd tar --no-unquote -xzf '")
                             + vyrtest::sandboxRoot() + QStringLiteral("/outside/it'\\''s a $(b) `c`.tgz' --directory '")
                             + home() + QStringLiteral("'")};
        if (logout)
            expected << QStringLiteral("VYRWM_LOGOUT");
        QCOMPARE(m_recorder.takeCommands(), expected);
        QVERIFY(!dialog->isVisible());
    }

    void importRefused()
    {
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/.bashrc"), "echo\n"));
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/.vyr/paletterc"), "x\n"));
        const QString archive = outside(QStringLiteral("bad.tgz"));
        // tar itself makes the archive, with a member export never writes.
        QCOMPARE(vyrtest::run(QStandardPaths::findExecutable(QStringLiteral("tar")),
                              {QStringLiteral("czf"), archive, QStringLiteral("-C"), home(),
                               QStringLiteral(".vyr/paletterc"), QStringLiteral(".bashrc")})
                     .exitCode,
                 0);
        auto dialog = showDialog();
        QVERIFY(dialog);
        FileChoices files;
        files.choose(archive);
        ModalAnswerer boxes(QMessageBox::Ok);

        dialog->importSlot();

        QCOMPARE(boxes.titles(), QStringList{QStringLiteral("Import...")});
        QVERIFY2(boxes.texts().first().contains(QLatin1String(".bashrc")), qPrintable(boxes.texts().first()));
        QCOMPARE(m_recorder.takeCommands(), QStringList());
        QVERIFY(dialog->isVisible());
    }

    void restore_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("vyrKept");
        QTest::newRow("theme only") << "Theme only" << true;
        QTest::newRow("all settings") << "All Vyr settings" << false;
    }
    void restore()
    {
        QFETCH(QString, type);
        QFETCH(bool, vyrKept);
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/.config/Trolltech.conf"), "[Qt]\nstyle=Fusion\n"));
        QVERIFY(vyrXrdbMerge("Xcursor.theme: redglass\nXcursor.size: 48\n"));
        auto dialog = showDialog();
        QVERIFY(dialog);
        ModalAnswerer boxes;
        QStringList offered;
        boxes.then([&](QWidget *window) {
            auto *input = qobject_cast<QInputDialog *>(window);
            QVERIFY(input);
            offered = input->comboBoxItems();
            input->setTextValue(type);
            input->accept();
        });

        dialog->restoreSlot();

        QCOMPARE(offered, QStringList({QStringLiteral("All Vyr settings"), QStringLiteral("Theme only")}));
        QCOMPARE(m_recorder.takeCommands(),
                 QStringList({QStringLiteral("VYRWM_UPDATE_VAL UseConfirmDialog false"),
                              QStringLiteral("VYRWM_STOP_WATCH_ALL"), QStringLiteral("VYRWM_LOGOUT")}));
        QVERIFY(!dialog->isVisible());
        QVERIFY(!QFileInfo::exists(home() + QStringLiteral("/.config/Trolltech.conf")));
        QCOMPARE(QFileInfo::exists(paletteFile()), vyrKept);
        QVERIFY(!vyrXrdbQuery().contains("Xcursor"));
        // The window's geometry, removed with the rest, is not written back
        // when the window goes.
        dialog.reset();
        QVERIFY(!QFileInfo::exists(home() + QStringLiteral("/.config/orlenvask/vyr-admin-theme.conf")));
    }

    void restoreCancelled()
    {
        auto dialog = showDialog();
        QVERIFY(dialog);
        ModalAnswerer boxes;
        boxes.then([](QWidget *window) { qobject_cast<QDialog *>(window)->reject(); });
        dialog->restoreSlot();
        QCOMPARE(m_recorder.takeCommands(), QStringList());
        QVERIFY(dialog->isVisible());
        QVERIFY(QFileInfo::exists(paletteFile()));
    }
};

VYR_TEST_MAIN_OWN_DISPLAY(TestArchiveSlots)

#include "test_archiveslots.moc"
