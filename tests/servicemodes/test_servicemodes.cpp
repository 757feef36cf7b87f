// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"
#include "wmrecorder.h"

#include <schemepalette.h>

#include <QDataStream>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QDirIterator>
#include <QDir>
#include <QFileInfo>
#include <QPalette>
#include <QProcess>
#include <QSettings>

#include <X11/Xlib.h>

#include <unistd.h>

namespace {
const QString s_program = QStringLiteral("vyr-admin-theme");
const QString s_dark = QStringLiteral("/usr/share/color-schemes/SolvaDark.colors");
const QString s_light = QStringLiteral("/usr/share/color-schemes/SolvaLight.colors");
const QString s_admin = QStringLiteral("/usr/share/color-schemes/SolvaVanteraAdmin.colors");

QString themePath()
{
    return vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc");
}
QString palettePath()
{
    return vyrtest::home() + QStringLiteral("/.vyr/paletterc");
}
QString configPath(const QString &name)
{
    return vyrtest::home() + QStringLiteral("/.config/") + name;
}
QString logPath(const QString &tool)
{
    return vyrtest::sandboxRoot() + QLatin1Char('/') + tool + QStringLiteral(".log");
}

/// The environment of a child: the sandbox's, with or without a display.
QProcessEnvironment childEnv(bool display)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!display)
        env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("USER"), QStringLiteral("tester"));
    return env;
}

vyrtest::RunResult run(const QStringList &args, bool display = false)
{
    return vyrtest::run(s_program, args, 30000, childEnv(display));
}

/// Key=value pairs of a file's [Variables] section (or any section), read as text.
QMap<QString, QString> variables(const QString &path)
{
    QMap<QString, QString> map;
    for (const QByteArray &line : vyrtest::readFile(path).split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0 && !line.startsWith('#') && !line.startsWith('['))
            map.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
    return map;
}

QStringList trolltechList(const QString &group)
{
    QSettings qt(configPath(QStringLiteral("Trolltech.conf")), QSettings::IniFormat);
    return qt.value(QStringLiteral("Qt/Palette/") + group).toStringList();
}

/// Files below @p dir that are not among @p names (left-over temporary files).
QStringList strayFiles(const QString &dir, const QStringList &names)
{
    QStringList stray;
    for (const QString &file : QDir(dir).entryList(QDir::Files | QDir::Hidden)) {
        if (!names.contains(file))
            stray << file;
    }
    return stray;
}

/// Reads the Qt settings time stamp of the root window; invalid when unset.
QDateTime settingsTimestamp()
{
    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy)
        return QDateTime();
    const QByteArray name = QByteArray("_QT_SETTINGS_TIMESTAMP_") + QByteArray(XDisplayName(nullptr));
    const Atom atom = XInternAtom(dpy, name.constData(), False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    QDateTime stamp;
    if (XGetWindowProperty(dpy, DefaultRootWindow(dpy), atom, 0, 1024, False, AnyPropertyType, &type, &format, &count,
                           &after, &data)
            == Success
        && data) {
        if (type == atom && format == 8) {
            QDataStream stream(QByteArray(reinterpret_cast<const char *>(data), int(count)));
            stream >> stamp;
        }
        XFree(data);
    }
    XCloseDisplay(dpy);
    return stamp;
}

/// @p scheme with the "WM" role @p key set to @p value.
QByteArray withWmValue(const QByteArray &scheme, const QByteArray &key, const QByteArray &value)
{
    QList<QByteArray> lines = scheme.split('\n');
    for (QByteArray &line : lines) {
        if (line.startsWith(key + '='))
            line = key + '=' + value;
    }
    return lines.join('\n');
}

/// Waits until @p process has printed @p needle.
bool waitForOutput(QProcess &process, const QByteArray &needle, int timeoutMs = 5000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!process.peek(1 << 20).contains(needle)) {
        if (deadline.hasExpired() || process.state() != QProcess::Running)
            return false;
        process.waitForReadyRead(50);
    }
    return true;
}

const QByteArray s_theme = "[Variables]\n"
                           "SwitcherActiveColor=#123456\n"
                           "WallPaper=/usr/share/wallpapers/vyr-default-dark.jpg\n";
}

class TestServiceModes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        vyrtest::installShippedData();
        QVERIFY(QFileInfo::exists(vyrtest::programPath(s_program)));
    }

    void init()
    {
        vyrtest::resetHome();
        vyrtest::writeFile(themePath(), s_theme);
        vyrtest::writeFile(configPath(QStringLiteral("picom.conf")), "shadow-color = \"#111111\";\n");
        // Tools the program starts: fakes that record their arguments.
        for (const QString &tool : {QStringLiteral("killall"), QStringLiteral("vyr-vkbd"), QStringLiteral("loginctl")})
            QFile::remove(logPath(tool));
        QVERIFY(vyrtest::writeScript(vyrtest::sysPath(QStringLiteral("/usr/bin/killall")),
                                     "printf '%s\\n' \"$*\" >> '" + logPath(QStringLiteral("killall")).toUtf8() + "'\n"));
        QVERIFY(vyrtest::writeScript(vyrtest::sysPath(QStringLiteral("/usr/bin/vyr-vkbd")),
                                     "printf '%s\\n' \"$*\" >> '" + logPath(QStringLiteral("vyr-vkbd")).toUtf8() + "'\n"));
        // No login sessions unless a test says otherwise; never the real loginctl.
        QVERIFY(vyrtest::writeScript(QStringLiteral("loginctl"),
                                     "printf '%s|' \"$@\" >> '" + logPath(QStringLiteral("loginctl")).toUtf8()
                                         + "'; echo >> '" + logPath(QStringLiteral("loginctl")).toUtf8() + "'\n"));
        QFile::remove(vyrtest::fakeBinDir() + QStringLiteral("/kelvra"));
    }

    void withoutDisplay_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        const QByteArray usage = "Usage: \n"
                                 "1) vyr-admin-theme [pagename] [themefile]\n"
                                 "     themefile - file to open and edit\n"
                                 "     pagename  - initial page, may be one of Wallpaper, Theme, Fonts, Screensaver, "
                                 "Effects, Sounds\n"
                                 "2) vyr-admin-theme wmcolor\n"
                                 "     service non-GUI mode to use  ~/.vyr/paletterc for generation\n"
                                 "     Qt color patette in ~/.config/Trolltech.conf\n"
                                 "     vyr-wm colors    in ~/.vyr/theme/current.themerc file\n"
                                 "3) vyr-admin-theme apply-color-scheme colorthemepath\n"
                                 "     service non-GUI mode to apply colorschemepath\n";
        const QByteArray noDisplay = "no DISPLAY set, exit now\n";
        QTest::newRow("no argument") << QStringList() << QByteArray() << noDisplay;
        QTest::newRow("--help") << QStringList{"--help"} << usage << QByteArray();
        QTest::newRow("-h") << QStringList{"-h"} << usage << QByteArray();
        QTest::newRow("help spelt otherwise") << QStringList{"--HELP"} << QByteArray() << noDisplay;
        QTest::newRow("page name") << QStringList{"Theme"} << QByteArray() << noDisplay;
        QTest::newRow("apply without a scheme") << QStringList{"apply-color-scheme"} << QByteArray() << noDisplay;
        QTest::newRow("apply with two schemes")
            << QStringList{"apply-color-scheme", s_dark, s_light} << QByteArray() << noDisplay;
    }
    void withoutDisplay()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const vyrtest::RunResult r = run(args);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err, err);
        QCOMPARE(vyrtest::readFile(themePath()), s_theme);
    }

    void applySchemeWithoutDisplay()
    {
        const vyrtest::RunResult r = run({QStringLiteral("apply-color-scheme"), s_dark});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains("vyr-admin-theme: apply color scheme " + s_dark.toUtf8() + '\n'), r.err.constData());

        // The 37 keys the scheme owns, from its "WM" group.
        const QMap<QString, QString> theme = variables(themePath());
        QCOMPARE(theme.size(), 2 + 37);
        QCOMPARE(theme.value(QStringLiteral("SwitcherActiveColor")), QStringLiteral("#123456"));
        QCOMPARE(theme.value(QStringLiteral("IconStringColor")), QStringLiteral("white"));
        QCOMPARE(theme.value(QStringLiteral("TitlebarActiveColor")), QStringLiteral("#3d6587"));
        QCOMPARE(theme.value(QStringLiteral("TitleStringActiveColor")), QStringLiteral("#FFFFFF"));
        QCOMPARE(theme.value(QStringLiteral("FrameActiveOutlineColor")), QStringLiteral("#5a91bd"));
        QCOMPARE(theme.value(QStringLiteral("FrameOutlineColor")), QStringLiteral("#454c55"));
        QCOMPARE(theme.value(QStringLiteral("TitlebarColor")), QStringLiteral("#30353c"));
        QCOMPARE(theme.value(QStringLiteral("TaskbarColor")), QStringLiteral("#1e2227"));
        QCOMPARE(theme.value(QStringLiteral("ButtonColor")), QStringLiteral("#3d6587"));

        // The palette file: four lines, from the scheme's Qt palette.
        QCOMPARE(vyrtest::readFile(palettePath()),
                 QByteArray("[Variables]\nPrimaryColor=#5a91bd\nBackgroundColor=#21252b\nColorScheme=") + s_dark.toUtf8()
                     + '\n');

        const QMap<QString, QString> breeze = variables(configPath(QStringLiteral("breezerc")));
        QVERIFY(vyrtest::readFile(configPath(QStringLiteral("breezerc"))).startsWith("[Colors:View]\n"));
        QCOMPARE(breeze.value(QStringLiteral("ColorScheme")), s_dark);
        QCOMPARE(breeze.value(QStringLiteral("DecorationFocus")), QStringLiteral("#5a91bd"));
        QVERIFY(breeze.contains(QStringLiteral("DecorationHover")));
        for (const char *group : {"active", "inactive", "disabled"})
            QCOMPARE(trolltechList(QLatin1String(group)).size(), 21);
        QCOMPARE(trolltechList(QStringLiteral("active")).at(12), QStringLiteral("#5a91bd"));

        // SolvaDark with the dark default wallpaper tints the shadow.
        QCOMPARE(vyrtest::readFile(configPath(QStringLiteral("picom.conf"))),
                 QByteArray("shadow-color = \"#5A91BD\";\n"));
        // Nothing that needs a display ran.
        QVERIFY(!QFile::exists(logPath(QStringLiteral("killall"))));
        QVERIFY(!QFile::exists(logPath(QStringLiteral("vyr-vkbd"))));

        // The same call again changes nothing at all.
        const auto before = vyrtest::treeState(vyrtest::home());
        const vyrtest::RunResult again = run({QStringLiteral("apply-color-scheme"), s_dark});
        QCOMPARE(again.exitCode, 2);
        QVERIFY2(again.err.contains("vyr-admin-theme: the same color scheme " + s_dark.toUtf8() + ", do nothing\n"),
                 again.err.constData());
        QCOMPARE(vyrtest::changedFiles(before, vyrtest::home()), QStringList());
    }

    void newerSchemeIsAppliedAgain()
    {
        vyrtest::writeFile(palettePath(), "[Variables]\nColorScheme=" + s_dark.toUtf8() + '\n');
        QFile scheme(vyrtest::sysPath(s_dark));
        QVERIFY(scheme.open(QIODevice::ReadWrite));
        QVERIFY(scheme.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        scheme.close();
        const vyrtest::RunResult r = run({QStringLiteral("apply-color-scheme"), s_dark});
        QFile(vyrtest::sysPath(s_dark)).setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                                     QFileDevice::FileModificationTime);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains("the same color scheme " + s_dark.toUtf8() + ", but newer than users themerc\n"),
                 r.err.constData());
    }

    void generatedSchemeAlwaysApplies()
    {
        const QString scheme = vyrtest::home() + QStringLiteral("/.local/share/color-schemes/00-generated-dark.colors");
        QVERIFY(vyrtest::writeFile(scheme, vyrtest::readFile(vyrtest::sysPath(s_dark))));
        for (int i = 0; i < 2; ++i) {
            const vyrtest::RunResult r = run({QStringLiteral("apply-color-scheme"), scheme});
            QCOMPARE(r.exitCode, 0);
            QVERIFY(!r.err.contains("same color scheme"));
        }
        QCOMPARE(variables(palettePath()).value(QStringLiteral("ColorScheme")), scheme);
    }

    void relativeSchemePath()
    {
        // A scheme named relative to the working directory is the file there,
        // and the files name it by its absolute path.
        const QString dir = vyrtest::home() + QStringLiteral("/schemes");
        QVERIFY(vyrtest::writeFile(dir + QStringLiteral("/Mine.colors"),
                                   withWmValue(vyrtest::readFile(vyrtest::sysPath(s_dark)), "activeWindowHeader",
                                               "1,2,3")));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir));
        const vyrtest::RunResult r = run({QStringLiteral("apply-color-scheme"), QStringLiteral("Mine.colors")});
        QDir::setCurrent(previous);
        QCOMPARE(r.exitCode, 0);
        const QString absolute = dir + QStringLiteral("/Mine.colors");
        QCOMPARE(variables(themePath()).value(QStringLiteral("TitlebarActiveColor")), QStringLiteral("#010203"));
        QCOMPARE(variables(palettePath()).value(QStringLiteral("ColorScheme")), absolute);
        QCOMPARE(variables(configPath(QStringLiteral("breezerc"))).value(QStringLiteral("ColorScheme")), absolute);
        QCOMPARE(trolltechList(QStringLiteral("active")).at(12), QStringLiteral("#5a91bd"));
    }

    void lineBreakInSchemePath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("line feed") << QStringLiteral("Evil\nVYRWM_LOGOUT\n.colors");
        QTest::newRow("carriage return") << QStringLiteral("Evil\rPrimaryColor=#000000.colors");
    }
    void lineBreakInSchemePath()
    {
        // Such a name would add lines to the palette file and commands for the
        // window manager.
        QFETCH(QString, name);
        const QString scheme = vyrtest::home() + QLatin1Char('/') + name;
        QVERIFY(vyrtest::writeFile(scheme, vyrtest::readFile(vyrtest::sysPath(s_dark))));
        WmRecorder recorder;
        QVERIFY(recorder.start());
        const auto before = vyrtest::treeState(vyrtest::home());
        const vyrtest::RunResult r = run({QStringLiteral("apply-color-scheme"), scheme}, true);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains("holds a line break"), r.err.constData());
        QCOMPARE(vyrtest::changedFiles(before, vyrtest::home()), QStringList());
        QCOMPARE(recorder.takeCommands(), QStringList());
    }

    void missingScheme_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::newRow("missing file") << vyrtest::home() + QStringLiteral("/none.colors");
        QTest::newRow("directory") << vyrtest::home() + QStringLiteral("/.config");
        QTest::newRow("shipped name not installed") << QStringLiteral("/usr/share/color-schemes/Nope.colors");
    }
    void missingScheme()
    {
        QFETCH(QString, scheme);
        const auto before = vyrtest::treeState(vyrtest::home());
        const vyrtest::RunResult r = run({QStringLiteral("apply-color-scheme"), scheme});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.endsWith("vyr-admin-theme: no color scheme file " + scheme.toUtf8() + '\n'), r.err.constData());
        QCOMPARE(vyrtest::changedFiles(before, vyrtest::home()), QStringList());
    }

    void schemeWithoutWmColoursLinksThePalette()
    {
        vyrtest::writeFile(themePath(), "[Variables]\nMenuColor=#123456\nSwitcherActiveColor=#123456\nIconStringColor=white\n");
        const QString scheme = vyrtest::home() + QStringLiteral("/.local/share/color-schemes/Plain.colors");
        vyrtest::writeFile(scheme, "[Colors:View]\nBackgroundNormal=250,250,250\n[Colors:Selection]\n"
                                   "BackgroundNormal=20,105,200\n");
        const vyrtest::RunResult r = run({QStringLiteral("apply-color-scheme"), scheme});
        QCOMPARE(r.exitCode, 0);
        const QMap<QString, QString> theme = variables(themePath());
        QCOMPARE(theme.value(QStringLiteral("SwitcherActiveColor")), QStringLiteral("PrimaryColor"));
        QCOMPARE(theme.value(QStringLiteral("MenuColor")), QStringLiteral("PrimaryDarkColor"));
        QCOMPARE(theme.value(QStringLiteral("IconStringColor")), QStringLiteral("PrimaryTextColor"));
        QVERIFY(!theme.contains(QStringLiteral("TitlebarColor"))); // equals its default
        QCOMPARE(variables(palettePath()).value(QStringLiteral("PrimaryColor")), QStringLiteral("#1469c8"));
        QCOMPARE(variables(palettePath()).value(QStringLiteral("BackgroundColor")), QStringLiteral("#fafafa"));
    }

    void wmcolorWithoutPalette()
    {
        const vyrtest::RunResult r = run({QStringLiteral("wmcolor")});
        QCOMPARE(r.exitCode, 0);
        const QByteArray palette = palettePath().toUtf8();
        QVERIFY2(r.err.contains("vyr-admin-theme: file " + palette + " does't exist\n"), r.err.constData());
        QVERIFY2(r.err.contains("vyr-admin-theme: no ColorScheme in " + palette + ", default " + s_light.toUtf8()
                                + " in use\n"),
                 r.err.constData());
        QVERIFY(r.err.contains("vyr-admin-theme: set wm colors from " + s_light.toUtf8() + " (see " + palette + ")\n"));
        QCOMPARE(variables(themePath()).value(QStringLiteral("TitlebarActiveColor")), QStringLiteral("#5a91bd"));
        QCOMPARE(variables(configPath(QStringLiteral("breezerc"))).value(QStringLiteral("ColorScheme")), s_light);
        QCOMPARE(trolltechList(QStringLiteral("disabled")).size(), 21);
        QCOMPARE(vyrtest::readFile(configPath(QStringLiteral("picom.conf"))),
                 QByteArray("shadow-color = \"#000000\";\n"));
        QVERIFY(!QFile::exists(palettePath()));
    }

    void wmcolorFromPalette()
    {
        vyrtest::writeFile(palettePath(), "[Variables]\nPrimaryColor=#1469c8\nBackgroundColor=#ffffff\n"
                                          "ColorScheme=/usr/share/color-schemes/VyrDefault.colors\n");
        const vyrtest::RunResult r = run({QStringLiteral("wmcolor")}, true);
        QCOMPARE(r.exitCode, 0);
        // A generated scheme: the palette's colours make the Qt palette.
        QCOMPARE(trolltechList(QStringLiteral("active")).at(12), QStringLiteral("#1469c8"));
        QCOMPARE(trolltechList(QStringLiteral("active")).at(9), QStringLiteral("#ffffff"));
        QCOMPARE(variables(themePath()).value(QStringLiteral("IconStringColor")), QString());
        // wmcolor tells nobody.
        QVERIFY(!QFile::exists(logPath(QStringLiteral("killall"))));
    }

    // The service modes have no graphical application; a generated scheme
    // must still get every role, bevels included, not black ones.
    void generatedSchemePaletteRoles_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("background");
        // Role by role, WindowText to PlaceholderText.
        QTest::addColumn<QString>("active");
        QTest::addColumn<QString>("inactive");
        QTest::addColumn<QString>("disabled");
        QTest::newRow("VyrDefault, light")
            << QStringLiteral("/usr/share/color-schemes/VyrDefault.colors")
            << QStringLiteral("#1469c8") << QStringLiteral("#ffffff")
            << QStringLiteral("#000000 #d9d9d9 #ffffff #cacaca #9f9f9f #b8b8b8 #000000 #ffffff #000000 #ffffff #d9d9d9")
                   + QStringLiteral(" #767676 #1469c8 #ffffff #0000ff #ff00ff #f1f1f1 #000000 #fcfcfc #232627 #000000")
            << QStringLiteral("#000000 #d9d9d9 #ffffff #cacaca #9f9f9f #b8b8b8 #000000 #ffffff #000000 #ffffff #d9d9d9")
                   + QStringLiteral(" #767676 #6e98c8 #ffffff #0000ff #ff00ff #f1f1f1 #000000 #fcfcfc #232627 #000000")
            << QStringLiteral("#808080 #d9d9d9 #ffffff #cacaca #9f9f9f #b8b8b8 #808080 #ffffff #808080 #ffffff #d9d9d9")
                   + QStringLiteral(" #767676 #1469c8 #808080 #0000ff #ff00ff #f1f1f1 #000000 #fcfcfc #232627 #000000");
        QTest::newRow("User, dark")
            << vyrtest::home() + QStringLiteral("/.local/share/color-schemes/User.colors")
            << QStringLiteral("#f34444") << QStringLiteral("#2d2d2d")
            << QStringLiteral("#ffffff #262626 #ffffff #cacaca #9f9f9f #b8b8b8 #ffffff #000000 #ffffff #2d2d2d #262626")
                   + QStringLiteral(" #767676 #f34444 #ffffff #0000ff #ff00ff #3b3b3b #000000 #31363b #eff0f1 #000000")
            << QStringLiteral("#ffffff #262626 #ffffff #cacaca #9f9f9f #b8b8b8 #ffffff #000000 #ffffff #2d2d2d #262626")
                   + QStringLiteral(" #767676 #f39b9b #ffffff #0000ff #ff00ff #3b3b3b #000000 #31363b #eff0f1 #000000")
            << QStringLiteral("#808080 #262626 #ffffff #cacaca #9f9f9f #b8b8b8 #808080 #000000 #808080 #2d2d2d #262626")
                   + QStringLiteral(" #767676 #f34444 #808080 #0000ff #ff00ff #3b3b3b #000000 #31363b #eff0f1 #000000");
    }
    void generatedSchemePaletteRoles()
    {
        QFETCH(QString, scheme);
        QFETCH(QString, primary);
        QFETCH(QString, background);
        QFETCH(QString, active);
        QFETCH(QString, inactive);
        QFETCH(QString, disabled);
        // The window builds the same palette with its application object.
        const QPalette inProcess = buildSchemePalette(scheme, QColor(primary), QColor(background));
        QCOMPARE(paletteColourNames(inProcess, QPalette::Active).join(QLatin1Char(' ')), active);
        QCOMPARE(paletteColourNames(inProcess, QPalette::Inactive).join(QLatin1Char(' ')), inactive);
        QCOMPARE(paletteColourNames(inProcess, QPalette::Disabled).join(QLatin1Char(' ')), disabled);

        if (!scheme.startsWith(QLatin1String("/usr/"))) {
            QVERIFY(QDir().mkpath(QFileInfo(scheme).absolutePath()));
            QVERIFY(vyrtest::writeFile(
                scheme, vyrtest::readFile(vyrtest::sysPath(QStringLiteral("/usr/share/vyr/color-schemes/User.colors")))));
        }
        QVERIFY(vyrtest::writeFile(palettePath(), "[Variables]\nPrimaryColor=" + primary.toUtf8() + "\nBackgroundColor="
                                                      + background.toUtf8() + "\nColorScheme=" + scheme.toUtf8() + '\n'));
        const vyrtest::RunResult r = run({QStringLiteral("wmcolor")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(trolltechList(QStringLiteral("active")).join(QLatin1Char(' ')), active);
        QCOMPARE(trolltechList(QStringLiteral("inactive")).join(QLatin1Char(' ')), inactive);
        QCOMPARE(trolltechList(QStringLiteral("disabled")).join(QLatin1Char(' ')), disabled);
    }

    void wmcolorInHighIntegritySession()
    {
        vyrtest::writeFile(palettePath(), "[Variables]\nColorScheme=" + s_dark.toUtf8() + '\n');
        QVERIFY(vyrtest::writeScript(QStringLiteral("kelvra"), "[ \"$1\" = --ilevel ] && echo 'level 63'\n"));
        const vyrtest::RunResult r = run({QStringLiteral("wmcolor")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(vyrtest::readFile(palettePath()),
                 QByteArray("[Variables]\nPrimaryColor=#f34444\nBackgroundColor=#2d2d2d\nColorScheme=") + s_admin.toUtf8()
                     + '\n');
        QCOMPARE(variables(themePath()).value(QStringLiteral("TitlebarActiveColor")), QStringLiteral("#f34444"));
        QCOMPARE(variables(configPath(QStringLiteral("breezerc"))).value(QStringLiteral("ColorScheme")), s_admin);
    }

    void badSchemeFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("diagnostic");
        const QByteArray shipped = vyrtest::readFile(vyrtest::sysPath(s_dark));
        QTest::newRow("empty") << QByteArray("") << QByteArray("has no colors");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe[\x00]\n=\x7f\x80", 13) << QByteArray("has no colors");
        QTest::newRow("truncated mid-line") << shipped.left(shipped.indexOf("activeWindowHeader=") + 22)
                                            << QByteArray("apply color scheme");
        QTest::newRow("WM value 12,34")
            << withWmValue(shipped, "activeWindowHeader", "12,34")
            << QByteArray("invalid color activeWindowHeader=12,34");
        QTest::newRow("WM value #zz")
            << withWmValue(shipped, "taskbarBackground", "#zz")
            << QByteArray("invalid color taskbarBackground=#zz");
        QTest::newRow("1 MB long") << shipped + QByteArray(1 << 20, 'x') + "\n" << QByteArray("apply color scheme");
        QTest::newRow("1 MB value") << shipped + "[Extra]\nKey=" + QByteArray(1 << 20, 'y') + "\n"
                                    << QByteArray("apply color scheme");
    }
    void badSchemeFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, diagnostic);
        const QString scheme = vyrtest::home() + QStringLiteral("/.local/share/color-schemes/Bad.colors");
        vyrtest::writeFile(scheme, content);
        const vyrtest::RunResult r = run({QStringLiteral("apply-color-scheme"), scheme});
        QVERIFY(!r.crashed && !r.timedOut);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains(diagnostic), r.err.constData());
        QCOMPARE(vyrtest::readFile(scheme), content);
        QCOMPARE(trolltechList(QStringLiteral("active")).size(), 21);
        QCOMPARE(variables(palettePath()).value(QStringLiteral("ColorScheme")), scheme);
        QCOMPARE(strayFiles(vyrtest::home() + QStringLiteral("/.vyr/theme"), {QStringLiteral("current.themerc")}),
                 QStringList());
        QCOMPARE(strayFiles(vyrtest::home() + QStringLiteral("/.config"),
                            {QStringLiteral("Trolltech.conf"), QStringLiteral("breezerc"), QStringLiteral("picom.conf"),
                             QStringLiteral("kdeglobals")}),
                 QStringList());
    }

    void garbagePalette_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("wmcolor") << "wmcolor";
        QTest::newRow("apply-color-scheme") << "apply-color-scheme";
    }
    void garbagePalette()
    {
        QFETCH(QString, mode);
        const QByteArray garbage("\x00\xffnot a palette\n\x01=\x02\n[", 22);
        vyrtest::writeFile(palettePath(), garbage);
        QStringList args{mode};
        if (mode == QLatin1String("apply-color-scheme"))
            args << s_dark;
        const vyrtest::RunResult r = run(args);
        QVERIFY(!r.crashed);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(!r.err.isEmpty());
        if (mode == QLatin1String("wmcolor")) {
            // The default scheme is used and the file is left as it is.
            QVERIFY2(r.err.contains("default " + s_light.toUtf8() + " in use"), r.err.constData());
            QCOMPARE(vyrtest::readFile(palettePath()), garbage);
        } else {
            // Rewritten in its four-line form; the old bytes are kept.
            QCOMPARE(variables(palettePath()).value(QStringLiteral("ColorScheme")), s_dark);
            QCOMPARE(vyrtest::readFile(palettePath() + QStringLiteral(".bak")), garbage);
        }
    }

    void unwritableConfigDirectory()
    {
        const QString config = vyrtest::home() + QStringLiteral("/.config");
        vyrtest::writeFile(configPath(QStringLiteral("Trolltech.conf")), "[Qt]\nkeep=1\n");
        vyrtest::writeFile(configPath(QStringLiteral("breezerc")), "[Colors:View]\nColorScheme=old\n");
        // The child runs as an ordinary user: everything else stays writable.
        const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
            | QFileDevice::WriteOther | QFileDevice::ExeOther;
        for (const QString &dir : {vyrtest::home(), vyrtest::home() + QStringLiteral("/.vyr"),
                                   vyrtest::home() + QStringLiteral("/.vyr/theme")})
            QFile::setPermissions(dir, all);
        QFile::setPermissions(themePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther
                                               | QFileDevice::WriteOther);
        QFile::setPermissions(config, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                          | QFileDevice::ExeOther);
        if (!vyrtest::canRunAsOrdinaryUser())
            QSKIP("needs root and setpriv to run as an ordinary user");
        const vyrtest::RunResult r =
            vyrtest::runAsOrdinaryUser(s_program, {QStringLiteral("apply-color-scheme"), s_dark}, childEnv(false));
        QFile::setPermissions(config, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains("vyr-admin-theme: can't write " + configPath(QStringLiteral("Trolltech.conf")).toUtf8()),
                 r.err.constData());
        QVERIFY2(r.err.contains("vyr-admin-theme: can't write " + configPath(QStringLiteral("breezerc")).toUtf8()),
                 r.err.constData());
        QCOMPARE(vyrtest::readFile(configPath(QStringLiteral("Trolltech.conf"))), QByteArray("[Qt]\nkeep=1\n"));
        QCOMPARE(vyrtest::readFile(configPath(QStringLiteral("breezerc"))), QByteArray("[Colors:View]\nColorScheme=old\n"));
        QCOMPARE(strayFiles(config, {QStringLiteral("Trolltech.conf"), QStringLiteral("breezerc"),
                                     QStringLiteral("picom.conf")}),
                 QStringList());
        // What could be written was written.
        QCOMPARE(variables(palettePath()).value(QStringLiteral("ColorScheme")), s_dark);
    }

    void unreadableScheme()
    {
        const QString scheme = vyrtest::home() + QStringLiteral("/Secret.colors");
        QVERIFY(vyrtest::writeFile(scheme, vyrtest::readFile(vyrtest::sysPath(s_dark))));
        QFile::setPermissions(scheme, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
            | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        for (const QString &dir : {vyrtest::home(), vyrtest::home() + QStringLiteral("/.vyr"),
                                   vyrtest::home() + QStringLiteral("/.vyr/theme"), vyrtest::home() + QStringLiteral("/.config")})
            QFile::setPermissions(dir, all);
        const auto before = vyrtest::treeState(vyrtest::home());
        if (!vyrtest::canRunAsOrdinaryUser())
            QSKIP("needs root and setpriv to run as an ordinary user");
        const vyrtest::RunResult r =
            vyrtest::runAsOrdinaryUser(s_program, {QStringLiteral("apply-color-scheme"), scheme}, childEnv(false));
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.endsWith("vyr-admin-theme: can't read color scheme file " + scheme.toUtf8() + '\n'),
                 r.err.constData());
        QCOMPARE(vyrtest::changedFiles(before, vyrtest::home()), QStringList());
    }

    void unwritablePaletteIsReported()
    {
        const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther;
        vyrtest::writeFile(palettePath(), "[Variables]\nColorScheme=" + s_light.toUtf8() + '\n');
        QFile::setPermissions(vyrtest::home(), readOnly | QFileDevice::WriteOwner);
        QFile::setPermissions(vyrtest::home() + QStringLiteral("/.vyr"), readOnly);
        if (!vyrtest::canRunAsOrdinaryUser())
            QSKIP("needs root and setpriv to run as an ordinary user");
        const vyrtest::RunResult r =
            vyrtest::runAsOrdinaryUser(s_program, {QStringLiteral("apply-color-scheme"), s_dark}, childEnv(false));
        QFile::setPermissions(vyrtest::home() + QStringLiteral("/.vyr"), readOnly | QFileDevice::WriteOwner);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains("vyr-admin-theme: can't write " + palettePath().toUtf8()), r.err.constData());
        QCOMPARE(variables(palettePath()).value(QStringLiteral("ColorScheme")), s_light);
    }

    void withDisplayTellsTheSession()
    {
        WmRecorder recorder;
        QVERIFY(recorder.start());
        QProcess monitor;
        monitor.start(QStringLiteral("dbus-monitor"),
                      {QStringLiteral("--session"), QStringLiteral("type='signal',interface='org.kde.Breeze.Style'")});
        QVERIFY(monitor.waitForStarted());
        // dbus-monitor loses its bus name once it has become a monitor.
        QVERIFY(waitForOutput(monitor, "member=NameLost"));
        const QDateTime stampBefore = settingsTimestamp();

        const QDateTime start = QDateTime::currentDateTime();
        const vyrtest::RunResult r = run({QStringLiteral("apply-color-scheme"), s_dark}, true);
        QCOMPARE(r.exitCode, 0);

        QCOMPARE(recorder.takeCommands(), QStringList{QStringLiteral("VYRWM_UPDATE_VAL ColorScheme ") + s_dark});

        const QDateTime stamp = settingsTimestamp();
        QVERIFY(stamp.isValid());
        QVERIFY(stamp != stampBefore);
        QVERIFY(qAbs(stamp.secsTo(start)) <= 5);

        QVERIFY(waitForOutput(monitor, "member=reparseConfiguration"));
        const QByteArray seen = monitor.readAll();
        QVERIFY2(seen.contains("path=/BreezeStyle; interface=org.kde.Breeze.Style; member=reparseConfiguration"),
                 seen.constData());
        monitor.terminate();
        monitor.waitForFinished();

        QCOMPARE(vyrtest::readFile(logPath(QStringLiteral("killall"))), QByteArray("vyr-start-panel\n"));
        QCOMPARE(vyrtest::readFile(logPath(QStringLiteral("vyr-vkbd"))), QByteArray("--update\n"));

        // wmcolor sends nothing.
        QCOMPARE(run({QStringLiteral("wmcolor")}, true).exitCode, 0);
        QCOMPARE(recorder.takeCommands(), QStringList());
    }

    void toolLeavingABackgroundProcess()
    {
        // The on-screen keyboard's update may leave the keyboard running,
        // holding the output it inherited; the run must not wait for it.
        const QString pidFile = vyrtest::sandboxRoot() + QStringLiteral("/background.pid");
        QVERIFY(vyrtest::writeScript(vyrtest::sysPath(QStringLiteral("/usr/bin/vyr-vkbd")),
                                     "sleep 20 &\necho $! > '" + pidFile.toUtf8() + "'\n"));
        WmRecorder recorder;
        QVERIFY(recorder.start());
        QElapsedTimer timer;
        timer.start();
        const vyrtest::RunResult r = run({QStringLiteral("apply-color-scheme"), s_dark}, true);
        const qint64 elapsed = timer.elapsed();
        const QByteArray pid = vyrtest::readFile(pidFile).trimmed();
        if (!pid.isEmpty())
            QProcess::execute(QStringLiteral("kill"), {QString::fromLatin1(pid)});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(elapsed < 10000, qPrintable(QString::number(elapsed)));
        QVERIFY(!pid.isEmpty());
    }

    void consoleModeFindsTheDisplay()
    {
        const QByteArray display = qgetenv("DISPLAY");
        // loginctl knows two sessions; the second has the display.
        QVERIFY(vyrtest::writeScript(QStringLiteral("loginctl"),
                                     "printf '%s|' \"$@\" >> '" + logPath(QStringLiteral("loginctl")).toUtf8()
                                         + "'; echo >> '" + logPath(QStringLiteral("loginctl")).toUtf8() + "'\n"
                                         "case \"$1\" in\n"
                                         "show-user) echo 'c1 c2' ;;\n"
                                         "show-session) [ \"$2\" = c2 ] && echo '" + display + "' ;;\n"
                                         "esac\nexit 0\n"));
        // Console mode takes the user's own X authority file.
        const QString xauthority = qEnvironmentVariable("XAUTHORITY");
        if (!xauthority.isEmpty())
            QVERIFY(QFile::copy(xauthority, vyrtest::home() + QStringLiteral("/.Xauthority")));
        WmRecorder recorder;
        QVERIFY(recorder.start());

        const vyrtest::RunResult r = run({QStringLiteral("apply-color-scheme"), s_dark});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains("vyr-admin-theme: start in console mode, but DISPLAY " + display
                                + " detected for user tester\n"),
                 r.err.constData());
        QVERIFY(recorder.waitForLines(1));
        QCOMPARE(recorder.lines().constFirst(), QStringLiteral("VYRWM_UPDATE_VAL ColorScheme ") + s_dark);
        QCOMPARE(vyrtest::readFile(logPath(QStringLiteral("loginctl"))),
                 QByteArray("show-user|tester|--property|Sessions|--value|\n"
                            "show-session|c1|--property|Display|--value|\n"
                            "show-session|c2|--property|Display|--value|\n"));
    }

    void consolePreparesTheEnvironment()
    {
        // loginctl and everything after it see the session's runtime
        // directory and the user's own X authority file.
        const QString seen = vyrtest::sandboxRoot() + QStringLiteral("/environment.log");
        QVERIFY(vyrtest::writeScript(QStringLiteral("loginctl"), "echo \"$XDG_RUNTIME_DIR $XAUTHORITY\" > '"
                                                                     + seen.toUtf8() + "'\n"));
        QProcessEnvironment env = childEnv(false);
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        env.insert(QStringLiteral("XAUTHORITY"), QStringLiteral("/elsewhere/.Xauthority"));
        const vyrtest::RunResult r = vyrtest::run(s_program, {QStringLiteral("wmcolor")}, 30000, env);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QString::fromUtf8(vyrtest::readFile(seen)),
                 QStringLiteral("/var/run/user/%1 %2/.Xauthority\n").arg(::getuid()).arg(vyrtest::home()));
    }

    void consoleUserNameIsInert()
    {
        // A user name full of shell syntax reaches loginctl as one argument.
        const QString user = QStringLiteral("x'; touch pwned; echo `touch pwned2` $(touch pwned3)");
        QProcessEnvironment env = childEnv(false);
        env.insert(QStringLiteral("USER"), user);
        const vyrtest::RunResult r = vyrtest::run(s_program, {QStringLiteral("wmcolor")}, 30000, env);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QString::fromUtf8(vyrtest::readFile(logPath(QStringLiteral("loginctl")))),
                 QStringLiteral("show-user|") + user + QStringLiteral("|--property|Sessions|--value|\n"));
        for (const QString &dir : {QDir::currentPath(), vyrtest::home(), vyrtest::sandboxRoot()}) {
            for (const char *name : {"pwned", "pwned2", "pwned3"})
                QVERIFY(!QFile::exists(dir + QLatin1Char('/') + QLatin1String(name)));
        }
    }

    void consoleModeWithoutUser()
    {
        QProcessEnvironment env = childEnv(false);
        env.remove(QStringLiteral("USER"));
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        const vyrtest::RunResult r = vyrtest::run(s_program, {QStringLiteral("apply-color-scheme"), s_dark}, 30000, env);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.startsWith("vyr-admin-theme: start in console mode, but can't get $USER\n"), r.err.constData());
        QVERIFY(!QFile::exists(logPath(QStringLiteral("loginctl"))));
        QCOMPARE(variables(palettePath()).value(QStringLiteral("ColorScheme")), s_dark);
    }

    void missingThemeFileIsCreated()
    {
        QFile::remove(themePath());
        const vyrtest::RunResult r = run({QStringLiteral("apply-color-scheme"), s_dark});
        QCOMPARE(r.exitCode, 0);
        // Started from the shipped default (its comments, DecorTheme and
        // CompositeManager), then given the 37 colour keys.
        const QByteArray shipped =
            vyrtest::readFile(vyrtest::sourceDir() + QStringLiteral("/data/share/vyr/theme/current.themerc"));
        QVERIFY(vyrtest::readFile(themePath()).startsWith(shipped.left(shipped.indexOf("[Variables]"))));
        QCOMPARE(variables(themePath()).size(), 39);
        QCOMPARE(variables(themePath()).value(QStringLiteral("DecorTheme")), QString());
        QCOMPARE(variables(themePath()).value(QStringLiteral("CompositeManager")), QStringLiteral("/usr/bin/picom"));
    }
};

VYR_TEST_MAIN(TestServiceModes)
#include "test_servicemodes.moc"
