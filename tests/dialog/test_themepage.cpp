// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The Theme page on the test's X display: what load shows and what save
// writes and sends, with the window manager's stand-in, fake helpers and
// a private session bus.
#include "modalanswerer.h"
#include "testenv.h"
#include "wmrecorder.h"

#include <session.h>
#include <themepage.h>
#include <wallpapersettings.h>
#include <themesettings.h>
#include <wallpaperpage.h>

#include <vyrwmcommand.h>
#include <vyrxresources.h>

#include <KColorButton>
#include <KSharedConfig>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>

#include <memory>

// Last: Xlib's macros would break the Qt headers.
#include "themefixtures.h"

namespace {
const QString s_solvaDark = QStringLiteral("/usr/share/color-schemes/SolvaDark.colors");
const QString s_lightWallpaper = QStringLiteral("/usr/share/wallpapers/vyr-default-light.jpg");
const QString s_darkWallpaper = QStringLiteral("/usr/share/wallpapers/vyr-default-dark.jpg");

QString themeFile()
{
    return vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc");
}
QString paletteFile()
{
    return vyrtest::home() + QStringLiteral("/.vyr/paletterc");
}
QString desktop()
{
    return vyrtest::home() + QStringLiteral("/Desktops/Desktop1");
}
QString themeValue(const QString &key)
{
    return QSettings(themeFile(), QSettings::IniFormat).value(QStringLiteral("Variables/") + key).toString();
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
    void onSignal(const QDBusMessage &message) { received << message.member(); }
};

class TestThemePage : public QObject
{
    Q_OBJECT
private:
    WmRecorder m_recorder;
    std::unique_ptr<ThemeSettings> m_theme;
    std::unique_ptr<ThemeSettings> m_palette;
    std::unique_ptr<ThemePage> m_page;
    std::unique_ptr<WallpaperPage> m_wallpaperPage;

    template<class T>
    T *child(const char *name)
    {
        T *found = m_page->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    /// Opens the page as the dialog does: shown, then filled.
    bool openPage()
    {
        m_theme = std::make_unique<ThemeSettings>(themeFile());
        m_palette = std::make_unique<ThemeSettings>(paletteFile());
        m_theme->sync(true);
        m_palette->sync(true);
        m_page = std::make_unique<ThemePage>(m_theme.get(), m_palette.get(), nullptr);
        m_page->show();
        return QTest::qWaitFor([this] { return m_page->themeListsFilled(); }, 10000);
    }

    void choose(const char *comboName, const QString &text)
    {
        auto *combo = child<QComboBox>(comboName);
        const int index = combo->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }

    /// The commands received since the last call.
    QStringList commands() { return m_recorder.takeCommands(); }

private Q_SLOTS:
    void initTestCase()
    {
        vyrtest::installShippedData();
        const QString icons = vyrtest::sysPath(QStringLiteral("/usr/share/icons"));
        QVERIFY(vyrtest::writeIconTheme(icons, QStringLiteral("Complete"), vyrtest::completeIconSet()));
        QVERIFY(vyrtest::writeIconTheme(icons, QStringLiteral("Other"), vyrtest::completeIconSet()));
        QVERIFY(vyrtest::writeCursorTheme(icons, QStringLiteral("Arrows")));
        QVERIFY(vyrtest::writeCursorTheme(icons, QStringLiteral("Pointers")));
        // A decoration theme with one of its nine images.
        const QString decor = vyrtest::sysPath(QStringLiteral("/usr/share/vyr/decor/"));
        QVERIFY(vyrtest::writeFile(decor + QStringLiteral("Broken/default.theme"), "\n"));
        QVERIFY(QFile::copy(decor + QStringLiteral("Slate/closeA.xpm"), decor + QStringLiteral("Broken/closeA.xpm")));
        // The helpers the save restarts note their arguments.
        const QString log = vyrtest::sandboxRoot() + QStringLiteral("/helpers.log");
        for (const char *tool : {"/usr/bin/killall", "/usr/bin/vyr-vkbd"})
            QVERIFY(vyrtest::writeScript(vyrtest::sysPath(QLatin1String(tool)),
                                         "echo \"$0 $*\" >> '" + log.toUtf8() + "'\n"));
        QVERIFY(m_recorder.start());
    }

    void init()
    {
        vyrtest::resetHome();
        QFile::remove(vyrtest::sandboxRoot() + QStringLiteral("/helpers.log"));
        sessionFlags() = SessionFlags();
        QFile::remove(vyrtest::fakeBinDir() + QStringLiteral("/kelvra"));
        customWallpaperFlag() = CustomWallpaper::Unknown;
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\nIconTheme=Complete\n"));
        QVERIFY(vyrtest::writeFile(paletteFile(), "[Variables]\nPrimaryColor=#5a91bd\nBackgroundColor=#ffffff\n"
                                                  "ColorScheme=/usr/share/color-schemes/SolvaLight.colors\n"));
        QVERIFY(vyrtest::writeFile(vyrtest::home() + QStringLiteral("/.config/picom.conf"),
                                   "shadow-color = \"#000000\";\n"));
        QVERIFY(vyrXrdbRemove(QStringLiteral("Xcursor.theme")));
        QVERIFY(vyrXrdbRemove(QStringLiteral("Xcursor.size")));
        QVERIFY(vyrXrdbMerge("Xft.dpi: 96\n"));
        commands();
    }

    void cleanup()
    {
        m_page.reset();
        m_wallpaperPage.reset();
        m_palette.reset();
        m_theme.reset();
    }

    void sizes_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QList<int>>("shown"); // taskbar, icons, title, frame
        QTest::addColumn<bool>("autoSize");
        QTest::addColumn<bool>("frameEnabled");
        QTest::newRow("all automatic at 96 dpi")
            << QByteArray("TaskbarHeight=-1\nDesktopIconSize=-1\nFrameTitleHeight=-1\nFrameBorderWidth=-1\n")
            << QList<int>{48, 48, 29, 5} << true << false;
        QTest::newRow("keys missing count as automatic") << QByteArray() << QList<int>{48, 48, 29, 5} << true << false;
        QTest::newRow("fixed sizes") << QByteArray(
            "TaskbarHeight=58\nDesktopIconSize=32\nFrameTitleHeight=30\nFrameBorderWidth=3\n")
                                     << QList<int>{58, 32, 30, 3} << false << true;
        QTest::newRow("decoration theme brings its frame") << QByteArray(
            "TaskbarHeight=58\nDesktopIconSize=32\nFrameTitleHeight=30\nFrameBorderWidth=3\nDecorTheme=Slate\n")
                                                           << QList<int>{58, 32, 30, 3} << false << false;
    }
    void sizes()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QList<int>, shown);
        QFETCH(bool, autoSize);
        QFETCH(bool, frameEnabled);
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\n" + stored));
        QVERIFY(openPage());
        QCOMPARE(child<QSpinBox>("taskbarSizeSpinBox")->value(), shown[0]);
        QCOMPARE(child<QComboBox>("iconSizeComboBox")->currentText(), QString::number(shown[1]));
        QCOMPARE(child<QSpinBox>("titleSizeSpinBox")->value(), shown[2]);
        QCOMPARE(child<QSpinBox>("frameSizeSpinBox")->value(), shown[3]);
        QCOMPARE(child<QCheckBox>("autoSizeCheckBox")->isChecked(), autoSize);
        QCOMPARE(child<QSpinBox>("taskbarSizeSpinBox")->isEnabled(), !autoSize);
        QCOMPARE(child<QComboBox>("iconSizeComboBox")->isEnabled(), !autoSize);
        QCOMPARE(child<QLabel>("taskbarSizeLabel")->isEnabled(), !autoSize);
        QCOMPARE(child<QSpinBox>("titleSizeSpinBox")->isEnabled(), frameEnabled);
        QCOMPARE(child<QSpinBox>("frameSizeSpinBox")->isEnabled(), frameEnabled);
        QVERIFY(!m_page->isChanged());
    }

    void loadShowsStoredValues_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("trayIcons");
        QTest::addColumn<bool>("wallpaperSchemeEnabled");
        QTest::addColumn<bool>("schemeListEnabled");
        QTest::newRow("True with a capital T counts") << QByteArray("UseTrayIconTheme=True\n") << true << false << true;
        QTest::newRow("default light wallpaper is not the user's own")
            << QByteArray("WallPaper=/usr/share/wallpapers/vyr-default-light.jpg\nWallPaperColorScheme=dark\n") << false
            << false << true;
        QTest::newRow("own wallpaper with a dark scheme from it")
            << QByteArray("WallPaper=/home/u/beach.jpg\nWallPaperColorScheme=dark\n") << false << true << false;
        QTest::newRow("own wallpaper without scheme")
            << QByteArray("WallPaper=/home/u/beach.jpg\n") << false << true << true;
    }
    void loadShowsStoredValues()
    {
        QFETCH(QByteArray, stored);
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\nIconTheme=Complete\n" + stored));
        QVERIFY(openPage());
        QTEST(child<QCheckBox>("useTrayIconThemeCheckBox")->isChecked(), "trayIcons");
        QTEST(child<QComboBox>("wallPaperColorSchemeComboBox")->isEnabled(), "wallpaperSchemeEnabled");
        QTEST(child<QComboBox>("colorSchemeComboBox")->isEnabled(), "schemeListEnabled");
        // The lists the sandbox holds: hicolor-like stand-ins are never offered.
        auto *iconThemes = child<QComboBox>("iconThemeCombo");
        QCOMPARE(iconThemes->count(), 2);
        QCOMPARE(iconThemes->currentText(), QStringLiteral("Complete"));
        auto *cursors = child<QComboBox>("cursorThemeCombo");
        QCOMPARE(cursors->count(), 2);
        QCOMPARE(cursors->itemText(0), QStringLiteral("Arrows"));
        QCOMPARE(cursors->currentIndex(), -1); // "default" holds no cursors here
        // The scheme manager's file-less first row is not offered.
        auto *schemes = child<QComboBox>("colorSchemeComboBox");
        QCOMPARE(schemes->count(), 5);
        QCOMPARE(schemes->itemText(0), QStringLiteral("Vyr Default")); // holds "Default"
        QCOMPARE(schemes->currentText(), QStringLiteral("Solva Light"));
        QCOMPARE(m_page->currentSchemePath(), QStringLiteral("/usr/share/color-schemes/SolvaLight.colors"));
        QVERIFY(!m_page->isChanged());
    }

    // The stored decoration theme as the page shows it: one that is gone
    // or fails its check shows as the default decoration; the file keeps
    // its value until the user saves.
    void storedDecoration_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("installed") << "Slate" << "Slate";
        QTest::newRow("gone") << "Gone" << "Default";
        QTest::newRow("missing an image") << "Broken" << "Default";
    }
    void storedDecoration()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        const QByteArray file("[Variables]\nIconTheme=Complete\nDecorTheme=" + stored.toUtf8() + "\n");
        QVERIFY(vyrtest::writeFile(themeFile(), file));
        QVERIFY(openPage());
        auto *decorations = child<QComboBox>("decorThemeCombo");
        QCOMPARE(decorations->currentText(), shown);
        QVERIFY(decorations->isEnabled());
        QCOMPARE(decorations->count(), 2);
        QCOMPARE(decorations->itemText(1), QStringLiteral("Slate"));
        QVERIFY(!decorations->itemIcon(1).isNull());
        // Colour schemes belong to the default decoration.
        QCOMPARE(child<QComboBox>("colorSchemeComboBox")->isEnabled(), shown == QLatin1String("Default"));
        QVERIFY(!m_page->isChanged());
        cleanup();
        QCOMPARE(vyrtest::readFile(themeFile()), file);
    }

    // The toolbar icon choice goes to the Qt settings every Qt program
    // reads; the file's other settings stay.
    void toolbarIconsGoToQtSettings()
    {
        const QString trolltech = vyrtest::home() + QStringLiteral("/.config/Trolltech.conf");
        QVERIFY(vyrtest::writeFile(trolltech, "[Qt]\nstyle=Fusion\nuseSymbolicIconsForToolBar=True\n"));
        QVERIFY(openPage());
        auto *box = child<QCheckBox>("useSymbolicIconsForToolBarCheckBox");
        QVERIFY(box->isChecked()); // "True" holds "rue"
        box->setChecked(false);
        m_page->save();
        const QSettings stored(trolltech, QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("Qt/useSymbolicIconsForToolBar")).toString(), QStringLiteral("false"));
        QCOMPARE(stored.value(QStringLiteral("Qt/style")).toString(), QStringLiteral("Fusion"));
    }

    void cursorSizeList()
    {
        QVERIFY(vyrXrdbMerge("Xcursor.size: 20\n"));
        QVERIFY(openPage());
        auto *sizes = child<QComboBox>("cursorSizeComboBox");
        QStringList items;
        for (int i = 0; i < sizes->count(); ++i)
            items << sizes->itemText(i);
        QCOMPARE(items, (QStringList{"Auto", "16", "20", "24", "32", "48", "64"}));
        QCOMPARE(sizes->currentText(), QStringLiteral("20"));
    }

    void cursorChange_data()
    {
        QTest::addColumn<QByteArray>("serverSize"); // Xcursor.size before, empty for none
        QTest::addColumn<QString>("theme");         // chosen, empty to keep
        QTest::addColumn<QString>("size");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<QByteArray>("resources");
        const QByteArray mine("! mine\nXft.dpi: 96\n");
        QTest::newRow("theme only") << QByteArray() << QStringLiteral("Pointers") << QStringLiteral("Auto")
                                    << QStringList{"VYRWM_UPDATE_VAL CursorTheme Pointers"}
                                    << QStringList{"New cursor theme will be applied to newly started apps"}
                                    << mine + "Xcursor.theme: Pointers\n";
        QTest::newRow("size and theme: the size warns")
            << QByteArray() << QStringLiteral("Pointers") << QStringLiteral("32")
            << QStringList{"VYRWM_UPDATE_VAL CursorSize 32", "VYRWM_UPDATE_VAL CursorTheme Pointers"}
            << QStringList{"New cursor size will be applied to newly started apps"}
            << mine + "Xcursor.size: 32\nXcursor.theme: Pointers\n";
        QTest::newRow("Auto over a set size") << QByteArray("24") << QString() << QStringLiteral("Auto")
                                              << QStringList{"VYRWM_UPDATE_VAL CursorSize -1"}
                                              << QStringList{"New cursor size will be applied to newly started apps"}
                                              << mine;
        QTest::newRow("Auto without a size: nothing") << QByteArray() << QString() << QStringLiteral("Auto")
                                                      << QStringList() << QStringList() << mine;
    }
    void cursorChange()
    {
        QFETCH(QByteArray, serverSize);
        QFETCH(QString, theme);
        QFETCH(QString, size);
        QVERIFY(vyrtest::writeFile(vyrtest::home() + QStringLiteral("/.Xresources"), "! mine\nXft.dpi: 96\n"));
        QVERIFY(vyrtest::writeFile(vyrtest::home() + QStringLiteral("/.icons/default/index.theme"),
                                   "[Icon Theme]\nName=Default\n"));
        if (!serverSize.isEmpty())
            QVERIFY(vyrXrdbMerge("Xcursor.size: " + serverSize + "\n"));
        QVERIFY(openPage());
        if (!theme.isEmpty())
            choose("cursorThemeCombo", theme);
        choose("cursorSizeComboBox", size);
        ModalAnswerer answerer(QMessageBox::Ok);
        m_page->save();
        QTEST(answerer.texts(), "warnings");
        for (const QString &title : answerer.titles())
            QCOMPARE(title, QStringLiteral("Warning"));
        QTEST(commands().filter(QStringLiteral("Cursor")), "sent");
        QTEST(vyrtest::readFile(vyrtest::home() + QStringLiteral("/.Xresources")), "resources");
        const QByteArray server = vyrXrdbQuery();
        QCOMPARE(server.contains("Xcursor.theme:\tPointers\n"), !theme.isEmpty());
        QCOMPARE(server.contains("Xcursor.size:"), size != QLatin1String("Auto"));
        QCOMPARE(vyrtest::readFile(vyrtest::home() + QStringLiteral("/.icons/default/index.theme")),
                 QByteArray("[Icon Theme]\nName=Default\n") + (theme.isEmpty() ? "" : "Inherits=Pointers\n"));
    }

    // A scheme saved again goes to the window manager as its two colours,
    // not as a new scheme.
    void sameSchemeSendsItsColours()
    {
        const QString user = vyrtest::home() + QStringLiteral("/.local/share/color-schemes/User.colors");
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\nIconTheme=Complete\nIconStringColor=#ffffff\n"));
        QVERIFY(vyrtest::writeFile(
            paletteFile(),
            "[Variables]\nPrimaryColor=#5a91bd\nBackgroundColor=#ffffff\nColorScheme=" + user.toUtf8() + "\n"));
        QVERIFY(openPage());
        child<KColorButton>("primaryColorButton")->setColor(QColor(QStringLiteral("#804020")));
        child<KColorButton>("backgroundColorButton")->setColor(QColor(QStringLiteral("#f0f0f0")));
        m_page->save();
        const QStringList sent = commands();
        QCOMPARE(sent.filter(QStringLiteral("Color ")),
                 (QStringList{"VYRWM_UPDATE_VAL PrimaryColor #804020", "VYRWM_UPDATE_VAL BackgroundColor #f0f0f0"}));
        QCOMPARE(sent.filter(QStringLiteral("ColorScheme")), QStringList());
    }

    void desktopItems_data()
    {
        QTest::addColumn<QByteArray>("computer"); // the item before, empty when absent
        QTest::addColumn<bool>("showComputer");
        QTest::addColumn<bool>("showTrash");
        QTest::addColumn<int>("shortcutCommands");
        QTest::addColumn<bool>("computerHidden");
        const QByteArray visible("[Desktop Entry]\nType=Link\nName=Computer\n");
        QTest::newRow("trash checked, no item: template copied") << QByteArray() << false << true << 1 << false;
        QTest::newRow("nothing to do") << QByteArray() << false << false << 0 << false;
        QTest::newRow("computer hidden") << visible << false << false << 1 << true;
        QTest::newRow("computer kept shown still announces") << visible << true << false << 1 << false;
    }
    void desktopItems()
    {
        QFETCH(QByteArray, computer);
        if (!computer.isEmpty())
            QVERIFY(vyrtest::writeFile(desktop() + QStringLiteral("/mycomp.desktop"), computer));
        QVERIFY(openPage());
        QFETCH(bool, showComputer);
        QFETCH(bool, showTrash);
        child<QCheckBox>("myCompCheckBox")->setChecked(showComputer);
        child<QCheckBox>("myTrashCheckBox")->setChecked(showTrash);
        m_page->save();
        QTEST(int(commands().count(QStringLiteral("VYRWM_UPDATE_SHORTCUT"))), "shortcutCommands");
        QCOMPARE(QFile::exists(desktop() + QStringLiteral("/mytrash.desktop")), showTrash);
        if (showTrash)
            QCOMPARE(vyrtest::readFile(desktop() + QStringLiteral("/mytrash.desktop")),
                     vyrtest::readFile(vyrtest::sourceDir()
                                       + QStringLiteral("/data/share/vyr/Desktops/Desktop1/mytrash.desktop")));
        if (!computer.isEmpty()) {
            QFETCH(bool, computerHidden);
            QCOMPARE(vyrtest::readFile(desktop() + QStringLiteral("/mycomp.desktop")).contains("Hidden=true"),
                     computerHidden);
        }
    }

    void decorationTheme()
    {
        QVERIFY(vyrtest::writeFile(
            themeFile(), "[Variables]\nIconTheme=Complete\nWallPaper=/usr/share/wallpapers/vyr-default-light.jpg\n"));
        const QByteArray palette = vyrtest::readFile(paletteFile());
        BusSignals bus;
        QVERIFY(bus.listen(QStringLiteral("/BreezeStyle"), QStringLiteral("org.kde.Breeze.Style"),
                           QStringLiteral("reparseConfiguration")));
        QVERIFY(bus.listen(QStringLiteral("/KIconLoader"), QStringLiteral("org.kde.KIconLoader"),
                           QStringLiteral("iconChanged")));
        QVERIFY(openPage());
        // A scheme chosen on the way is not applied with a decoration theme.
        choose("colorSchemeComboBox", QStringLiteral("Solva Dark"));
        choose("decorThemeCombo", QStringLiteral("Slate"));
        QVERIFY(!child<QComboBox>("colorSchemeComboBox")->isEnabled());
        m_page->save();
        QCOMPARE(themeValue(QStringLiteral("DecorTheme")), QStringLiteral("Slate"));
        // The centre pixel of the shipped taskbar image.
        for (const char *key : {"MenuColor", "MenuColor2", "TaskbarColor"})
            QCOMPARE(themeValue(QLatin1String(key)), QStringLiteral("#2e3b4e"));
        QCOMPARE(vyrtest::readFile(vyrtest::sandboxRoot() + QStringLiteral("/helpers.log")),
                 QByteArray(vyrtest::sysPath(QStringLiteral("/usr/bin/killall")).toUtf8() + " vyr-start-panel\n"
                            + vyrtest::sysPath(QStringLiteral("/usr/bin/vyr-vkbd")).toUtf8() + " --update\n"));
        QCOMPARE(vyrtest::readFile(paletteFile()), palette);
        QCOMPARE(themeValue(QStringLiteral("WallPaper")), s_lightWallpaper);
        QVERIFY(themeValue(QStringLiteral("TitlebarColor")).isEmpty());
        QVERIFY(themeValue(QStringLiteral("WallPaperColorScheme")).isEmpty());
        const QStringList sent = commands();
        QVERIFY(sent.contains(QStringLiteral("VYRWM_UPDATE_VAL DecorTheme Slate")));
        QVERIFY(sent.filter(QStringLiteral("ColorScheme")).isEmpty());
        QCOMPARE(bus.received, QStringList());
    }

    void highIntegrity()
    {
        // The flag comes from the session's integrity tool, as at start.
        QVERIFY(vyrtest::writeScript(QStringLiteral("kelvra"), "echo 'level: 63'\n"));
        QVERIFY(queryIntegrityLevel());
        const QByteArray palette = vyrtest::readFile(paletteFile());
        ModalAnswerer answerer(QMessageBox::Ok);
        QVERIFY(openPage());
        QVERIFY(!child<QComboBox>("decorThemeCombo")->isEnabled());
        QVERIFY(!child<QComboBox>("colorSchemeComboBox")->isEnabled());
        QVERIFY(!child<QComboBox>("wallPaperColorSchemeComboBox")->isEnabled());
        child<QCheckBox>("adaptiveIconStringColorCheckBox")->setChecked(false);
        m_page->save();
        QCOMPARE(answerer.count(), 0);
        QCOMPARE(vyrtest::readFile(paletteFile()), palette);
        QVERIFY(themeValue(QStringLiteral("DecorTheme")).isEmpty());
        QVERIFY(themeValue(QStringLiteral("WallPaperColorScheme")).isEmpty());
        QCOMPARE(themeValue(QStringLiteral("AdaptiveIconStringColor")), QStringLiteral("false"));
    }

    // A scheme tried on the page and not saved leaves breezerc as it was.
    void previewIsNotKept()
    {
        const QString breezerc = vyrtest::home() + QStringLiteral("/.config/breezerc");
        QVERIFY(vyrtest::writeFile(breezerc, "[Colors:View]\nDecorationFocus=#010203\n"));
        QVERIFY(openPage());
        choose("colorSchemeComboBox", QStringLiteral("Solva Dark"));
        QCOMPARE(QApplication::palette().color(QPalette::Active, QPalette::Highlight), QColor(0x5a, 0x91, 0xbd));
        cleanup();
        KSharedConfig::openConfig(QStringLiteral("breezerc"))->reparseConfiguration();
        QCOMPARE(vyrtest::readFile(breezerc), QByteArray("[Colors:View]\nDecorationFocus=#010203\n"));
    }

    void wallpaperFollowsScheme_data()
    {
        QTest::addColumn<bool>("wallpaperAfterScheme");
        QTest::addColumn<QString>("wallpaper");
        QTest::addColumn<QByteArray>("shadow");
        QTest::newRow("scheme chosen: dark wallpaper with it") << false << s_darkWallpaper << QByteArray("#5A91BD");
        QTest::newRow("wallpaper chosen after the scheme stays") << true << s_lightWallpaper << QByteArray("#000000");
    }
    void wallpaperFollowsScheme()
    {
        QFETCH(bool, wallpaperAfterScheme);
        QVERIFY(vyrtest::writeFile(themeFile(),
                                   "[Variables]\nIconTheme=Complete\nWallPaper=" + s_lightWallpaper.toUtf8() + "\n"));
        QVERIFY(openPage());
        m_wallpaperPage = std::make_unique<WallpaperPage>(m_theme.get(), m_palette.get(), nullptr);
        m_wallpaperPage->load();
        m_page->setWallpaperPage(m_wallpaperPage.get());
        choose("colorSchemeComboBox", QStringLiteral("Solva Dark"));
        if (wallpaperAfterScheme)
            m_wallpaperPage->selectWallpaperFile(s_lightWallpaper);
        m_page->save();
        QTEST(themeValue(QStringLiteral("WallPaper")), "wallpaper");
        QFETCH(QByteArray, shadow);
        QCOMPARE(vyrtest::readFile(vyrtest::home() + QStringLiteral("/.config/picom.conf")),
                 "shadow-color = \"" + shadow + "\";\n");
        QCOMPARE(
            QSettings(paletteFile(), QSettings::IniFormat).value(QStringLiteral("Variables/ColorScheme")).toString(),
            s_solvaDark);
        QCOMPARE(commands().count(QStringLiteral("VYRWM_UPDATE_VAL ColorScheme ") + s_solvaDark), 1);
    }

    void equalColoursMoveTheBackground_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("background");
        // White text on the dark primary: lightened by 0.166, HSL (210, 0.5,
        // 0.251) becomes (210, 0.5, 0.375), rgb (48, 96, 144).
        QTest::newRow("dark primary") << QStringLiteral("#204060") << QStringLiteral("#306090");
        // Black text on the light primary: darkened by 0.1, lightness
        // 0.878 becomes 0.791, grey 202.
        QTest::newRow("light primary") << QStringLiteral("#e0e0e0") << QStringLiteral("#cacaca");
    }
    void equalColoursMoveTheBackground()
    {
        QFETCH(QString, colour);
        QVERIFY(vyrtest::writeFile(paletteFile(),
                                   "[Variables]\nPrimaryColor=#5a91bd\nBackgroundColor=#ffffff\nColorScheme="
                                       + vyrtest::home().toUtf8() + "/.local/share/color-schemes/User.colors\n"));
        QVERIFY(openPage());
        child<KColorButton>("primaryColorButton")->setColor(QColor(colour));
        child<KColorButton>("backgroundColorButton")->setColor(QColor(colour));
        m_page->save();
        const QSettings stored(paletteFile(), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("Variables/PrimaryColor")).toString(), colour);
        QTEST(stored.value(QStringLiteral("Variables/BackgroundColor")).toString(), "background");
    }
};

// Its own display: the page merges X resources (cursor, Xft.dpi) when it saves.
VYR_TEST_MAIN_OWN_DISPLAY(TestThemePage)
#include "test_themepage.moc"
