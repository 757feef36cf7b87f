// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"
#include "wmrecorder.h"

#include <wallpaperrecords.h>


#include <QDir>

namespace {
// Record files of three desktops; Desktop1 is the one shown (Xvfb has no
// current desktop), Desktop3 has no record file.
const QByteArray s_first = "[Desktop Entry]\nIcon=user-desktop\n\n[Other]\nkeep=1\n";
const QByteArray s_second = "[desktop entry]\nx-vyr-wallpaper=/old.png\nName=Two\n\n[Monitor::HDMI-1]\nX-VYR-WallPaper=/m.png\n";

QString desktop(int n)
{
    return vyrtest::home() + QStringLiteral("/Desktops/Desktop") + QString::number(n);
}
QString record(int n)
{
    return desktop(n) + QStringLiteral("/.directory");
}
}

class TestWallpaperRecords : public QObject
{
    Q_OBJECT
    WmRecorder m_recorder;

    /// The commands sent since the last call, up to a marker.
    QStringList commands() { return m_recorder.takeCommands(); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_recorder.start()); }

    void init()
    {
        vyrtest::resetHome();
        QVERIFY(vyrtest::writeFile(record(1), s_first));
        QVERIFY(vyrtest::writeFile(record(2), s_second));
        QVERIFY(QDir().mkpath(desktop(3)));
        commands();
    }

    void write_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("perDesktop");
        QTest::addColumn<bool>("perMonitor");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("colour for this desktop")
            << "#5A91BD" << true << false
            // The INI writer puts two blank lines between groups.
            << QByteArray("[Desktop Entry]\nIcon=user-desktop\nX-VYR-WallPaper=\"#5A91BD\"\n\n\n[Other]\nkeep=1\n")
            << s_second << QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaperLocal \"#5A91BD\"")};
        QTest::newRow("this monitor on every desktop")
            << "/w/a b.jpg" << false << true
            << QByteArray("[Desktop Entry]\nIcon=user-desktop\n\n\n[Other]\nkeep=1\n\n\n"
                          "[Monitor::DP-2]\nX-VYR-WallPaper=/w/a b.jpg\n")
            << QByteArray("[desktop entry]\nx-vyr-wallpaper=/old.png\nName=Two\n\n\n[Monitor::HDMI-1]\n"
                          "X-VYR-WallPaper=/m.png\n\n\n[Monitor::DP-2]\nX-VYR-WallPaper=/w/a b.jpg\n")
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaperLocal /w/a b.jpg")};
        QTest::newRow("this desktop on this monitor")
            << "/w/c.png" << true << true
            << QByteArray("[Desktop Entry]\nIcon=user-desktop\nX-VYR-WallPaper=/w/c.png\n\n\n[Other]\nkeep=1\n\n\n"
                          "[Monitor::DP-2]\nX-VYR-WallPaper=/w/c.png\n")
            << s_second << QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaperLocal /w/c.png")};
        QTest::newRow("line break refused") << "/w/x\nWallPaper=/y" << true << false << s_first << s_second
                                            << QStringList();
    }
    void write()
    {
        QFETCH(QString, value);
        QFETCH(bool, perDesktop);
        QFETCH(bool, perMonitor);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(QStringList, sent);
        QCOMPARE(writeWallpaperRecords(value, perDesktop, perMonitor, QStringLiteral("DP-2")), !sent.isEmpty());
        QCOMPARE(vyrtest::readFile(record(1)), first);
        QCOMPARE(vyrtest::readFile(record(2)), second);
        QVERIFY(!QFile::exists(record(3)));
        QCOMPARE(commands(), sent);
    }

    void currentDesktopWithoutRecordFile()
    {
        QVERIFY(QFile::remove(record(1)));
        QVERIFY(writeWallpaperRecords(QStringLiteral("#112233"), true, false, QString()));
        QVERIFY(!QFile::exists(record(1)));
        QCOMPARE(vyrtest::readFile(record(2)), s_second);
        // Unquoted: the current file was never read.
        QCOMPARE(commands(), QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaperLocal #112233")});
        QCOMPARE(readWallpaperRecords(QStringLiteral("DP-2")).desktop, QString());
    }

    void readPrefersNothingButWhatIsThere_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("desktopValue");
        QTest::addColumn<QString>("monitorValue");
        QTest::newRow("both, any case") << s_second << "HDMI-1" << "/old.png" << "/m.png";
        QTest::newRow("no screen known") << s_second << QString() << "/old.png" << QString();
        QTest::newRow("other monitor") << s_second << "DP-2" << "/old.png" << QString();
        QTest::newRow("empty value") << QByteArray("[Desktop Entry]\nX-VYR-WallPaper=\n") << "DP-2" << QString()
                                     << QString();
    }
    void readPrefersNothingButWhatIsThere()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, screen);
        QFETCH(QString, desktopValue);
        QFETCH(QString, monitorValue);
        QVERIFY(vyrtest::writeFile(record(1), file));
        const WallpaperRecords records = readWallpaperRecords(screen);
        QCOMPARE(records.desktop, desktopValue);
        QCOMPARE(records.monitor, monitorValue);
    }

    void clearing()
    {
        const QByteArray onlyMonitor = "[Monitor::HDMI-1]\nX-VYR-WallPaper=/m.png\n";
        QVERIFY(vyrtest::writeFile(record(3), onlyMonitor));
        QVERIFY(hasMonitorWallpaperRecords() == false);
        QVERIFY(vyrtest::writeFile(record(1), s_second));
        QVERIFY(hasMonitorWallpaperRecords());

        QVERIFY(clearDesktopWallpaperRecords());
        QVERIFY(clearMonitorWallpaperRecords());
        // The desktop record goes, its group and other keys stay; monitor
        // groups go where the file has more than that one group.
        const QByteArray cleared = "[desktop entry]\nName=Two\n";
        QCOMPARE(vyrtest::readFile(record(1)), cleared);
        QCOMPARE(vyrtest::readFile(record(2)), cleared);
        QCOMPARE(vyrtest::readFile(record(3)), onlyMonitor);
        QVERIFY(!hasMonitorWallpaperRecords());
        QCOMPARE(commands(), QStringList());
    }
};

VYR_TEST_GUILESS_MAIN(TestWallpaperRecords)
#include "test_wallpaperrecords.moc"
