// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <compositorconfig.h>

#include <QDir>

namespace {
QString userFile(const QString &name)
{
    return vyrtest::home() + QStringLiteral("/.config/") + name;
}

/// Options from letters: T transparency, S shadow, R round corners,
/// A animations, F fading, V vsync.
CompositorOptions options(const QString &letters)
{
    CompositorOptions result;
    result.transparency = letters.contains(QLatin1Char('T'));
    result.shadow = letters.contains(QLatin1Char('S'));
    result.roundCorners = letters.contains(QLatin1Char('R'));
    result.animations = letters.contains(QLatin1Char('A'));
    result.fading = letters.contains(QLatin1Char('F'));
    result.vsync = letters.contains(QLatin1Char('V'));
    return result;
}

QString letters(const CompositorOptions &o)
{
    QString result;
    if (o.transparency)
        result += QLatin1Char('T');
    if (o.shadow)
        result += QLatin1Char('S');
    if (o.roundCorners)
        result += QLatin1Char('R');
    if (o.animations)
        result += QLatin1Char('A');
    if (o.fading)
        result += QLatin1Char('F');
    if (o.vsync)
        result += QLatin1Char('V');
    return result;
}

const QByteArray s_allOff = "enable-transparency = false;\nvsync = false;\nshadow = false;\ncorner-radius = 0;\n"
                            "fading = false;\nanimations = false;\n";
}

class TestCompositorConfig : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { vyrtest::resetHome(); }

    void write_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("result");
        const int written = int(CompositorFileResult::Written);
        QTest::newRow("comments, order and unknown settings kept")
            << QByteArray("# my compositor\nbackend = \"xrender\"; # keep\nshadow = false;   // off for now\n"
                          "/* block\n   comment */\ncorner-radius = 0;\nfading = true;\n"
                          "wintypes: { tooltip = { fade = true; shadow = false; }; };\n")
            << "SR"
            << QByteArray("# my compositor\nbackend = \"xrender\"; # keep\nshadow = true;   // off for now\n"
                          "/* block\n   comment */\ncorner-radius = 7;\nfading = false;\n"
                          "wintypes: { tooltip = { fade = true; shadow = false; }; };\n"
                          "enable-transparency = false;\nvsync = false;\nanimations = false;\n")
            << written;
        QTest::newRow("empty file gets all six") << QByteArray() << "TV"
                                                 << QByteArray("enable-transparency = true;\nvsync = true;\nshadow = false;\n"
                                                               "corner-radius = 0;\nfading = false;\nanimations = false;\n")
                                                 << written;
        QTest::newRow("several settings on one line, no final newline")
            << QByteArray("shadow=true;fading=false;vsync :true") << "F"
            << QByteArray("shadow=false;fading=true;vsync :false\nenable-transparency = false;\ncorner-radius = 0;\n"
                          "animations = false;\n")
            << written;
        QTest::newRow("a number where a boolean belongs becomes one")
            << QByteArray("vsync = 1;\ncorner-radius = 12;\n") << "VR"
            << QByteArray("vsync = true;\ncorner-radius = 7;\nenable-transparency = false;\nshadow = false;\n"
                          "fading = false;\nanimations = false;\n")
            << written;
        QTest::newRow("round corners off writes 0")
            << QByteArray("corner-radius = 12;  # big\n") << ""
            << QByteArray("corner-radius = 0;  # big\nenable-transparency = false;\nvsync = false;\nshadow = false;\n"
                          "fading = false;\nanimations = false;\n")
            << written;
        QTest::newRow("values already there: untouched")
            << QByteArray("# mine\nshadow = true;\ncorner-radius = 7;\nvsync = false;\nfading = false;\n"
                          "animations = true;\nenable-transparency = false;\n")
            << "SRA"
            << QByteArray("# mine\nshadow = true;\ncorner-radius = 7;\nvsync = false;\nfading = false;\n"
                          "animations = true;\nenable-transparency = false;\n")
            << int(CompositorFileResult::Unchanged);
        QTest::newRow("unparsable file never overwritten") << QByteArray("shadow = = true;\n# c\n") << "S"
                                                           << QByteArray("shadow = = true;\n# c\n")
                                                           << int(CompositorFileResult::Unreadable);
        // The compositor stops at the NUL with a syntax error; what follows
        // it must not become settings.
        const QByteArray withNul("shadow = true;\0\ncorner-radius =\n 12;\n", 37);
        QTest::newRow("file with a NUL byte never overwritten")
            << withNul << "S" << withNul << int(CompositorFileResult::Unreadable);
    }
    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, wanted);
        QFETCH(QByteArray, after);
        QFETCH(int, result);
        const QString path = userFile(QStringLiteral("picom.conf"));
        QVERIFY(vyrtest::writeFile(path, before));
        QCOMPARE(int(writeCompositorOptions(path, options(wanted))), result);
        QCOMPARE(vyrtest::readFile(path), after);
        QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));
    }

    void settingThatCannotBeEditedInPlaceKeepsABackup()
    {
        // A group named like the option: only libconfig's writer can replace it.
        const QByteArray before = "# note\nshadow = { radius = 3; };\n";
        const QString path = userFile(QStringLiteral("picom.conf"));
        QVERIFY(vyrtest::writeFile(path, before));
        QCOMPARE(writeCompositorOptions(path, options(QStringLiteral("S"))), CompositorFileResult::Written);
        QCOMPARE(vyrtest::readFile(path + QStringLiteral(".bak")), before);
        CompositorOptions read;
        QVERIFY(readCompositorOptions(path, &read));
        QCOMPARE(letters(read), QStringLiteral("S"));
    }

    void stringOverSeveralLinesIsNotEditedInPlace()
    {
        // The string runs from "x; to the quote on the next line: an edit of
        // its first line alone would make "end" a setting of its own.
        const QByteArray before = "shadow = \"x;\nend = \"# note\";\n";
        const QString path = userFile(QStringLiteral("picom.conf"));
        QVERIFY(vyrtest::writeFile(path, before));
        QCOMPARE(writeCompositorOptions(path, options(QStringLiteral("S"))), CompositorFileResult::Written);
        QCOMPARE(vyrtest::readFile(path + QStringLiteral(".bak")), before);
        QVERIFY(!vyrtest::readFile(path).contains("end"));
        CompositorOptions read;
        QVERIFY(readCompositorOptions(path, &read));
        QCOMPARE(letters(read), QStringLiteral("S"));
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("read");
        QTest::newRow("empty: all off") << QByteArray() << true << "";
        QTest::newRow("all on") << QByteArray("shadow = true; enable-transparency = true; corner-radius = 4;\n"
                                              "fading = true; animations = true; vsync = true;\n")
                                << true << "TSRAFV";
        QTest::newRow("radius 0, numbers and nested names are not options")
            << QByteArray("corner-radius = 0;\nshadow = 1;\nwintypes: { menu = { fading = true; }; };\n") << true << "";
        QTest::newRow("negative radius is square") << QByteArray("corner-radius = -3;\nvsync = true;\n") << true << "V";
        QTest::newRow("unparsable") << QByteArray("shadow = ;\n") << false << "S";
    }
    void read()
    {
        QFETCH(QByteArray, text);
        const QString path = userFile(QStringLiteral("picom.conf"));
        QVERIFY(vyrtest::writeFile(path, text));
        CompositorOptions result = options(QStringLiteral("S")); // kept when unreadable
        QTEST(readCompositorOptions(path, &result), "ok");
        QTEST(letters(result), "read");
    }

    void prepare_data()
    {
        QTest::addColumn<QStringList>("userFiles");   // name=content below ~/.config
        QTest::addColumn<QStringList>("systemFiles"); // path=content below the system root
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("origin");
        QTest::addColumn<QByteArray>("content");
        const int existing = int(CompositorFileOrigin::Existing);
        const int copied = int(CompositorFileOrigin::CopiedFromSystem);
        QTest::newRow("user picom.conf") << QStringList{"picom.conf=a;", "compton.conf=b;"}
                                         << QStringList{"/etc/xdg/picom.conf=s;"} << "picom.conf" << existing
                                         << QByteArray("a;");
        QTest::newRow("user compton.conf when no picom.conf")
            << QStringList{"compton.conf=b;"} << QStringList{"/etc/xdg/picom.conf=s;"} << "compton.conf" << existing
            << QByteArray("b;");
        QTest::newRow("first use copies the system picom.conf")
            << QStringList{} << QStringList{"/etc/xdg/picom.conf=# system\nshadow = true;\n", "/etc/xdg/compton.conf=c;"}
            << "picom.conf" << copied << QByteArray("# system\nshadow = true;\n");
        QTest::newRow("then picom/picom.conf") << QStringList{}
                                               << QStringList{"/etc/xdg/picom/picom.conf=p;", "/etc/xdg/compton.conf=c;"}
                                               << "picom.conf" << copied << QByteArray("p;");
        QTest::newRow("then compton.conf, copied as picom.conf")
            << QStringList{} << QStringList{"/etc/xdg/compton.conf=c;"} << "picom.conf" << copied << QByteArray("c;");
        QTest::newRow("no system file: empty file") << QStringList{} << QStringList{} << "picom.conf"
                                                    << int(CompositorFileOrigin::CreatedEmpty) << QByteArray("");
    }
    void prepare()
    {
        QFETCH(QStringList, userFiles);
        QFETCH(QStringList, systemFiles);
        QFETCH(QString, file);
        QFETCH(int, origin);
        QFETCH(QByteArray, content);
        QDir(vyrtest::sysPath(QStringLiteral("/etc/xdg"))).removeRecursively();
        for (const QString &entry : userFiles)
            QVERIFY(vyrtest::writeFile(userFile(entry.section(QLatin1Char('='), 0, 0)),
                                       entry.section(QLatin1Char('='), 1).toUtf8()));
        for (const QString &entry : systemFiles)
            QVERIFY(vyrtest::writeFile(vyrtest::sysPath(entry.section(QLatin1Char('='), 0, 0)),
                                       entry.section(QLatin1Char('='), 1).toUtf8()));
        QString path;
        QCOMPARE(int(prepareCompositorConfigFile(&path)), origin);
        QCOMPARE(path, userFile(file));
        QCOMPARE(vyrtest::readFile(path), content);
        // A known path is kept as long as its file exists.
        QCOMPARE(int(prepareCompositorConfigFile(&path)), int(CompositorFileOrigin::Existing));
        QCOMPARE(path, userFile(file));
    }

    void cleanupTestCase() { QDir(vyrtest::sysPath(QStringLiteral("/etc/xdg"))).removeRecursively(); }
};

VYR_TEST_GUILESS_MAIN(TestCompositorConfig)
#include "test_compositorconfig.moc"
