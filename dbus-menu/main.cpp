// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-dbus-menu: pops up an application's exported menu (the
// com.canonical.dbusmenu interface) at a desktop position, kept inside the
// available area of the screen there. The desktop starts it when the user
// opens an application's menu from the taskbar.

#include "desktopscreen.h"

#include <myapplication.h>
#include <vyrinit.h>
#include <vyrversion.h>

#include <dbusmenuimporter.h>

#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDeadlineTimer>
#include <QIcon>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <memory>

#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int exitDone = 0;
constexpr int exitFailure = 255;
constexpr int importTimeoutMs = 10000;

// Menu icons come from the current icon theme.
class MenuImporter : public DBusMenuImporter
{
public:
    using DBusMenuImporter::DBusMenuImporter;

protected:
    QIcon iconForName(const QString &name) override { return QIcon::fromTheme(name); }
};

int s_signalPipe[2] = {-1, -1};

void onTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(s_signalPipe[1], &byte, 1);
}

bool parseCoordinate(const QCommandLineParser &parser, const QString &name, int *value)
{
    bool ok = false;
    *value = parser.value(name).trimmed().toInt(&ok);
    if (!ok)
        std::fprintf(stderr, "vyr-dbus-menu: invalid value '%s' for -%s\n", qPrintable(parser.value(name)),
                     qPrintable(name));
    return ok;
}

/**
 * Returns once the importer has handled every reply it expects. Asked to
 * update, the application may answer that its layout changed; the importer
 * then fetches the layout again, and that reply would otherwise be handled
 * while the menu is on the screen. Each call has a watcher below the
 * importer; a handled reply may start further calls, so this repeats until
 * no new watcher appears.
 */
void waitForReplies(DBusMenuImporter *importer)
{
    QSet<QDBusPendingCallWatcher *> seen;
    QDeadlineTimer deadline(importTimeoutMs);
    while (!deadline.hasExpired()) {
        bool fresh = false;
        const auto watchers = importer->findChildren<QDBusPendingCallWatcher *>();
        for (QDBusPendingCallWatcher *watcher : watchers) {
            if (seen.contains(watcher))
                continue;
            seen.insert(watcher);
            fresh = true;
            if (!watcher->isFinished())
                watcher->waitForFinished();
        }
        // Replies that are in are delivered as posted events.
        QCoreApplication::sendPostedEvents();
        if (!fresh)
            return;
    }
}

/**
 * Where a menu of @p size opened upwards from @p anchor lands: above the
 * anchor, then pushed into @p area (never past its left or top edge; a menu
 * that would pass the right or bottom edge ends exactly there).
 */
QPoint placeMenu(const QPoint &anchor, const QSize &size, const QRect &area)
{
    int x = anchor.x();
    int y = anchor.y() - size.height();
    if (x < area.left())
        x = area.left();
    if (y < area.top())
        y = area.top();
    if (x + size.width() - 1 > area.right())
        x = area.right() - size.width() + 1;
    if (y + size.height() - 1 > area.bottom())
        y = area.bottom() - size.height() + 1;
    return QPoint(x, y);
}
}

int main(int argc, char *argv[])
{
    QGuiApplication::setFallbackSessionManagementEnabled(false);
    MyApplication app(qEnvironmentVariable("DISPLAY") + QStringLiteral("vyr-dbus-menu"), argc, argv);
    app.setQuitOnLastWindowClosed(false);
    // Before the parser: its help text is translated.
    vyrInit(vyrVersion(), QT_TRANSLATE_NOOP("vyrInit", "Vyr helper progam to parse and show dbus menu"));

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("x"), QCoreApplication::translate("Options", "X coordinate"), QStringLiteral("xOnDesktop"),
         QStringLiteral("-99999999")},
        {QStringLiteral("y"), QCoreApplication::translate("Options", "Y coordinate"), QStringLiteral("yOnDesktop"),
         QStringLiteral("-99999999")},
        {QStringLiteral("b"), QCoreApplication::translate("Options", "service name"), QStringLiteral("ServiceName"),
         QString()},
        {QStringLiteral("m"), QCoreApplication::translate("Options", "menu path"), QStringLiteral("MenuPath"),
         QStringLiteral("/MenuBar")},
    });
    parser.process(app);

    const QString service = parser.value(QStringLiteral("b")).trimmed();
    if (service.isEmpty()) {
        std::fprintf(stderr, "vyr-dbus-menu: no service name\n");
        return exitFailure;
    }
    QString menuPath = parser.value(QStringLiteral("m")).trimmed();
    if (menuPath.isEmpty()) {
        menuPath = QStringLiteral("/MenuBar");
        std::fprintf(stderr, "vyr-dbus-menu: no menu path, /MenuBar in use\n");
    }
    int x, y;
    if (!parseCoordinate(parser, QStringLiteral("x"), &x) || !parseCoordinate(parser, QStringLiteral("y"), &y))
        return exitFailure;
    if (x == -1)
        x = 0;
    if (y == -1)
        y = 0;

    const DesktopScreen screen = screenForDesktopPoint(QPoint(x, y));
    if (!screen.found)
        std::fprintf(stderr, "vyr-dbus-menu: screen by coordinates %d %d not found, primary in use\n", x, y);
    if (!screen.screen)
        return exitFailure;

    std::fprintf(stderr, "vyr-dbus-menu: import %d %d '%s' '%s'\n", x, y, qPrintable(service), qPrintable(menuPath));
    auto importer = std::make_unique<MenuImporter>(service, menuPath, SYNCHRONOUS);
    importer->updateMenu();
    waitForReplies(importer.get());
    QMenu *menu = importer->menu();
    // The importer asks for the layout again whenever the menu is about to
    // show, and that reply arrives with the menu on the screen: clearing a
    // visible pop-up unmaps it, which drops its grab and closes it. The
    // layout is fresh, so the root menu keeps it.
    if (menu)
        QObject::disconnect(menu, &QMenu::aboutToShow, importer.get(), nullptr);
    if (!menu || menu->actions().isEmpty()) {
        // Nothing to show: the service is gone, exports nothing there, or
        // answered with an error.
        std::fprintf(stderr, "vyr-dbus-menu: no menu at '%s' '%s'\n", qPrintable(service), qPrintable(menuPath));
        return exitFailure;
    }

    if (screen.ratio != 1.0) {
        x = int(x / screen.ratio);
        y = int(y / screen.ratio);
    }

    // A termination signal closes the menu, which ends the program normally.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_signalPipe) == 0) {
        auto *notifier = new QSocketNotifier(s_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [menu] {
            char byte;
            [[maybe_unused]] const ssize_t got = ::read(s_signalPipe[0], &byte, 1);
            menu->close();
            QCoreApplication::quit();
        });
        struct sigaction action = {};
        action.sa_handler = onTerminate;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, nullptr);
    }

    QPointer<QMenu> guard(menu);
    QScreen *const target = screen.screen;
    QTimer::singleShot(1, menu, [guard, target, x, y] {
        if (!guard)
            return;
        const QSize size = guard->sizeHint();
        const QRect geometry = target->geometry();
        const QRect area = target->availableGeometry();
        const QPoint pos = placeMenu(QPoint(x, y), size, area);
        std::fprintf(stderr,
                     "vyr-dbus-menu: sizeHint=%dx%d move to %d %d, scr=%d,%d,%d,%d, area=%d,%d,%d,%d\n",
                     size.width(), size.height(), pos.x(), pos.y(), geometry.x(), geometry.y(), geometry.width(),
                     geometry.height(), area.x(), area.y(), area.width(), area.height());
        guard->move(pos);
    });
    bool triggered = false;
    QObject::connect(menu, &QMenu::triggered, menu, [&triggered] { triggered = true; });
    menu->exec();

    if (triggered) {
        // The click goes out asynchronously; a round trip to the bus on the
        // same connection makes sure it has left before the process ends.
        QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")));
    }
    importer.reset();
    return exitDone;
}
