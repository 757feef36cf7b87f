// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-admin-theme started as a user starts it: a real process on the test's
// X display (or a private one), observed from outside.
#include "testenv.h"
#include "wmrecorder.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTemporaryFile>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/sync.h>

#include <csignal>
#include <memory>

namespace {
const QString s_title = QStringLiteral("Vyr Theme Editor - current.themerc");

/// The title of a top-level window (_NET_WM_NAME, else WM_NAME).
QString windowTitle(Display *dpy, Window window)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    QString title;
    const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    if (XGetWindowProperty(dpy, window, netName, 0, 1024, False, AnyPropertyType, &type, &format, &count, &after,
                           &data) == Success && data) {
        title = QString::fromUtf8(reinterpret_cast<char *>(data), int(count));
        XFree(data);
    }
    if (title.isEmpty()) {
        char *name = nullptr;
        if (XFetchName(dpy, window, &name) && name) {
            title = QString::fromLocal8Bit(name);
            XFree(name);
        }
    }
    return title;
}

/// The viewable top-level windows whose title is @p title, bottom to top.
QList<Window> windowsTitled(Display *dpy, const QString &title)
{
    QList<Window> found;
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &count))
        return found;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(dpy, children[i], &attributes) && attributes.map_state == IsViewable
            && windowTitle(dpy, children[i]) == title)
            found << children[i];
    }
    if (children)
        XFree(children);
    return found;
}

/// The stacking position of @p window among the root's children.
int stackingIndex(Display *dpy, Window window)
{
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    int index = -1;
    if (XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            if (children[i] == window)
                index = int(i);
        }
        if (children)
            XFree(children);
    }
    return index;
}

/// One run of the program.
class Program
{
public:
    explicit Program(const QStringList &args,
                     const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(vyrtest::programPath(QStringLiteral("vyr-admin-theme")), args);
        m_process.waitForStarted(10000);
    }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    QProcess &process() { return m_process; }

    /// Waits until a window titled @p title shows on @p dpy.
    Window waitForWindow(Display *dpy, const QString &title = s_title, int timeoutMs = 15000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs && m_process.state() == QProcess::Running) {
            const QList<Window> windows = windowsTitled(dpy, title);
            if (!windows.isEmpty())
                return windows.last();
            QTest::qWait(50);
        }
        return 0;
    }

    /// Sends SIGTERM and returns the exit status (-1 when it did not end normally).
    int terminate(int timeoutMs = 10000)
    {
        // The window may show before the program handles the signal, which
        // would end it at once, before it stores anything.
        if (!QTest::qWaitFor([this] { return catchesTerm(); }, timeoutMs))
            qWarning("the program does not handle SIGTERM");
        m_process.terminate();
        return finish(timeoutMs);
    }
    /// Whether the program has a handler for SIGTERM (or has ended).
    bool catchesTerm()
    {
        const QByteArray status = vyrtest::readFile(QStringLiteral("/proc/%1/status").arg(m_process.processId()));
        for (const QByteArray &line : status.split('\n')) {
            if (line.startsWith("SigCgt:"))
                return line.mid(7).trimmed().toULongLong(nullptr, 16) & (1ULL << (SIGTERM - 1));
        }
        return m_process.state() != QProcess::Running;
    }
    int finish(int timeoutMs = 10000)
    {
        if (!m_process.waitForFinished(timeoutMs) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }

private:
    QProcess m_process;
};

/// Display connection of the test itself, closed at the end.
struct XConnection {
    explicit XConnection(const QByteArray &name = QByteArray())
        : dpy(XOpenDisplay(name.isEmpty() ? nullptr : name.constData()))
    {
    }
    ~XConnection()
    {
        if (dpy)
            XCloseDisplay(dpy);
    }
    Display *dpy;
};

/**
 * Resizes @p window as a window manager does and waits until its program
 * has taken the new size: with _NET_WM_SYNC_REQUEST, the program sets its
 * sync counter to the value of the request once it has handled the
 * configure event after it and painted.
 */
bool resizeAndSync(Display *dpy, Window window, int width, int height)
{
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XSyncQueryExtension(dpy, &eventBase, &errorBase) || !XSyncInitialize(dpy, &major, &minor))
        return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(dpy, window, XInternAtom(dpy, "_NET_WM_SYNC_REQUEST_COUNTER", False), 0, 1, False,
                           XA_CARDINAL, &type, &format, &count, &after, &data) != Success
        || !data)
        return false;
    const XSyncCounter counter = *reinterpret_cast<unsigned long *>(data);
    XFree(data);
    if (count != 1)
        return false;
    static long serial = 4000;
    XEvent request = {};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    request.xclient.format = 32;
    request.xclient.data.l[0] = long(XInternAtom(dpy, "_NET_WM_SYNC_REQUEST", False));
    request.xclient.data.l[1] = CurrentTime;
    request.xclient.data.l[2] = ++serial;
    request.xclient.data.l[3] = 0;
    XSendEvent(dpy, window, False, NoEventMask, &request);
    XResizeWindow(dpy, window, unsigned(width), unsigned(height));
    XSync(dpy, False);
    return QTest::qWaitFor(
        [&] {
            XSyncValue value;
            return XSyncQueryCounter(dpy, counter, &value) && XSyncValueLow32(value) == unsigned(serial);
        },
        15000);
}

/// Vertical centre of the highlighted entry of the page list in @p window.
int highlightedListRow(Display *dpy, Window window)
{
    // Parts of the window that another one covers would not be captured.
    XRaiseWindow(dpy, window);
    XSync(dpy, False);
    const QImage image = QGuiApplication::primaryScreen()->grabWindow(WId(window)).toImage();
    // The list is at the left; its selected entry is the only saturated blue there.
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QColor colour = image.pixelColor(20, y);
        if (colour.blue() > colour.red() + 60) {
            if (first < 0)
                first = y;
            last = y;
        }
    }
    return first < 0 ? -1 : (first + last) / 2;
}

QString paletteFile()
{
    return vyrtest::home() + QStringLiteral("/.vyr/paletterc");
}

QString geometryConf()
{
    return vyrtest::home() + QStringLiteral("/.config/orlenvask/vyr-admin-theme.conf");
}

QString schemesDir()
{
    return vyrtest::sysPath(QStringLiteral("/usr/share/color-schemes"));
}
}

/// Records broadcast signals seen on the session bus.
class BusSignals : public QObject
{
    Q_OBJECT
public:
    QStringList received;

    bool listen(const QString &path, const QString &interface, const QString &member)
    {
        // QtDBus offers only the string form for bus signals; its result
        // tells whether the match was made.
        return QDBusConnection::sessionBus().connect(QString(), path, interface, member, this,
                                                     SLOT(onSignal(QDBusMessage)));
    }

public Q_SLOTS:
    void onSignal(const QDBusMessage &message)
    {
        QStringList words{message.member()};
        for (const QVariant &argument : message.arguments())
            words << argument.toString();
        received << words.join(QLatin1Char(' '));
    }
};

class TestAdminThemeRun : public QObject
{
    Q_OBJECT
private:
    XConnection m_x;

    void writeThemeFile()
    {
        QVERIFY(vyrtest::writeFile(vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc"), "[Variables]\n"));
    }

    /// The vertical centre of the selected list entry when the program
    /// starts with @p args.
    int selectedRowCentre(const QStringList &args)
    {
        Program program(args);
        const Window window = program.waitForWindow(m_x.dpy);
        if (!window)
            return -1;
        int centre = -1;
        // The first paint may not have happened yet.
        if (!QTest::qWaitFor([&] { return (centre = highlightedListRow(m_x.dpy, window)) >= 0; }, 15000))
            qWarning("no highlighted entry in the page list");
        program.terminate();
        return centre;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_x.dpy, "needs an X display");
        // The Effects page warns about a missing or stopped compositor when it
        // loads; these tests are about the window, so there is no compositing.
        qputenv("VYR_NO_REAL_COMPOSITE", "1");
        vyrtest::installShippedData();
        // The Sounds page warns when it loads without a sound player.
        QVERIFY(vyrtest::writeScript(vyrtest::sysPath(QStringLiteral("/usr/bin/play")), "exit 0\n"));
    }

    void init()
    {
        vyrtest::resetHome();
        qunsetenv("VYR_RC_FILE");
        QFile::remove(vyrtest::fakeBinDir() + QStringLiteral("/kelvra"));
        writeThemeFile();
    }

    void opensTitledWindowAndEndsOnSigterm()
    {
        Program program({});
        QVERIFY(program.waitForWindow(m_x.dpy));
        QCOMPARE(program.terminate(), 0);
        // The window's destructor ran: its geometry is stored.
        QSettings stored(geometryConf(), QSettings::IniFormat);
        QVERIFY(stored.value(QStringLiteral("width")).toInt() > 0);
        QCOMPARE(stored.value(QStringLiteral("maximized")).toString(), QStringLiteral("false"));
    }

    void titleNamesTheEditedFile()
    {
        const QString file = vyrtest::home() + QStringLiteral("/my theme.themerc");
        QVERIFY(vyrtest::writeFile(file, "[Variables]\n"));
        Program program({QStringLiteral("Fonts"), file});
        QVERIFY(program.waitForWindow(m_x.dpy));
        program.terminate();
        // The first argument, when it is a file, is the file to edit.
        Program second({file});
        QVERIFY(second.waitForWindow(m_x.dpy, QStringLiteral("Vyr Theme Editor - my theme.themerc")));
        QCOMPARE(second.terminate(), 0);
    }

    void startsOnTheNamedPage()
    {
        // The selected entry's position: first row without arguments, last
        // row for "Programs"; the rows between are evenly spaced.
        const int first = selectedRowCentre({});
        const int last = selectedRowCentre({QStringLiteral("Programs")});
        QVERIFY(first > 0);
        QVERIFY(last > first);
        const double rowHeight = (last - first) / 6.0;
        auto rowOf = [&](const QStringList &args) {
            const int centre = selectedRowCentre(args);
            return centre < 0 ? -1 : qRound((centre - first) / rowHeight);
        };
        QCOMPARE(rowOf({QStringLiteral("Fonts")}), 2);
        QCOMPARE(rowOf({QStringLiteral("Sounds")}), 5);
        // A word that is neither a file nor a page: the second argument counts.
        QCOMPARE(rowOf({QStringLiteral("nonsense"), QStringLiteral("Effects")}), 4);
        // "ColorScheme" in a high-integrity session opens on the first page.
        QVERIFY(vyrtest::writeScript(QStringLiteral("kelvra"), "echo 'level 63'\n"));
        QCOMPARE(rowOf({QStringLiteral("ColorScheme"), schemesDir() + QStringLiteral("/SolvaDark.colors")}), 0);
    }

    void secondStartRaisesTheFirst()
    {
        Program first({});
        const Window window = first.waitForWindow(m_x.dpy);
        QVERIFY(window);
        // Given a window of another program over it,
        QWidget cover;
        cover.setWindowTitle(QStringLiteral("cover"));
        cover.setGeometry(QGuiApplication::primaryScreen()->geometry());
        cover.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        XSync(m_x.dpy, False);
        QTRY_VERIFY(stackingIndex(m_x.dpy, window) < stackingIndex(m_x.dpy, Window(cover.winId())));

        // when the program is started again,
        const auto second = vyrtest::run(QStringLiteral("vyr-admin-theme"), {});
        // the second start ends by itself, while the first still runs, with
        // status 0 and no window of its own,
        QCOMPARE(second.exitCode, 0);
        QVERIFY(!second.crashed);
        QCOMPARE(windowsTitled(m_x.dpy, s_title).size(), 1);
        // and the first window comes to the front.
        QTRY_VERIFY(stackingIndex(m_x.dpy, window) > stackingIndex(m_x.dpy, Window(cover.winId())));
        QCOMPARE(first.process().state(), QProcess::Running);
        QCOMPARE(first.terminate(), 0);
    }

    void forwardedMessage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("desktopEntry");
        QTest::addColumn<QString>("expected");
        const QString entry = QStringLiteral("%ENTRY%");
        QTest::newRow("no argument") << QStringList() << QByteArray() << QStringLiteral("show");
        QTest::newRow("a page") << QStringList{QStringLiteral("Fonts")} << QByteArray() << QStringLiteral("show");
        QTest::newRow("Wallpaper alone: trailing blank")
            << QStringList{QStringLiteral("Wallpaper")} << QByteArray() << QStringLiteral("Wallpaper ");
        QTest::newRow("Wallpaper and a path with blanks")
            << QStringList{QStringLiteral("Wallpaper"), QStringLiteral("/pics/a b.png")} << QByteArray()
            << QStringLiteral("Wallpaper /pics/a b.png");
        QTest::newRow("relative path made absolute")
            << QStringList{QStringLiteral("Wallpaper"), QStringLiteral("pics/a.png")} << QByteArray()
            << QStringLiteral("Wallpaper %HOME%/pics/a.png");
        QTest::newRow("link to a file") << QStringList{QStringLiteral("Wallpaper"), entry}
                                        << QByteArray("[Desktop Entry]\nType=Link\nName=x\nURL=file:///pics/sea.jpg\n")
                                        << QStringLiteral("Wallpaper /pics/sea.jpg");
        QTest::newRow("link without scheme") << QStringList{QStringLiteral("Wallpaper"), entry}
                                             << QByteArray("[Desktop Entry]\nType=Link\nName=x\nURL=/pics/sea.jpg\n")
                                             << QStringLiteral("Wallpaper /pics/sea.jpg");
        QTest::newRow("application entry: its own path")
            << QStringList{QStringLiteral("Wallpaper"), entry}
            << QByteArray("[Desktop Entry]\nType=Application\nName=x\nExec=x\n") << QStringLiteral("Wallpaper %ENTRY%");
        QTest::newRow("hidden link: its own path")
            << QStringList{QStringLiteral("Wallpaper"), entry}
            << QByteArray("[Desktop Entry]\nType=Link\nName=x\nHidden=true\nURL=file:///pics/sea.jpg\n")
            << QStringLiteral("Wallpaper %ENTRY%");
        QTest::newRow("missing entry: its own path") << QStringList{QStringLiteral("Wallpaper"), entry} << QByteArray()
                                                     << QStringLiteral("Wallpaper %ENTRY%");
    }
    void forwardedMessage()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, desktopEntry);
        QFETCH(QString, expected);
        const QString entryPath = vyrtest::home() + QStringLiteral("/Desktops/Desktop1/sea link.desktop");
        if (!desktopEntry.isEmpty())
            QVERIFY(vyrtest::writeFile(entryPath, desktopEntry));
        args.replaceInStrings(QStringLiteral("%ENTRY%"), entryPath);
        expected.replace(QStringLiteral("%ENTRY%"), entryPath);
        expected.replace(QStringLiteral("%HOME%"), vyrtest::home());

        // A holder of the program's single-instance key that prints what it gets.
        QString display = qEnvironmentVariable("DISPLAY");
        if (display.lastIndexOf(QLatin1Char('.')) > display.lastIndexOf(QLatin1Char(':')))
            display.truncate(display.lastIndexOf(QLatin1Char('.')));
        QProcess holder;
        holder.start(vyrtest::programPath(QStringLiteral("single_probe")), {display + QStringLiteral("vyr-admin-theme")});
        QVERIFY(holder.waitForStarted());
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("holder"));

        const QString cwd = QDir::currentPath();
        QDir::setCurrent(vyrtest::home());
        const auto second = vyrtest::run(QStringLiteral("vyr-admin-theme"), args);
        QDir::setCurrent(cwd);
        QCOMPARE(second.exitCode, 0);
        QTRY_VERIFY(holder.canReadLine());
        QCOMPARE(QString::fromLocal8Bit(holder.readLine()), QStringLiteral("got:") + expected + QLatin1Char('\n'));
        holder.kill();
        holder.waitForFinished();
    }

    void kiosk_data()
    {
        QTest::addColumn<QByteArray>("rcFile");
        QTest::addColumn<bool>("refused");
        QTest::newRow("global") << QByteArray("/x/global") << true;
        QTest::newRow("global inside a name") << QByteArray("/etc/vyr/globalrc") << true;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("other") << QByteArray("/x/local") << false;
    }
    void kiosk()
    {
        QFETCH(QByteArray, rcFile);
        QFETCH(bool, refused);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VYR_RC_FILE"), QString::fromLocal8Bit(rcFile));
        Program program({}, env);
        if (!refused) {
            QVERIFY(program.waitForWindow(m_x.dpy));
            QCOMPARE(program.terminate(), 0);
            return;
        }
        const Window box = program.waitForWindow(m_x.dpy, QStringLiteral("Attention"));
        QVERIFY(box);
        QVERIFY(windowsTitled(m_x.dpy, s_title).isEmpty());
        // The user acknowledges the message; the program then ends with 1.
        QVERIFY(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                                                              QString::number(box)})
                == 0);
        QVERIFY(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")}) == 0);
        QCOMPARE(program.finish(), 1);
    }

    void paletteSeed_data()
    {
        QTest::addColumn<QByteArray>("integrityOutput");
        QTest::addColumn<QStringList>("schemes");
        QTest::addColumn<QByteArray>("expected");
        const QStringList both{QStringLiteral("SolvaLight.colors"), QStringLiteral("SolvaVanteraAdmin.colors")};
        const QByteArray admin = "[Variables]\nPrimaryColor=#f34444\nBackgroundColor=#2d2d2d\n"
                                 "ColorScheme=/usr/share/color-schemes/SolvaVanteraAdmin.colors\n";
        const QByteArray light = "[Variables]\nPrimaryColor=#5a91bd\nBackgroundColor=#ffffff\n"
                                 "ColorScheme=/usr/share/color-schemes/SolvaLight.colors\n";
        const QByteArray plain = "[Variables]\nPrimaryColor=#5682a3\nBackgroundColor=#ffffff\n"
                                 "ColorScheme=/usr/share/color-schemes/VyrDefault.colors\n";
        QTest::newRow("level 63") << QByteArray("63\n") << both << admin;
        QTest::newRow("level 127 on a later line") << QByteArray("mic\nlevel=127\n") << both << admin;
        QTest::newRow("level 15, distribution schemes") << QByteArray("15\n") << both << light;
        QTest::newRow("no integrity tool") << QByteArray() << both << light;
        QTest::newRow("level 63, only the admin scheme") << QByteArray("63\n")
                                                         << QStringList{QStringLiteral("SolvaVanteraAdmin.colors")}
                                                         << admin;
        QTest::newRow("level 63, no admin scheme") << QByteArray("63\n")
                                                   << QStringList{QStringLiteral("SolvaLight.colors")} << plain;
        QTest::newRow("no schemes") << QByteArray("15\n") << QStringList() << plain;
    }
    void paletteSeed()
    {
        QFETCH(QByteArray, integrityOutput);
        QFETCH(QStringList, schemes);
        QFETCH(QByteArray, expected);
        QDir(schemesDir()).removeRecursively();
        for (const QString &scheme : schemes)
            QVERIFY(vyrtest::writeFile(schemesDir() + QLatin1Char('/') + scheme, "[General]\n"));
        if (!integrityOutput.isEmpty())
            QVERIFY(vyrtest::writeScript(QStringLiteral("kelvra"),
                                         "[ \"$1\" = --ilevel ] || exit 3\nprintf '" + integrityOutput.replace('\n', "\\n")
                                             + "'\n"));
        QVERIFY(!QFile::exists(paletteFile()));
        Program program({});
        QVERIFY(program.waitForWindow(m_x.dpy));
        QCOMPARE(vyrtest::readFile(paletteFile()), expected);
        QCOMPARE(program.terminate(), 0);

        // An existing palette file is left as it is.
        const QByteArray mine = "[Variables]\nPrimaryColor=#123456\n";
        QVERIFY(vyrtest::writeFile(paletteFile(), mine));
        Program again({});
        QVERIFY(again.waitForWindow(m_x.dpy));
        QCOMPARE(again.terminate(), 0);
        QCOMPARE(vyrtest::readFile(paletteFile()), mine);
        vyrtest::installShippedData();
    }

    void maximisedWindowReopensMaximised()
    {
        QVERIFY(vyrtest::writeFile(geometryConf(), "[General]\nwidth=811\nheight=613\nmaximized=true\n"));
        Program program({});
        QVERIFY(program.waitForWindow(m_x.dpy));
        QCOMPARE(program.terminate(), 0);
        QSettings stored(geometryConf(), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("maximized")).toString(), QStringLiteral("true"));
        QCOMPARE(stored.value(QStringLiteral("width")).toInt(), 811);
        QCOMPARE(stored.value(QStringLiteral("height")).toInt(), 613);
    }

    void sizeIsRemembered()
    {
        QVERIFY(vyrtest::writeFile(geometryConf(), "[General]\nwidth=811\nheight=613\nmaximized=false\n"));
        Program program({});
        const Window window = program.waitForWindow(m_x.dpy);
        QVERIFY(window);
        XWindowAttributes attributes;
        QVERIFY(XGetWindowAttributes(m_x.dpy, window, &attributes));
        QCOMPARE(QSize(attributes.width, attributes.height), QSize(811, 613));
        // The user makes it larger.
        QVERIFY(resizeAndSync(m_x.dpy, window, 900, 700));
        QCOMPARE(program.terminate(), 0);
        QSettings stored(geometryConf(), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("width")).toInt(), 900);
        QCOMPARE(stored.value(QStringLiteral("height")).toInt(), 700);
    }

    void colorSchemeStart_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        const QByteArray missing("vyr-admin-theme: scheme /nowhere/None.colors does not exists\n");
        QTest::newRow("missing scheme") << QString() << QStringLiteral("/nowhere/None.colors") << 1 << missing;
        QTest::newRow("after another word") << QStringLiteral("nonsense") << QStringLiteral("/nowhere/None.colors") << 1
                                            << missing;
        // The shipped scheme by its system path, as the desktop names it.
        QTest::newRow("scheme applied, no window")
            << QString() << QStringLiteral("/usr/share/color-schemes/SolvaDark.colors") << 0 << QByteArray();
    }
    void colorSchemeStart()
    {
        QFETCH(QString, word);
        QFETCH(QString, scheme);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        QStringList args{QStringLiteral("ColorScheme"), scheme};
        if (!word.isEmpty())
            args.prepend(word);
        for (const char *tool : {"/usr/bin/killall", "/usr/bin/vyr-vkbd"})
            QVERIFY(vyrtest::writeScript(vyrtest::sysPath(QLatin1String(tool)), "exit 0\n"));
        BusSignals bus;
        QVERIFY(bus.listen(QStringLiteral("/BreezeStyle"), QStringLiteral("org.kde.Breeze.Style"),
                           QStringLiteral("reparseConfiguration")));
        QVERIFY(bus.listen(QStringLiteral("/KIconLoader"), QStringLiteral("org.kde.KIconLoader"),
                           QStringLiteral("iconChanged")));
        WmRecorder recorder;
        QVERIFY(recorder.start());
        const auto result = vyrtest::run(QStringLiteral("vyr-admin-theme"), args);
        QCOMPARE(result.exitCode, status);
        if (!message.isEmpty())
            QVERIFY2(result.err.contains(message), result.err.constData());
        QVERIFY(windowsTitled(m_x.dpy, s_title).isEmpty());
        if (status != 0)
            return;
        // The scheme reaches the files, the window manager and the running
        // programs as a save on the Theme page does.
        QCOMPARE(QSettings(paletteFile(), QSettings::IniFormat).value(QStringLiteral("Variables/ColorScheme")).toString(),
                 scheme);
        QSettings qt(vyrtest::home() + QStringLiteral("/.config/Trolltech.conf"), QSettings::IniFormat);
        const QStringList active = qt.value(QStringLiteral("Qt/Palette/active")).toStringList();
        QCOMPARE(active.size(), 21);
        QCOMPARE(active.at(9), QStringLiteral("#21252b")); // Base: [Colors:View] BackgroundNormal
        QCOMPARE(active.at(12), QStringLiteral("#5a91bd")); // Highlight: [Colors:Selection] BackgroundNormal
        QVERIFY2(result.out.contains("quick update all: reread and apply all colors 0, was="), result.out.constData());
        QTRY_VERIFY(bus.received.contains(QStringLiteral("reparseConfiguration")));
        QTRY_VERIFY(bus.received.contains(QStringLiteral("iconChanged 0")));
        QCOMPARE(recorder.takeCommands().count(QStringLiteral("VYRWM_UPDATE_VAL ColorScheme ") + scheme), 1);
    }

    // A new account has no theme file yet: the window starts one from the
    // shipped default, or the store would drop every edit saved to it.
    void freshHomeGetsTheShippedThemeFile()
    {
        const QString theme = vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc");
        QVERIFY(QFile::remove(theme));
        Program program({});
        QVERIFY(program.waitForWindow(m_x.dpy));
        QCOMPARE(vyrtest::readFile(theme),
                 vyrtest::readFile(vyrtest::sourceDir() + QStringLiteral("/data/share/vyr/theme/current.themerc")));
        QCOMPARE(program.terminate(), 0);
        QVERIFY(program.process().readAllStandardError().contains("vyr-admin-theme: created " + theme.toUtf8()));
    }

    void helpPrintsUsage()
    {
        const auto result = vyrtest::run(QStringLiteral("vyr-admin-theme"), {QStringLiteral("--help")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.out.startsWith("Usage: \n1) vyr-admin-theme [pagename] [themefile]\n"));
        QVERIFY(result.out.endsWith("     service non-GUI mode to apply colorschemepath\n"));
    }

    void endsWhenTheXServerDies()
    {
        // A display of its own that the test can take away.
        QTemporaryFile displayNumber;
        QVERIFY(displayNumber.open());
        QProcess xvfb;
        xvfb.setStandardOutputFile(displayNumber.fileName());
        xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                           QStringLiteral("0"), QStringLiteral("800x600x24"), QStringLiteral("-nolisten"),
                                           QStringLiteral("tcp")});
        QVERIFY(xvfb.waitForStarted());
        // Xvfb writes its display number once it accepts connections.
        QTRY_VERIFY_WITH_TIMEOUT(!vyrtest::readFile(displayNumber.fileName()).trimmed().isEmpty(), 10000);
        const QByteArray display = ':' + vyrtest::readFile(displayNumber.fileName()).trimmed();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        Program program({}, env);
        {
            // Closed before the server goes: Xlib would end this test too.
            XConnection x(display);
            QVERIFY(x.dpy);
            QVERIFY(program.waitForWindow(x.dpy));
        }

        xvfb.kill();
        xvfb.waitForFinished();
        QVERIFY(program.process().waitForFinished(30000));

        // Nothing half-written: no temporary files beside the settings, and
        // what was written reads whole.
        QStringList files;
        for (const QString &dir : {QStringLiteral("/.vyr"), QStringLiteral("/.config")}) {
            QDirIterator it(vyrtest::home() + dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next().mid(vyrtest::home().size());
        }
        files.sort();
        QCOMPARE(files, (QStringList{QStringLiteral("/.config/orlenvask/vyr-admin-theme.conf"),
                                     QStringLiteral("/.vyr/paletterc"), QStringLiteral("/.vyr/theme/current.themerc")}));
        QCOMPARE(vyrtest::readFile(paletteFile()).count('\n'), 4);
        QSettings stored(geometryConf(), QSettings::IniFormat);
        QVERIFY(stored.value(QStringLiteral("width")).toInt() > 0);
    }
};

VYR_TEST_MAIN_OWN_DISPLAY(TestAdminThemeRun)
#include "test_admintheme_run.moc"
