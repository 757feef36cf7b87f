// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "modalanswerer.h"
#include "testenv.h"
#include "wmrecorder.h"

#include <screensaverpage.h>
#include <themesettings.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace {
QString themeFile() { return vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc"); }

const QString ttyWarning
    = QStringLiteral("Attention|You will not able to lock session if another user is logged in.");
}

class TestScreensaverPage : public QObject
{
    Q_OBJECT

    WmRecorder m_recorder;
    std::unique_ptr<ThemeSettings> m_settings;
    std::unique_ptr<ScreensaverPage> m_page;
    QProcess m_powerManager;

    template<class W>
    W *child(const char *name) const
    {
        W *w = m_page->findChild<W *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QCheckBox *box(const char *name) const { return child<QCheckBox>(name); }

    void open(const QByteArray &variables)
    {
        m_page.reset();
        m_settings.reset();
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\n" + variables));
        m_settings = std::make_unique<ThemeSettings>(themeFile());
        m_page = std::make_unique<ScreensaverPage>(m_settings.get(), nullptr);
        m_page->load();
    }

    /// What the page shows: the minutes, then the checked boxes and the
    /// controls that are disabled or hidden.
    QString shown() const
    {
        QStringList out{QString::number(child<QSpinBox>("minutesToStartSpinBox")->value())};
        const std::pair<const char *, const char *> boxes[] = {
            {"startAutomaticallyCheckBox", "locker"}, {"minutesToStartCheckBox", "after"},
            {"lockerOnDPMSCheckBox", "blank"},        {"lockerOnSleepCheckBox", "sleep"},
            {"lockerOnSwitchCheckBox", "switch"},     {"lockerOnLidCheckBox", "lid"},
            {"lockTTYCheckBox", "tty"},               {"lockXaccessCheckBox", "xaccess"},
        };
        for (const auto &b : boxes) {
            QCheckBox *check = box(b.first);
            if (check->isChecked())
                out << QLatin1String(b.second);
            if (!check->isEnabled())
                out << QStringLiteral("!") + QLatin1String(b.second);
        }
        if (!child<QSpinBox>("lockOnDPMSDelaySpinBox")->isEnabled())
            out << QStringLiteral("!delay");
        if (child<QSpinBox>("dpmsOffSpinBox")->isHidden() && child<QLabel>("dpmsOffLabel")->isHidden())
            out << QStringLiteral("-dpmsoff");
        if (box("lockerOnLidCheckBox")->isHidden())
            out << QStringLiteral("-lid");
        if (!child<QPushButton>("powerButton")->isHidden())
            out << QStringLiteral("+power");
        return out.join(QLatin1Char(' '));
    }

    void startPowerManager()
    {
        const QString fake = vyrtest::fakeBinDir() + QStringLiteral("/org_kde_powerdevil");
        QFile::remove(fake);
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), fake));
        QVERIFY(QFile::setPermissions(fake, QFile::ReadOwner | QFile::ExeOwner));
        m_powerManager.start(fake, {QStringLiteral("300")});
        QVERIFY(m_powerManager.waitForStarted(5000));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_recorder.start(), "vyr-wm-recorder did not start"); }

    void init() { m_recorder.takeCommands(); }

    void cleanup()
    {
        m_page.reset();
        m_settings.reset();
        if (m_powerManager.state() != QProcess::NotRunning) {
            m_powerManager.kill();
            m_powerManager.waitForFinished(5000);
        }
        qunsetenv("VYR_SEAT_LIST");
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // Given the stored values, the page shows them converted and, saved
    // without an edit, announces only what its rules change.
    void loadAndSave_data()
    {
        QTest::addColumn<QByteArray>("variables");
        QTest::addColumn<bool>("powerManager");
        QTest::addColumn<bool>("multiSeat");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("nothing stored") << QByteArray() << false << false
                                        << "10 locker after blank sleep switch lid tty" << QStringList();
        QTest::newRow("90 s shows 1 minute, saves 60")
            << QByteArray("ScreenSaverDelay=90\n") << false << false << "1 locker after blank sleep switch lid tty"
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL ScreenSaverDelay 60")};
        QTest::newRow("below 60: never, saves 0")
            << QByteArray("ScreenSaverDelay=45\n") << false << false << "0 locker blank sleep switch lid tty"
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL ScreenSaverDelay 0")};
        QTest::newRow("nothing locks: Screen Locker off")
            << QByteArray("ScreenSaverDelay=0\nLockerOnDPMS=false\nLockerOnSleep=false\nLockerOnSwitch=false\n"
                          "LockerOnLid=false\nLockerTTYLock=false\n")
            << false << false << "0 !delay" << QStringList();
        QTest::newRow("power manager: monitor time saved as 0")
            << QByteArray("LockerDpmsOffTimeout=300\n") << true << false
            << "10 locker after blank sleep switch lid tty -dpmsoff -lid +power"
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL LockerDpmsOffTimeout 0")};
        QTest::newRow("multi-seat: Session switched fixed, value kept")
            << QByteArray("LockerOnSwitch=false\nLockerTTYLock=false\n") << false << true
            << "10 locker after blank sleep !switch lid" << QStringList();
    }
    void loadAndSave()
    {
        QFETCH(QByteArray, variables);
        QFETCH(bool, powerManager);
        QFETCH(bool, multiSeat);
        QFETCH(QString, shown);
        QFETCH(QStringList, commands);
        if (powerManager)
            startPowerManager();
        if (multiSeat)
            qputenv("VYR_SEAT_LIST", "seat0");
        ModalAnswerer boxes;
        open(variables);
        QCOMPARE(this->shown(), shown);
        QVERIFY(!m_page->isChanged());
        m_page->save();
        QCOMPARE(m_recorder.takeCommands(), commands);
        QCOMPARE(boxes.boxes(), QStringList());
    }

    void couplings_data()
    {
        QTest::addColumn<QByteArray>("variables");
        QTest::addColumn<bool>("multiSeat");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("check");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("commands");
        const QByteArray nothingLocks = "ScreenSaverDelay=0\nLockerOnDPMS=false\nLockerOnSleep=false\n"
                                        "LockerOnSwitch=false\nLockerOnLid=false\nLockerTTYLock=false\n";
        QTest::newRow("checking console switching unchecks Session switched and warns")
            << QByteArray("LockerTTYLock=false\n") << false << "lockTTYCheckBox" << true
            << "10 locker after blank sleep lid tty" << QStringList{ttyWarning}
            << QStringList{"VYRWM_UPDATE_VAL LockerOnSwitch false", "VYRWM_UPDATE_VAL LockerTTYLock true"};
        QTest::newRow("checking Session switched unchecks console switching quietly")
            << QByteArray("LockerOnSwitch=false\n") << false << "lockerOnSwitchCheckBox" << true
            << "10 locker after blank sleep switch lid" << QStringList()
            << QStringList{"VYRWM_UPDATE_VAL LockerOnSwitch true", "VYRWM_UPDATE_VAL LockerTTYLock false"};
        QTest::newRow("checking Screen Locker: 10 minutes and every option")
            << nothingLocks << false << "startAutomaticallyCheckBox" << true
            << "10 locker after blank sleep switch lid" << QStringList()
            << QStringList{"VYRWM_UPDATE_VAL ScreenSaverDelay 600", "VYRWM_UPDATE_VAL LockerOnDPMS true",
                           "VYRWM_UPDATE_VAL LockerOnSleep true", "VYRWM_UPDATE_VAL LockerOnSwitch true",
                           "VYRWM_UPDATE_VAL LockerOnLid true"};
        QTest::newRow("unchecking Screen Locker: delay 0, options off")
            << QByteArray() << false << "startAutomaticallyCheckBox" << false << "0 tty !delay" << QStringList()
            << QStringList{"VYRWM_UPDATE_VAL ScreenSaverDelay 0", "VYRWM_UPDATE_VAL LockerOnDPMS false",
                           "VYRWM_UPDATE_VAL LockerOnSleep false", "VYRWM_UPDATE_VAL LockerOnSwitch false",
                           "VYRWM_UPDATE_VAL LockerOnLid false"};
        QTest::newRow("multi-seat: Screen Locker leaves Session switched")
            << QByteArray() << true << "startAutomaticallyCheckBox" << false << "0 switch !switch tty !delay"
            << QStringList()
            << QStringList{"VYRWM_UPDATE_VAL ScreenSaverDelay 0", "VYRWM_UPDATE_VAL LockerOnDPMS false",
                           "VYRWM_UPDATE_VAL LockerOnSleep false", "VYRWM_UPDATE_VAL LockerOnLid false"};
        QTest::newRow("unchecking After Inactivity: 0 minutes")
            << QByteArray() << false << "minutesToStartCheckBox" << false << "0 locker blank sleep switch lid tty"
            << QStringList() << QStringList{"VYRWM_UPDATE_VAL ScreenSaverDelay 0"};
        QTest::newRow("unchecking Screen blank disables its delay")
            << QByteArray() << false << "lockerOnDPMSCheckBox" << false << "10 locker after sleep switch lid tty !delay"
            << QStringList() << QStringList{"VYRWM_UPDATE_VAL LockerOnDPMS false"};
    }
    void couplings()
    {
        QFETCH(QByteArray, variables);
        QFETCH(bool, multiSeat);
        QFETCH(QString, control);
        QFETCH(bool, check);
        QFETCH(QString, shown);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, commands);
        if (multiSeat)
            qputenv("VYR_SEAT_LIST", "seat0");
        ModalAnswerer boxes;
        open(variables);
        for (int i = 0; i < messages.size(); ++i)
            boxes.answer(QMessageBox::Escape);
        box(qPrintable(control))->setChecked(check);
        QCOMPARE(this->shown(), shown);
        QCOMPARE(boxes.boxes(), messages);
        if (!messages.isEmpty())
            QCOMPARE(boxes.lastButtons(), QMessageBox::Close);
        QVERIFY(m_page->isChanged());
        m_page->save();
        QVERIFY(!m_page->isChanged());
        QCOMPARE(m_recorder.takeCommands(), commands);
    }

    // A second load shows the file as it is now: the couplings neither run
    // while values load nor answer twice afterwards.
    void secondLoad()
    {
        ModalAnswerer boxes;
        open("ScreenSaverDelay=0\nLockerOnDPMS=false\nLockerOnSleep=false\nLockerOnSwitch=false\n"
             "LockerOnLid=false\nLockerTTYLock=false\n");
        QCOMPARE(shown(), QStringLiteral("0 !delay"));
        // Only Sleep locks now: Screen Locker comes on by itself, which must
        // not bring the other options and ten minutes with it.
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\nScreenSaverDelay=0\nLockerOnDPMS=false\n"
                                                "LockerOnSleep=true\nLockerOnSwitch=false\nLockerOnLid=false\n"
                                                "LockerTTYLock=false\n"));
        QVERIFY(m_settings->sync(true));
        m_page->load();
        QCOMPARE(shown(), QStringLiteral("0 locker sleep !delay"));
        QVERIFY(!m_page->isChanged());
        boxes.answer(QMessageBox::Escape);
        box("lockTTYCheckBox")->setChecked(true);
        QCOMPARE(boxes.boxes(), QStringList{ttyWarning});
        QCOMPARE(boxes.pending(), 0);
        QVERIFY(m_page->isChanged());
    }

    void helperPrograms_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QByteArray>("arguments");
        QTest::newRow("power management") << "powerButton" << "vyr-admin-power" << QByteArray("\n");
        QTest::newRow("slide show") << "slideShowButton" << "vyr-admin-dm" << QByteArray("screensaver\n");
    }
    void helperPrograms()
    {
        QFETCH(QString, button);
        QFETCH(QString, program);
        QFETCH(QByteArray, arguments);
        const QString record = vyrtest::sandboxRoot() + QLatin1Char('/') + program + QStringLiteral(".args");
        QFile::remove(record);
        QVERIFY(vyrtest::writeScript(program, "echo \"$@\" > " + QFile::encodeName(record) + ".part && mv "
                                                  + QFile::encodeName(record) + ".part " + QFile::encodeName(record)
                                                  + "\n"));
        open(QByteArray());
        child<QPushButton>(qPrintable(button))->click();
        QTRY_VERIFY(QFileInfo::exists(record));
        QCOMPARE(vyrtest::readFile(record), arguments);
    }
};

VYR_TEST_MAIN(TestScreensaverPage)
#include "test_screensaverpage.moc"
