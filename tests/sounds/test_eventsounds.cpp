// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "soundfixture.h"
#include "testenv.h"

#include <eventsounds.h>
#include <vyrsoundtheme.h>

using namespace soundfixture;

namespace {
const QString chimesComment = QStringLiteral("Three rising chimes: the desktop starts, ends or locks");
const QString errorComment = QStringLiteral("Two low falling tones: something went wrong");
const QString notifyComment = QStringLiteral("Two short rising tones: a message asks for attention");
const QString tooltipComment = QStringLiteral("A soft short blip: an on-screen notification");

QStringList files(const EventSounds &sounds)
{
    QStringList out;
    for (const EventSounds::Row &row : sounds.rows())
        out << row.file;
    return out;
}

QStringList comments(const EventSounds &sounds)
{
    QStringList out;
    for (const EventSounds::Row &row : sounds.rows())
        out << row.comment;
    return out;
}

// Every row holds something that a fresh fill must replace.
void fillWithJunk(EventSounds &sounds)
{
    for (int row = 0; row < sounds.rows().size(); ++row)
        sounds.setFile(row, QStringLiteral("/nonexistent/junk.wav"));
}

void removePlayers()
{
    for (const char *p : {"/usr/bin/play", "/usr/bin/aplay", "/usr/bin/ogg123", "/usr/bin/sndfile-play"})
        QFile::remove(vyrtest::sysPath(QString::fromLatin1(p)));
}
}

class TestEventSounds : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        vyrtest::installShippedData();
        QVERIFY2(installSoundThemes(), "fixture themes or the installed freedesktop theme missing");
    }
    void cleanup()
    {
        removePlayers();
        setLocale("C.UTF-8");
    }

    void fromTheme_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("comments");
        const QString e;
        const QString c = QStringLiteral("x-vyr-wm-chimes.wav"), r = QStringLiteral("x-vyr-wm-error.wav");
        QTest::newRow("no theme: internal sounds in rows 9 to 15")
            << QString()
            << QStringList{e, e, e, e, e, e, e, e, c, c, c, r, r, "x-vyr-wm-notify.wav", "x-vyr-wm-tooltip.wav", e, e}
            << QStringList{e, e, e, e, e, e, e, e, chimesComment, chimesComment, chimesComment, errorComment,
                           errorComment, notifyComment, tooltipComment, e, e};
        // The real freedesktop theme has no login, logout or lock sounds and
        // describes none of its files.
        QTest::newRow("freedesktop")
            << "freedesktop"
            << QStringList{e, e, e, e, e, e, e, e, e, e, e, "dialog-error", "dialog-error", "window-attention-active",
                           "dialog-information", e, e}
            << QStringList{e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e, e};
        // Rows without a sound show the comment of what the theme would play.
        QTest::newRow("theme with descriptions")
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
        EventSounds sounds;
        QVERIFY(sounds.selectTheme(theme));
        fillWithJunk(sounds);
        sounds.fillSoundList(false, false);
        QCOMPARE(::files(sounds), files);
        QCOMPARE(::comments(sounds), comments);

        sounds.fillSoundList(true, false);
        const QStringList none = QVector<QString>(17).toList();
        QCOMPARE(::files(sounds), none);
        QCOMPARE(::comments(sounds), none);
    }

    void loadKeepsStoredValues_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("comment");
        QTest::newRow("internal file") << "" << "x-vyr-wm-error.wav" << "x-vyr-wm-error.wav" << errorComment;
        QTest::newRow("missing file") << "" << "/nonexistent/a.wav" << "" << "";
        QTest::newRow("theme name without theme") << "" << "dialog-error" << "" << "";
        QTest::newRow("theme name") << "vyrtest-base" << "dialog-error" << "dialog-error" << "Base error";
        QTest::newRow("absolute path") << "" << vyrtest::sysPath("/usr/share/sounds/x-vyr-wm-notify.wav")
                                       << vyrtest::sysPath("/usr/share/sounds/x-vyr-wm-notify.wav") << notifyComment;
    }
    void loadKeepsStoredValues()
    {
        QFETCH(QString, theme);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, comment);
        EventSounds sounds;
        sounds.selectTheme(theme);
        const int row = EventSounds::rowOfKey(QStringLiteral("MenuPopupSound"));
        sounds.setFile(row, stored);
        sounds.fillSoundList(false, true);
        QCOMPARE(sounds.rows().at(row).file, shown);
        QCOMPARE(sounds.rows().at(row).comment, comment);
    }

    void removeRestores_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("comment");
        QTest::newRow("System Start, no theme") << "" << "SystemStartSound" << "x-vyr-wm-chimes.wav" << chimesComment;
        QTest::newRow("Open Window, no theme") << "" << "OpenSound" << "" << "";
        QTest::newRow("System Start, theme") << "vyrtest-base" << "SystemStartSound" << "desktop-login" << "Base login";
        QTest::newRow("Open Window, theme") << "vyrtest-base" << "OpenSound" << "" << "Parent new window";
        QTest::newRow("System Start, theme without it") << "freedesktop" << "SystemStartSound" << "" << "";
    }
    void removeRestores()
    {
        QFETCH(QString, theme);
        QFETCH(QString, key);
        QFETCH(QString, file);
        QFETCH(QString, comment);
        EventSounds sounds;
        sounds.selectTheme(theme);
        const int row = EventSounds::rowOfKey(key);
        QVERIFY(row >= 0);
        sounds.chooseFile(row, vyrtest::sysPath("/usr/share/sounds/x-vyr-wm-tooltip.wav"));
        QCOMPARE(sounds.rows().at(row).comment, tooltipComment);
        sounds.restoreRow(row);
        QCOMPARE(sounds.rows().at(row).file, file);
        QCOMPARE(sounds.rows().at(row).comment, comment);
    }

    void storedValueOfChosenFile_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("chosen"); // "@" is the sandbox's system root
        QTest::addColumn<QString>("stored"); // "@" likewise
        const QString bell = QStringLiteral("@/usr/share/sounds/freedesktop/stereo/bell.oga");
        const QString message = QStringLiteral("@/usr/share/sounds/vyrtest-base/stereo/message.oga");
        QTest::newRow("sound directory") << "" << "@/usr/share/sounds/x-vyr-wm-chimes.wav" << "x-vyr-wm-chimes.wav";
        QTest::newRow("theme's stereo folder") << "freedesktop" << bell << "bell";
        QTest::newRow("below the sound directory, no theme") << "" << bell << bell;
        QTest::newRow("stereo folder of another theme") << "freedesktop" << message << message;
        QTest::newRow("theme would play another file by that name")
            << "vyrtest-base" << "@/usr/share/sounds/vyrtest-base/stereo/item-selected.wav"
            << "@/usr/share/sounds/vyrtest-base/stereo/item-selected.wav";
        QTest::newRow("elsewhere") << "" << "@/opt/sounds/ding.wav" << "@/opt/sounds/ding.wav";
        QTest::newRow("sound directory, no extension") << "" << "@/usr/share/sounds/beep" << "@/usr/share/sounds/beep";
    }
    void storedValueOfChosenFile()
    {
        QFETCH(QString, theme);
        QFETCH(QString, chosen);
        QFETCH(QString, stored);
        chosen.replace(QLatin1Char('@'), vyrtest::sysroot());
        stored.replace(QLatin1Char('@'), vyrtest::sysroot());
        if (!QFile::exists(chosen))
            QVERIFY(vyrtest::writeFile(chosen, "x"));
        EventSounds sounds;
        sounds.selectTheme(theme);
        QCOMPARE(sounds.valueForChosenFile(chosen), stored);
        // Whatever is stored must lead back to the chosen file.
        QCOMPARE(QFileInfo(sounds.GetFileForSound(stored)).canonicalFilePath(), QFileInfo(chosen).canonicalFilePath());
    }

    void resolve_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("path"); // "@" is the sandbox's system root
        QTest::newRow("empty") << "freedesktop" << "" << "";
        QTest::newRow("absolute, kept even if missing") << "" << "/no/such.wav" << "/no/such.wav";
        QTest::newRow("name without theme") << "" << "dialog-error" << "";
        QTest::newRow("name in theme")
            << "freedesktop" << "dialog-error" << "@/usr/share/sounds/freedesktop/stereo/dialog-error.oga";
        QTest::newRow("name the theme lacks") << "freedesktop" << "desktop-login" << "";
        QTest::newRow("file name") << "freedesktop" << "x-vyr-wm-error.wav" << "@/usr/share/sounds/x-vyr-wm-error.wav";
    }
    void resolve()
    {
        QFETCH(QString, theme);
        QFETCH(QString, value);
        QFETCH(QString, path);
        EventSounds sounds;
        sounds.selectTheme(theme);
        QCOMPARE(sounds.GetFileForSound(value), path.replace(QLatin1Char('@'), vyrtest::sysroot()));
    }

    void defaults_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QString>("expected");
        QTest::newRow("start, no theme") << "" << "SystemStartSound" << false << "x-vyr-wm-chimes.wav";
        QTest::newRow("lock, theme") << "freedesktop" << "SystemLockSound" << false << "desktop-screen-lock";
        QTest::newRow("tray, complete, no theme") << "" << "ForceTrayMessageSound" << true << "x-vyr-wm-notify.wav";
        QTest::newRow("base layout, complete, theme") << "freedesktop" << "BaseKbSound" << true << "window-minimized";
        QTest::newRow("alternative layout, complete, theme")
            << "freedesktop" << "AltKbSound" << true << "window-maximized";
        QTest::newRow("menu, basic, theme") << "freedesktop" << "MenuPopupSound" << false << "";
        QTest::newRow("unknown key") << "freedesktop" << "BellSound" << true << "";
        // A theme that failed to load still counts as a theme.
        QTest::newRow("start, unloadable theme") << "vyrtest-broken" << "SystemStartSound" << false << "desktop-login";
    }
    void defaults()
    {
        QFETCH(QString, theme);
        QFETCH(QString, key);
        QFETCH(bool, complete);
        QFETCH(QString, expected);
        EventSounds sounds;
        sounds.selectTheme(theme);
        QCOMPARE(sounds.GetDefaultSoundForParam(key, complete), expected);
    }

    void comment_data()
    {
        QTest::addColumn<int>("links");      // symbolic links in front of the file
        QTest::addColumn<QString>("target"); // "@" is the sandbox's system root
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("comment");
        const QString minimised = QStringLiteral("@/usr/share/sounds/vyrtest-base/stereo/window-minimized.oga");
        QTest::newRow("file") << 0 << minimised << QByteArray("C.UTF-8") << "Base minimised";
        QTest::newRow("translated") << 0 << minimised << QByteArray("de_DE.UTF-8") << "Basis minimiert";
        QTest::newRow("four links") << 4 << minimised << QByteArray("C.UTF-8") << "Base minimised";
        QTest::newRow("five links are too many") << 5 << minimised << QByteArray("C.UTF-8") << "";
        QTest::newRow("dangling link") << 1 << "@/usr/share/sounds/gone.wav" << QByteArray("C.UTF-8") << "";
        QTest::newRow("missing file") << 0 << "@/usr/share/sounds/gone.wav" << QByteArray("C.UTF-8") << "";
        QTest::newRow("no description")
            << 0 << "@/usr/share/sounds/freedesktop/stereo/bell.oga" << QByteArray("C.UTF-8") << "";
    }
    void comment()
    {
        QFETCH(int, links);
        QFETCH(QString, target);
        QFETCH(QByteArray, locale);
        QFETCH(QString, comment);
        setLocale(locale);
        target.replace(QLatin1Char('@'), vyrtest::sysroot());
        const QString linkDir = vyrtest::sandboxRoot() + QStringLiteral("/links/") + QTest::currentDataTag();
        QDir(linkDir).removeRecursively();
        QVERIFY(QDir().mkpath(linkDir));
        QString file = target;
        for (int i = 0; i < links; ++i) {
            const QString link = linkDir + QStringLiteral("/link%1.oga").arg(i);
            QVERIFY(QFile::link(file, link));
            file = link;
        }
        QCOMPARE(EventSounds::GetCommentForFile(QFileInfo(file)), comment);
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("key"); // empty: no selection
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<QString>("enabled"); // of s(elect) r(emove) R(estore) p(lay)
        const QString own = vyrtest::sysPath("/usr/share/sounds/x-vyr-wm-tooltip.wav");
        QTest::newRow("sounds off") << "" << "SystemStartSound" << own << true << "";
        QTest::newRow("no selection") << "" << "" << "" << false << "";
        QTest::newRow("own file, default exists") << "" << "SystemStartSound" << own << false << "srRp";
        QTest::newRow("default in place") << "" << "SystemStartSound" << "x-vyr-wm-chimes.wav" << false << "srp";
        QTest::newRow("no default") << "" << "OpenSound" << own << false << "srp";
        QTest::newRow("empty row") << "" << "OpenSound" << "" << false << "s";
        QTest::newRow("default missing in theme") << "freedesktop" << "SystemStartSound" << own << false << "srp";
        QTest::newRow("default in theme") << "freedesktop" << "ErrorDialogSound" << own << false << "srRp";
    }
    void buttons()
    {
        QFETCH(QString, theme);
        QFETCH(QString, key);
        QFETCH(QString, file);
        QFETCH(bool, disabled);
        QFETCH(QString, enabled);
        EventSounds sounds;
        sounds.selectTheme(theme);
        const int row = EventSounds::rowOfKey(key);
        sounds.setFile(row, file);
        const SoundButtonStates s = sounds.buttonStates(disabled, row);
        QString got;
        if (s.select) got += 's';
        if (s.remove) got += 'r';
        if (s.restore) got += 'R';
        if (s.play) got += 'p';
        QCOMPARE(got, enabled);
        QVERIFY(!s.stop);
    }

    void player_data()
    {
        QTest::addColumn<QStringList>("players"); // installed below the system root
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("file");    // "@" is the sandbox's system root
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("program"); // or the subject of a failure; "@" as above
        QTest::addColumn<QString>("sound");   // the player's last argument; "@" as above
        using S = SoundPlayCommand;
        const QString oga = QStringLiteral("@/usr/share/sounds/freedesktop/stereo/bell.oga");
        const QString wav = QStringLiteral("@/usr/share/sounds/x-vyr-wm-error.wav");
        const QString au = QStringLiteral("@/usr/share/sounds/old.au");
        const QString missing = QStringLiteral("/nonexistent/a.wav");
        const QStringList play{"play"}, aplay{"aplay"}, ogg123{"ogg123"};
        QTest::newRow("play first") << play + ogg123 << "" << oga << int(S::Ready) << "@/usr/bin/play" << oga;
        QTest::newRow("play takes .au") << play << "" << au << int(S::Ready) << "@/usr/bin/play" << au;
        QTest::newRow("wav without play") << aplay << "" << wav << int(S::Ready) << "@/usr/bin/aplay" << wav;
        QTest::newRow("theme name") << ogg123 << "freedesktop" << "bell" << int(S::Ready) << "@/usr/bin/ogg123" << oga;
        QTest::newRow("ogg123 missing") << aplay << "" << oga << int(S::MissingPlayer) << "/usr/bin/ogg123" << "";
        QTest::newRow("no player for .au") << aplay + ogg123 << "" << au << int(S::NoPlayer) << au << "";
        QTest::newRow("missing sound") << play << "" << missing << int(S::MissingFile) << missing << "";
        QTest::newRow("name the theme lacks")
            << play << "freedesktop" << "desktop-login" << int(S::MissingFile) << "desktop-login" << "";
        QTest::newRow("empty row") << play << "" << "" << int(S::NoSound) << "" << "";
    }
    void player()
    {
        QFETCH(QStringList, players);
        QFETCH(QString, theme);
        QFETCH(QString, file);
        QFETCH(int, status);
        QFETCH(QString, program);
        QFETCH(QString, sound);
        for (const QString &p : players)
            QVERIFY(vyrtest::writeScript(vyrtest::sysPath("/usr/bin/" + p), "exit 0\n"));
        QVERIFY(vyrtest::writeFile(vyrtest::sysPath("/usr/share/sounds/old.au"), "x"));
        const QString root = vyrtest::sysroot();
        file.replace(QLatin1Char('@'), root);
        program.replace(QLatin1Char('@'), root);
        sound.replace(QLatin1Char('@'), root);
        EventSounds sounds;
        sounds.selectTheme(theme);
        sounds.setFile(0, file);
        const SoundPlayCommand command = sounds.playCommand(0);
        QCOMPARE(int(command.status), status);
        if (command.status != SoundPlayCommand::Ready) {
            QCOMPARE(command.subject, program);
            QVERIFY(command.program.isEmpty());
            return;
        }
        QCOMPARE(command.program, program);
        QCOMPARE(command.arguments, QStringList({"-q", sound}));
        QCOMPARE(command.environment.value("PULSE_PROP"), QStringLiteral("media.role=event"));
        QCOMPARE(command.environment.value("PULSE_PROP_media.role"), QStringLiteral("event"));
    }

    void saveOrder()
    {
        EventSounds sounds;
        sounds.selectTheme(QStringLiteral("freedesktop"));
        sounds.fillSoundList(false, false);
        sounds.setFile(EventSounds::rowOfKey(QStringLiteral("AltKbSound")), QStringLiteral("/x/alt.wav"));
        const QVector<SoundSaveEntry> entries = sounds.saveEntries(true);
        QStringList got;
        for (const SoundSaveEntry &e : entries)
            got << QStringLiteral("%1=%2 (%3%4)").arg(e.key, e.value, e.defaultValue, e.boolean ? "; bool" : "");
        QCOMPARE(got, QStringList({
                          "EnableSound=true (false; bool)",
                          "EnableAlsa=true (false; bool)",
                          "MenuPopupSound= ()",
                          "MenuCommandSound= ()",
                          "OpenSound= ()",
                          "CloseSound= ()",
                          "RestoreUpSound= ()",
                          "RestoreDownSound= ()",
                          "MinimizeSound= ()",
                          "MaximizeSound= ()",
                          "SystemStartSound= ()",
                          "SystemExitSound= ()",
                          "SystemLockSound= ()",
                          "LockerBellSound=dialog-error ()",
                          "ErrorDialogSound=dialog-error ()",
                          "ForceTrayMessageSound=window-attention-active ()",
                          "OSDNotifySound=dialog-information ()",
                          "BaseKbSound= ()",
                          "AltKbSound=/x/alt.wav ()",
                          "SoundTheme=freedesktop ()",
                      }));
        QCOMPARE(sounds.saveEntries(false).at(1).value, QStringLiteral("false"));
    }

    void uninstalledThemeReadsAsNoTheme()
    {
        const QVector<SoundThemeChoice> choices = EventSounds::installedThemes();
        QStringList listed;
        for (const SoundThemeChoice &c : choices)
            listed << c.name + QLatin1Char('=') + c.displayName;
        // The broken theme does not load and is left out.
        QCOMPARE(listed, QStringList({"freedesktop=Default", "vyrtest-base=Test Base", "vyrtest-escape=Escape",
                                      "vyrtest-parent=Test Parent", "vyrtest-user=User Theme"}));
        QCOMPARE(EventSounds::themeChoiceIndex(choices, QStringLiteral("vyrtest-parent")), 3);
        QCOMPARE(EventSounds::themeChoiceIndex(choices, QStringLiteral("uninstalled")), -1);
        QCOMPARE(EventSounds::themeChoiceIndex(choices, QString()), -1);

        // The list then shows "No theme": the page selects no theme and saves it empty.
        EventSounds sounds;
        QVERIFY(sounds.selectTheme(QString()));
        QVERIFY(!sounds.theme());
        QCOMPARE(sounds.saveEntries(true).last().key, QStringLiteral("SoundTheme"));
        QCOMPARE(sounds.saveEntries(true).last().value, QString());
    }

    void enableSound_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("on");
        QTest::newRow("true") << "true" << true;
        QTest::newRow("True") << "True" << true;
        QTest::newRow("yes") << "yes" << false;
        QTest::newRow("false") << "false" << false;
    }
    void enableSound()
    {
        QFETCH(QString, value);
        QFETCH(bool, on);
        QCOMPARE(EventSounds::isEnabledValue(value), on);
    }
};

VYR_TEST_GUILESS_MAIN(TestEventSounds)
#include "test_eventsounds.moc"
