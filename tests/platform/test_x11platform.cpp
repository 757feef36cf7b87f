// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <vyrpaths.h>

#include <QDir>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

class TestX11Platform : public QObject
{
    Q_OBJECT
private:
    void setCurrentDesktop(long index)
    {
        Display *dpy = XOpenDisplay(nullptr);
        QVERIFY(dpy);
        const Atom atom = XInternAtom(dpy, "_NET_CURRENT_DESKTOP", False);
        if (index < 0) {
            XDeleteProperty(dpy, DefaultRootWindow(dpy), atom);
        } else {
            XChangeProperty(dpy, DefaultRootWindow(dpy), atom, XA_CARDINAL, 32, PropModeReplace,
                            reinterpret_cast<unsigned char *>(&index), 1);
        }
        XSync(dpy, False);
        XCloseDisplay(dpy);
    }

private Q_SLOTS:
    void cleanupTestCase() { setCurrentDesktop(-1); }

    void currentDesktopDirectory_data()
    {
        QTest::addColumn<long>("current");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        const QStringList three{QStringLiteral("Desktop1"), QStringLiteral("Desktop2"), QStringLiteral("Desktop3")};
        QTest::newRow("third desktop") << 2L << three << QStringLiteral("Desktop3");
        QTest::newRow("first desktop") << 0L << three << QStringLiteral("Desktop1");
        QTest::newRow("directory missing: first") << 5L << three << QStringLiteral("Desktop1");
        QTest::newRow("no property: first") << -1L << three << QStringLiteral("Desktop1");
    }
    void currentDesktopDirectory()
    {
        QFETCH(long, current);
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        vyrtest::resetHome();
        for (const QString &name : existing)
            QDir().mkpath(vyrtest::home() + QStringLiteral("/Desktops/") + name);
        setCurrentDesktop(current);
        QCOMPARE(GetVyrDir(VyrDirCurrentDesktop), vyrtest::home() + QStringLiteral("/Desktops/") + expected);
    }
};

VYR_TEST_MAIN(TestX11Platform)
#include "test_x11platform.moc"
