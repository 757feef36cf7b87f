// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <screenlocker.h>

#include <QHash>

namespace {
/// "Key=value;Key=value" as a stored theme file would answer.
ScreenLocker::Reader reader(const QString &stored)
{
    QHash<QString, QString> values;
    for (const QString &pair : stored.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        values.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    return [values](const QString &key, const QString &def) { return values.value(key, def); };
}

QString saved(const QVector<ScreenLockerSaveEntry> &entries, const QString &key)
{
    for (const ScreenLockerSaveEntry &entry : entries) {
        if (entry.key == key)
            return entry.value;
    }
    return QStringLiteral("(absent)");
}
}

class TestScreenLocker : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadAndSave_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("powerManager");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<bool>("afterInactivity");
        QTest::addColumn<bool>("locker");
        QTest::addColumn<int>("dpmsOffMinutes");
        QTest::addColumn<QString>("savedDelay");
        QTest::addColumn<QString>("savedDpmsOff");
        // The page test covers the usual values; these are the odd ones.
        QTest::newRow("not a number") << "ScreenSaverDelay=soon" << false << 0 << false << true << 1 << "0" << "60";
        QTest::newRow("negative") << "ScreenSaverDelay=-120" << false << 0 << false << true << 1 << "0" << "60";
        QTest::newRow("one option with a capital T keeps Screen Locker on")
            << "ScreenSaverDelay=0;LockerOnDPMS=false;LockerOnSleep=false;LockerOnSwitch=false;LockerOnLid=True"
            << false << 0 << false << true << 1 << "0" << "60";
        QTest::newRow("yes is off")
            << "ScreenSaverDelay=0;LockerOnDPMS=false;LockerOnSleep=false;LockerOnSwitch=false;LockerOnLid=yes"
            << false << 0 << false << false << 1 << "0" << "60";
        QTest::newRow("seconds of the monitor time round down")
            << "LockerDpmsOffTimeout=179" << false << 10 << true << true << 2 << "600" << "120";
    }
    void loadAndSave()
    {
        QFETCH(QString, stored);
        QFETCH(bool, powerManager);
        QFETCH(int, minutes);
        QFETCH(bool, afterInactivity);
        QFETCH(bool, locker);
        QFETCH(int, dpmsOffMinutes);
        QFETCH(QString, savedDelay);
        QFETCH(QString, savedDpmsOff);
        const ScreenLockerState state = ScreenLocker::load(reader(stored), powerManager);
        QCOMPARE(state.minutes, minutes);
        QCOMPARE(state.afterInactivity, afterInactivity);
        QCOMPARE(state.locker, locker);
        QCOMPARE(state.dpmsOffMinutes, dpmsOffMinutes);
        const QVector<ScreenLockerSaveEntry> entries = ScreenLocker::saveEntries(state);
        QCOMPARE(saved(entries, QStringLiteral("ScreenSaverDelay")), savedDelay);
        QCOMPARE(saved(entries, QStringLiteral("LockerDpmsOffTimeout")), savedDpmsOff);
    }

    void saveOrderAndDefaults()
    {
        QStringList lines;
        for (const ScreenLockerSaveEntry &e : ScreenLocker::saveEntries(ScreenLocker::load(reader(QString()), false)))
            lines << e.key + QLatin1Char('=') + e.value + QStringLiteral(" (") + e.defaultValue
                    + (e.boolean ? QStringLiteral(", bool)") : QStringLiteral(")"));
        QCOMPARE(lines, (QStringList{"ScreenSaverDelay=600 (600)", "LockerDpmsOffTimeout=60 (60)",
                                     "ScreenSaverStartOnDPMSDelay=3 (3)", "LockerOnDPMS=true (true, bool)",
                                     "LockerOnSleep=true (true, bool)", "LockerOnSwitch=true (true, bool)",
                                     "LockerOnLid=true (true, bool)", "LockerWrongPasswdTimeout=2 (2)",
                                     "LockerBellLevel=50 (50)", "LockerTTYLock=true (true, bool)",
                                     "LockerXaccessLock=false (false, bool)"}));
    }
};

VYR_TEST_GUILESS_MAIN(TestScreenLocker)
#include "test_screenlocker.moc"
