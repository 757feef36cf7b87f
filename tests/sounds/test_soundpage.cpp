// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "filechoices.h"
#include "modalanswerer.h"
#include "pulseserver.h"
#include "soundfixture.h"
#include "testenv.h"
#include "wmrecorder.h"

#include <soundpage.h>
#include <themesettings.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

using namespace soundfixture;

namespace {
const QString chimes = QStringLiteral("x-vyr-wm-chimes.wav");
const QString chimesComment = QStringLiteral("Three rising chimes: the desktop starts, ends or locks");
const QString notifyComment = QStringLiteral("Two short rising tones: a message asks for attention");

QString themeFile() { return vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc"); }
QString soundDir() { return vyrtest::sysPath(QStringLiteral("/usr/share/sounds")); }
QString player() { return vyrtest::sysPath(QStringLiteral("/usr/bin/play")); }
}

class TestSoundPage : public QObject
{
    Q_OBJECT

    WmRecorder m_recorder;
    std::unique_ptr<ThemeSettings> m_settings;
    std::unique_ptr<SoundPage> m_page;

    template<class W>
    W *child(const char *name) const
    {
        return m_page->findChild<W *>(QLatin1String(name));
    }
    QTreeWidget *list() const { return child<QTreeWidget>("soundListView"); }
    QComboBox *combo() const { return child<QComboBox>("soundThemeCombo"); }

    /// Opens the page over a theme file holding @p variables.
    void open(const QByteArray &variables)
    {
        m_page.reset();
        m_settings.reset();
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\n" + variables));
        m_settings = std::make_unique<ThemeSettings>(themeFile());
        m_page = std::make_unique<SoundPage>(m_settings.get(), nullptr);
        m_page->load();
    }

    QStringList column(int col) const
    {
        QStringList out;
        for (int row = 0; row < list()->topLevelItemCount(); ++row)
            out << list()->topLevelItem(row)->text(col);
        return out;
    }

    void selectRow(int row) { list()->setCurrentItem(list()->topLevelItem(row)); }

    void chooseTheme(const QString &name)
    {
        const int index = name.isEmpty() ? 0 : combo()->findData(name);
        QVERIFY2(index >= 0, qPrintable(name));
        combo()->setCurrentIndex(index);
        Q_EMIT combo()->activated(index);
    }

    /// The enabled controls, by a short name, in a fixed order.
    QString enabledControls() const
    {
        QStringList out;
        const std::pair<const char *, const char *> controls[] = {
            {"soundThemeCombo", "combo"},       {"defaultSoundsButton", "default"},
            {"clearSoundsButton", "clear"},     {"soundListView", "list"},
            {"selectSoundButton", "select"},    {"removeSoundButton", "remove"},
            {"restoreSoundButton", "restore"},  {"playButton", "play"},
            {"stopButton", "stop"},
        };
        for (const auto &control : controls) {
            if (child<QWidget>(control.first)->isEnabled())
                out << QLatin1String(control.second);
        }
        return out.join(QLatin1Char(' '));
    }

    static void installPlayer(const QByteArray &script)
    {
        QFile::remove(player());
        if (script.isEmpty())
            QVERIFY(QFile::link(QStringLiteral("/usr/bin/play"), player()));
        else
            QVERIFY(vyrtest::writeFile(player(), script)
                    && QFile::setPermissions(player(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

private Q_SLOTS:
    void initTestCase()
    {
        vyrtest::installShippedData();
        QVERIFY2(installSoundThemes(), "fixture themes or the installed freedesktop theme missing");
        QDir().mkpath(vyrtest::sysPath(QStringLiteral("/usr/bin")));
        QVERIFY2(m_recorder.start(), "vyr-wm-recorder did not start");
    }

    void init()
    {
        installPlayer(QByteArray());
        m_recorder.takeCommands();
    }

    void cleanup()
    {
        m_page.reset();
        m_settings.reset();
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void fromTheme_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("comments");
        const QString e;
        const QString r = QStringLiteral("x-vyr-wm-error.wav");
        QTest::newRow("no theme: internal files in rows 9 to 15")
            << QString()
            << QStringList{e, e, e, e, e, e, e, e, chimes, chimes, chimes, r, r, "x-vyr-wm-notify.wav",
                           "x-vyr-wm-tooltip.wav", e, e}
            << QStringList{e, e, e, e, e, e, e, e, chimesComment, chimesComment, chimesComment,
                           "Two low falling tones: something went wrong", "Two low falling tones: something went wrong",
                           notifyComment, "A soft short blip: an on-screen notification", e, e};
        QTest::newRow("freedesktop: rows 1 to 8, 16 and 17 empty")
            << "freedesktop"
            << QStringList{e, e, e, e, e, e, e, e, e, e, e, "dialog-error", "dialog-error", "window-attention-active",
                           "dialog-information", e, e}
            << QStringList{e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e};
        // Rows left without a sound describe what the theme would play.
        QTest::newRow("theme with descriptions: comments of the complete defaults")
            << "vyrtest-base"
            << QStringList{e, e, e, e, e, e, e, e, "desktop-login", e, e, "dialog-error", "dialog-error",
                           "window-attention-active", "dialog-information", e, e}
            << QStringList{e, e, "Parent new window", e, e, e, "Base minimised", e, "Base login", e, e, "Base error",
                           "Base error", e, e, "Base minimised", e};
    }
    void fromTheme()
    {
        QFETCH(QString, theme);
        QFETCH(QStringList, files);
        QFETCH(QStringList, comments);
        ModalAnswerer dialogs;
        open("EnableSound=true\nMenuPopupSound=/nonexistent/junk.wav\n");
        chooseTheme(theme);
        child<QPushButton>("clearSoundsButton")->click();
        QCOMPARE(column(1), QVector<QString>(17).toList());
        child<QPushButton>("defaultSoundsButton")->click();
        QCOMPARE(column(1), files);
        QCOMPARE(column(3), comments);
        for (int row = 0; row < 17; ++row) {
            QCOMPARE(list()->topLevelItem(row)->toolTip(0), comments.at(row));
            QCOMPARE(list()->topLevelItem(row)->toolTip(1), comments.at(row));
        }
        QVERIFY(m_page->isChanged());
        QCOMPARE(dialogs.boxes(), QStringList());
    }

    void removeAndRestore_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("remove on System Start: basic default back")
            << "removeSoundButton" << 8 << chimes << chimesComment << "combo default clear list select remove play";
        QTest::newRow("restore on System Start")
            << "restoreSoundButton" << 8 << chimes << chimesComment << "combo default clear list select remove play";
        QTest::newRow("remove on Open Window: empty")
            << "removeSoundButton" << 2 << "" << "" << "combo default clear list select";
    }
    void removeAndRestore()
    {
        QFETCH(QString, button);
        QFETCH(int, row);
        QFETCH(QString, file);
        QFETCH(QString, comment);
        QFETCH(QString, enabled);
        ModalAnswerer dialogs;
        open("EnableSound=true\nSystemStartSound=x-vyr-wm-notify.wav\nOpenSound=x-vyr-wm-notify.wav\n");
        selectRow(row);
        QCOMPARE(list()->topLevelItem(row)->text(1), QStringLiteral("x-vyr-wm-notify.wav"));
        QVERIFY(child<QToolButton>(qPrintable(button))->isEnabled());
        child<QToolButton>(qPrintable(button))->click();
        QCOMPARE(list()->topLevelItem(row)->text(1), file);
        QCOMPARE(list()->topLevelItem(row)->text(3), comment);
        QCOMPARE(enabledControls(), enabled);
        QCOMPARE(dialogs.boxes(), QStringList());
    }

    void chooseFile_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("comment");
        const QString notify = soundDir() + QStringLiteral("/x-vyr-wm-notify.wav");
        QTest::newRow("in the sound directory: file name") << "" << notify << "x-vyr-wm-notify.wav" << notifyComment;
        QTest::newRow("in the theme's stereo folder: base name")
            << "freedesktop" << soundDir() + QStringLiteral("/freedesktop/stereo/bell.oga") << "bell" << "";
        const QString elsewhere = vyrtest::home() + QStringLiteral("/Music/x-vyr-wm-notify.wav");
        QTest::newRow("elsewhere: full path") << "freedesktop" << elsewhere << elsewhere << "";
    }
    void chooseFile()
    {
        QFETCH(QString, theme);
        QFETCH(QString, chosen);
        QFETCH(QString, stored);
        QFETCH(QString, comment);
        QDir().mkpath(vyrtest::home() + QStringLiteral("/Music"));
        QFile::copy(soundDir() + QStringLiteral("/x-vyr-wm-notify.wav"),
                    vyrtest::home() + QStringLiteral("/Music/x-vyr-wm-notify.wav"));
        ModalAnswerer dialogs;
        FileChoices choices;
        open("EnableSound=true\nSoundTheme=" + theme.toUtf8() + "\n");
        selectRow(0);
        choices.choose(chosen);
        child<QToolButton>("selectSoundButton")->click();
        QCOMPARE(choices.titles(), QStringList{QStringLiteral("Open File")});
        QCOMPARE(choices.requests().at(0).filter, QStringLiteral("Sounds (*.wav *.au *.ogg *.oga)"));
        QCOMPARE(choices.requests().at(0).mode, VyrFileRequest::ExistingFile);
        QCOMPARE(list()->topLevelItem(0)->text(1), stored);
        QCOMPARE(list()->topLevelItem(0)->text(3), comment);
        QVERIFY(m_page->isChanged());

        // Cancel changes nothing.
        choices.cancel();
        Q_EMIT list()->itemDoubleClicked(list()->topLevelItem(0), 1);
        QCOMPARE(choices.requests().size(), 2);
        QCOMPARE(list()->topLevelItem(0)->text(1), stored);
    }

    void loadStoredState_data()
    {
        QTest::addColumn<QByteArray>("variables");
        QTest::addColumn<bool>("withPlayer");
        QTest::addColumn<QString>("themeShown");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("theme not installed: No theme, saved empty")
            << QByteArray("SoundTheme=gone-theme\nEnableSound=true\nEnableAlsa=true\n") << true << "No theme" << true
            << QStringList() << QStringList{QStringLiteral("VYRWM_UPDATE_VAL SoundTheme ")};
        QTest::newRow("True counts as on")
            << QByteArray("SoundTheme=freedesktop\nEnableSound=True\nEnableAlsa=true\n") << true << "Default"
            << true << QStringList() << QStringList();
        QTest::newRow("yes counts as off")
            << QByteArray("EnableSound=yes\n") << true << "No theme" << false << QStringList()
            << QStringList();
        QTest::newRow("no player installed: one warning")
            << QByteArray("EnableSound=false\n") << false << "No theme" << false
            << QStringList{QStringLiteral("Attention|Can't find sound player, i.e. 'play' or 'sndfile-play' "
                                          "command.\nAsk administrator to install 'sox' or 'sndfile-programs' "
                                          "package.")}
            << QStringList();
    }
    void loadStoredState()
    {
        QFETCH(QByteArray, variables);
        QFETCH(bool, withPlayer);
        QFETCH(QString, themeShown);
        QFETCH(bool, checked);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, commands);
        if (!withPlayer)
            QFile::remove(player());
        ModalAnswerer dialogs;
        for (int i = 0; i < messages.size(); ++i)
            dialogs.answer(QMessageBox::Escape);
        open(variables);
        QCOMPARE(combo()->currentText(), themeShown);
        QCOMPARE(child<QGroupBox>("wmSoundsGroupBox")->isChecked(), checked);
        QCOMPARE(dialogs.boxes(), messages);
        if (!messages.isEmpty())
            QCOMPARE(dialogs.lastButtons(), QMessageBox::Close);
        QVERIFY(!m_page->isChanged());
        m_page->save();
        QCOMPARE(m_recorder.takeCommands(), commands);
    }

    // Every changed key is announced once, in list order, and the file holds
    // what was announced; a second save has nothing to announce.
    void saveAnnouncesChangedKeys()
    {
        const QByteArray killallScript = "echo \"$@\" > " + QFile::encodeName(vyrtest::sandboxRoot())
            + "/killall.args\n";
        QVERIFY(vyrtest::writeScript(vyrtest::sysPath(QStringLiteral("/usr/bin/killall")), killallScript));
        QVERIFY(vyrtest::writeScript(vyrtest::sysPath(QStringLiteral("/usr/bin/qtnotifydaemon")), "exit 0\n"));
        ModalAnswerer dialogs;
        open("EnableSound=false\nSystemExitSound=x-vyr-wm-error.wav\nMenuPopupSound=x-vyr-wm-notify.wav\n");
        child<QGroupBox>("wmSoundsGroupBox")->setChecked(true);
        child<QPushButton>("defaultSoundsButton")->click();
        m_page->save();
        QCOMPARE(m_recorder.takeCommands(),
                 (QStringList{"VYRWM_UPDATE_VAL EnableSound true", "VYRWM_UPDATE_VAL EnableAlsa true",
                              "VYRWM_UPDATE_VAL MenuPopupSound ", "VYRWM_UPDATE_VAL SystemStartSound x-vyr-wm-chimes.wav",
                              "VYRWM_UPDATE_VAL SystemExitSound x-vyr-wm-chimes.wav",
                              "VYRWM_UPDATE_VAL SystemLockSound x-vyr-wm-chimes.wav",
                              "VYRWM_UPDATE_VAL LockerBellSound x-vyr-wm-error.wav",
                              "VYRWM_UPDATE_VAL ErrorDialogSound x-vyr-wm-error.wav",
                              "VYRWM_UPDATE_VAL ForceTrayMessageSound x-vyr-wm-notify.wav",
                              "VYRWM_UPDATE_VAL OSDNotifySound x-vyr-wm-tooltip.wav"}));
        QVERIFY(!m_page->isChanged());
        QTRY_COMPARE(vyrtest::readFile(vyrtest::sandboxRoot() + QStringLiteral("/killall.args")),
                     QByteArray("qtnotifydaemon\n"));
        const QByteArray file = vyrtest::readFile(themeFile());
        QVERIFY(file.contains("\nSystemExitSound=x-vyr-wm-chimes.wav\n"));
        QVERIFY(file.contains("\nEnableAlsa=true\n"));

        m_page->save();
        QCOMPARE(m_recorder.takeCommands(), QStringList());
        QCOMPARE(dialogs.boxes(), QStringList());
        QFile::remove(vyrtest::sysPath(QStringLiteral("/usr/bin/qtnotifydaemon")));
    }

    // A player that cannot start, crashes or fails ends in the stopped state
    // with a message; one that plays to the end ends quietly.
    void playerEnds_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("message");
        const QString sound = soundDir() + QStringLiteral("/x-vyr-wm-chimes.wav");
        QTest::newRow("plays to the end") << QByteArray("#!/bin/sh\nexit 0\n") << QString();
        QTest::newRow("fails to start") << QByteArray("#!/nonexistent/interpreter\n")
                                        << "Error|Can't start '" + player() + "'";
        QTest::newRow("crashes") << QByteArray("#!/bin/sh\nkill -SEGV $$\n")
                                 << "Error|Program " + player() + " could not play the sound '" + sound + "'";
        QTest::newRow("fails") << QByteArray("#!/bin/sh\nexit 2\n")
                               << "Error|Program " + player() + " could not play the sound '" + sound + "'";
    }
    void playerEnds()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, message);
        installPlayer(script);
        ModalAnswerer dialogs;
        open("EnableSound=true\nSystemStartSound=x-vyr-wm-chimes.wav\n");
        selectRow(8);
        const QString before = enabledControls();
        QCOMPARE(before, QStringLiteral("combo default clear list select remove play"));
        if (!message.isEmpty())
            dialogs.answer(QMessageBox::Escape);
        child<QToolButton>("playButton")->click();
        QTRY_VERIFY(!m_page->player());
        QCOMPARE(enabledControls(), before);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(dialogs.boxes(), message.isEmpty() ? QStringList() : QStringList{message});
    }

    void playMissingFile()
    {
        const QString copy = vyrtest::home() + QStringLiteral("/gone.wav");
        QVERIFY(QFile::copy(soundDir() + QStringLiteral("/x-vyr-wm-error.wav"), copy));
        ModalAnswerer dialogs;
        open("EnableSound=true\nSystemStartSound=" + QFile::encodeName(copy) + "\n");
        selectRow(8);
        QVERIFY(QFile::remove(copy));
        dialogs.answer(QMessageBox::Escape);
        child<QToolButton>("playButton")->click();
        QCOMPARE(dialogs.boxes(), QStringList{"Error|Sound '" + copy + "' doesn't exist"});
        QVERIFY(child<QToolButton>("playButton")->isEnabled());
        QVERIFY(!m_page->player());
    }

    // The real player through a private sound server: the stream is an event
    // sound while it plays, and Stop ends it.
    void playAndStop()
    {
        PulseServer server;
        QVERIFY2(server.start(), "private PulseAudio server did not start");
        qputenv("PULSE_SERVER", server.address().toLocal8Bit());
        // Straight to the private server: the way through ALSA depends on the
        // machine's ALSA configuration and failed now and then under load.
        qputenv("AUDIODRIVER", "pulseaudio");
        const QString sound = soundDir() + QStringLiteral("/vyrtest-long.oga");
        const vyrtest::RunResult made
            = vyrtest::run(QStringLiteral("/usr/bin/sox"), {"-n", "-t", "ogg", sound, "synth", "30", "sine", "440",
                                                             "vol", "0.1"});
        QCOMPARE(made.exitCode, 0);
        ModalAnswerer dialogs;
        open("EnableSound=true\nOpenSound=vyrtest-long.oga\n");
        selectRow(2);
        const QString before = enabledControls();

        child<QToolButton>("playButton")->click();
        QPointer<QProcess> process = m_page->player();
        QVERIFY(process);
        QCOMPARE(enabledControls(), QStringLiteral("stop"));
        QVERIFY(process->waitForStarted(10000));
        const QByteArray pid = QByteArray::number(process->processId());
        const auto eventStreamOfPlayer = [&] {
            QByteArray out;
            if (!server.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")}, &out))
                return false;
            for (const QByteArray &input : out.split('#')) {
                if (input.contains("application.process.id = \"" + pid + "\"")
                    && input.contains("media.role = \"event\""))
                    return true;
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(eventStreamOfPlayer(), 15000);
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        child<QToolButton>("stopButton")->click();
        QVERIFY(!m_page->player());
        QTRY_VERIFY(!QFileInfo::exists(QStringLiteral("/proc/") + QString::fromLatin1(pid)));
        QCOMPARE(enabledControls(), before);
        QCOMPARE(dialogs.boxes(), QStringList());
        qunsetenv("PULSE_SERVER");
        qunsetenv("AUDIODRIVER");
    }
};

VYR_TEST_MAIN(TestSoundPage)
#include "test_soundpage.moc"
