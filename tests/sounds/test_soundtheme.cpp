// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "soundfixture.h"
#include "testenv.h"

#include <vyrsoundtheme.h>

using namespace soundfixture;

class TestSoundTheme : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(installSoundThemes(), "fixture themes or the installed freedesktop theme missing");
    }
    void cleanup() { setLocale("C.UTF-8"); }

    void themeNames()
    {
        // A directory without index.theme is no theme; user and system
        // themes are listed together, once each, sorted.
        QCOMPARE(VyrSoundTheme::getThemesNames(),
                 QStringList({"freedesktop", "vyrtest-base", "vyrtest-broken", "vyrtest-escape", "vyrtest-parent",
                              "vyrtest-user"}));
    }

    void baseDirectories_data()
    {
        QTest::addColumn<QByteArray>("dataHome");
        QTest::addColumn<QByteArray>("dataDirs");
        QTest::addColumn<QStringList>("expected"); // relative to the sandbox root
        QTest::newRow("defaults through the system root")
            << QByteArray() << QByteArray()
            << QStringList{"/home/.local/share/sounds", "/sysroot/usr/local/share/sounds", "/sysroot/usr/share/sounds"};
        QTest::newRow("explicit list, relative entries ignored")
            << QByteArray("@/data") << QByteArray("@/a:relative:@/b/")
            << QStringList{"/data/sounds", "/a/sounds", "/b/sounds"};
    }
    void baseDirectories()
    {
        QFETCH(QByteArray, dataHome);
        QFETCH(QByteArray, dataDirs);
        QFETCH(QStringList, expected);
        const QByteArray root = vyrtest::sandboxRoot().toLocal8Bit();
        const QByteArray oldHome = qgetenv("XDG_DATA_HOME"), oldDirs = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_HOME", QByteArray(dataHome).replace('@', root));
        qputenv("XDG_DATA_DIRS", QByteArray(dataDirs).replace('@', root));
        const QStringList dirs = VyrSoundTheme::baseDirectories();
        qputenv("XDG_DATA_HOME", oldHome);
        qputenv("XDG_DATA_DIRS", oldDirs);
        QStringList relative;
        for (const QString &dir : dirs)
            relative << (dir.startsWith(vyrtest::sandboxRoot()) ? dir.mid(vyrtest::sandboxRoot().size()) : dir);
        QCOMPARE(relative, expected);
    }

    void load_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<QString>("localName");
        QTest::addColumn<QString>("path"); // relative to the sandbox root
        const QString base = QStringLiteral("/sysroot/usr/share/sounds/vyrtest-base");
        QTest::newRow("untranslated") << "vyrtest-base" << QByteArray("C.UTF-8") << true << "Test Base" << base;
        QTest::newRow("language") << "vyrtest-base" << QByteArray("de_DE.UTF-8") << true << "Testbasis" << base;
        QTest::newRow("language and country")
            << "vyrtest-base" << QByteArray("de_AT.UTF-8") << true << "Testbasis (AT)" << base;
        QTest::newRow("no translation") << "vyrtest-base" << QByteArray("fr_FR.UTF-8") << true << "Test Base" << base;
        QTest::newRow("freedesktop") << "freedesktop" << QByteArray("de_DE.UTF-8") << true << "Default"
                                     << "/sysroot/usr/share/sounds/freedesktop";
        QTest::newRow("user theme") << "vyrtest-user" << QByteArray("C.UTF-8") << true << "User Theme"
                                    << "/home/.local/share/sounds/vyrtest-user";
        QTest::newRow("no [Sound Theme] group")
            << "vyrtest-broken" << QByteArray("C.UTF-8") << false << "" << "/sysroot/usr/share/sounds/vyrtest-broken";
        QTest::newRow("no index.theme") << "vyrtest-noindex" << QByteArray("C.UTF-8") << false << "" << "";
        QTest::newRow("not installed") << "vyrtest-missing" << QByteArray("C.UTF-8") << false << "" << "";
        QTest::newRow("path-like name") << "../sounds/vyrtest-base" << QByteArray("C.UTF-8") << false << "" << "";
    }
    void load()
    {
        QFETCH(QString, theme);
        QFETCH(QByteArray, locale);
        QFETCH(bool, loads);
        QFETCH(QString, localName);
        QFETCH(QString, path);
        setLocale(locale);
        VyrSoundTheme t(theme);
        QCOMPARE(t.load(), loads);
        QCOMPARE(t.name(), theme);
        QCOMPARE(t.localName(), localName);
        QCOMPARE(t.path(), path.isEmpty() ? QString() : vyrtest::sandboxRoot() + path);
    }

    void directories()
    {
        VyrSoundTheme t(QStringLiteral("vyrtest-base"));
        QVERIFY(t.load());
        QCOMPARE(t.inherits(), QStringList({"vyrtest-parent", "vyrtest-missing"}));
        QCOMPARE(t.directories(), QStringList({"stereo", "surround"}));
        QCOMPARE(t.directories(QStringLiteral("5.1")), QStringList({"surround", "stereo"}));
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected"); // relative to the sandbox root
        const QString sys = QStringLiteral("/sysroot/usr/share/sounds/");
        const QString fd = sys + QStringLiteral("freedesktop/stereo/");
        QTest::newRow("stereo before a surround directory listed first")
            << "vyrtest-base" << "dialog-error" << "" << "" << sys + "vyrtest-base/stereo/dialog-error.oga";
        QTest::newRow("surround profile")
            << "vyrtest-base" << "dialog-error" << "5.1" << "" << sys + "vyrtest-base/surround/dialog-error.oga";
        QTest::newRow("localised file") << "vyrtest-base" << "dialog-error" << "" << "de_CH.UTF-8"
                                        << sys + "vyrtest-base/stereo/de/dialog-error.oga";
        QTest::newRow(".ogg before .wav")
            << "vyrtest-base" << "item-selected" << "" << "" << sys + "vyrtest-base/stereo/item-selected.ogg";
        QTest::newRow("user directory first")
            << "vyrtest-base" << "window-close" << "" << ""
            << "/home/.local/share/sounds/vyrtest-base/stereo/window-close.oga";
        QTest::newRow("inherited")
            << "vyrtest-base" << "window-new" << "" << "" << sys + "vyrtest-parent/stereo/window-new.oga";
        QTest::newRow("inheritance cycle")
            << "vyrtest-parent" << "item-selected" << "" << "" << sys + "vyrtest-base/stereo/item-selected.ogg";
        QTest::newRow("then freedesktop") << "vyrtest-base" << "dialog-information" << "" << ""
                                          << fd + "dialog-information.oga";
        QTest::newRow("whole name in freedesktop before a shorter one here")
            << "vyrtest-base" << "message-new-instant" << "" << "" << fd + "message-new-instant.oga";
        QTest::newRow("shortened: this theme before freedesktop")
            << "vyrtest-base" << "message-unknown-kind" << "" << "" << sys + "vyrtest-base/stereo/message.oga";
        QTest::newRow("shortened in freedesktop")
            << "freedesktop" << "window-attention-active" << "" << "" << fd + "window-attention.oga";
        QTest::newRow("nowhere") << "freedesktop" << "menu-popup" << "" << "" << "";
        QTest::newRow("slash in the name") << "vyrtest-base" << "../vyrtest-parent/stereo/window-new" << "" << "" << "";
        QTest::newRow("directories outside the theme") << "vyrtest-escape" << "window-new" << "" << "" << "";
        QTest::newRow("theme that does not load") << "vyrtest-broken" << "dialog-error" << "" << "" << "";
    }
    void lookup()
    {
        QFETCH(QString, theme);
        QFETCH(QString, sound);
        QFETCH(QString, profile);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        VyrSoundTheme t(theme);
        t.load();
        const QString path = expected.isEmpty() ? QString() : vyrtest::sandboxRoot() + expected;
        QCOMPARE(t.getSoundFilePath(sound, profile, locale), path);
    }

    void lookupFollowsEnvironmentLocale()
    {
        setLocale("de_DE.UTF-8");
        VyrSoundTheme t(QStringLiteral("vyrtest-base"));
        QVERIFY(t.load());
        QCOMPARE(t.getSoundFilePath(QStringLiteral("dialog-error")),
                 systemSounds() + QStringLiteral("/vyrtest-base/stereo/de/dialog-error.oga"));
    }
};

VYR_TEST_GUILESS_MAIN(TestSoundTheme)
#include "test_soundtheme.moc"
