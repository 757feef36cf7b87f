// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "modalanswerer.h"
#include "testenv.h"
#include "wmrecorder.h"

#include "menueditor.h"
#include "vyrautostart.h"
#include "vyrdesktopentry.h"
#include "vyrmenudialog.h"
#include "vyrpaths.h"
#include "vyrsettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>

class TestMenuEdit : public QObject
{
    Q_OBJECT

private:
    WmRecorder m_recorder;

    static QString log() { return vyrtest::sandboxRoot() + QStringLiteral("/programs.log"); }
    static QString startMenu() { return GetVyrDir(VyrDirStartMenu); }
    static QString toolbar() { return GetVyrDir(VyrDirToolbar); }
    static QString themeFile() { return GetVyrDir(VyrDirUserTheme) + QStringLiteral("/current.themerc"); }
    static QByteArray entry(const QByteArray &name, const QByteArray &extra = QByteArray())
    {
        return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + name.toLower() + "\n" + extra;
    }
    static void installProgram(const QString &name)
    {
        // Records its start instead of showing a menu.
        vyrtest::writeScript(vyrtest::sysPath("/usr/bin/") + name,
                             "#!/bin/sh\necho \"" + name.toUtf8() + " $*\" >> '" + log().toUtf8() + "'\n");
    }
    static void setTheme(const QByteArray &useStartButton)
    {
        vyrtest::writeFile(themeFile(), "[Variables]\nUseStartButton=" + useStartButton + "\nOther=kept\n");
    }
    static QString themeValue(const QString &key)
    {
        const VyrSettings theme(themeFile());
        return theme.value(key, QStringLiteral("(absent)")).toString();
    }
    static QByteArray programLog() { return vyrtest::readFile(log()); }
    static bool hidden(const QString &path)
    {
        VyrDesktopEntry e(path);
        return e.load() && e.hidden();
    }
    // Accepts the dialog as OK does and carries the options over.
    static void accept(MenuEditor &editor)
    {
        editor.dialog()->accept();
        QCOMPARE(editor.dialog()->result(), int(QDialog::Accepted));
        QCOMPARE(editor.finish(editor.dialog()->result()), 0);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_recorder.start(), "vyr-wm-recorder did not start");
    }

    void init()
    {
        vyrtest::resetHome();
        QDir(vyrtest::sysroot()).removeRecursively();
        vyrtest::installShippedData();
        QFile::remove(log());
        // Never the real killall: this one only writes down what it was asked.
        vyrtest::writeScript("killall", "#!/bin/sh\necho \"killall $*\" >> '" + log().toUtf8() + "'\n");
        m_recorder.takeCommands();
    }

    void arguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("menuDir");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("options");
        const QString home = vyrtest::home();
        const QString menu = home + "/.vyr/startmenu";
        const QString bar = home + "/.vyr/toolbar";
        QTest::newRow("%d is no argument") << QStringList{"%d"} << menu << QString() << true;
        QTest::newRow("no argument") << QStringList() << menu << QString() << true;
        QTest::newRow("two arguments are ignored") << QStringList{bar, home + "/apps"} << menu << QString() << true;
        QTest::newRow("entry inside the start menu opens its root")
            << QStringList{menu + "/Games/chess.desktop"} << menu << menu + "/Games/chess.desktop" << true;
        QTest::newRow("entry elsewhere opens its directory")
            << QStringList{home + "/apps/tool.desktop"} << home + "/apps" << home + "/apps/tool.desktop" << false;
        QTest::newRow("the toolbar") << QStringList{bar} << bar << QString() << true;
        QTest::newRow("a directory record") << QStringList{bar + "/.directory"} << bar << QString() << true;
        QTest::newRow("relative path") << QStringList{"apps/tool.desktop"} << home + "/apps"
                                       << home + "/apps/tool.desktop" << false;
    }
    void arguments()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, menuDir);
        QFETCH(QString, selected);
        QFETCH(bool, options);
        vyrtest::writeFile(startMenu() + "/Games/.directory", "[Desktop Entry]\nType=Directory\nName=Games\n");
        vyrtest::writeFile(startMenu() + "/Games/chess.desktop", entry("Chess"));
        vyrtest::writeFile(vyrtest::home() + "/apps/tool.desktop", entry("Tool"));
        vyrtest::writeFile(toolbar() + "/.directory", "[Desktop Entry]\nType=Directory\n");
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(vyrtest::home());
        ModalAnswerer answerer(QMessageBox::Escape);
        MenuEditor editor;
        const int status = editor.prepare(args);
        QDir::setCurrent(oldCurrent);
        QCOMPARE(status, MenuEditor::Continue);
        QCOMPARE(answerer.count(), 0);
        QCOMPARE(editor.dialog()->menuDir(), menuDir);
        QCOMPARE(editor.dialog()->selectedItemPath(), selected);
        QCOMPARE(editor.classicMenuCheck() != nullptr, options);
        QCOMPARE(editor.tooltipsCheck() != nullptr, options);
        QPushButton *help = editor.dialog()->buttonBox()->button(QDialogButtonBox::Help);
        QVERIFY(help);
        QVERIFY(!help->isDefault() && !help->autoDefault());
    }

    void missingDirectory_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("created");
        QTest::newRow("no") << int(QMessageBox::No) << int(MenuEditor::Declined) << false;
        QTest::newRow("yes") << int(QMessageBox::Yes) << int(MenuEditor::Continue) << true;
    }
    void missingDirectory()
    {
        QFETCH(int, answer);
        QFETCH(int, status);
        QFETCH(bool, created);
        const QString dir = vyrtest::home() + "/new menu/sub";
        ModalAnswerer answerer(QMessageBox::Escape);
        answerer.answer(QMessageBox::StandardButton(answer));
        MenuEditor editor;
        QCOMPARE(editor.prepare({dir + "/entry.desktop"}), status);
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Directory %1 doesn't exist. Create?").arg(dir)});
        QCOMPARE(QFileInfo(dir).isDir(), created);
    }

    void uncreatableDirectory()
    {
        const QString parent = vyrtest::home() + "/locked";
        QDir().mkpath(parent);
        QFile::setPermissions(parent, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                          | QFileDevice::ExeOther);
        vyrtest::AsOrdinaryUser nobody;
        if (!nobody.active())
            QSKIP("permission checks need root to drop privileges");
        ModalAnswerer answerer(QMessageBox::Escape);
        answerer.answer(QMessageBox::Yes);
        MenuEditor editor;
        QCOMPARE(editor.prepare({parent + "/menu/"}), int(MenuEditor::CannotCreate));
        QCOMPARE(answerer.titles(), (QStringList{"Warning", "Error"}));
        QCOMPARE(answerer.texts().value(1), QStringLiteral("Can't create directory %1").arg(parent + "/menu"));
    }

    // Accepting the toolbar with the classic menu turned on hides the
    // toolbar's start item and tells the window manager; no program is stopped.
    void toolbarClassicOn()
    {
        installProgram("vyr-start-menu");
        setTheme("false");
        vyrtest::writeFile(toolbar() + "/start.desktop", entry("Start"));
        MenuEditor editor;
        QCOMPARE(editor.prepare({toolbar()}), MenuEditor::Continue);
        QVERIFY(!editor.classicMenuCheck()->isChecked());
        QVERIFY(editor.classicMenuCheck()->isEnabled());
        editor.classicMenuCheck()->setChecked(true);
        accept(editor);
        QVERIFY(hidden(toolbar() + "/start.desktop"));
        QCOMPARE(themeValue("UseStartButton"), QStringLiteral("true"));
        QCOMPARE(themeValue("Other"), QStringLiteral("kept"));
        QCOMPARE(m_recorder.takeCommands(), QStringList{"VYRWM_UPDATE_VAL UseStartButton true"});
        QCOMPARE(programLog(), QByteArray());
    }

    void withoutMenuPrograms_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("off: turned on") << QByteArray("false") << true << true
                                        << QStringList{"VYRWM_UPDATE_VAL UseStartButton true"};
        QTest::newRow("on: cannot be turned off") << QByteArray("True") << true << false << QStringList();
    }
    // Without a menu program the classic menu is the only start menu.
    void withoutMenuPrograms()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, checked);
        QFETCH(bool, enabled);
        QFETCH(QStringList, commands);
        setTheme(stored);
        MenuEditor editor;
        QCOMPARE(editor.prepare({"%d"}), MenuEditor::Continue);
        QCOMPARE(editor.classicMenuCheck()->isChecked(), checked);
        QCOMPARE(editor.classicMenuCheck()->isEnabled(), enabled);
        accept(editor);
        QCOMPARE(themeValue("UseStartButton").toLower(), QStringLiteral("true"));
        QCOMPARE(m_recorder.takeCommands(), commands);
        QCOMPARE(programLog(), QByteArray());
    }

    void startMenuClassicOff_data()
    {
        QTest::addColumn<QString>("home");
        QTest::newRow("plain home") << QString();
        QTest::newRow("blanks and shell characters") << QStringLiteral("/odd home $(touch pwned);'x'");
    }
    // Turning the classic menu off in the start menu brings the toolbar's
    // start item back (first in its order), enables the menu program's
    // autostart and starts it hidden. The copies work for any home path.
    void startMenuClassicOff()
    {
        QFETCH(QString, home);
        const QByteArray oldHome = qgetenv("HOME");
        if (!home.isEmpty())
            qputenv("HOME", (vyrtest::sandboxRoot() + home).toUtf8());
        installProgram("vyr-start-menu");
        installProgram("vyr-start-panel");
        setTheme("true");
        MenuEditor editor;
        QCOMPARE(editor.prepare({}), MenuEditor::Continue);
        editor.classicMenuCheck()->setChecked(false);
        accept(editor);
        const QString start = toolbar() + "/start.desktop";
        const QString record = toolbar() + "/.directory";
        qputenv("HOME", oldHome);

        QVERIFY(!hidden(start));
        VyrDesktopEntry startEntry(start);
        QVERIFY(startEntry.load());
        VyrDesktopEntry order(record);
        QVERIFY(order.load());
        QCOMPARE(order.sortOrder().value(0), QStringLiteral("start.desktop"));
        QVERIFY(!QFile::exists(vyrtest::sandboxRoot() + "/pwned"));
        QCOMPARE(m_recorder.takeCommands(), QStringList{"VYRWM_UPDATE_VAL UseStartButton false"});
        QTRY_COMPARE(programLog(), QByteArray("vyr-start-menu --hide\n"));
        QVERIFY(vyrIsAutostartEnabled("vyr-start-menu"));
        QVERIFY(!vyrIsAutostartEnabled("vyr-start-panel"));
    }

    void toolbarOrder_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("moved to the front") << QByteArray("[Desktop Entry]\nSortOrder=a.desktop,start.desktop\n")
                                            << QStringList{"start.desktop", "a.desktop"} << true;
        QTest::newRow("added in front") << QByteArray("[Desktop Entry]\nSortOrder=a.desktop\n")
                                        << QStringList{"start.desktop", "a.desktop"} << true;
        QTest::newRow("already first") << QByteArray("[Desktop Entry]\nSortOrder=start.desktop,a.desktop\n")
                                       << QStringList{"start.desktop", "a.desktop"} << false;
        QTest::newRow("malformed record replaced by the default")
            << QByteArray("garbage") << QStringList{"start.desktop"} << true;
    }
    void toolbarOrder()
    {
        QFETCH(QByteArray, record);
        QFETCH(QStringList, order);
        QFETCH(bool, rewritten);
        installProgram("vyr-start-panel");
        setTheme("true");
        vyrtest::writeFile(toolbar() + "/start.desktop", entry("Start", "Hidden=true\n"));
        vyrtest::writeFile(toolbar() + "/.directory", record);
        MenuEditor editor;
        QCOMPARE(editor.prepare({toolbar()}), MenuEditor::Continue);
        editor.classicMenuCheck()->setChecked(false);
        accept(editor);
        QVERIFY(!hidden(toolbar() + "/start.desktop"));
        VyrDesktopEntry result(toolbar() + "/.directory");
        QVERIFY(result.load());
        QCOMPARE(result.sortOrder(), order);
        QCOMPARE(vyrtest::readFile(toolbar() + "/.directory") != record, rewritten);
        // A record that had to be replaced is kept aside.
        QCOMPARE(QFile::exists(toolbar() + "/.directory.bak"), record == "garbage");
        // The panel's autostart is enabled; nothing is started for the toolbar.
        QVERIFY(vyrIsAutostartEnabled("vyr-start-panel"));
        QCOMPARE(programLog(), QByteArray());
    }

    // Turning the classic menu on in the start menu stops the menu program
    // and switches its autostart off (over a system record too).
    void startMenuClassicOn()
    {
        installProgram("vyr-start-menu");
        setTheme("false");
        vyrtest::writeFile(vyrtest::sysPath("/etc/xdg/autostart/vyr-start-menu.desktop"), entry("Menu"));
        vyrtest::writeFile(toolbar() + "/start.desktop", entry("Start"));
        MenuEditor editor;
        QCOMPARE(editor.prepare({}), MenuEditor::Continue);
        editor.classicMenuCheck()->setChecked(true);
        accept(editor);
        QVERIFY(!vyrIsAutostartEnabled("vyr-start-menu"));
        QVERIFY(hidden(toolbar() + "/start.desktop"));
        QCOMPARE(programLog(), QByteArray("killall vyr-start-menu\n"));
        QCOMPARE(m_recorder.takeCommands(), QStringList{"VYRWM_UPDATE_VAL UseStartButton true"});
    }

    void tooltipsOnly()
    {
        installProgram("vyr-start-menu");
        setTheme("false");
        MenuEditor editor;
        QCOMPARE(editor.prepare({}), MenuEditor::Continue);
        editor.tooltipsCheck()->setChecked(true);
        accept(editor);
        QCOMPARE(themeValue("TooltipEnabledInStartMenu"), QStringLiteral("true"));
        QCOMPARE(themeValue("UseStartButton"), QStringLiteral("false"));
        QCOMPARE(m_recorder.takeCommands(), QStringList{"VYRWM_UPDATE_VAL TooltipEnabledInStartMenu true"});
    }

    // A rejected dialog writes nothing but the geometry.
    void rejectWritesOnlyGeometry()
    {
        installProgram("vyr-start-menu");
        setTheme("false");
        const QByteArray theme = vyrtest::readFile(themeFile());
        MenuEditor editor;
        QCOMPARE(editor.prepare({}), MenuEditor::Continue);
        editor.classicMenuCheck()->setChecked(true);
        editor.tooltipsCheck()->setChecked(true);
        editor.dialog()->resize(611, 422);
        QTimer::singleShot(0, editor.dialog(), &QDialog::reject);
        QCOMPARE(editor.run(), 0);
        QCOMPARE(vyrtest::readFile(themeFile()), theme);
        QVERIFY(!QFile::exists(toolbar()));
        QCOMPARE(m_recorder.takeCommands(), QStringList());
        QCOMPARE(programLog(), QByteArray());
        QSettings settings;
        settings.beginGroup("Main");
        QCOMPARE(settings.value("width").toInt(), 611);
        QCOMPARE(settings.value("height").toInt(), 422);
        QCOMPARE(settings.value("maximized").toBool(), false);
    }

    // The program itself: usage, and a declined directory.
    void program()
    {
        const auto usage = vyrtest::run(vyrtest::programPath("vyr-menuedit"), {"--help"});
        QCOMPARE(usage.exitCode, 1);
        QCOMPARE(usage.out,
                 QByteArray("Usage: vyr-menuedit path - open path as menu or other desktop entry collection\n\n"));

        const QString xdotool = QStandardPaths::findExecutable("xdotool");
        if (xdotool.isEmpty())
            QSKIP("xdotool is needed to answer the program's question");
        QProcess process;
        process.start(vyrtest::programPath("vyr-menuedit"), {vyrtest::home() + "/nowhere/menu.desktop"});
        QVERIFY(process.waitForStarted());
        // Escape answers the question with its escape button, No.
        QString window;
        QTRY_VERIFY_WITH_TIMEOUT(!(window = QString::fromLatin1(
                                       vyrtest::run(xdotool, {"search", "--name", "^Warning"}).out.trimmed()))
                                      .isEmpty(),
                                 10000);
        window = window.section('\n', 0, 0);
        vyrtest::run(xdotool, {"windowfocus", "--sync", window});
        vyrtest::run(xdotool, {"key", "--clearmodifiers", "Escape"});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), int(MenuEditor::Declined));
        QVERIFY(!QFile::exists(vyrtest::home() + "/nowhere"));
    }
};

VYR_TEST_MAIN_OWN_DISPLAY(TestMenuEdit)
#include "test_menuedit.moc"
