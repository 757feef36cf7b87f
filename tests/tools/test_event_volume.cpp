// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "pulseserver.h"
#include "testenv.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

namespace {

const QString kEventEntry = QStringLiteral("sink-input-by-media-role:event");
const QByteArray kTimeoutMessage =
    QByteArrayLiteral("vyr-event-volume: can't connect pulse audio and set volume, timeout 3 secexpired!\n");

struct Outcome {
    bool finished = false;
    int status = -1;
    QByteArray out;
    QByteArray err;
    qint64 elapsedMs = 0;
};

/// Runs a program with PULSE_SERVER set, keeping the event loop running so
/// that an in-process endpoint can accept connections meanwhile.
Outcome runWithServer(const QString &program, const QStringList &args, const QString &server)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), server);
    process.setProcessEnvironment(env);
    QSignalSpy finished(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
    QElapsedTimer timer;
    timer.start();
    process.start(vyrtest::programPath(program), args);
    Outcome outcome;
    outcome.finished = finished.wait(20000);
    outcome.elapsedMs = timer.elapsed();
    if (!outcome.finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = process.readAllStandardOutput();
    outcome.err = process.readAllStandardError();
    return outcome;
}

} // namespace

class TestEventVolume : public QObject
{
    Q_OBJECT

    std::unique_ptr<PulseServer> m_server;

    bool startServer(bool streamRestore = true)
    {
        m_server = std::make_unique<PulseServer>();
        return m_server->start(streamRestore);
    }

    Outcome tool(const QStringList &args) { return runWithServer(QStringLiteral("vyr-event-volume"), args, m_server->address()); }

    /// The stored entry as name, channels, first volume, device, mute; empty
    /// when the database holds no entry of that name.
    QStringList entry(const QString &name)
    {
        const Outcome dump = runWithServer(QStringLiteral("tool_pulse_probe"), {QStringLiteral("dump")}, m_server->address());
        if (dump.status != 0)
            return {QStringLiteral("dump failed")};
        for (const QByteArray &line : dump.out.split('\n')) {
            const QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
            if (fields.size() == 5 && fields.first() == name)
                return fields;
        }
        return {};
    }

    bool storeRaw(const QString &name, quint32 volume)
    {
        return runWithServer(QStringLiteral("tool_pulse_probe"),
                             {QStringLiteral("write"), name, QString::number(volume)}, m_server->address())
                   .status
            == 0;
    }

    QByteArray readVolume()
    {
        const Outcome read = tool({});
        return read.status == 0 ? read.out : QByteArray("status ") + QByteArray::number(read.status);
    }

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<QProcess::ExitStatus>(); }
    void cleanup() { m_server.reset(); }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QByteArray>("readBack");
        QTest::newRow("silent") << QStringLiteral("0") << QStringLiteral("0") << QByteArray("0\n");
        QTest::newRow("1 % is 655, read as 1") << QStringLiteral("1") << QStringLiteral("655") << QByteArray("1\n");
        QTest::newRow("half") << QStringLiteral("50") << QStringLiteral("32768") << QByteArray("50\n");
        QTest::newRow("normal") << QStringLiteral("100") << QStringLiteral("65536") << QByteArray("100\n");
        QTest::newRow("leading zeros") << QStringLiteral("007") << QStringLiteral("4587") << QByteArray("7\n");
    }
    void roundTrip()
    {
        QFETCH(QString, percent);
        QFETCH(QString, stored);
        QFETCH(QByteArray, readBack);
        QVERIFY(startServer());

        const Outcome set = tool({percent});
        QCOMPARE(set.status, 0);
        QCOMPARE(set.out, QByteArray());
        QCOMPARE(set.err, QByteArray());
        // Mono, no preferred device (the server keeps an empty one as none), not muted.
        QCOMPARE(entry(kEventEntry),
                 QStringList({kEventEntry, QStringLiteral("1"), stored, QStringLiteral("(null)"), QStringLiteral("0")}));

        const Outcome read = tool({});
        QCOMPARE(read.status, 0);
        QCOMPARE(read.out, readBack);
    }

    void readsStoredValue_data()
    {
        QTest::addColumn<quint32>("stored");
        QTest::addColumn<QByteArray>("printed");
        QTest::newRow("half") << 32768u << QByteArray("50\n");
        QTest::newRow("655 rounds up") << 655u << QByteArray("1\n");
        QTest::newRow("just below a half percent") << 327u << QByteArray("0\n");
        QTest::newRow("just above a half percent") << 328u << QByteArray("1\n");
        QTest::newRow("above normal") << 98304u << QByteArray("150\n");
    }
    void readsStoredValue()
    {
        QFETCH(quint32, stored);
        QFETCH(QByteArray, printed);
        QVERIFY(startServer());
        QVERIFY(storeRaw(kEventEntry, stored));
        const Outcome read = tool({});
        QCOMPARE(read.status, 0);
        QCOMPARE(read.out, printed);
    }

    void noEventEntry()
    {
        QVERIFY(startServer());
        QVERIFY(storeRaw(QStringLiteral("sink-input-by-media-role:music"), 1000));
        const Outcome read = tool({});
        QCOMPARE(read.status, 1);
        QCOMPARE(read.out, QByteArray());
    }

    // Setting replaces the one entry; the rest of the database (per-program
    // volumes) stays as it was.
    void keepsOtherEntries()
    {
        QVERIFY(startServer());
        const QString music = QStringLiteral("sink-input-by-media-role:music");
        QVERIFY(storeRaw(music, 1000));
        QVERIFY(storeRaw(kEventEntry, 20000));
        QCOMPARE(tool({QStringLiteral("70")}).status, 0);
        QCOMPARE(entry(music).value(2), QStringLiteral("1000"));
        QCOMPARE(entry(kEventEntry).value(2), QStringLiteral("45875"));
    }

    void rejectsBadValues_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::newRow("above 100") << QStringLiteral("101");
        QTest::newRow("negative") << QStringLiteral("-1");
        QTest::newRow("overflow") << QStringLiteral("18446744073709551616");
        QTest::newRow("word") << QStringLiteral("abc");
        QTest::newRow("trailing text") << QStringLiteral("42xyz");
        QTest::newRow("empty") << QString();
        QTest::newRow("leading blank") << QStringLiteral(" 5");
        QTest::newRow("sign") << QStringLiteral("+5");
        QTest::newRow("fraction") << QStringLiteral("5.5");
    }
    void rejectsBadValues()
    {
        QFETCH(QString, argument);
        QVERIFY(startServer());
        QCOMPARE(tool({QStringLiteral("30")}).status, 0);

        const Outcome set = tool({argument});
        QCOMPARE(set.status, 3);
        QCOMPARE(set.out, QByteArray());
        QCOMPARE(set.err, "vyr-event-volume: wrong value " + argument.toUtf8()
                     + ", volume is in percents from 0 to 100\n");
        QCOMPARE(readVolume(), QByteArray("30\n"));
    }

    void moreArgumentsRead_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("two numbers") << QStringList{QStringLiteral("10"), QStringLiteral("20")};
        QTest::newRow("help and more") << QStringList{QStringLiteral("--help"), QStringLiteral("x")};
    }
    void moreArgumentsRead()
    {
        QFETCH(QStringList, args);
        QVERIFY(startServer());
        QCOMPARE(tool({QStringLiteral("40")}).status, 0);
        const Outcome read = tool(args);
        QCOMPARE(read.status, 0);
        QCOMPARE(read.out, QByteArray("40\n"));
        QCOMPARE(entry(kEventEntry).value(2), QStringLiteral("26214"));
    }

    void help_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("long") << QStringLiteral("--help");
        QTest::newRow("short") << QStringLiteral("-h");
    }
    void help()
    {
        QFETCH(QString, option);
        const Outcome help = runWithServer(QStringLiteral("vyr-event-volume"), {option}, QStringLiteral("unix:/nonexistent"));
        QCOMPARE(help.status, 2);
        QCOMPARE(help.out, QByteArray());
        QCOMPARE(help.err, QByteArray("Usage: vyr-event-volume [volume]\n"
                                      "Where 'volume' is event and notification sounds volume in percents from 0 to 100\n"
                                      "If no 'volume' specified then it returs current volume of event sounds"));
        QVERIFY(help.elapsedMs < 2000);
    }

    void timeout_data()
    {
        QTest::addColumn<bool>("silentEndpoint");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("silent endpoint, read") << true << QStringList();
        QTest::newRow("silent endpoint, set") << true << QStringList{QStringLiteral("50")};
        QTest::newRow("no server, read") << false << QStringList();
        QTest::newRow("no server, set") << false << QStringList{QStringLiteral("50")};
    }
    void timeout()
    {
        QFETCH(bool, silentEndpoint);
        QFETCH(QStringList, args);
        // An endpoint that accepts connections and never says a word.
        const QString socket = vyrtest::sandboxRoot() + QStringLiteral("/silent");
        QLocalServer endpoint;
        std::vector<QLocalSocket *> accepted;
        if (silentEndpoint) {
            QLocalServer::removeServer(socket);
            QVERIFY(endpoint.listen(socket));
            connect(&endpoint, &QLocalServer::newConnection, &endpoint, [&endpoint, &accepted] {
                while (QLocalSocket *client = endpoint.nextPendingConnection())
                    accepted.push_back(client);
            });
        }
        const Outcome outcome = runWithServer(QStringLiteral("vyr-event-volume"), args, QStringLiteral("unix:") + socket);
        QVERIFY(outcome.finished);
        QCOMPARE(outcome.status, 4);
        QCOMPARE(outcome.out, QByteArray());
        QVERIFY2(outcome.err.endsWith(kTimeoutMessage), outcome.err.constData());
        QVERIFY2(outcome.elapsedMs >= 2900 && outcome.elapsedMs < 6000, QByteArray::number(outcome.elapsedMs));
        if (silentEndpoint)
            QVERIFY(!accepted.empty());
    }

    // A server without the stream-restore database refuses the request; that
    // is reported at once instead of passing for success.
    void refusedWithoutDatabase_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("read") << QStringList() << QByteArray("Restoring stream data failed: ");
        QTest::newRow("set") << QStringList{QStringLiteral("50")}
                             << QByteArray("vyr-event-volume: pa_ext_stream_restore_write failed");
    }
    void refusedWithoutDatabase()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, message);
        QVERIFY(startServer(false));
        const Outcome outcome = tool(args);
        QCOMPARE(outcome.status, 5);
        QCOMPARE(outcome.out, QByteArray());
        QVERIFY2(outcome.err.startsWith(message), outcome.err.constData());
        QVERIFY(outcome.elapsedMs < 2500);
    }
};

VYR_TEST_GUILESS_MAIN(TestEventVolume)
#include "test_event_volume.moc"
