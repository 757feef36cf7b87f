// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-entry-editor as the desktop starts it: the real program on the test
// display, its dialog confirmed or dismissed with keys.

#include "testenv.h"
#include "xwindows.h"

#include <QDir>
#include <QProcess>
#include <QWidget>

#include <X11/Xlib.h>

namespace {
const QByteArray s_class = QByteArrayLiteral("vyr-entry-editor");
}

class TestEntryEditor : public QObject
{
    Q_OBJECT
private:
    Display *m_dpy = nullptr;
    QString m_dir;

    QString path(const QString &name) const { return m_dir + QLatin1Char('/') + name; }

    /// Starts the editor and waits for its dialog window.
    unsigned long start(QProcess &process, const QStringList &args)
    {
        process.start(vyrtest::programPath(QStringLiteral("vyr-entry-editor")), args);
        if (!process.waitForStarted(5000))
            return 0;
        QDeadlineTimer deadline(15000);
        while (!deadline.hasExpired() && process.state() == QProcess::Running) {
            if (const unsigned long window = xwin::findViewable(m_dpy, s_class))
                return window;
            QTest::qWait(20);
        }
        return 0;
    }

    /// Gives the dialog the keyboard (there is no window manager to do it),
    /// presses @p key and returns the exit status.
    int press(QProcess &process, unsigned long window, const QString &key)
    {
        xwin::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)});
        xwin::xdotool({QStringLiteral("key"), key});
        return xwin::waitServing(process);
    }

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
    void init()
    {
        m_dir = vyrtest::home() + QStringLiteral("/Desktops/Desktop1");
        QDir(m_dir).removeRecursively();
        QDir().mkpath(m_dir);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("no file shows help") << QStringList() << 0 << "--filePath <path>" << QString();
        QTest::newRow("directory refused") << QStringList{QStringLiteral("--filePath"), QStringLiteral("folder")} << 1
                                           << QString() << "can't set file path %1/folder\n";
        QTest::newRow("missing directory refused")
            << QStringList{QStringLiteral("--filePath"), QStringLiteral("nowhere/x.desktop")} << 1 << QString()
            << "can't set file path %1/nowhere/x.desktop\n";
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QDir().mkpath(path(QStringLiteral("folder")));
        QProcess process;
        process.setWorkingDirectory(m_dir);
        process.start(vyrtest::programPath(QStringLiteral("vyr-entry-editor")), args);
        QVERIFY(process.waitForFinished(15000));
        QCOMPARE(process.exitCode(), exitCode);
        if (!out.isEmpty())
            QVERIFY(process.readAllStandardOutput().contains(out.toUtf8()));
        if (!err.isEmpty())
            QCOMPARE(QString::fromUtf8(process.readAllStandardError()), err.arg(m_dir));
    }

    void pattern_data()
    {
        QTest::addColumn<QString>("pattern"); // file name of the pattern, empty for none
        QTest::addColumn<bool>("patternExists");
        QTest::addColumn<bool>("targetExists");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("saved");
        QTest::newRow("pattern fills a new entry") << "pattern.tmp" << true << false << "Return" << true;
        QTest::newRow("missing pattern edits the target") << "gone.tmp" << false << true << "Return" << true;
        QTest::newRow("pattern naming the target is kept") << "app.desktop" << true << true << "Return" << true;
        QTest::newRow("cancel creates nothing") << "pattern.tmp" << true << false << "Escape" << false;
    }
    void pattern()
    {
        QFETCH(QString, pattern);
        QFETCH(bool, patternExists);
        QFETCH(bool, targetExists);
        QFETCH(QString, key);
        QFETCH(bool, saved);
        const QString target = path(QStringLiteral("app.desktop"));
        if (targetExists)
            QVERIFY(vyrtest::writeFile(target, "[Desktop Entry]\nType=Application\nName=Target\nExec=target\n"));
        if (patternExists && pattern != QLatin1String("app.desktop"))
            QVERIFY(vyrtest::writeFile(path(pattern), "[Desktop Entry]\nType=Application\nName=From pattern\n"
                                                      "Exec=pattern --run\nIcon=system-run\n"));
        QVERIFY(vyrtest::writeFile(path(QStringLiteral("bystander.txt")), "keep me"));

        QProcess process;
        const unsigned long window =
            start(process, {QStringLiteral("--filePath"), target, QStringLiteral("--patternPath"), path(pattern),
                            QStringLiteral("--x"), QStringLiteral("640"), QStringLiteral("--y"), QStringLiteral("480"),
                            QStringLiteral("--monitor"), QStringLiteral("DP-1")});
        QVERIFY(window);
        QVERIFY(xwin::title(m_dpy, window).startsWith(QStringLiteral("Vyr Desktop Entry Editor - app.desktop")));
        QCOMPARE(press(process, window, key), 0);

        const QByteArray content = vyrtest::readFile(target);
        if (saved) {
            QVERIFY(content.contains("X-VYR-DesktopPosition=640;480;DP-1\n"));
            const QByteArray expectedName = pattern == QLatin1String("pattern.tmp") ? "Name=From pattern\n"
                                                                                   : "Name=Target\n";
            QVERIFY2(content.contains(expectedName), content.constData());
        } else {
            QVERIFY(!QFileInfo::exists(target));
        }
        // The pattern is consumed, unless it is the entry itself; nothing
        // else is touched.
        if (pattern == QLatin1String("pattern.tmp"))
            QVERIFY(!QFileInfo::exists(path(pattern)));
        QCOMPARE(vyrtest::readFile(path(QStringLiteral("bystander.txt"))), QByteArray("keep me"));
    }

    void embed_data()
    {
        QTest::addColumn<QString>("format"); // %1 is the window id
        QTest::addColumn<bool>("transient");
        QTest::newRow("hexadecimal") << "0x%1" << true;
        QTest::newRow("decimal") << "%1" << true;
        QTest::newRow("not a number") << "window-%1" << false;
        QTest::newRow("zero") << "0" << false;
    }
    void embed()
    {
        QFETCH(QString, format);
        QFETCH(bool, transient);
        QWidget owner;
        owner.setWindowTitle(QStringLiteral("owner"));
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        const unsigned long id = owner.winId();
        const QString value = format.contains(QLatin1String("0x"))
            ? format.arg(id, 0, 16)
            : (format == QLatin1String("0") ? format : format.arg(id));

        QVERIFY(vyrtest::writeFile(path(QStringLiteral("app.desktop")),
                                   "[Desktop Entry]\nType=Application\nName=App\nExec=app\n"));
        QProcess process;
        const unsigned long window = start(process, {QStringLiteral("--filePath"), path(QStringLiteral("app.desktop")),
                                                     QStringLiteral("--embed"), value});
        QVERIFY(window);
        // Qt ties a dialog without a parent to its own leader window: only
        // whether it points at the owner tells.
        QCOMPARE(xwin::transientFor(m_dpy, window) == id, transient);
        QCOMPARE(press(process, window, QStringLiteral("Escape")), 0);
    }
};

VYR_TEST_MAIN_OWN_DISPLAY(TestEntryEditor)
#include "test_entryeditor.moc"
