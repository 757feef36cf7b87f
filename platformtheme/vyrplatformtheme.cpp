// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrplatformtheme.h"

#include <vyrpaths.h>
#include <vyrsettings.h>

#include <QtGui/private/qiconloader_p.h>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformthemefactory_p.h>
#include <qpa/qwindowsysteminterface.h>

#include <QApplication>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdio>

namespace {
QString themeStoreValue(const QString &key)
{
    // The administrator's master file fixes a key for every user.
    VyrSettings master(GetVyrDir(VyrDirSharedData) + QStringLiteral("/theme.master/themerc"));
    if (master.contains(key))
        return master.value(key).toString();
    const QString dir = GetVyrDir(VyrDirUserTheme);
    if (dir.isEmpty())
        return QString();
    VyrSettings user(dir + QStringLiteral("/current.themerc") + vyrSessionConfigSuffix(0));
    return user.value(key).toString();
}

QFont fixedFontFor(const std::optional<QFont> &general)
{
    QFont fixed(QStringLiteral("monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    if (general && general->pointSizeF() > 0)
        fixed.setPointSizeF(general->pointSizeF());
    else
        fixed.setPointSize(9);
    return fixed;
}

int effectsOf(const QStringList &words)
{
    static const std::pair<const char *, QPlatformTheme::UiEffect> table[] = {
        {"general", QPlatformTheme::GeneralUiEffect},
        {"animatemenu", QPlatformTheme::AnimateMenuUiEffect},
        {"fademenu", QPlatformTheme::FadeMenuUiEffect},
        {"animatecombo", QPlatformTheme::AnimateComboUiEffect},
        {"animatetooltip", QPlatformTheme::AnimateTooltipUiEffect},
        {"fadetooltip", QPlatformTheme::FadeTooltipUiEffect},
        {"animatetoolbox", QPlatformTheme::AnimateToolBoxUiEffect},
    };
    int effects = 0;
    for (const auto &entry : table) {
        if (words.contains(QLatin1String(entry.first)))
            effects |= entry.second;
    }
    return effects;
}
}

VyrThemeValues VyrThemeValues::load(QString *paletteProblem)
{
    VyrThemeValues values;
    values.qt.read(VyrQtSettings::defaultPath());
    if (values.qt.hasPalette())
        values.palette = values.qt.palette(paletteProblem);
    // Not QFont's default constructor: while the application object is
    // being built it would fix the application font before this theme is
    // asked for it.
    QFont font(QStringLiteral("Sans Serif"));
    if (!values.qt.font.isEmpty() && font.fromString(values.qt.font))
        values.font = font;
    values.iconTheme = themeStoreValue(QStringLiteral("IconTheme")).trimmed();
    if (values.iconTheme.isEmpty())
        values.iconTheme = fallbackIconTheme();
    return values;
}

QString VyrThemeValues::fallbackIconTheme()
{
    return QStringLiteral("breeze");
}

VyrPlatformTheme::VyrPlatformTheme()
{
    QString problem;
    m_values = VyrThemeValues::load(&problem);
    if (!problem.isEmpty())
        std::fprintf(stderr, "vyr platform theme: %s: %s, Qt's palette in use\n",
                     qPrintable(VyrQtSettings::defaultPath()), qPrintable(problem));
    m_fixedFont = fixedFontFor(m_values.font);
    m_reloadTimer.setSingleShot(true);
    m_reloadTimer.setInterval(0);
    connect(&m_reloadTimer, &QTimer::timeout, this, &VyrPlatformTheme::reload);
    // The theme is made while the application object is being built, before
    // its event dispatcher exists; watching needs the dispatcher.
    QMetaObject::invokeMethod(this, &VyrPlatformTheme::startWatching, Qt::QueuedConnection);
}

VyrPlatformTheme::~VyrPlatformTheme()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    if (m_busThread && m_busThread->isFinished()) {
        delete m_busThread;
    } else if (m_busThread) {
        // Still waiting for a bus that does not answer: the process is
        // ending, and waiting here would hold up its exit. The thread and
        // the object it uses are left to the end of the process.
        m_busThread->setParent(nullptr);
    }
}

const QPalette *VyrPlatformTheme::palette(Palette type) const
{
    if (type == SystemPalette && m_values.palette)
        return &*m_values.palette;
    return QGenericUnixTheme::palette(type);
}

const QFont *VyrPlatformTheme::font(Font type) const
{
    if (type == SystemFont && m_values.font)
        return &*m_values.font;
    if (type == FixedFont)
        return &m_fixedFont;
    return QGenericUnixTheme::font(type);
}

QVariant VyrPlatformTheme::themeHint(ThemeHint hint) const
{
    switch (hint) {
    case StyleNames: {
        QStringList styles = QGenericUnixTheme::themeHint(hint).toStringList();
        if (!m_values.qt.style.isEmpty())
            styles.prepend(m_values.qt.style);
        return styles;
    }
    case MouseDoubleClickInterval:
        return m_values.qt.doubleClickInterval;
    case CursorFlashTime:
        return m_values.qt.cursorFlashTime;
    case WheelScrollLines:
        return m_values.qt.wheelScrollLines;
    case UiEffects:
        return effectsOf(m_values.qt.guiEffects);
    case SystemIconThemeName:
        return m_values.iconTheme;
    case SystemIconFallbackThemeName:
        return VyrThemeValues::fallbackIconTheme();
    default:
        return QGenericUnixTheme::themeHint(hint);
    }
}

QPlatformTheme *VyrPlatformTheme::kdeTheme() const
{
    // Looked for at the first dialog only: loading KDE's theme costs more
    // than this whole theme, and most programs never open a dialog.
    if (!m_kdeLooked) {
        m_kdeLooked = true;
        if (QPlatformThemeFactory::keys().contains(QStringLiteral("kde"), Qt::CaseInsensitive))
            m_kde.reset(QPlatformThemeFactory::create(QStringLiteral("kde")));
    }
    return m_kde.get();
}

bool VyrPlatformTheme::usePlatformNativeDialog(DialogType type) const
{
    const QPlatformTheme *kde = kdeTheme();
    return kde && kde->usePlatformNativeDialog(type);
}

QPlatformDialogHelper *VyrPlatformTheme::createPlatformDialogHelper(DialogType type) const
{
    const QPlatformTheme *kde = kdeTheme();
    return kde ? kde->createPlatformDialogHelper(type) : nullptr;
}

void VyrPlatformTheme::startWatching()
{
    watchStyleSignal();
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    auto *connection = native ? static_cast<xcb_connection_t *>(native->nativeResourceForIntegration("connection"))
                              : nullptr;
    if (!connection)
        return;
    const int screenNumber = int(reinterpret_cast<qintptr>(native->nativeResourceForIntegration("x11screen")));
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 1; ++i)
        xcb_screen_next(&screens);
    m_root = screens.data->root;

    // The settings programs name the property after DISPLAY as it is set.
    const QByteArray name = QByteArrayLiteral("_QT_SETTINGS_TIMESTAMP_") + qgetenv("DISPLAY");
    const xcb_intern_atom_cookie_t atomCookie = xcb_intern_atom(connection, false, name.size(), name.constData());
    const xcb_get_window_attributes_cookie_t attributesCookie = xcb_get_window_attributes(connection, m_root);
    if (xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, atomCookie, nullptr)) {
        m_stampAtom = reply->atom;
        free(reply);
    }
    // Qt selects property changes on the root window for itself; should it
    // not, they are added to what it selects, never put in its place.
    if (xcb_get_window_attributes_reply_t *reply = xcb_get_window_attributes_reply(connection, attributesCookie, nullptr)) {
        if (!(reply->your_event_mask & XCB_EVENT_MASK_PROPERTY_CHANGE)) {
            const uint32_t mask = reply->your_event_mask | XCB_EVENT_MASK_PROPERTY_CHANGE;
            xcb_change_window_attributes(connection, m_root, XCB_CW_EVENT_MASK, &mask);
            xcb_flush(connection);
        }
        free(reply);
    }
    if (m_stampAtom)
        QCoreApplication::instance()->installNativeEventFilter(this);
}

void VyrPlatformTheme::watchStyleSignal()
{
    // Connecting to the session bus waits for the bus to answer; a bus that
    // is missing or slow must not hold up the program, so the connection is
    // made on a thread of its own and the signal arrives here later.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    m_busThread = QThread::create([receiver = this] {
        // QtDBus connects signals by slot name only.
        QDBusConnection::sessionBus().connect(QString(), QStringLiteral("/BreezeStyle"),
                                              QStringLiteral("org.kde.Breeze.Style"),
                                              QStringLiteral("reparseConfiguration"), receiver,
                                              SLOT(scheduleReload()));
    });
    m_busThread->setParent(this);
    m_busThread->start(QThread::LowPriority);
}

bool VyrPlatformTheme::nativeEventFilter(const QByteArray &eventType, void *message, long *result)
{
    Q_UNUSED(result)
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
    if (notify->window == m_root && notify->atom == m_stampAtom)
        scheduleReload();
    return false;
}

void VyrPlatformTheme::scheduleReload()
{
    if (!m_reloadTimer.isActive())
        m_reloadTimer.start();
}

void VyrPlatformTheme::reload()
{
    QString problem;
    VyrThemeValues fresh = VyrThemeValues::load(&problem);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "vyr platform theme: %s: %s, palette kept\n", qPrintable(VyrQtSettings::defaultPath()),
                     qPrintable(problem));
        fresh.palette = m_values.palette;
    }
    const bool paletteChanged = fresh.palette != m_values.palette;
    const bool fontChanged = fresh.font != m_values.font;
    const bool iconsChanged = fresh.iconTheme != m_values.iconTheme;
    const bool hintsChanged = fresh.qt != m_values.qt;
    if (!paletteChanged && !fontChanged && !iconsChanged && !hintsChanged)
        return;

    // A program that chose its own font keeps it: only the font this theme
    // gave is replaced.
    const QFont given = m_values.font.value_or(*QGenericUnixTheme::font(SystemFont));
    const bool fontIsOurs = QGuiApplication::font() == given;
    m_values = std::move(fresh);
    m_fixedFont = fixedFontFor(m_values.font);

    if (iconsChanged)
        QIconLoader::instance()->updateSystemTheme();
    // Qt resolves the application palette against this theme's palette
    // again (keeping roles the program set itself); each window then gets
    // the ThemeChange event, which Qt sends only for a window named.
    const QWindowList windows = QGuiApplication::topLevelWindows();
    if (windows.isEmpty())
        QWindowSystemInterface::handleThemeChange(nullptr);
    for (QWindow *window : windows)
        QWindowSystemInterface::handleThemeChange(window);
    if (fontChanged && fontIsOurs) {
        const QFont font = m_values.font.value_or(*QGenericUnixTheme::font(SystemFont));
        if (qobject_cast<QApplication *>(QCoreApplication::instance()))
            QApplication::setFont(font);
        else
            QGuiApplication::setFont(font);
    }
    if (iconsChanged && qobject_cast<QApplication *>(QCoreApplication::instance())) {
        // Icons from the theme load anew when they are painted next.
        const QWidgetList widgets = QApplication::allWidgets();
        for (QWidget *widget : widgets)
            widget->update();
    }
}
