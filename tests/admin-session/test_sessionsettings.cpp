// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "modalanswerer.h"
#include "testenv.h"
#include "wmrecorder.h"

#include "sessionsettingsdialog.h"
#include "myapplication.h"
#include "vyrinidocument.h"
#include "vyrpaths.h"
#include "vyrwmcommand.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

class TestSessionSettings : public QObject
{
    Q_OBJECT

private:
    WmRecorder m_recorder;
    QString m_path;

    static QByteArray fullFile()
    {
        return "# the user's own comment\n[Variables]\nUseExitDialog=true\nUseConfirmDialog=false\nUseSM=true\n"
               "LoginMode=default\nShutdownType=restorePrevious\nExcludeApps=\"xterm\"\n"
               "RemoteExecCmd=\"ssh -X\"\nRemoteUserName=alice\nUnknownKey=kept\n[Other]\nA=1\n";
    }
    QStringList commandsSent()
    {
        return m_recorder.takeCommands();
    }
    QString stored(const QString &key) const
    {
        VyrIniDocument doc(VyrIniDocument::CaseInsensitive);
        doc.loadFile(m_path);
        return doc.text(QStringLiteral("Variables"), key, QStringLiteral("(absent)"));
    }
    static bool okEnabled(const SessionSettingsDialog &dialog)
    {
        const auto *buttons = dialog.findChild<QDialogButtonBox *>();
        return buttons->button(QDialogButtonBox::Ok)->isEnabled()
            && buttons->button(QDialogButtonBox::Apply)->isEnabled();
    }
    static void edit(SessionSettingsDialog &dialog, const QString &control, const QString &value)
    {
        QWidget *w = dialog.findChild<QWidget *>(control);
        QVERIFY2(w, qPrintable(control));
        if (auto *line = qobject_cast<QLineEdit *>(w))
            line->setText(value);
        else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            // As a user's choice does: the list reports "activated".
            combo->setCurrentIndex(value.toInt());
            emit combo->activated(value.toInt());
        }
        else if (auto *check = qobject_cast<QCheckBox *>(w))
            check->setChecked(value == QLatin1String("true"));
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            group->setChecked(value == QLatin1String("true"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_recorder.start(), "vyr-wm-recorder did not start");
    }

    void init()
    {
        vyrtest::resetHome();
        m_path = GetVyrDir(VyrDirUserPlatform) + QStringLiteral("/sessrc");
        commandsSent();
    }

    // A missing file: the window opens after an error box; the first save
    // writes all eight keys, announces seven and warns about session management.
    void missingFile()
    {
        ModalAnswerer answerer(QMessageBox::Escape);
        SessionSettingsDialog dialog;
        QCOMPARE(answerer.titles(), QStringList{"Error"});
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Can't open '%1'").arg(m_path)});
        QVERIFY(dialog.save());
        QCOMPARE(answerer.texts().value(1),
                 QStringLiteral("Activation of session management will be done after relogin only"));
        QCOMPARE(answerer.titles().value(1), QStringLiteral("Attention"));
        QCOMPARE(commandsSent(), (QStringList{
                                     "VYRWM_UPDATE_VAL UseExitDialog true",
                                     "VYRWM_UPDATE_VAL UseConfirmDialog true",
                                     "VYRWM_UPDATE_VAL LoginMode default",
                                     "VYRWM_UPDATE_VAL ShutdownType default",
                                     "VYRWM_UPDATE_VAL ExcludeApps \"\"",
                                     "VYRWM_UPDATE_VAL RemoteExecCmd \"ssh -X\"",
                                     "VYRWM_UPDATE_VAL RemoteUserName ",
                                 }));
        VyrIniDocument doc(VyrIniDocument::CaseInsensitive);
        QVERIFY(doc.loadFile(m_path));
        QCOMPARE(doc.keys("Variables").size(), 8);
        QCOMPARE(stored("UseSM"), QStringLiteral("true"));
        QCOMPARE(stored("RemoteExecCmd"), QStringLiteral("\"ssh -X\""));
        QVERIFY(!okEnabled(dialog));
    }

    void saveWritesOnlyChanges_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("storedValue");
        QTest::addColumn<QStringList>("boxes");

        const QByteArray full = fullFile();
        QTest::newRow("remote user only") << full << "remoteUserEdit" << "bob"
                                          << QStringList{"VYRWM_UPDATE_VAL RemoteUserName bob"} << "RemoteUserName"
                                          << "bob" << QStringList();
        QTest::newRow("excluded apps get quotes")
            << full << "excludeAppsEdit" << "xterm:konsole"
            << QStringList{"VYRWM_UPDATE_VAL ExcludeApps \"xterm:konsole\""} << "ExcludeApps" << "\"xterm:konsole\""
            << QStringList();
        QTest::newRow("leading quote kept as typed")
            << full << "excludeAppsEdit" << "\"xterm,konsole"
            << QStringList{"VYRWM_UPDATE_VAL ExcludeApps \"xterm,konsole"} << "ExcludeApps" << "\"xterm,konsole"
            << QStringList();
        QTest::newRow("restorePrevious untouched")
            << full << "loginModeCombo" << "1" << QStringList{"VYRWM_UPDATE_VAL LoginMode restoreSavedSession"}
            << "ShutdownType" << "restorePrevious" << QStringList();
        QByteArray logout = full;
        logout.replace("ShutdownType=restorePrevious", "ShutdownType=logout");
        QTest::newRow("logout saves default") << logout << QString() << QString()
                                              << QStringList{"VYRWM_UPDATE_VAL ShutdownType default"}
                                              << "ShutdownType" << "default" << QStringList();
        QTest::newRow("session management is not announced")
            << full << "sessionManagementGroup" << "false" << QStringList() << "UseSM" << "false"
            << QStringList{"Deactivation of session management will be done after relogin only"};
        QTest::newRow("keys in any case") << QByteArray("[variables]\nuseexitdialog=TRUE\nUseConfirmDialog=true\n")
                                          << "exitDialogCheck" << "false"
                                          << QStringList{"VYRWM_UPDATE_VAL UseExitDialog false"} << "UseExitDialog"
                                          << "false" << QStringList();
    }
    void saveWritesOnlyChanges()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, control);
        QFETCH(QString, value);
        QFETCH(QStringList, commands);
        QFETCH(QString, key);
        QFETCH(QString, storedValue);
        QFETCH(QStringList, boxes);
        vyrtest::writeFile(m_path, file);
        ModalAnswerer answerer(QMessageBox::Escape);
        SessionSettingsDialog dialog;
        QVERIFY(!okEnabled(dialog));
        if (!control.isEmpty()) {
            edit(dialog, control, value);
            QVERIFY(okEnabled(dialog));
        }
        QVERIFY(dialog.save());
        QCOMPARE(answerer.texts(), boxes);
        QCOMPARE(commandsSent(), commands);
        QCOMPARE(stored(key), storedValue);
        // Comments, unknown keys and other sections survive.
        const QByteArray after = vyrtest::readFile(m_path);
        if (file.contains("UnknownKey")) {
            QVERIFY(after.contains("# the user's own comment"));
            QVERIFY(after.contains("UnknownKey=kept"));
            QVERIFY(after.contains("[Other]\nA=1"));
        }
    }

    void logoutShowsNoEntry()
    {
        QByteArray file = fullFile();
        vyrtest::writeFile(m_path, file.replace("ShutdownType=restorePrevious", "ShutdownType=logout"));
        SessionSettingsDialog dialog;
        QCOMPARE(dialog.findChild<QComboBox *>("shutdownTypeCombo")->currentIndex(), -1);
        QVERIFY(dialog.findChild<QComboBox *>("shutdownTypeCombo")->currentText().isEmpty());
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("mustKeep");
        QTest::newRow("binary garbage") << QByteArray("\x7f" "ELF\x02\x01\x00\x00[Variables]\nRemoteUserName=x\n\xff\xfe", 38)
                                        << QByteArray();
        QTest::newRow("10 000 characters")
            << "[Variables]\nExcludeApps=\"" + QByteArray(10000, 'a') + "\"\nUseSM=false\n"
            << "ExcludeApps=\"" + QByteArray(10000, 'a') + "\"";
        QTest::newRow("no Variables section") << QByteArray("[Session]\nLegacy=1\n") << QByteArray("[Session]\nLegacy=1");
    }
    // Odd files open without a crash, and saving a change loses nothing else.
    void badInput()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, mustKeep);
        vyrtest::writeFile(m_path, file);
        ModalAnswerer answerer(QMessageBox::Escape);
        SessionSettingsDialog dialog;
        if (file.size() > 10000)
            QCOMPARE(dialog.findChild<QLineEdit *>("excludeAppsEdit")->text().size(), 10000);
        edit(dialog, "remoteUserEdit", "bob");
        QVERIFY(dialog.save());
        QCOMPARE(stored("RemoteUserName"), QStringLiteral("bob"));
        const QByteArray after = vyrtest::readFile(m_path);
        QVERIFY(after.contains(mustKeep));
        if (file.contains('\0'))
            QCOMPARE(vyrtest::readFile(m_path + ".bak"), file);
        else
            QVERIFY(!QFile::exists(m_path + ".bak"));
    }

    // A file that cannot be written: the user is told, nothing is announced,
    // and OK and Apply stay enabled for another try.
    void unwritableFile()
    {
        vyrtest::writeFile(m_path, fullFile());
        const QString dir = GetVyrDir(VyrDirUserPlatform);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                       | QFileDevice::ExeOther);
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::ReadOther);
        vyrtest::AsOrdinaryUser nobody;
        if (!nobody.active())
            QSKIP("permission checks need root to drop privileges");
        ModalAnswerer answerer(QMessageBox::Escape);
        SessionSettingsDialog dialog;
        edit(dialog, "remoteUserEdit", "bob");
        QVERIFY(!dialog.save());
        QCOMPARE(answerer.titles(), QStringList{"Error"});
        QVERIFY(answerer.texts().constFirst().contains(m_path));
        QVERIFY(okEnabled(dialog));
        QCOMPARE(commandsSent(), QStringList());
        QCOMPARE(vyrtest::readFile(m_path), fullFile());
    }

    // A file that exists but cannot be read is not replaced by the changed keys alone.
    void unreadableFileIsKept()
    {
        vyrtest::writeFile(m_path, fullFile());
        QFile::setPermissions(GetVyrDir(VyrDirUserPlatform), QFileDevice::Permissions(0x7777));
        QFile::setPermissions(m_path, QFileDevice::WriteOther);
        {
            vyrtest::AsOrdinaryUser nobody;
            if (!nobody.active())
                QSKIP("permission checks need root to drop privileges");
            ModalAnswerer answerer(QMessageBox::Escape);
            SessionSettingsDialog dialog;
            edit(dialog, "remoteUserEdit", "bob");
            QVERIFY(!dialog.save());
            const QString cannotOpen = QStringLiteral("Can't open '%1'").arg(m_path);
            QCOMPARE(answerer.texts(), (QStringList{cannotOpen, cannotOpen})); // at load and at save
            QCOMPARE(commandsSent(), QStringList());
        }
        QCOMPARE(vyrtest::readFile(m_path), fullFile());
    }

    void closeAsksToSave_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("storedUser");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true << "bob";
        QTest::newRow("no") << int(QMessageBox::No) << true << "alice";
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << "alice";
    }
    void closeAsksToSave()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(QString, storedUser);
        vyrtest::writeFile(m_path, fullFile());
        SessionSettingsDialog dialog;
        dialog.show();
        edit(dialog, "remoteUserEdit", "bob");
        ModalAnswerer answerer(QMessageBox::Escape);
        answerer.answer(QMessageBox::StandardButton(answer));
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->click();
        QCOMPARE(answerer.texts(), QStringList{"Save changes?"});
        QCOMPARE(!dialog.isVisible(), closed);
        QCOMPARE(stored("RemoteUserName"), storedUser);
    }

    void geometryIsKept()
    {
        vyrtest::writeFile(m_path, fullFile());
        {
            SessionSettingsDialog dialog;
            dialog.resize(503, 401);
        }
        const QSettings settings;
        QCOMPARE(settings.value("size").toSize(), QSize(503, 401));
        QCOMPARE(settings.value("maximized").toBool(), false);
        SessionSettingsDialog again;
        QCOMPARE(again.size(), QSize(503, 401));
    }

    // The program runs once per display: a second start hands over and ends.
    void secondInstanceEnds()
    {
        vyrtest::writeFile(m_path, fullFile());
        QProcess first;
        first.setProcessChannelMode(QProcess::ForwardedChannels);
        first.start(vyrtest::programPath("vyr-admin-session"), QStringList());
        QVERIFY(first.waitForStarted());
        const QString socket = MyApplication::serverPath(vyrDisplayKey() + QStringLiteral("vyr-admin-session"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
        const auto second = vyrtest::run(vyrtest::programPath("vyr-admin-session"), {}, 10000);
        QVERIFY(!second.timedOut);
        QCOMPARE(second.exitCode, 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        first.waitForFinished(5000);
    }
};

VYR_TEST_MAIN(TestSessionSettings)
#include "test_sessionsettings.moc"
