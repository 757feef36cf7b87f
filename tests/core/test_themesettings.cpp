// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"
#include "wmrecorder.h"

#include <session.h>
#include <themesettings.h>

#include <QFile>

#include <memory>

class TestThemeSettings : public QObject
{
    Q_OBJECT
private:
    QString userFile() const { return vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc"); }
    QString masterFile() const { return vyrtest::sysPath(QStringLiteral("/usr/share/vyr/theme.master/themerc")); }
    void writeUser(const QByteArray &vars) { QVERIFY(vyrtest::writeFile(userFile(), "[Variables]\n" + vars)); }
    void writeMaster(const QByteArray &vars)
    {
        if (vars.isNull())
            QFile::remove(masterFile());
        else
            QVERIFY(vyrtest::writeFile(masterFile(), "[Variables]\n" + vars));
    }

    WmRecorder m_recorder;

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_recorder.start()); }
    void init()
    {
        vyrtest::resetHome();
        writeMaster(QByteArray());
        sessionFlags().highIntegritySession = false;
        m_recorder.takeCommands();
    }

    void layers_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("master");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("locked");
        QTest::newRow("default only") << QByteArray("") << QByteArray() << QStringLiteral("dflt") << false;
        QTest::newRow("user over default") << QByteArray("Key=user\n") << QByteArray() << QStringLiteral("user") << false;
        QTest::newRow("master over user") << QByteArray("Key=user\n") << QByteArray("Key=master\n")
                                          << QStringLiteral("master") << true;
        QTest::newRow("master over default") << QByteArray("") << QByteArray("Key=master\n") << QStringLiteral("master")
                                             << true;
        QTest::newRow("master without the key") << QByteArray("Key=user\n") << QByteArray("Other=1\n")
                                                << QStringLiteral("user") << false;
        QTest::newRow("empty master value locks") << QByteArray("Key=user\n") << QByteArray("Key=\n") << QString()
                                                  << true;
        QTest::newRow("unparsable user file") << QByteArray(nullptr) << QByteArray() << QStringLiteral("dflt") << false;
    }
    void layers()
    {
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, master);
        QFETCH(QString, expected);
        QFETCH(bool, locked);
        if (!user.isNull())
            writeUser(user);
        writeMaster(master);
        ThemeSettings settings(userFile());
        settings.sync(true);
        QCOMPARE(settings.isParsed(), !user.isNull());
        QCOMPARE(settings.isLocked(QStringLiteral("Key")), locked);
        QCOMPARE(settings.value(QStringLiteral("Key"), QStringLiteral("dflt")).toString(), expected);
    }

    void helpers_data()
    {
        QTest::addColumn<QString>("helper");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("dflt");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("written"); // null: key untouched
        QTest::newRow("bool True reads true") << "bool" << QByteArray("K=True\n") << "false" << "true" << false
                                              << QString();
        QTest::newRow("bool TRUE reads false") << "bool" << QByteArray("K=TRUE\n") << "false" << "true" << true
                                               << QStringLiteral("true");
        QTest::newRow("bool absent uses default") << "bool" << QByteArray("") << "true" << "true" << false << QString();
        QTest::newRow("bool false to true") << "bool" << QByteArray("K=false\n") << "false" << "true" << true
                                            << QStringLiteral("true");
        QTest::newRow("int non-number reads 0") << "int" << QByteArray("K=abc\n") << "5" << "0" << false << QString();
        QTest::newRow("int changes") << "int" << QByteArray("K=3\n") << "5" << "4" << true << QStringLiteral("4");
        QTest::newRow("int default equal") << "int" << QByteArray("") << "5" << "5" << false << QString();
        QTest::newRow("string same") << "string" << QByteArray("K=a b\n") << "" << "a b" << false << QString();
        QTest::newRow("string differs") << "string" << QByteArray("K=a\n") << "" << "a b" << true
                                        << QStringLiteral("a b");
        QTest::newRow("string absent equals default") << "string" << QByteArray("") << "BackgroundColor"
                                                      << "BackgroundColor" << false << QString();
    }
    void helpers()
    {
        QFETCH(QString, helper);
        QFETCH(QByteArray, stored);
        QFETCH(QString, dflt);
        QFETCH(QString, value);
        QFETCH(bool, changed);
        QFETCH(QString, written);
        writeUser(stored);
        ThemeSettings settings(userFile());
        settings.sync(true);
        const QString key = QStringLiteral("K");
        bool result = false;
        if (helper == QLatin1String("bool"))
            result = saveBool(&settings, key, dflt, value == QLatin1String("true"), true);
        else if (helper == QLatin1String("int"))
            result = saveInt(&settings, key, dflt, value.toInt(), true);
        else
            result = saveString(&settings, key, dflt, value, true);
        QCOMPARE(result, changed);
        ThemeSettings reread(userFile());
        if (written.isNull()) {
            QCOMPARE(vyrtest::readFile(userFile()), QByteArray("[Variables]\n" + stored));
            QCOMPARE(m_recorder.takeCommands(), QStringList());
        } else {
            QCOMPARE(reread.value(key).toString(), written);
            QCOMPARE(m_recorder.takeCommands(), QStringList{QStringLiteral("VYRWM_UPDATE_VAL K ") + written});
        }
    }

    void notifyFlagOff()
    {
        writeUser("K=1\n");
        ThemeSettings settings(userFile());
        QVERIFY(saveInt(&settings, QStringLiteral("K"), QStringLiteral("0"), 2, false));
        QCOMPARE(ThemeSettings(userFile()).value(QStringLiteral("K")).toString(), QStringLiteral("2"));
        QCOMPARE(m_recorder.takeCommands(), QStringList());
    }

    void lockedKeyIsNeverWritten()
    {
        writeUser("Locked=old\n");
        writeMaster("Locked=fixed\n");
        ThemeSettings settings(userFile());
        QVERIFY(saveString(&settings, QStringLiteral("Locked"), QString(), QStringLiteral("new"), true));
        QVERIFY(saveInt(&settings, QStringLiteral("Locked"), QString(), 7, true));
        QVERIFY(saveBool(&settings, QStringLiteral("Locked"), QString(), true, true));
        QCOMPARE(vyrtest::readFile(userFile()), QByteArray("[Variables]\nLocked=old\n"));
        QCOMPARE(m_recorder.takeCommands(), QStringList({QStringLiteral("VYRWM_UPDATE_VAL Locked new"),
                                                  QStringLiteral("VYRWM_UPDATE_VAL Locked 7"),
                                                  QStringLiteral("VYRWM_UPDATE_VAL Locked true")}));
    }

    void highIntegrity_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("rewritten");
        QTest::addColumn<QString>("fileValue");
        QTest::newRow("other wallpaper: WM only") << "WallPaper" << QByteArray("WallPaper=/a.jpg\n") << "/b.jpg" << true
                                                  << false << "/a.jpg";
        QTest::newRow("default wallpaper again is rewritten") << "WallPaper" << QByteArray("WallPaper=vyr-default\n")
                                                              << "vyr-default" << true << true << "vyr-default";
        QTest::newRow("default light path forced")
            << "WallPaper" << QByteArray("WallPaper=/a.jpg\n") << "/usr/share/wallpapers/vyr-default-light.jpg"
            << true << true << "/usr/share/wallpapers/vyr-default-light.jpg";
        QTest::newRow("same non-default wallpaper unchanged") << "WallPaper" << QByteArray("WallPaper=/a.jpg\n")
                                                              << "/a.jpg" << false << false << "/a.jpg";
        QTest::newRow("decoration theme: WM only") << "DecorTheme" << QByteArray("DecorTheme=\n") << "Fancy" << true
                                                   << false << "";
        QTest::newRow("empty decoration forced") << "DecorTheme" << QByteArray("DecorTheme=\n") << "" << true << true
                                                 << "";
        QTest::newRow("other keys as usual") << "TaskbarHeight" << QByteArray("TaskbarHeight=30\n") << "40" << true
                                             << true << "40";
    }
    void highIntegrity()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, stored);
        QFETCH(QString, value);
        QFETCH(bool, result);
        QFETCH(bool, rewritten);
        QFETCH(QString, fileValue);
        sessionFlags().highIntegritySession = true;
        writeUser(stored);
        ThemeSettings settings(userFile());
        // Settings files are replaced whole, so a rewrite shows in the inode
        // even when the bytes stay the same.
        const vyrtest::FileState before = vyrtest::fileState(userFile());
        QCOMPARE(saveString(&settings, key, QString(), value, true), result);
        QCOMPARE(vyrtest::fileState(userFile()) != before, rewritten);
        QCOMPARE(ThemeSettings(userFile()).value(key).toString(), fileValue);
        const QStringList commands = m_recorder.takeCommands();
        if (result)
            QCOMPARE(commands, QStringList{QStringLiteral("VYRWM_UPDATE_VAL ") + key + QLatin1Char(' ') + value});
    }

    // The integrity tool's answer as the start-up reads it: "63" or "127" on
    // any line raises the level; a missing or failing tool changes nothing.
    void integrityQuery_data()
    {
        QTest::addColumn<QByteArray>("tool");
        QTest::addColumn<bool>("expected");
        QTest::newRow("no tool") << QByteArray() << false;
        QTest::newRow("low level") << QByteArray("echo 'ilevel: 0'\n") << false;
        QTest::newRow("63 on a later line") << QByteArray("echo header\necho 'ilevel: 63'\n") << true;
        QTest::newRow("127") << QByteArray("echo 127\n") << true;
        QTest::newRow("tool fails, says nothing") << QByteArray("exit 3\n") << false;
    }
    void integrityQuery()
    {
        QFETCH(QByteArray, tool);
        QFETCH(bool, expected);
        const QString path = vyrtest::fakeBinDir() + QStringLiteral("/kelvra");
        QFile::remove(path);
        if (!tool.isNull())
            QVERIFY(vyrtest::writeScript(QStringLiteral("kelvra"), tool));
        QCOMPARE(queryIntegrityLevel(), expected);
        QCOMPARE(sessionFlags().highIntegritySession, expected);
        QFile::remove(path);
    }

    void missingFileIgnoresWrites()
    {
        ThemeSettings settings{QString()};
        QVERIFY(!settings.isParsed());
        settings.setValue(QStringLiteral("A"), 1);
        QVERIFY(settings.sync(false));
        QCOMPARE(settings.value(QStringLiteral("A"), QStringLiteral("d")).toString(), QStringLiteral("d"));
    }
};

VYR_TEST_MAIN(TestThemeSettings)
#include "test_themesettings.moc"
