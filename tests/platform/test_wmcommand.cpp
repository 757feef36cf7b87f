// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"
#include "wmrecorder.h"

#include <vyrwmcommand.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QX11Info>

#include <X11/Xlib.h>

class TestWmCommand : public QObject
{
    Q_OBJECT
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

    void noOwnerDropsTheLine()
    {
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!SendCommandToWM(m_dpy, "VYRWM_LOGOUT\n"));
        QVERIFY(!vyrSendWmCommand(QStringLiteral("VYRWM_LOGOUT")));
        QVERIFY(timer.elapsed() < 1000);
        // Nothing accumulates anywhere a later window manager could read it.
        const Atom property = XInternAtom(m_dpy, VyrWmChannel::commandProperty, True);
        if (property != None) {
            Atom type = None;
            int format = 0;
            unsigned long count = 0, after = 0;
            unsigned char *data = nullptr;
            XGetWindowProperty(m_dpy, DefaultRootWindow(m_dpy), property, 0, 1024, False, AnyPropertyType, &type,
                               &format, &count, &after, &data);
            if (data)
                XFree(data);
            QCOMPARE(type, Atom(None));
        }
        QVERIFY(!SendCommandToWM(nullptr, "x\n"));
    }

    void linesArriveInOrder_data()
    {
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QStringList>("received");
        QTest::newRow("one") << QStringList{QStringLiteral("VYRWM_UPDATE_SHORTCUT")}
                             << QStringList{QStringLiteral("VYRWM_UPDATE_SHORTCUT")};
        QTest::newRow("value with blanks")
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL XftSettings 1 hintslight rgb 96")}
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL XftSettings 1 hintslight rgb 96")};
        QTest::newRow("newline added once")
            << QStringList{QStringLiteral("VYRWM_LOGOUT\n"), QStringLiteral("VYRWM_STOP_WATCH_ALL")}
            << QStringList{QStringLiteral("VYRWM_LOGOUT"), QStringLiteral("VYRWM_STOP_WATCH_ALL")};
        QTest::newRow("non-ASCII path")
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaper /home/u/Обои/壁紙 1.png")}
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaper /home/u/Обои/壁紙 1.png")};
        QTest::newRow("line break inside a value")
            << QStringList{QStringLiteral("VYRWM_ICON_SELECT /d/a\nVYRWM_LOGOUT.desktop\n"),
                           QStringLiteral("VYRWM_UPDATE_VAL WallPaper /p/x\r\nVYRWM_STOP_WATCH_ALL")}
            << QStringList{QStringLiteral("VYRWM_ICON_SELECT /d/a VYRWM_LOGOUT.desktop"),
                           QStringLiteral("VYRWM_UPDATE_VAL WallPaper /p/x  VYRWM_STOP_WATCH_ALL")};
        QTest::newRow("NUL inside a value")
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaper /p/a") + QChar(0) + QStringLiteral("b.png"),
                           QStringLiteral("VYRWM_UPDATE_SHORTCUT")}
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaper /p/ab.png"),
                           QStringLiteral("VYRWM_UPDATE_SHORTCUT")};
    }
    void linesArriveInOrder()
    {
        QFETCH(QStringList, sent);
        QFETCH(QStringList, received);
        WmRecorder recorder;
        QVERIFY(recorder.start());
        for (const QString &line : sent)
            QVERIFY(vyrSendWmCommand(line));
        QVERIFY(recorder.waitForLines(received.size()));
        QCOMPARE(recorder.lines(), received);
    }

    void concurrentSendersDoNotInterleave()
    {
        WmRecorder recorder;
        QVERIFY(recorder.start());
        QProcess a, b;
        a.start(vyrtest::programPath(QStringLiteral("wm_send")), {QStringLiteral("200"), QStringLiteral("A")});
        b.start(vyrtest::programPath(QStringLiteral("wm_send")), {QStringLiteral("200"), QStringLiteral("B")});
        QVERIFY(a.waitForFinished(20000));
        QVERIFY(b.waitForFinished(20000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        QVERIFY(recorder.waitForLines(400, 10000));
        const QStringList lines = recorder.lines();
        QCOMPARE(lines.size(), 400);
        int nextA = 0, nextB = 0;
        const QString padding(100, QLatin1Char('p'));
        for (const QString &line : lines) {
            const QStringList parts = line.split(QLatin1Char(' '));
            QCOMPARE(parts.size(), 3);
            QCOMPARE(parts.at(2), padding);
            int &next = parts.at(0) == QLatin1String("A") ? nextA : nextB;
            QVERIFY2(parts.at(0) == QLatin1String("A") || parts.at(0) == QLatin1String("B"), qPrintable(line));
            QCOMPARE(parts.at(1).toInt(), next);
            ++next;
        }
        QCOMPARE(nextA, 200);
        QCOMPARE(nextB, 200);
    }

    void ownerGoneMidway()
    {
        WmRecorder recorder;
        QVERIFY(recorder.start());
        QVERIFY(SendCommandToWM(m_dpy, "VYRWM_UPDATE_SHORTCUT\n"));
        recorder.stop();
        // The selection is released with the owner: the line is dropped, the
        // sender survives.
        QVERIFY(!SendCommandToWM(m_dpy, "VYRWM_UPDATE_SHORTCUT\n"));
        QCOMPARE(recorder.lines(), QStringList{QStringLiteral("VYRWM_UPDATE_SHORTCUT")});
    }

private:
    Display *m_dpy = nullptr;
};

VYR_TEST_MAIN(TestWmCommand)
#include "test_wmcommand.moc"
