// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <myapplication.h>
#include <vyrcolors.h>
#include <vyrdesktopentry.h>
#include <vyrpaths.h>
#include <vyrprocess.h>

#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>

#include <sys/stat.h>
#include <unistd.h>

class TestPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textColor_data()
    {
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("text");
        QTest::newRow("white") << QStringLiteral("#ffffff") << QStringLiteral("#000000");
        QTest::newRow("black") << QStringLiteral("#000000") << QStringLiteral("#FFFFFF");
        QTest::newRow("dark grey") << QStringLiteral("#2d2d2d") << QStringLiteral("#FFFFFF");
        QTest::newRow("primary blue") << QStringLiteral("#5a91bd") << QStringLiteral("#FFFFFF");
        QTest::newRow("light yellow") << QStringLiteral("#ffeb3b") << QStringLiteral("#000000");
        QTest::newRow("invalid") << QStringLiteral("#zz") << QStringLiteral("#FFFFFF");
    }
    void textColor()
    {
        QFETCH(QString, background);
        QFETCH(QString, text);
        QCOMPARE(textColorFor(background), text);
    }

    void shades_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("expected"); // "same", "lighter", "darker"
        QTest::newRow("white cannot lighten") << QStringLiteral("#ffffff") << 0.3 << QStringLiteral("same");
        QTest::newRow("black cannot darken") << QStringLiteral("#000000") << -0.3 << QStringLiteral("same");
        QTest::newRow("white darkens") << QStringLiteral("#ffffff") << -0.25 << QStringLiteral("darker");
        QTest::newRow("blue lightens") << QStringLiteral("#5a91bd") << 0.2 << QStringLiteral("lighter");
        QTest::newRow("blue darkens") << QStringLiteral("#5a91bd") << -0.2 << QStringLiteral("darker");
        QTest::newRow("zero factor") << QStringLiteral("#5a91bd") << 0.0 << QStringLiteral("same");
    }
    void shades()
    {
        QFETCH(QString, colour);
        QFETCH(double, factor);
        QFETCH(QString, expected);
        const QString shade = CreateShadeColor(colour, factor);
        QVERIFY(QColor(shade).isValid());
        QCOMPARE(shade, QColor(shade).name());
        const int l0 = QColor(colour).lightness();
        const int l1 = QColor(shade).lightness();
        if (expected == QLatin1String("same"))
            QCOMPARE(shade, colour);
        else if (expected == QLatin1String("lighter"))
            QVERIFY(l1 > l0);
        else
            QVERIFY(l1 < l0);
        QCOMPARE(CreateShadeColor(colour, factor), shade); // deterministic
    }

    void shadeMap()
    {
        const auto map = CreateShadeColors(QStringLiteral("#5a91bd"));
        QCOMPARE(map.size(), 9);
        QCOMPARE(map.value(QStringLiteral("color500")), QStringLiteral("#5a91bd"));
        int previous = 256;
        for (int i = 100; i <= 900; i += 100) {
            const int l = QColor(map.value(QStringLiteral("color%1").arg(i))).lightness();
            QVERIFY2(l < previous, qPrintable(QString::number(i)));
            previous = l;
        }
        const auto white = CreateShadeColors(QStringLiteral("#ffffff"));
        QCOMPARE(white.value(QStringLiteral("color100")), QStringLiteral("#ffffff"));
        QVERIFY(white.value(QStringLiteral("color900")) != QStringLiteral("#ffffff"));
        QCOMPARE(GetPrimaryDarkColor(QStringLiteral("#000000"), true), QStringLiteral("#000000"));
    }

    void directories()
    {
        QCOMPARE(GetVyrDir(VyrDirUserPlatform), vyrtest::home() + QStringLiteral("/.vyr"));
        QCOMPARE(GetVyrDir(VyrDirUserTheme), vyrtest::home() + QStringLiteral("/.vyr/theme"));
        QCOMPARE(GetVyrDir(VyrDirHome), vyrtest::home());
        QCOMPARE(GetVyrDir(VyrDirSharedData), vyrtest::sysPath(QStringLiteral("/usr/share/vyr")));
        QCOMPARE(GetVyrDir(VyrDirCurrentDesktop), vyrtest::home() + QStringLiteral("/Desktops/Desktop1"));
        QCOMPARE(GetVyrDir(99), QString());
        QCOMPARE(vyrSystemPath(QStringLiteral("/usr/bin/killall")), vyrtest::sysPath(QStringLiteral("/usr/bin/killall")));
        QCOMPARE(vyrSystemPath(QStringLiteral("relative")), QStringLiteral("relative"));

        const QByteArray oldHome = qgetenv("HOME");
        qunsetenv("HOME");
        QCOMPARE(GetVyrDir(VyrDirUserTheme), QString());
        qputenv("HOME", oldHome);
    }

    void sessionSuffix_data()
    {
        QTest::addColumn<QString>("seats");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("single seat") << QString() << QStringLiteral(":3") << QString();
        QTest::newRow("seat 0") << QStringLiteral("seat0 seat1") << QStringLiteral(":0.0") << QString();
        QTest::newRow("seat 1") << QStringLiteral("seat0 seat1") << QStringLiteral(":1.0") << QStringLiteral(".1");
    }
    void sessionSuffix()
    {
        QFETCH(QString, seats);
        QFETCH(QString, display);
        QFETCH(QString, suffix);
        const QByteArray oldDisplay = qgetenv("DISPLAY");
        qputenv("DISPLAY", display.toLocal8Bit());
        if (seats.isEmpty())
            qunsetenv("VYR_SEAT_LIST");
        else
            qputenv("VYR_SEAT_LIST", seats.toLocal8Bit());
        QCOMPARE(vyrSessionConfigSuffix(0), suffix);
        qunsetenv("VYR_SEAT_LIST");
        qputenv("DISPLAY", oldDisplay);
    }

    void findPrograms()
    {
        QVERIFY(vyrtest::writeScript(QStringLiteral("vyr-fake-tool"), "exit 0\n"));
        QCOMPARE(FindFileInPATH(QStringLiteral("vyr-fake-tool")), vyrtest::fakeBinDir() + QStringLiteral("/vyr-fake-tool"));
        QCOMPARE(FindFileInPATH(QStringLiteral("vyr-no-such-tool")), QString());
        QCOMPARE(FindFileInPATH(QString()), QString());
        QVERIFY(findInPS(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
        QVERIFY(!findInPS(QStringLiteral("vyr-no-such-process")));
        // A path names one file: this program by its path, not its name elsewhere.
        QVERIFY(findInPS(QCoreApplication::applicationFilePath()));
        QVERIFY(!findInPS(QStringLiteral("/nonexistent/") + QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
    }

    void desktopEntry_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("name");
        QTest::newRow("C") << QStringLiteral("C") << QStringLiteral("Trash");
        QTest::newRow("de_DE") << QStringLiteral("de_DE.UTF-8") << QStringLiteral("Papierkorb");
        QTest::newRow("ru") << QStringLiteral("ru_RU.UTF-8") << QStringLiteral("Корзина");
        QTest::newRow("fr falls back") << QStringLiteral("fr_FR.UTF-8") << QStringLiteral("Trash");
    }
    void desktopEntry()
    {
        QFETCH(QString, lang);
        QFETCH(QString, name);
        const QString file = vyrtest::home() + QStringLiteral("/Desktops/Desktop1/mytrash.desktop");
        QVERIFY(vyrtest::writeFile(file, "[Desktop Entry]\nType=Link\nName=Trash\nName[de]=Papierkorb\n"
                                         "Name[ru]=Корзина\nURL=file:///home/u/x\nComment=\\sleading\nX-Own=kept\n"));
        const QByteArray oldLang = qgetenv("LC_ALL");
        qputenv("LC_ALL", lang.toLocal8Bit());
        VyrDesktopEntry entry(file);
        QVERIFY(entry.load());
        QVERIFY(entry.isValid());
        QCOMPARE(entry.type(), QStringLiteral("Link"));
        QCOMPARE(entry.url(), QStringLiteral("file:///home/u/x"));
        QCOMPARE(entry.localNameOrFallback(), name);
        QCOMPARE(entry.localCommentOrFallback(), QStringLiteral(" leading"));
        QVERIFY(!entry.hidden());
        entry.setHidden(true);
        entry.setIcon(QString());
        QVERIFY(entry.save(false));
        qputenv("LC_ALL", oldLang);

        VyrDesktopEntry again(file);
        QVERIFY(again.load());
        QVERIFY(again.hidden());
        QCOMPARE(again.value(QStringLiteral("X-Own")), QStringLiteral("kept"));
        QVERIFY(!vyrtest::readFile(file).contains("Icon="));
    }

    void desktopEntrySortOrder()
    {
        const QString file = vyrtest::home() + QStringLiteral("/.vyr/toolbar/.directory");
        VyrDesktopEntry entry(file);
        QVERIFY(!entry.load());
        entry.setType(QStringLiteral("Directory"));
        entry.setSortOrder({QStringLiteral("start.desktop"), QStringLiteral("b.desktop")});
        QVERIFY(entry.save(false));
        VyrDesktopEntry again(file);
        QVERIFY(again.load());
        QCOMPARE(again.sortOrder(), QStringList({QStringLiteral("start.desktop"), QStringLiteral("b.desktop")}));
    }

    void singleInstance()
    {
        // The first process holds the key and prints what it receives; a
        // second one forwards its message and exits at once.
        QProcess first;
        first.start(vyrtest::programPath(QStringLiteral("single_probe")), {QStringLiteral(":9probe")});
        QVERIFY(first.waitForStarted());
        QVERIFY(first.waitForReadyRead(10000));
        QCOMPARE(first.readLine().trimmed(), QByteArray("holder"));

        QElapsedTimer timer;
        timer.start();
        const auto second = vyrtest::run(QStringLiteral("single_probe"),
                                         {QStringLiteral(":9probe"), QStringLiteral("Wallpaper /x y.png")});
        QCOMPARE(second.exitCode, 0);
        QCOMPARE(second.out.trimmed(), QByteArray("forwarded"));
        QVERIFY(timer.elapsed() < 3000);
        QTRY_VERIFY(first.canReadLine());
        QCOMPARE(first.readLine(), QByteArray("got:Wallpaper /x y.png\n"));

        // A message that arrives in pieces is put together and answered; a
        // count no message has ends that connection, not the holder.
        {
            QLocalSocket piecewise;
            piecewise.connectToServer(MyApplication::serverPath(QStringLiteral(":9probe")));
            QVERIFY(piecewise.waitForConnected(5000));
            QByteArray block;
            QDataStream out(&block, QIODevice::WriteOnly);
            out << QStringLiteral("Wallpaper /f\u00fcr/\u00e9t\u00e9.jpg");
            piecewise.write(block.left(3));
            QVERIFY(piecewise.waitForBytesWritten(5000));
            piecewise.write(block.mid(3));
            QVERIFY(piecewise.waitForReadyRead(5000));
            QCOMPARE(piecewise.readAll(), QByteArray(1, '\1'));
            QTRY_VERIFY(first.canReadLine());
            QCOMPARE(QString::fromUtf8(first.readLine()), QStringLiteral("got:Wallpaper /f\u00fcr/\u00e9t\u00e9.jpg\n"));

            QLocalSocket bogus;
            bogus.connectToServer(MyApplication::serverPath(QStringLiteral(":9probe")));
            QVERIFY(bogus.waitForConnected(5000));
            bogus.write(QByteArray::fromHex("7ffffff0") + QByteArray(64, 'x'));
            QVERIFY(bogus.waitForDisconnected(5000));
            QVERIFY(bogus.readAll().isEmpty());
        }
        const auto afterBogus = vyrtest::run(QStringLiteral("single_probe"), {QStringLiteral(":9probe"), QStringLiteral("show")});
        QCOMPARE(afterBogus.out.trimmed(), QByteArray("forwarded"));
        QTRY_VERIFY(first.canReadLine());
        QCOMPARE(first.readLine(), QByteArray("got:show\n"));

        // Another key is another instance.
        QProcess other;
        other.start(vyrtest::programPath(QStringLiteral("single_probe")), {QStringLiteral(":8probe")});
        QVERIFY(other.waitForStarted());
        QVERIFY(other.waitForReadyRead(10000));
        QCOMPARE(other.readLine().trimmed(), QByteArray("holder"));
        other.kill();
        other.waitForFinished();

        // A holder that dies leaves its socket behind; the next start takes over.
        first.kill();
        first.waitForFinished();
        QProcess third;
        third.start(vyrtest::programPath(QStringLiteral("single_probe")), {QStringLiteral(":9probe")});
        QVERIFY(third.waitForStarted());
        QVERIFY(third.waitForReadyRead(10000));
        QCOMPARE(third.readLine().trimmed(), QByteArray("holder"));
        third.kill();
        third.waitForFinished();
    }

    void holderOfAnotherUserIsIgnored()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to act as another user");
        // A shared directory, as the temporary directory is without
        // XDG_RUNTIME_DIR; another user listens on the path first.
        const QString shared = vyrtest::home() + QStringLiteral("/../shared-runtime");
        QVERIFY(QDir().mkpath(shared));
        QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(shared));
        QLocalServer squatter;
        {
            vyrtest::AsOrdinaryUser other;
            QVERIFY(squatter.listen(MyApplication::serverPath(QStringLiteral(":7probe"))));
        }
        QProcess probe;
        probe.start(vyrtest::programPath(QStringLiteral("single_probe")), {QStringLiteral(":7probe")});
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
        QVERIFY(probe.waitForStarted());
        QVERIFY(probe.waitForReadyRead(10000));
        QCOMPARE(probe.readLine().trimmed(), QByteArray("holder"));
        probe.kill();
        probe.waitForFinished();
    }
};

VYR_TEST_MAIN(TestPlatform)
#include "test_platform.moc"
