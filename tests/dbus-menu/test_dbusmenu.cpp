// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-dbus-menu against a real menu: this test exports a QMenu on the
// private session bus with libdbusmenu-qt5's exporter, runs the program on
// an X server of its own (whose work area leaves room for a panel, without
// disturbing other tests' display), and picks items with the keyboard.

#include "testenv.h"
#include "xwindows.h"

#include <dbusmenuexporter.h>

#include <QDBusConnection>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <csignal>

namespace {
const QByteArray s_class = QByteArrayLiteral("vyr-dbus-menu");
const QSize s_screen(1024, 768);
const int s_panelHeight = 40;
}

class TestDBusMenu : public QObject
{
    Q_OBJECT
private:
    QProcess m_xserver;
    QString m_display;
    Display *m_dpy = nullptr;
    QString m_service;
    QMenu m_menu;
    QMenu m_other;
    QStringList m_triggered;

    QProcessEnvironment environment(const QByteArray &scale = "1") const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
        return env;
    }

    /// Runs xdotool on the test's display while the exporter keeps answering.
    bool xdotool(const QStringList &args) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(QStringLiteral("xdotool"), args);
        return xwin::waitServing(process, 10000) == 0;
    }

    /// What the program has written to standard error so far, left unread.
    static QByteArray peekError(QProcess &process)
    {
        process.setReadChannel(QProcess::StandardError);
        const QByteArray err = process.peek(1 << 20);
        process.setReadChannel(QProcess::StandardOutput);
        return err;
    }

    /// Starts the program and waits until its menu is on the screen where
    /// the program puts it: shown first, it is moved then, which the program
    /// reports ("move to X Y", in device-independent pixels).
    unsigned long start(QProcess &process, const QStringList &args, const QByteArray &scale = "1")
    {
        process.setProcessEnvironment(environment(scale));
        process.start(vyrtest::programPath(QStringLiteral("vyr-dbus-menu")), args);
        if (!process.waitForStarted(5000))
            return 0;
        static const QRegularExpression moved(QStringLiteral("move to (-?\\d+) (-?\\d+),"));
        const int ratio = scale.toInt();
        unsigned long window = 0;
        // The event loop runs meanwhile: the exporter answers from here.
        const bool placed = QTest::qWaitFor(
            [&] {
                if (process.state() != QProcess::Running)
                    return true;
                const QRegularExpressionMatch match = moved.match(QString::fromLocal8Bit(peekError(process)));
                window = match.hasMatch() ? xwin::findViewable(m_dpy, s_class) : 0;
                return window
                    && xwin::geometry(m_dpy, window).topLeft()
                    == QPoint(match.captured(1).toInt(), match.captured(2).toInt()) * ratio;
            },
            15000);
        if (placed && window && process.state() == QProcess::Running)
            return window;
        qWarning() << "no menu window; exit" << process.exitCode() << process.readAllStandardError();
        return 0;
    }

    int finish(QProcess &process) { return xwin::waitServing(process); }

    QStringList args(int x, int y, const QString &path = QStringLiteral("/MenuBar")) const
    {
        return {QStringLiteral("-x"), QString::number(x), QStringLiteral("-y"), QString::number(y),
                QStringLiteral("-b"), m_service, QStringLiteral("-m"), path};
    }

private Q_SLOTS:
    void initTestCase()
    {
        // An X server of our own, numbered by itself.
        m_xserver.start(QStringLiteral("Xvfb"),
                        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                         QStringLiteral("%1x%2x24").arg(s_screen.width()).arg(s_screen.height()),
                         QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QVERIFY2(m_xserver.waitForStarted(5000), "needs Xvfb");
        QByteArray number;
        QDeadlineTimer deadline(15000);
        while (!number.contains('\n') && !deadline.hasExpired() && m_xserver.state() == QProcess::Running) {
            m_xserver.waitForReadyRead(100);
            number += m_xserver.readAllStandardOutput();
        }
        QVERIFY(number.contains('\n'));
        m_display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
        m_dpy = XOpenDisplay(m_display.toLatin1().constData());
        QVERIFY(m_dpy);
        // A panel along the bottom edge.
        const long area[4] = {0, 0, s_screen.width(), s_screen.height() - s_panelHeight};
        XChangeProperty(m_dpy, DefaultRootWindow(m_dpy), XInternAtom(m_dpy, "_NET_WORKAREA", False), XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char *>(area), 4);
        XSync(m_dpy, False);

        m_menu.addAction(QIcon::fromTheme(QStringLiteral("document-open")), QStringLiteral("Open"));
        m_menu.addAction(QStringLiteral("Save"));
        m_menu.addSeparator();
        m_menu.addAction(QStringLiteral("Print"))->setEnabled(false);
        QMenu *recent = m_menu.addMenu(QStringLiteral("Recent"));
        recent->addAction(QStringLiteral("First file"));
        recent->addAction(QStringLiteral("Second file"));
        m_menu.addAction(QStringLiteral("Quit"));
        m_other.addAction(QStringLiteral("Only here"));
        connect(&m_menu, &QMenu::triggered, this, [this](QAction *action) { m_triggered << action->text(); });
        connect(&m_other, &QMenu::triggered, this, [this](QAction *action) { m_triggered << action->text(); });

        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY2(bus.isConnected(), "needs a session bus (run under dbus-run-session)");
        m_service = QStringLiteral("org.vyr.test.menu%1").arg(QCoreApplication::applicationPid());
        QVERIFY(bus.registerService(m_service));
        new DBusMenuExporter(QStringLiteral("/MenuBar"), &m_menu, bus);
        new DBusMenuExporter(QStringLiteral("/Other"), &m_other, bus);
    }
    void cleanupTestCase()
    {
        if (m_dpy)
            XCloseDisplay(m_dpy);
        m_xserver.terminate();
        m_xserver.waitForFinished(5000);
    }
    void init() { m_triggered.clear(); }

    void pickItem_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("item");
        QTest::newRow("first item") << "/MenuBar" << QStringList{"Down", "Return"} << "Open";
        QTest::newRow("disabled item skipped")
            << "/MenuBar" << QStringList{"Down", "Down", "Down", "Down", "Return"} << "Quit";
        QTest::newRow("submenu item") << "/MenuBar" << QStringList{"Down", "Down", "Down", "Right", "Down", "Return"}
                                      << "Second file";
        QTest::newRow("other path") << "/Other" << QStringList{"Down", "Return"} << "Only here";
        QTest::newRow("empty path means /MenuBar") << "" << QStringList{"Down", "Down", "Return"} << "Save";
    }
    void pickItem()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, keys);
        QFETCH(QString, item);
        QProcess process;
        QVERIFY(start(process, args(300, 500, path)));
        for (const QString &key : keys) {
            const int menus = xwin::allViewable(m_dpy, s_class).size();
            QVERIFY(xdotool({QStringLiteral("key"), key}));
            // A submenu fetches its items from this process before it shows;
            // the keys after it are for the submenu.
            if (key == QLatin1String("Right"))
                QTRY_COMPARE(xwin::allViewable(m_dpy, s_class).size(), menus + 1);
        }
        QCOMPARE(finish(process), 0);
        // The click reached the application before the program ended.
        QTRY_COMPARE(m_triggered, QStringList{item});
        if (path.isEmpty())
            QVERIFY(process.readAllStandardError().contains("vyr-dbus-menu: no menu path, /MenuBar in use\n"));
    }

    void placement_data()
    {
        QTest::addColumn<QByteArray>("scale");
        QTest::addColumn<QStringList>("position");
        QTest::addColumn<QString>("corner"); // which corner of the area the menu touches
        const QString right = QString::number(s_screen.width() - 1);
        const QString bottom = QString::number(s_screen.height() - 1);
        QTest::newRow("bottom-right corner") << QByteArray("1") << QStringList{right, bottom} << "bottom-right";
        QTest::newRow("bottom-right corner, ratio 2") << QByteArray("2") << QStringList{right, bottom}
                                                      << "bottom-right";
        QTest::newRow("top-left opens downwards") << QByteArray("1") << QStringList{"-1", "-1"} << "top-left";
        QTest::newRow("default coordinates") << QByteArray("1") << QStringList() << "top-left";
    }
    void placement()
    {
        QFETCH(QByteArray, scale);
        QFETCH(QStringList, position);
        QFETCH(QString, corner);
        QStringList arguments{QStringLiteral("-b"), m_service};
        if (!position.isEmpty())
            arguments << QStringLiteral("-x") << position.at(0) << QStringLiteral("-y") << position.at(1);
        QProcess process;
        const unsigned long window = start(process, arguments, scale);
        QVERIFY(window);
        const QRect menu = xwin::geometry(m_dpy, window);
        const QRect area(0, 0, s_screen.width(), s_screen.height() - s_panelHeight);
        QVERIFY2(area.contains(menu), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(menu.x()).arg(menu.y())
                                                     .arg(menu.width()).arg(menu.height())));
        // Logical pixels round to even device pixels at ratio 2.
        const int slack = scale == "1" ? 0 : 1;
        if (corner == QLatin1String("bottom-right")) {
            QVERIFY(qAbs(menu.right() - area.right()) <= slack);
            QVERIFY(qAbs(menu.bottom() - area.bottom()) <= slack);
        } else {
            QCOMPARE(menu.topLeft(), area.topLeft());
        }
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
        QCOMPARE(finish(process), 0);
        QCOMPARE(m_triggered, QStringList());

        const QByteArray err = process.readAllStandardError();
        const QString x = position.isEmpty() ? QStringLiteral("-99999999") : position.at(0) == QLatin1String("-1") ? QStringLiteral("0") : position.at(0);
        const QString y = position.isEmpty() ? QStringLiteral("-99999999") : position.at(1) == QLatin1String("-1") ? QStringLiteral("0") : position.at(1);
        QVERIFY2(err.contains(QStringLiteral("vyr-dbus-menu: import %1 %2 '%3' '/MenuBar'\n").arg(x, y, m_service).toUtf8()),
                 err.constData());
        QCOMPARE(err.contains(QStringLiteral("vyr-dbus-menu: screen by coordinates %1 %2 not found, primary in use\n")
                                  .arg(x, y).toUtf8()),
                 position.isEmpty());
        const int ratio = scale.toInt();
        QVERIFY2(err.contains(QStringLiteral(", scr=0,0,%1,%2, area=0,0,%1,%3\n")
                                  .arg(s_screen.width() / ratio)
                                  .arg(s_screen.height() / ratio)
                                  .arg((s_screen.height() - s_panelHeight) / ratio)
                                  .toUtf8()),
                 err.constData());
    }

    void terminationSignalCloses()
    {
        QProcess process;
        QVERIFY(start(process, args(200, 400)));
        ::kill(pid_t(process.processId()), SIGTERM);
        QCOMPARE(finish(process), 0);
        QCOMPARE(m_triggered, QStringList());
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("busAddress"); // empty: the test's bus
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("no service, no bus needed")
            << QStringList{QStringLiteral("-x"), QStringLiteral("10")} << "unix:path=/nonexistent/bus"
            << QByteArray("vyr-dbus-menu: no service name\n");
        QTest::newRow("blank service") << QStringList{QStringLiteral("-b"), QStringLiteral(" ")} << QString()
                                       << QByteArray("vyr-dbus-menu: no service name\n");
        QTest::newRow("service without a menu")
            << QStringList{QStringLiteral("-b"), QStringLiteral("org.vyr.test.nobody")} << QString()
            << QByteArray("vyr-dbus-menu: no menu at 'org.vyr.test.nobody' '/MenuBar'\n");
    }
    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, busAddress);
        QFETCH(QByteArray, err);
        QProcessEnvironment env = environment();
        if (!busAddress.isEmpty())
            env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(vyrtest::programPath(QStringLiteral("vyr-dbus-menu")), arguments);
        QCOMPARE(finish(process), 255);
        const QByteArray output = process.readAllStandardError();
        if (busAddress.isEmpty())
            QVERIFY2(output.endsWith(err), output.constData());
        else
            QCOMPARE(output, err);
    }
};

VYR_TEST_MAIN(TestDBusMenu)
#include "test_dbusmenu.moc"
