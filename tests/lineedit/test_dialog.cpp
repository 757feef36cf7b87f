// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-dialog, the message box the desktop helpers start.

#include "testenv.h"
#include "xwindows.h"

#include <QProcess>

#include <X11/Xlib.h>

class TestDialog : public QObject
{
    Q_OBJECT
private:
    Display *m_dpy = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X display (run under Xvfb)");
        m_dpy = XOpenDisplay(nullptr);
        QVERIFY(m_dpy);
    }
    void cleanupTestCase()
    {
        if (m_dpy)
            XCloseDisplay(m_dpy);
    }

    void showsMessage_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("sorry") << "--sorry" << "Can't rename 'a'.\nObject doesn't exists.";
        QTest::newRow("error with other scripts") << "--error" << "Error when renaming 'Отчёт'\n with '報告'.";
    }
    void showsMessage()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QProcess process;
        process.start(vyrtest::programPath(QStringLiteral("vyr-dialog")),
                      {QStringLiteral("--geometry"), QStringLiteral("100x100+230+170"), QStringLiteral("--title"),
                       QStringLiteral("Renaming"), QStringLiteral("--icon"), QStringLiteral("system-file-manager"),
                       kind, text});
        QVERIFY(process.waitForStarted());
        unsigned long window = 0;
        QTRY_VERIFY_WITH_TIMEOUT((window = xwin::findViewable(m_dpy, "vyr-dialog")) != 0, 10000);
        QCOMPARE(xwin::title(m_dpy, window), QStringLiteral("Renaming"));
        QTRY_COMPARE(xwin::geometry(m_dpy, window).topLeft(), QPoint(230, 170));
        QVERIFY(xwin::geometry(m_dpy, window).width() >= 100);
        QVERIFY(xwin::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)}));
        QVERIFY(xwin::xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
        QCOMPARE(xwin::waitServing(process, 10000), 0);
    }

    void refusesBadCommandLines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("no message") << QStringList{QStringLiteral("--title"), QStringLiteral("x")}
                                    << QByteArray("vyr-dialog: give exactly one of --sorry or --error\n");
        QTest::newRow("both kinds") << QStringList{QStringLiteral("--sorry"), QStringLiteral("a"),
                                                   QStringLiteral("--error"), QStringLiteral("b")}
                                    << QByteArray("vyr-dialog: give exactly one of --sorry or --error\n");
        QTest::newRow("bad geometry") << QStringList{QStringLiteral("--geometry"), QStringLiteral("big"),
                                                     QStringLiteral("--sorry"), QStringLiteral("a")}
                                      << QByteArray("vyr-dialog: invalid geometry 'big'\n");
    }
    void refusesBadCommandLines()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, err);
        const vyrtest::RunResult result = vyrtest::run(QStringLiteral("vyr-dialog"), args);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.endsWith(err), result.err.constData());
    }
};

VYR_TEST_MAIN_OWN_DISPLAY(TestDialog)
#include "test_dialog.moc"
