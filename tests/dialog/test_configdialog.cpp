// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "filechoices.h"
#include "modalanswerer.h"
#include "testenv.h"

#include <configdialog.h>
#include <lockedvalue.h>
#include <session.h>
#include <themesettings.h>
#include <themepage.h>
#include <vyrqtconfigpage.h>
#include <vyrqtconfigwidget.h>
#include <wallpaperpage.h>
#include <wmcolours.h>

#include <KPageWidget>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTextBrowser>

#include <memory>

namespace {
const QString s_lightWallpaper = QStringLiteral("/usr/share/wallpapers/vyr-default-light.jpg");
const QString s_darkWallpaper = QStringLiteral("/usr/share/wallpapers/vyr-default-dark.jpg");
const QString s_redWallpaper = QStringLiteral("/usr/share/wallpapers/vyr-default-red.jpg");
const QString s_solvaDark = QStringLiteral("/usr/share/color-schemes/SolvaDark.colors");
const QString s_solvaLight = QStringLiteral("/usr/share/color-schemes/SolvaLight.colors");
const QString s_vanteraAdmin = QStringLiteral("/usr/share/color-schemes/SolvaVanteraAdmin.colors");
}

class TestConfigDialog : public QObject
{
    Q_OBJECT
private:
    QString themeFile() const { return vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc"); }
    QString paletteFile() const { return vyrtest::home() + QStringLiteral("/.vyr/paletterc"); }
    QString qtConf() const { return vyrtest::home() + QStringLiteral("/.config/Trolltech.conf"); }
    QString geometryConf() const
    {
        return vyrtest::home() + QStringLiteral("/.config/orlenvask/vyr-admin-theme.conf");
    }

    void writePalette(const QString &scheme, const QString &background = QStringLiteral("#ffffff"))
    {
        QVERIFY(vyrtest::writeFile(paletteFile(), "[Variables]\nPrimaryColor=#5682a3\nBackgroundColor="
                                                      + background.toLatin1() + "\nColorScheme=" + scheme.toLatin1()
                                                      + "\n"));
    }

    std::unique_ptr<ConfigDialog> makeDialog()
    {
        return std::make_unique<ConfigDialog>(themeFile(), paletteFile());
    }

    std::unique_ptr<ConfigDialog> showDialog()
    {
        auto dialog = makeDialog();
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            return nullptr;
        return dialog;
    }

    /// Clicks the page list's entry @p row, as the user does.
    static void clickPage(ConfigDialog *dialog, int row)
    {
        auto *view = dialog->pageWidget()->findChild<QAbstractItemView *>();
        QVERIFY(view);
        const QModelIndex index = view->model()->index(row, 0);
        QVERIFY(index.isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
        QCOMPARE(currentRow(dialog), row);
    }

    static int currentRow(ConfigDialog *dialog)
    {
        const QString name = dialog->pageWidget()->currentPage()->name();
        for (int i = 0; i < ConfigDialog::pageNames().size(); ++i) {
            if (QCoreApplication::translate("ConfigDialog", ConfigDialog::pageNames().at(i).toLatin1()) == name)
                return i;
        }
        return -1;
    }

    /// Shows the Programs page and makes one edit there, with the keyboard.
    static void editProgramsPage(ConfigDialog *dialog)
    {
        clickPage(dialog, 6);
        QVERIFY(dialog->programsPage()->configWidget());
        auto *spin = dialog->programsPage()->configWidget()->findChild<QSpinBox *>(QStringLiteral("wheelScrollLines"));
        QVERIFY(spin);
        QTest::keyClick(spin, Qt::Key_Up);
    }

    static bool okEnabled(ConfigDialog *dialog)
    {
        return dialog->buttonBox()->button(QDialogButtonBox::Ok)->isEnabled();
    }

    /// Runs the application's event loop around @p action; true when the
    /// application was told to quit.
    static bool quitsApplication(const std::function<void()> &action)
    {
        bool quit = false;
        QTimer::singleShot(0, qApp, [&] {
            // Quitting ends every running loop at once, the probe's too, so
            // the answer is known when the action returns.
            QEventLoop probe;
            QTimer::singleShot(0, &probe, [&] {
                action();
                quit = !probe.isRunning();
                probe.exit();
            });
            probe.exec();
            if (!quit)
                QCoreApplication::exit(42);
        });
        QCoreApplication::exec();
        return quit;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The Sounds page warns when it loads without a sound player.
        QVERIFY(vyrtest::writeScript(vyrtest::sysPath(QStringLiteral("/usr/bin/play")), "exit 0\n"));
        // The Effects page warns about a missing or stopped compositor when it
        // loads; these tests are about the window, so there is no compositing.
        qputenv("VYR_NO_REAL_COMPOSITE", "1");
        // An icon theme of the sandbox's own, so that the page icons resolve.
        QVERIFY(vyrtest::writeFile(vyrtest::sysPath(QStringLiteral("/usr/share/icons/hicolor/index.theme")),
                                   "[Icon Theme]\nName=hicolor\nDirectories=48x48/apps\n\n"
                                   "[48x48/apps]\nSize=48\nType=Fixed\n"));
        for (const char *icon : {"preferences-desktop-wallpaper", "preferences-desktop-theme", "preferences-desktop-font",
                                 "preferences-desktop-screensaver", "system-run", "preferences-desktop-sound",
                                 "applications-development"}) {
            QImage image(48, 48, QImage::Format_ARGB32);
            image.fill(Qt::darkCyan);
            const QString path = vyrtest::sysPath(QStringLiteral("/usr/share/icons/hicolor/48x48/apps/%1.png").arg(QLatin1String(icon)));
            QVERIFY(vyrtest::writeFile(path, QByteArray()));
            QVERIFY(image.save(path));
        }

        QCoreApplication::setOrganizationName(QStringLiteral("orlenvask"));
        QCoreApplication::setApplicationName(QStringLiteral("vyr-admin-theme"));
        // The shipped data holds the three default wallpapers.
        vyrtest::installShippedData();
    }

    void init()
    {
        sessionFlags().highIntegritySession = false;
        vyrtest::resetHome();
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\n"));
        writePalette(QStringLiteral("/usr/share/color-schemes/VyrDefault.colors"));
    }

    void structure()
    {
        auto dialog = makeDialog();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Vyr Theme Editor - current.themerc[*]"));
        QCOMPARE(dialog->windowIconText(), QStringLiteral("Vyr Theme Editor"));

        const QStringList names{QStringLiteral("Wallpaper"),   QStringLiteral("Theme"),   QStringLiteral("Fonts"),
                                QStringLiteral("Screensaver"), QStringLiteral("Effects"), QStringLiteral("Sounds"),
                                QStringLiteral("Programs")};
        QCOMPARE(ConfigDialog::pageNames(), names);
        const QStringList icons{QStringLiteral("preferences-desktop-wallpaper"),
                                QStringLiteral("preferences-desktop-theme"),
                                QStringLiteral("preferences-desktop-font"),
                                QStringLiteral("preferences-desktop-screensaver"),
                                QStringLiteral("system-run"),
                                QStringLiteral("preferences-desktop-sound"),
                                QStringLiteral("applications-development")};
        auto *view = dialog->pageWidget()->findChild<QAbstractItemView *>();
        QVERIFY(view);
        QCOMPARE(view->model()->rowCount(), 7);
        for (int row = 0; row < 7; ++row) {
            const QModelIndex index = view->model()->index(row, 0);
            QCOMPARE(index.data(Qt::DisplayRole).toString(), names.at(row));
            QCOMPARE(index.data(Qt::DecorationRole).value<QIcon>().name(), icons.at(row));
        }
        QCOMPARE(currentRow(dialog.get()), 0);
        QVERIFY(!dialog->pageWidget()->currentPage()->isHeaderVisible());
        QCOMPARE(dialog->wallpaperPage()->themePage(), dialog->themePage());
        QCOMPARE(dialog->themePage()->wallpaperPage(), dialog->wallpaperPage());

        QDialogButtonBox *box = dialog->buttonBox();
        QVERIFY(box->button(QDialogButtonBox::Ok)->isDefault());
        QVERIFY(!box->button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(!box->button(QDialogButtonBox::Apply)->isEnabled());
        QVERIFY(box->button(QDialogButtonBox::Cancel)->isEnabled());
        QCOMPARE(box->button(QDialogButtonBox::Help)->shortcut(), QKeySequence(QKeySequence::HelpContents));
        QStringList extras;
        QStringList tips;
        for (QAbstractButton *button : box->buttons()) {
            if (box->buttonRole(button) == QDialogButtonBox::ResetRole) {
                extras << button->text();
                tips << button->toolTip();
            }
        }
        QCOMPARE(extras, (QStringList{QStringLiteral("Restore..."), QStringLiteral("Export..."), QStringLiteral("Import...")}));
        QCOMPARE(tips.at(0), QStringLiteral("Restore all settings.\nAll changes will be lost and restart session will be required."));
        QCOMPARE(tips.at(1), QStringLiteral("Export all settings.\nAll settings will be saved in archive."));
        QCOMPARE(tips.at(2), QStringLiteral("Import all settings.\nAll settings will be rewritten from archive and restart session will be required."));
    }

    void titleWithoutThemeFile()
    {
        ConfigDialog dialog(QString(), paletteFile());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Vyr Theme Editor"));
    }

    void pagesLoadWhenFirstShown()
    {
        auto dialog = showDialog();
        QVERIFY(dialog);
        QVERIFY(dialog->wallpaperPage()->isLoaded());
        for (const QString &name : ConfigDialog::pageNames().mid(1))
            QVERIFY2(!dialog->page(name)->isLoaded(), qPrintable(name));
        QVERIFY(!dialog->programsPage()->configWidget());
        clickPage(dialog.get(), 6);
        QVERIFY(dialog->programsPage()->isLoaded());
        QVERIFY(dialog->programsPage()->configWidget());
        QVERIFY(!dialog->page(QStringLiteral("Fonts"))->isLoaded());
    }

    void val_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("row");
        const QStringList names = ConfigDialog::pageNames();
        for (int i = 0; i < names.size(); ++i)
            QTest::newRow(qPrintable(names.at(i))) << names.at(i) << i;
        QTest::newRow("ColorScheme selects nothing") << QStringLiteral("ColorScheme") << 2;
        QTest::newRow("names are case-sensitive") << QStringLiteral("fonts") << 2;
        QTest::newRow("empty") << QString() << 2;
    }
    void val()
    {
        QFETCH(QString, page);
        QFETCH(int, row);
        auto dialog = makeDialog();
        dialog->val(QStringLiteral("Fonts"));
        dialog->val(page);
        QCOMPARE(currentRow(dialog.get()), row);
    }

    void valPassesTheArgumentOn_data()
    {
        QTest::addColumn<bool>("highIntegrity");
        QTest::newRow("normal session") << false;
        QTest::newRow("high integrity: ignored") << true;
    }
    void valPassesTheArgumentOn()
    {
        QFETCH(bool, highIntegrity);
        sessionFlags().highIntegritySession = highIntegrity;
        auto dialog = makeDialog();
        dialog->val(QStringLiteral("Wallpaper"), s_darkWallpaper);
        QCOMPARE(dialog->wallpaperPage()->wallpaper() == s_darkWallpaper, !highIntegrity);
        dialog->val(QStringLiteral("Theme"), s_solvaDark);
        QCOMPARE(currentRow(dialog.get()), 1);
        QCOMPARE(dialog->themePage()->currentSchemePath() == s_solvaDark, !highIntegrity);
    }

    void messageReceived()
    {
        auto dialog = showDialog();
        QVERIFY(dialog);
        dialog->val(QStringLiteral("Fonts"));
        QVERIFY(dialog->messageReceived(QStringLiteral("Wallpaper ") + s_darkWallpaper));
        QCOMPARE(currentRow(dialog.get()), 0);
        QCOMPARE(dialog->wallpaperPage()->wallpaper(), s_darkWallpaper);

        // "Wallpaper " with no path only selects the page.
        dialog->val(QStringLiteral("Sounds"));
        QVERIFY(dialog->messageReceived(QStringLiteral("Wallpaper ")));
        QCOMPARE(currentRow(dialog.get()), 0);
        QCOMPARE(dialog->wallpaperPage()->wallpaper(), s_darkWallpaper);

        dialog->showMinimized();
        QTRY_VERIFY(dialog->isMinimized());
        QVERIFY(dialog->messageReceived(QStringLiteral("show")));
        QTRY_VERIFY(!dialog->isMinimized());
        dialog->hide();
        QVERIFY(dialog->messageReceived(QStringLiteral("show")));
        QVERIFY(dialog->isVisible());
        QCOMPARE(currentRow(dialog.get()), 0);
    }

    void editEnablesApplyWhichSaves()
    {
        auto dialog = showDialog();
        QVERIFY(dialog);
        editProgramsPage(dialog.get());
        QVERIFY(okEnabled(dialog.get()));
        QVERIFY(dialog->buttonBox()->button(QDialogButtonBox::Apply)->isEnabled());
        QVERIFY(dialog->isWindowModified());
        // Another page reporting "unchanged" does not hide the edit.
        Q_EMIT dialog->page(QStringLiteral("Fonts"))->changed(false);
        QVERIFY(okEnabled(dialog.get()));
        QVERIFY(!QFile::exists(qtConf()));

        QTest::mouseClick(dialog->buttonBox()->button(QDialogButtonBox::Apply), Qt::LeftButton);
        QVERIFY(vyrtest::readFile(qtConf()).contains("wheelScrollLines=4\n"));
        QVERIFY(!okEnabled(dialog.get()));
        QVERIFY(!dialog->buttonBox()->button(QDialogButtonBox::Apply)->isEnabled());
        QVERIFY(!dialog->isWindowModified());
        QVERIFY(dialog->isVisible());
    }

    void reloadDropsTheEdit()
    {
        // A page read again from its files shows no edit of the user any more.
        auto dialog = showDialog();
        QVERIFY(dialog);
        editProgramsPage(dialog.get());
        QVERIFY(dialog->programsPage()->isChanged());
        dialog->programsPage()->load();
        QVERIFY(!dialog->programsPage()->isChanged());
        QVERIFY(!okEnabled(dialog.get()));
        QVERIFY(!dialog->isWindowModified());
    }

    void failedSaveKeepsTheChange()
    {
        auto dialog = showDialog();
        QVERIFY(dialog);
        editProgramsPage(dialog.get());
        const QString config = vyrtest::home() + QStringLiteral("/.config");
        QFile(config).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                     | QFileDevice::ExeOther);
        ModalAnswerer answerer(QMessageBox::Close);
        {
            vyrtest::AsOrdinaryUser user;
            if (!user.active())
                QSKIP("needs root to act as an ordinary user");
            QVERIFY(!dialog->applySlot());
            QVERIFY(!dialog->fileSave());
            // Yes to "Save changes?" with a save that fails: the window
            // stays over the edit instead of closing.
            answerer.answer(QMessageBox::Yes);
            answerer.answer(QMessageBox::Close);
            answerer.answer(QMessageBox::Ok);
            QVERIFY(!dialog->close());
            // OK, too, keeps the window.
            dialog->okSlot();
        }
        QFile(config).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(answerer.titles(), (QStringList{QStringLiteral("Attention"), QStringLiteral("Attention"),
                                                 QStringLiteral("Save ?"), QStringLiteral("Attention"),
                                                 QStringLiteral("Attention"), QStringLiteral("Attention")}));
        QVERIFY(answerer.texts().at(4).startsWith(QStringLiteral("Some changes could not be saved.")));
        QVERIFY(dialog->isVisible());
        QVERIFY(okEnabled(dialog.get()));
        QVERIFY(dialog->programsPage()->isChanged());
        QVERIFY(dialog->applySlot());
        QVERIFY(!okEnabled(dialog.get()));
        QVERIFY(QFile::exists(qtConf()));
    }

    // A key the administrator fixed shows the master's value on controls
    // the user cannot change; other keys leave their controls alone.
    void lockedKeyDisablesItsControls()
    {
        QVERIFY(vyrtest::writeFile(vyrtest::sysPath(QStringLiteral("/usr/share/vyr/theme.master/themerc")),
                                   "[Variables]\nKey=master\n"));
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\nKey=user\nFree=mine\n"));
        const ThemeSettings settings(themeFile());
        std::vector<std::unique_ptr<QCheckBox>> boxes;
        for (int i = 0; i < 7; ++i)
            boxes.push_back(std::make_unique<QCheckBox>());
        QCOMPARE(lockedValue(settings, QStringLiteral("Key"), QString(),
                             {boxes[0].get(), boxes[1].get(), boxes[2].get(), boxes[3].get(), boxes[4].get(),
                              boxes[5].get(), boxes[6].get()})
                     .toString(),
                 QStringLiteral("master"));
        for (const auto &box : boxes)
            QVERIFY(!box->isEnabled());
        QCheckBox free;
        QCOMPARE(lockedValue(settings, QStringLiteral("Free"), QString(), {&free}).toString(), QStringLiteral("mine"));
        QVERIFY(free.isEnabled());
        QFile::remove(vyrtest::sysPath(QStringLiteral("/usr/share/vyr/theme.master/themerc")));
    }

    void fileSaveOrder()
    {
        auto dialog = makeDialog();
        QStringList saved;
        for (const QString &name : ConfigDialog::pageNames()) {
            AdminThemeKCM *page = dialog->page(name);
            if (name != QLatin1String("Screensaver"))
                page->load();
            Q_EMIT page->changed(true);
            connect(page, qOverload<bool>(&KCModule::changed), this, [&saved, name](bool state) {
                if (!state)
                    saved << name;
            });
        }
        QVERIFY(dialog->fileSave());
        // The Screensaver page was never shown, so it is not saved.
        QCOMPARE(saved, (QStringList{QStringLiteral("Wallpaper"), QStringLiteral("Effects"), QStringLiteral("Theme"),
                                     QStringLiteral("Fonts"), QStringLiteral("Sounds"), QStringLiteral("Programs")}));
        saved.clear();
        QVERIFY(dialog->fileSave());
        QCOMPARE(saved, QStringList());
    }

    void closeWithoutChangesAsksNothing()
    {
        auto dialog = showDialog();
        QVERIFY(dialog);
        ModalAnswerer answerer(QMessageBox::Cancel);
        QVERIFY(dialog->close());
        QCOMPARE(answerer.count(), 0);
        QVERIFY(!dialog->isVisible());
    }

    void closeAfterEditAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("stays");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Cancel keeps the window") << int(QMessageBox::Cancel) << true << false;
        QTest::newRow("No closes without saving") << int(QMessageBox::No) << false << false;
        QTest::newRow("Yes saves and closes") << int(QMessageBox::Yes) << false << true;
    }
    void closeAfterEditAsks()
    {
        QFETCH(int, answer);
        QFETCH(bool, stays);
        QFETCH(bool, saved);
        auto dialog = showDialog();
        QVERIFY(dialog);
        editProgramsPage(dialog.get());
        ModalAnswerer answerer{QMessageBox::StandardButton(answer)};
        QCOMPARE(dialog->close(), !stays);
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.titles().at(0), QStringLiteral("Save ?"));
        QCOMPARE(answerer.texts().at(0), QStringLiteral("Save changes?"));
        QCOMPARE(answerer.lastButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(dialog->isVisible(), stays);
        QCOMPARE(QFile::exists(qtConf()), saved);
    }

    void okAfterEditSavesWithoutQuestion()
    {
        auto dialog = showDialog();
        QVERIFY(dialog);
        editProgramsPage(dialog.get());
        ModalAnswerer answerer(QMessageBox::Cancel);
        QTest::mouseClick(dialog->buttonBox()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(answerer.count(), 0);
        QVERIFY(!dialog->isVisible());
        QVERIFY(vyrtest::readFile(qtConf()).contains("wheelScrollLines=4\n"));
    }

    void escapeIsCancel()
    {
        auto dialog = showDialog();
        QVERIFY(dialog);
        ModalAnswerer answerer(QMessageBox::Cancel);
        // Nothing changed: the program ends without a question.
        QVERIFY(quitsApplication([&dialog] { QTest::keyClick(dialog.get(), Qt::Key_Escape); }));
        QCOMPARE(answerer.count(), 0);

        // After an edit it asks; Cancel keeps the window and the program.
        editProgramsPage(dialog.get());
        QVERIFY(!quitsApplication([&dialog] { QTest::keyClick(dialog.get(), Qt::Key_Escape); }));
        QCOMPARE(answerer.count(), 1);
        QCOMPARE(answerer.lastButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QVERIFY(dialog->isVisible());

        // The Cancel button does the same.
        answerer.setAnswer(QMessageBox::No);
        QVERIFY(quitsApplication(
            [&dialog] { QTest::mouseClick(dialog->buttonBox()->button(QDialogButtonBox::Cancel), Qt::LeftButton); }));
        QCOMPARE(answerer.count(), 2);
        QVERIFY(!QFile::exists(qtConf()));
    }

    void forceCloseAsksNothing()
    {
        auto dialog = showDialog();
        QVERIFY(dialog);
        editProgramsPage(dialog.get());
        ModalAnswerer answerer(QMessageBox::Cancel);
        dialog->setForceClose(true);
        QVERIFY(dialog->close());
        QCOMPARE(answerer.count(), 0);
    }

    void geometryMemory()
    {
        {
            auto dialog = showDialog();
            QVERIFY(dialog);
            dialog->resize(801, 602);
            QTRY_COMPARE(dialog->size(), QSize(801, 602));
        }
        {
            QSettings stored(geometryConf(), QSettings::IniFormat);
            QCOMPARE(stored.value(QStringLiteral("width")).toInt(), 801);
            QCOMPARE(stored.value(QStringLiteral("height")).toInt(), 602);
            QCOMPARE(stored.value(QStringLiteral("maximized")).toString(), QStringLiteral("false"));
        }
        {
            auto dialog = makeDialog();
            QCOMPARE(dialog->size(), QSize(801, 602));
            dialog->showMaximized();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            QVERIFY(dialog->isMaximized());
        }
        {
            // A maximised window has the size the window manager gave it
            // (this server has none to do so).
            auto dialog = makeDialog();
            dialog->resize(1001, 802);
            dialog->setWindowState(Qt::WindowMaximized);
            QVERIFY(dialog->isMaximized());
        }
        {
            QSettings stored(geometryConf(), QSettings::IniFormat);
            QCOMPARE(stored.value(QStringLiteral("maximized")).toString(), QStringLiteral("true"));
            // The normal size is the last unmaximised one.
            QCOMPARE(stored.value(QStringLiteral("width")).toInt(), 801);
            QCOMPARE(stored.value(QStringLiteral("height")).toInt(), 602);
        }
        auto dialog = makeDialog();
        QVERIFY(dialog->windowState() & Qt::WindowMaximized);
        QCOMPARE(dialog->size(), QSize(801, 602));
    }

    void geometryFallback_data()
    {
        QTest::addColumn<QByteArray>("conf");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("garbage") << QByteArray("[General]\nwidth=wide\nheight=-4\nmaximized=maybe\n");
    }
    void geometryFallback()
    {
        QFETCH(QByteArray, conf);
        if (!conf.isNull())
            QVERIFY(vyrtest::writeFile(geometryConf(), conf));
        auto dialog = makeDialog();
        QVERIFY(!(dialog->windowState() & Qt::WindowMaximized));
        QVERIFY(dialog->width() >= 720);
        QVERIFY(dialog->height() >= 540);
    }

    void schemeWallpaper_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("wallpaper");
        QTest::addColumn<QString>("expected");
        QTest::newRow("dark scheme, light wallpaper") << s_solvaDark << s_lightWallpaper << s_darkWallpaper;
        QTest::newRow("dark scheme, red wallpaper") << s_solvaDark << s_redWallpaper << s_darkWallpaper;
        QTest::newRow("dark scheme, dark wallpaper") << s_solvaDark << s_darkWallpaper << QString();
        QTest::newRow("admin scheme, light wallpaper") << s_vanteraAdmin << s_lightWallpaper << s_redWallpaper;
        QTest::newRow("admin scheme, dark wallpaper") << s_vanteraAdmin << s_darkWallpaper << QString();
        QTest::newRow("light scheme, dark wallpaper") << s_solvaLight << s_darkWallpaper << s_lightWallpaper;
        QTest::newRow("light scheme, red wallpaper") << s_solvaLight << s_redWallpaper << s_lightWallpaper;
        QTest::newRow("user's own wallpaper") << s_solvaDark << QStringLiteral("/home/u/beach.jpg") << QString();
        QTest::newRow("wallpaper name") << s_solvaDark << QStringLiteral("vyr-default") << QString();
        QTest::newRow("other scheme") << QStringLiteral("/usr/share/color-schemes/Mine.colors") << s_lightWallpaper
                                      << QString();
        QTest::newRow("user copy of a scheme") << QStringLiteral("/home/u/.local/share/color-schemes/SolvaDark.colors")
                                               << s_lightWallpaper << s_darkWallpaper;
    }
    void schemeWallpaper()
    {
        QFETCH(QString, scheme);
        QFETCH(QString, wallpaper);
        QTEST(ConfigDialog::schemeWallpaper(scheme, wallpaper), "expected");
    }

    void switchingPagesKeepsWallpaperWithScheme_data()
    {
        QTest::addColumn<QString>("wallpaper");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default light becomes dark") << s_lightWallpaper << s_darkWallpaper;
        QTest::newRow("own wallpaper stays") << QStringLiteral("/home/u/beach.jpg") << QStringLiteral("/home/u/beach.jpg");
    }
    void switchingPagesKeepsWallpaperWithScheme()
    {
        QFETCH(QString, wallpaper);
        QFETCH(QString, expected);
        writePalette(s_solvaDark, QStringLiteral("#336699"));
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\nWallPaper=" + wallpaper.toLatin1() + "\n"));
        auto dialog = showDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->wallpaperPage()->wallpaper(), wallpaper);
        clickPage(dialog.get(), 1);
        clickPage(dialog.get(), 0);
        QCOMPARE(dialog->wallpaperPage()->wallpaper(), expected);
        // A scheme with WM colours gives the desktop the dark companion of its background.
        QCOMPARE(dialog->wallpaperPage()->primaryColor(), QColor(primaryDarkColour(QStringLiteral("#336699"))).name());
    }

    void highIntegrityWarnsOnWallpaperPage()
    {
        sessionFlags().highIntegritySession = true;
        auto dialog = showDialog();
        QVERIFY(dialog);
        ModalAnswerer answerer(QMessageBox::Close);
        for (int i = 0; i < 2; ++i) {
            clickPage(dialog.get(), 1);
            clickPage(dialog.get(), 0);
        }
        QCOMPARE(answerer.count(), 2);
        QCOMPARE(answerer.titles().at(1), QStringLiteral("Attention"));
        QCOMPARE(answerer.texts().at(1),
                 QStringLiteral("Your session has high MIC level. Some exterior changes are unavalable."));
    }

    void helpKeyShowsHelpPage()
    {
        auto dialog = showDialog();
        QVERIFY(dialog);
        // F1 is a shortcut of the window, which has to be active for it;
        // made so in this process, whatever has the X input focus.
        QApplication::setActiveWindow(dialog.get());
        QCOMPARE(QApplication::activeWindow(), dialog.get());
        QTest::keyClick(dialog.get(), Qt::Key_F1);
        QTextBrowser *browser = nullptr;
        QTRY_VERIFY((browser = [] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (auto *found = top->findChild<QTextBrowser *>(QStringLiteral("helpBrowser")); found && top->isVisible())
                    return found;
            }
            return static_cast<QTextBrowser *>(nullptr);
        }()));
        QVERIFY(browser->source().toLocalFile().endsWith(QLatin1String("/vyr/help/vyr-admin-theme/index.html")));
        QVERIFY(browser->toPlainText().contains(QLatin1String("Programs")));
        browser->window()->close();
    }

    void archiveButtonsAnswer()
    {
        auto dialog = showDialog();
        QVERIFY(dialog);
        // Each button asks first; cancelling changes nothing.
        ModalAnswerer answerer;
        QString asked;
        answerer.then([&asked](QWidget *window) {
            asked = window->windowTitle();
            qobject_cast<QDialog *>(window)->reject();
        });
        FileChoices files;
        files.cancel();
        files.cancel();
        for (QAbstractButton *button : dialog->buttonBox()->buttons()) {
            if (dialog->buttonBox()->buttonRole(button) == QDialogButtonBox::ResetRole)
                QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(asked, QStringLiteral("Restore"));
        QCOMPARE(files.titles(), QStringList({QStringLiteral("Export..."), QStringLiteral("Import...")}));
        QVERIFY(dialog->isVisible());
    }
};

// The Fonts page merges X resources when it saves: a display of its own keeps
// them from other tests.
VYR_TEST_MAIN_OWN_DISPLAY(TestConfigDialog)
#include "test_configdialog.moc"
