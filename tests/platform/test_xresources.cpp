// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "privatexserver.h"
#include "testenv.h"

#include <vyrxresources.h>

#include <QFile>
#include <QStandardPaths>

class TestXResources : public QObject
{
    Q_OBJECT
private:
    PrivateXServer m_server;

    static QByteArray query()
    {
        QString error;
        const QByteArray out = vyrXrdbQuery(&error);
        if (!error.isEmpty())
            qWarning() << error;
        return out;
    }
    static QString resourcesFile() { return vyrtest::home() + QStringLiteral("/.Xresources"); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_server.start(), "cannot start Xvfb");
    }
    void init()
    {
        vyrtest::resetHome();
        QVERIFY(vyrtest::writeFile(vyrtest::sandboxRoot() + QStringLiteral("/empty"), QByteArray()));
        const QStringList args{QStringLiteral("-nocpp"), QStringLiteral("-load"),
                               vyrtest::sandboxRoot() + QStringLiteral("/empty")};
        QCOMPARE(vyrtest::run(QStandardPaths::findExecutable(QStringLiteral("xrdb")), args).exitCode, 0);
    }

    void setLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("empty file") << QByteArray() << "120" << QByteArray("Xft.dpi: 120\n");
        QTest::newRow("appended, last line had no newline")
            << QByteArray("! mine\nXTerm*faceSize: 11") << "120"
            << QByteArray("! mine\nXTerm*faceSize: 11\nXft.dpi: 120\n");
        QTest::newRow("replaced in place, comments kept")
            << QByteArray("! Xft.dpi: 72 was too small\n#ifdef COLOR\nXft.dpi:\t96\n#endif\nXterm*bg: black\n") << "120"
            << QByteArray("! Xft.dpi: 72 was too small\n#ifdef COLOR\nXft.dpi: 120\n#endif\nXterm*bg: black\n");
        QTest::newRow("blanks around the name, later duplicates dropped")
            << QByteArray("  Xft.dpi : 96\na: 1\nXft.dpi: 100\n") << "120" << QByteArray("Xft.dpi: 120\na: 1\n");
        QTest::newRow("continuation lines go with their resource")
            << QByteArray("Xft.dpi: 9\\\n6\nb: 2\\\nXft.dpi: 3\n") << "120"
            << QByteArray("Xft.dpi: 120\nb: 2\\\nXft.dpi: 3\n");
        QTest::newRow("longer and other-binding names untouched")
            << QByteArray("Xft.dpiX: 1\nXft*dpi: 2\n") << "120"
            << QByteArray("Xft.dpiX: 1\nXft*dpi: 2\nXft.dpi: 120\n");
        QTest::newRow("empty value removes") << QByteArray("a: 1\nXft.dpi: 96\nb: 2\n") << ""
                                             << QByteArray("a: 1\nb: 2\n");
        QTest::newRow("empty value, nothing to remove") << QByteArray("a: 1\n") << "" << QByteArray("a: 1\n");
    }
    void setLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QCOMPARE(vyrSetXResourceLine(before, QStringLiteral("Xft.dpi:"), QStringLiteral(" "), value), after);
    }

    void fileKeepsOtherLines()
    {
        const QByteArray before = "! my settings\n#include \".Xcolors\"\nXTerm*faceName: Mono\n";
        QVERIFY(vyrtest::writeFile(resourcesFile(), before));
        QString error;
        QVERIFY2(setXrdbParameterInFile(resourcesFile(), QStringLiteral("Xft.dpi:"), QStringLiteral(" "),
                                        QStringLiteral("120"), false, &error),
                 qPrintable(error));
        QCOMPARE(vyrtest::readFile(resourcesFile()), before + "Xft.dpi: 120\n");
        QVERIFY(!query().contains("Xft.dpi")); // not asked to apply

        QVERIFY(setXrdbParameterInFile(resourcesFile(), QStringLiteral("Xft.dpi:"), QStringLiteral(" "), QString(),
                                       false, &error));
        QCOMPARE(vyrtest::readFile(resourcesFile()), before);
    }

    void missingFileNotCreatedForRemoval()
    {
        QVERIFY(setXrdbParameterInFile(resourcesFile(), QStringLiteral("Xft.dpi:"), QStringLiteral(" "), QString(),
                                       false));
        QVERIFY(!QFile::exists(resourcesFile()));
    }

    void unreadableFileLeftAlone()
    {
        QVERIFY(vyrtest::writeFile(resourcesFile(), "a: 1\n"));
        QVERIFY(QFile::setPermissions(resourcesFile(), QFileDevice::WriteOwner));
        {
            vyrtest::AsOrdinaryUser user; // root could read it anyway
            QString error;
            QVERIFY(!setXrdbParameterInFile(resourcesFile(), QStringLiteral("Xft.dpi:"), QStringLiteral(" "),
                                            QStringLiteral("120"), true, &error));
            QVERIFY2(error.contains(resourcesFile()), qPrintable(error));
        }
        QCOMPARE(vyrtest::readFile(resourcesFile()), QByteArray("a: 1\n"));
    }

    void serverSetAndRemove()
    {
        QVERIFY(vyrXrdbMerge("Foo.bar: baz\nXft.antialias: 1\n"));
        QString error;
        QVERIFY2(setXrdbParameterInFile(resourcesFile(), QStringLiteral("Xft.dpi:"), QStringLiteral(" "),
                                        QStringLiteral("120"), true, &error),
                 qPrintable(error));
        QByteArray resources = query();
        QVERIFY2(resources.contains("Xft.dpi:\t120\n"), resources.constData());
        QVERIFY(resources.contains("Foo.bar:\tbaz\n"));

        QVERIFY2(setXrdbParameterInFile(resourcesFile(), QStringLiteral("Xft.dpi:"), QStringLiteral(" "), QString(),
                                        true, &error),
                 qPrintable(error));
        resources = query();
        QVERIFY2(!resources.contains("Xft.dpi"), resources.constData());
        QVERIFY(resources.contains("Foo.bar:\tbaz\n"));
        QVERIFY(resources.contains("Xft.antialias:\t1\n"));
        QVERIFY(!vyrtest::readFile(resourcesFile()).contains("Xft.dpi"));
    }

    void mergeUsesPreprocessorAndIncludeDir()
    {
        QVERIFY(vyrtest::writeFile(vyrtest::home() + QStringLiteral("/.Xcolors"), "#define FG grey40\n"));
        QString error;
        QVERIFY2(vyrXrdbMerge("#include \".Xcolors\"\nXTerm*foreground: FG\n", vyrtest::home(), &error),
                 qPrintable(error));
        QVERIFY(query().contains("XTerm*foreground:\tgrey40\n"));
    }

    void missingXrdbReported()
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", vyrtest::fakeBinDir().toLocal8Bit());
        QString error;
        const bool ok = vyrXrdbRemove(QStringLiteral("Xft.dpi"), &error);
        qputenv("PATH", path);
        QVERIFY(!ok);
        QVERIFY2(error.contains(QLatin1String("xrdb")), qPrintable(error));
    }
};

VYR_TEST_GUILESS_MAIN(TestXResources)
#include "test_xresources.moc"
