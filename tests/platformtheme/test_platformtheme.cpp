// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <desktopappearance.h>
#include <schemepalette.h>
#include <themepaths.h>
#include <themesettings.h>

#include <vyricontheme.h>
#include <vyrinidocument.h>
#include <vyrx11.h>

#include <KConfig>
#include <KConfigGroup>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QProcess>
#include <QRegularExpression>

#include <csignal>

namespace {
const QString s_light = QStringLiteral("/usr/share/color-schemes/SolvaLight.colors");
const QString s_dark = QStringLiteral("/usr/share/color-schemes/SolvaDark.colors");
// [Colors:Window] BackgroundNormal of the two shipped schemes.
const QString s_lightWindow = QStringLiteral("#eef1f4");
const QString s_darkWindow = QStringLiteral("#2a2e34");
// What a Qt program without a platform theme shows (Fusion's palette).
const QString s_plainWindow = QStringLiteral("#efefef");
const QString s_cursorTheme = QStringLiteral("Vyr-Test-Cursors");

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

/// What the probe reports of itself.
struct ProbeState {
    QString palette;
    QString font;
    QString icons;
    QString style;
    QString text;
};

ProbeState parseState(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("palette=(\\S+) font=(.*) icons=(\\S*) style=(\\S*) doubleclick=\\d+ wheel=\\d+"));
    const QRegularExpressionMatch match = pattern.match(text);
    return {match.captured(1), match.captured(2), match.captured(3), match.captured(4), text};
}

/// vyr-theme-probe as a child, with or without the platform theme.
class Probe
{
public:
    explicit Probe(bool withTheme)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORMTHEME"));
        env.remove(QStringLiteral("QT_PLUGIN_PATH"));
        if (withTheme) {
            env.insert(QStringLiteral("QT_QPA_PLATFORMTHEME"), QStringLiteral("vyr"));
            env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(VYR_PLUGIN_DIR));
        }
        m_process.setProcessEnvironment(env);
        m_process.start(vyrtest::programPath(QStringLiteral("vyr-theme-probe")), QStringList());
        m_process.waitForStarted(20000);
    }
    ~Probe()
    {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
    Probe(const Probe &) = delete;
    Probe &operator=(const Probe &) = delete;

    /// The rest of the first unread line that starts with @p word, waiting
    /// for it; empty when none came within the (generous) ceiling.
    QString waitFor(const QString &word, int ceilingMs = 20000)
    {
        const QDeadlineTimer deadline(ceilingMs);
        const QString prefix = word + QLatin1Char(' ');
        while (true) {
            while (m_process.canReadLine()) {
                const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
                if (line.startsWith(prefix))
                    return line.mid(prefix.size());
            }
            if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
                return QString();
            m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        }
    }
    /// The line's time stamp (its last word) and the text before it.
    static qint64 stamp(const QString &rest, QString *text = nullptr)
    {
        const int blank = rest.lastIndexOf(QLatin1Char(' '));
        if (text)
            *text = rest.left(blank);
        return rest.mid(blank + 1).toLongLong();
    }
    ProbeState ready()
    {
        const QString line = waitFor(QStringLiteral("ready"));
        if (line.isEmpty())
            qWarning("the probe did not start: %s", errors().constData());
        QString text;
        stamp(line, &text);
        return parseState(text);
    }
    ProbeState state()
    {
        m_process.write("report\n");
        return parseState(waitFor(QStringLiteral("state")));
    }
    QByteArray errors() { return m_errors += m_process.readAllStandardError(); }

private:
    QProcess m_process;
    QByteArray m_errors;
};

vyrtest::RunResult applyScheme(const QString &scheme)
{
    return vyrtest::run(QStringLiteral("vyr-admin-theme"), {QStringLiteral("apply-color-scheme"), scheme});
}

QString dumpXsettings()
{
    QProcess dump;
    dump.start(QStringLiteral("dump_xsettings"), QStringList());
    dump.waitForFinished(10000);
    return QString::fromUtf8(dump.readAllStandardOutput());
}

QString gtk3Value(const char *key)
{
    VyrIniDocument doc;
    doc.loadFile(DesktopAppearance::gtk3Path());
    return QString::fromUtf8(doc.value("Settings", key));
}

/// What the Fonts and Theme pages do after writing the theme store.
void saveAndTell(const QString &key, const QString &value)
{
    ThemeSettings theme(userThemeFilePath());
    QVERIFY(saveString(&theme, key, QString(), value, false));
    const DesktopAppearance appearance = DesktopAppearance::current(theme);
    QVERIFY(appearance.write());
    appearance.notify();
}
}

class TestPlatformTheme : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // Held for the whole run: the server keeps its resources (the
        // cursor theme) only while a client is connected.
        QVERIFY(vyrX11Display());
        vyrtest::installShippedData();
        // The suite starts the daemon it finds under the system root.
        if (QFile::exists(QStringLiteral("/usr/bin/xsettingsd"))) {
            QDir().mkpath(vyrtest::sysPath(QStringLiteral("/usr/bin")));
            QVERIFY(QFile::link(QStringLiteral("/usr/bin/xsettingsd"),
                                vyrtest::sysPath(QStringLiteral("/usr/bin/xsettingsd"))));
        }
        QVERIFY(vyrtest::writeFile(userThemeFilePath(),
                                   "[Variables]\nIconTheme=Adwaita\nDefaultFont=DejaVu Sans-13:normal\n"));
        QString error;
        QVERIFY2(VyrIconTheme::setCurrentCursorThemeName(s_cursorTheme, &error), qPrintable(error));
        QVERIFY2(VyrIconTheme::setCurrentCursorThemeSize(32, &error), qPrintable(error));
        // The user's own settings in the files the suite shares with others.
        QVERIFY(vyrtest::writeFile(DesktopAppearance::kdeGlobalsPath(),
                                   "[KDE]\nSingleClick=false\n\n[Colors:Window]\nBackgroundNormal=1,2,3\nStale=4\n"));
        QVERIFY(vyrtest::writeFile(DesktopAppearance::gtk3Path(), "[Settings]\ngtk-enable-animations=false\n"));
        // Another scheme before, so that the light one is applied.
        QVERIFY(vyrtest::writeFile(paletteFilePath(),
                                   "[Variables]\nColorScheme=/usr/share/color-schemes/VyrDefault.colors\n"));
        const vyrtest::RunResult r = applyScheme(s_light);
        QVERIFY2(r.exitCode == 0, r.err.constData());
        m_lightTrolltech = vyrtest::readFile(DesktopAppearance::trolltechPath());
    }

    void cleanupTestCase()
    {
        if (const int pid = XSettingsDaemon::findRunning())
            ::kill(pid, SIGTERM);
    }

    // Given a program with the theme and one without, when the suite
    // applies another scheme, saves a font and an icon theme, then the one
    // follows each change while it runs and the other stays as it was.
    void runningProgramsFollow()
    {
        Probe themed(true);
        Probe plain(false);
        const ProbeState start = themed.ready();
        QCOMPARE(start.palette, s_lightWindow);
        QCOMPARE(start.icons, QStringLiteral("Adwaita"));
        QFont font;
        QVERIFY(font.fromString(start.font));
        QCOMPARE(font.family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(font.pointSizeF(), 13.0);
        const ProbeState plainStart = plain.ready();
        QCOMPARE(plainStart.palette, s_plainWindow);

        const qint64 applyStart = now();
        const vyrtest::RunResult r = applyScheme(s_dark);
        const qint64 applyEnd = now();
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QString colour;
        const qint64 changed = Probe::stamp(themed.waitFor(QStringLiteral("palette")), &colour);
        QCOMPARE(colour, s_darkWindow);
        qInfo("palette changed %lld ms after the apply ended (%lld ms after it started)", changed - applyEnd,
              changed - applyStart);
        QCOMPARE(themed.state().palette, s_darkWindow);
        QCOMPARE(plain.state().text, plainStart.text);
        m_darkTrolltech = vyrtest::readFile(DesktopAppearance::trolltechPath());

        // KDE programs: the scheme's colour groups, the user's other groups kept.
        {
            const KConfig globals(DesktopAppearance::kdeGlobalsPath(), KConfig::SimpleConfig);
            const KConfigGroup window(&globals, "Colors:Window");
            QCOMPARE(window.readEntry("BackgroundNormal"), QStringLiteral("42,46,52"));
            QVERIFY(!window.hasKey("Stale"));
            QCOMPARE(KConfigGroup(&globals, "KDE").readEntry("SingleClick"), QStringLiteral("false"));
            QCOMPARE(KConfigGroup(&globals, "General").readEntry("ColorScheme"), QStringLiteral("SolvaDark"));
        }
        // GTK programs started later.
        QCOMPARE(gtk3Value("gtk-icon-theme-name"), QStringLiteral("Adwaita"));
        QCOMPARE(gtk3Value("gtk-cursor-theme-name"), s_cursorTheme);
        QCOMPARE(gtk3Value("gtk-cursor-theme-size"), QStringLiteral("32"));
        QCOMPARE(gtk3Value("gtk-font-name"), QStringLiteral("DejaVu Sans 13"));
        QCOMPARE(gtk3Value("gtk-application-prefer-dark-theme"), QStringLiteral("true"));
        QCOMPARE(gtk3Value("gtk-enable-animations"), QStringLiteral("false"));
        // Running GTK programs: the display announces the same.
        if (XSettingsDaemon::installed()) {
            QTRY_VERIFY_WITH_TIMEOUT(dumpXsettings().contains(QStringLiteral("Net/IconThemeName \"Adwaita\"")), 20000);
            const QString announced = dumpXsettings();
            QVERIFY2(announced.contains(QStringLiteral("Gtk/CursorThemeName \"%1\"").arg(s_cursorTheme)),
                     qPrintable(announced));
            QVERIFY2(announced.contains(QStringLiteral("Gtk/CursorThemeSize 32")), qPrintable(announced));
            QVERIFY2(announced.contains(QStringLiteral("Gtk/FontName \"DejaVu Sans 13\"")), qPrintable(announced));
        }

        // The Fonts page saves a new general font.
        const qint64 fontSaved = now();
        saveAndTell(QStringLiteral("DefaultFont"), QStringLiteral("DejaVu Serif-15:bold"));
        QString fontText;
        const qint64 fontChanged = Probe::stamp(themed.waitFor(QStringLiteral("font")), &fontText);
        QVERIFY(font.fromString(fontText));
        QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(font.pointSizeF(), 15.0);
        QCOMPARE(font.weight(), int(QFont::Bold));
        qInfo("font changed %lld ms after the save began", fontChanged - fontSaved);
        if (XSettingsDaemon::installed()) {
            // A reload of the daemon that runs, not a second one.
            QTRY_VERIFY_WITH_TIMEOUT(dumpXsettings().contains(QStringLiteral("Gtk/FontName \"DejaVu Serif Bold 15\"")),
                                     20000);
        }

        // The Theme page saves another icon theme.
        saveAndTell(QStringLiteral("IconTheme"), QStringLiteral("breeze"));
        QCOMPARE(Probe::stamp(themed.waitFor(QStringLiteral("icons")), &colour) > 0, true);
        QCOMPARE(colour, QStringLiteral("breeze"));

        QCOMPARE(plain.state().text, plainStart.text);
        QCOMPARE(themed.errors(), QByteArray());
    }

    // The style's signal alone (a settings program without X) is enough.
    void followsStyleSignal()
    {
        QVERIFY(!m_darkTrolltech.isEmpty());
        QVERIFY(vyrtest::writeFile(DesktopAppearance::trolltechPath(), m_lightTrolltech));
        Probe themed(true);
        QCOMPARE(themed.ready().palette, s_lightWindow);
        QVERIFY(vyrtest::writeFile(DesktopAppearance::trolltechPath(), m_darkTrolltech));
        // The program listens once its own connection to the bus is made,
        // which it does beside its start: the signal is sent until heard.
        const QDBusMessage signal = QDBusMessage::createSignal(
            QStringLiteral("/BreezeStyle"), QStringLiteral("org.kde.Breeze.Style"), QStringLiteral("reparseConfiguration"));
        QString colour;
        const auto heard = [&] {
            if (colour.isEmpty() && QDBusConnection::sessionBus().send(signal))
                colour = themed.waitFor(QStringLiteral("palette"), 100);
            return !colour.isEmpty();
        };
        QTRY_VERIFY_WITH_TIMEOUT(heard(), 20000);
        Probe::stamp(colour, &colour);
        QCOMPARE(colour, s_darkWindow);
    }

    void malformedPaletteIsIgnored_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("20 colours") << 20 << QByteArray();
        QTest::newRow("not a colour") << 3 << QByteArray("#12345g");
        QTest::newRow("empty colour") << 0 << QByteArray("\"\"");
    }
    // Given a running program, when Trolltech.conf's palette is damaged and
    // the programs are told, then the program keeps its palette and says so
    // once.
    void malformedPaletteIsIgnored()
    {
        QFETCH(int, role);
        QFETCH(QByteArray, value);
        const QString path = DesktopAppearance::trolltechPath();
        QVERIFY(vyrtest::writeFile(path, m_lightTrolltech));
        Probe themed(true);
        QCOMPARE(themed.ready().palette, s_lightWindow);

        VyrIniDocument doc;
        QVERIFY(doc.loadFile(path));
        QList<QByteArray> colours = doc.value("Qt", "Palette\\active").split(',');
        QCOMPARE(colours.size(), 21);
        if (value.isEmpty())
            colours.removeAt(role);
        else
            colours[role] = ' ' + value;
        doc.setValue("Qt", "Palette\\active", colours.join(','));
        QVERIFY(doc.saveFile(path));
        QVERIFY(notifyQtSettingsChanged());

        QTRY_VERIFY_WITH_TIMEOUT(themed.errors().contains("palette kept"), 20000);
        QCOMPARE(themed.state().palette, s_lightWindow);
        QCOMPARE(themed.errors().count("vyr platform theme:"), 1);
        QCOMPARE(themed.errors().count('\n'), 1);
    }

private:
    QByteArray m_lightTrolltech;
    QByteArray m_darkTrolltech;
};

int main(int argc, char *argv[])
{
    vyrtest::setupEnvironment();
    if (!vyrtest::startPrivateDisplay()) {
        qCritical("no X server of the test's own (Xvfb)");
        return 1;
    }
    QCoreApplication app(argc, argv);
    TestPlatformTheme tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "test_platformtheme.moc"
