// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "configdialog.h"
#include "adminthemekcm.h"
#include "pagetable.h"

#include <distribution.h>
#include <session.h>
#include <themesettings.h>

#include <effectpage.h>
#include <fontpage.h>
#include <screensaverpage.h>
#include <soundpage.h>
#include <themepage.h>
#include <vyrqtconfigpage.h>
#include <wallpaperpage.h>

#include <settingsarchive.h>
#include <vyrfilechooser.h>
#include <vyrhelp.h>
#include <vyrpaths.h>
#include <vyrprocess.h>
#include <vyrwmcommand.h>
#include <wmcolours.h>

#include <KPageWidget>

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QIcon>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QThread>
#include <QVBoxLayout>

#include <cstdio>

namespace {
const QString s_width = QStringLiteral("width");
const QString s_height = QStringLiteral("height");
const QString s_maximized = QStringLiteral("maximized");

// Room for the page list beside the pages, and a floor for pages that build
// their forms only when shown.
constexpr int s_pageListWidth = 64;
constexpr QSize s_smallestDefault(720, 540);

int storedSize(const QSettings &settings, const QString &key, int fallback)
{
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok && value > 0 ? value : fallback;
}
}

ConfigDialog::ConfigDialog(const QString &themeFile, const QString &paletteFile, QWidget *parent,
                           Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_themeSettings(std::make_unique<ThemeSettings>(themeFile))
    , m_paletteSettings(std::make_unique<ThemeSettings>(paletteFile))
    , m_themeFile(themeFile)
    , m_paletteFile(paletteFile)
{
    m_themeSettings->sync(true);
    m_paletteSettings->sync(true);
    m_settings = std::make_unique<QSettings>();

    m_pageWidget = new KPageWidget(this);
    m_pageWidget->setFaceType(KPageView::List);
    for (int i = 0; i < PageCount; ++i)
        m_pages[i] = pageTable()[i].create(m_themeSettings.get(), m_paletteSettings.get(), m_pageWidget);
    m_wallpaperPage = qobject_cast<WallpaperPage *>(page(QStringLiteral("Wallpaper")));
    m_themePage = qobject_cast<ThemePage *>(page(QStringLiteral("Theme")));
    m_programsPage = qobject_cast<VyrQtConfigPage *>(page(QStringLiteral("Programs")));

    QSize largest;
    const auto &pages = m_pages;
    for (int i = 0; i < PageCount; ++i) {
        largest = largest.expandedTo(pages[i]->size().expandedTo(pages[i]->sizeHint()));
        auto *scroll = new QScrollArea(m_pageWidget);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(pages[i]);
        m_scrollAreas[i] = scroll;
    }
    for (int i = 0; i < PageCount; ++i) {
        m_items[i] = m_pageWidget->addPage(m_scrollAreas[i], tr(pageTable()[i].name));
        m_items[i]->setHeader(QString());
        m_items[i]->setHeaderVisible(false);
        m_items[i]->setIcon(QIcon::fromTheme(QLatin1String(pageTable()[i].icon)));
    }
    m_pageWidget->setCurrentPage(m_items[0]);
    m_wallpaperPage->setThemePage(m_themePage);
    m_themePage->setWallpaperPage(m_wallpaperPage);

    buildButtons();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_pageWidget);
    layout->addWidget(m_buttonBox);

    restoreWindowGeometry(largest);

    const QString title = tr("Vyr Theme Editor");
    setWindowIcon(QIcon::fromTheme(QStringLiteral("preferences-desktop-theme")));
    setWindowIconText(title);
    const QString fileName = QFileInfo(m_themeFile).fileName();
    setWindowTitle(fileOpen() && !fileName.isEmpty() ? title + QStringLiteral(" - ") + fileName + QStringLiteral("[*]")
                                                     : title);

    for (AdminThemeKCM *page : pages)
        connect(page, qOverload<bool>(&KCModule::changed), this, &ConfigDialog::changedSlot);
    connect(m_pageWidget, &KPageWidget::currentPageChanged, this, &ConfigDialog::changePage);
}

ConfigDialog::~ConfigDialog()
{
    // Tearing down the page widget must not call back into a half-destroyed dialog.
    disconnect(m_pageWidget, nullptr, this, nullptr);
    storeGeometry();
    // The pages read and write the stores until they are gone: delete them
    // first (the stores are members and would otherwise go before the
    // child widgets).
    for (AdminThemeKCM *page : pagesInSaveOrder())
        delete page;
    m_paletteSettings.reset();
    m_themeSettings.reset();
}

const QStringList &ConfigDialog::pageNames()
{
    static const QStringList names = ::pageNames();
    return names;
}

std::array<AdminThemeKCM *, PageCount> ConfigDialog::pagesInListOrder() const
{
    return m_pages;
}

std::array<AdminThemeKCM *, PageCount> ConfigDialog::pagesInSaveOrder() const
{
    std::array<AdminThemeKCM *, PageCount> ordered{};
    for (int i = 0; i < PageCount; ++i)
        ordered[pageTable()[i].saveOrder] = m_pages[i];
    return ordered;
}

AdminThemeKCM *ConfigDialog::page(const QString &name) const
{
    const int index = pageNames().indexOf(name);
    return index < 0 ? nullptr : pagesInListOrder()[index];
}

void ConfigDialog::buildButtons()
{
    m_buttonBox = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    QPushButton *ok = m_buttonBox->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    ok->setEnabled(false);
    m_buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
    m_buttonBox->button(QDialogButtonBox::Help)->setShortcut(QKeySequence::HelpContents);

    struct Extra {
        QString text;
        QString toolTip;
        void (ConfigDialog::*slot)();
    };
    const Extra extras[] = {
        {tr("Restore..."), tr("Restore all settings.\n") + tr("All changes will be lost and restart session will be required."),
         &ConfigDialog::restoreSlot},
        {tr("Export..."), tr("Export all settings.\n") + tr("All settings will be saved in archive."),
         &ConfigDialog::exportSlot},
        {tr("Import..."),
         tr("Import all settings.\n") + tr("All settings will be rewritten from archive and restart session will be required."),
         &ConfigDialog::importSlot},
    };
    for (const Extra &extra : extras) {
        QPushButton *button = m_buttonBox->addButton(extra.text, QDialogButtonBox::ResetRole);
        button->setToolTip(extra.toolTip);
        connect(button, &QPushButton::clicked, this, extra.slot);
    }

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &ConfigDialog::okSlot);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &ConfigDialog::rejectSlot);
    connect(m_buttonBox->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, &ConfigDialog::applySlot);
    connect(m_buttonBox, &QDialogButtonBox::helpRequested, this, &ConfigDialog::helpSlot);
}

void ConfigDialog::restoreWindowGeometry(const QSize &largestPage)
{
    const QSize fallback = QSize(largestPage.width() + s_pageListWidth + 80,
                                 largestPage.height() + m_buttonBox->sizeHint().height() + 60)
                               .expandedTo(s_smallestDefault);
    resize(storedSize(*m_settings, s_width, fallback.width()), storedSize(*m_settings, s_height, fallback.height()));
    // The size above stays the normal size the window returns to.
    if (m_settings->value(s_maximized).toString() == QLatin1String("true"))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void ConfigDialog::storeGeometry()
{
    // A restore removed the geometry file with the rest; it stays removed.
    if (m_restored)
        return;
    const bool maximized = isMaximized();
    if (!maximized) {
        m_settings->setValue(s_width, width());
        m_settings->setValue(s_height, height());
    }
    m_settings->setValue(s_maximized, maximized);
    m_settings->sync();
}

QString ConfigDialog::schemeWallpaper(const QString &scheme, const QString &wallpaper)
{
    return Distribution::schemeWallpaper(scheme, wallpaper);
}

void ConfigDialog::changePage(KPageWidgetItem *current, KPageWidgetItem *previous)
{
    const KPageWidgetItem *item = current ? current : previous;
    if (!item)
        return;
    // By the item, not its shown (translated) name.
    const bool isWallpaper = item == m_items[pageNames().indexOf(QStringLiteral("Wallpaper"))];
    const bool isTheme = item == m_items[pageNames().indexOf(QStringLiteral("Theme"))];
    const bool bothLoaded = m_themePage->isLoaded() && m_wallpaperPage->isLoaded();

    QString themeColour;
    bool differ = false;
    if (bothLoaded) {
        const QString scheme = m_themePage->currentSchemePath();
        themeColour = hasWmColours(scheme) ? primaryDarkColour(m_themePage->backgroundColor().name())
                                           : m_themePage->primaryColor().name();
        themeColour = QColor(themeColour).name();
        differ = themeColour != QColor(m_wallpaperPage->primaryColor()).name();
        if (isTheme) {
            const QString wallpaper = m_wallpaperPage->wallpaper();
            if (wallpaper.startsWith(QLatin1Char('/'))
                && (wallpaper.contains(QLatin1String("vyr-default"))
                    || wallpaper.contains(Distribution::lightWallpaper)))
                m_themePage->toggleColorSchemes(0);
            m_themePage->enableColorSchemes(true);
        }
    }

    if (sessionFlags().highIntegritySession && isWallpaper)
        QMessageBox::warning(this, tr("Attention"),
                             tr("Your session has high MIC level. Some exterior changes are unavalable."),
                             QMessageBox::Close);

    if (isWallpaper && differ) {
        m_wallpaperPage->setPrimaryColor(themeColour);
        m_wallpaperPage->load();
    }

    if (bothLoaded && (isWallpaper || isTheme)) {
        const QString wallpaper = schemeWallpaper(m_themePage->currentSchemePath(), m_wallpaperPage->wallpaper());
        if (!wallpaper.isEmpty())
            m_wallpaperPage->selectWallpaperFile(wallpaper);
    }
}

void ConfigDialog::val(const QString &page, const QString &argument)
{
    const int index = pageNames().indexOf(page);
    if (index < 0)
        return;
    m_pageWidget->setCurrentPage(m_items[index]);
    if (sessionFlags().highIntegritySession || argument.isEmpty())
        return;
    AdminThemeKCM *target = pagesInListOrder()[index];
    // The argument is a choice on the page: read the page first, or its
    // first load would put the stored value back.
    const bool takesArgument = target == m_wallpaperPage || target == m_themePage;
    if (takesArgument && !target->isLoaded())
        target->load();
    if (target == m_wallpaperPage)
        m_wallpaperPage->selectWallpaperFile(argument);
    else if (target == m_themePage)
        m_themePage->setColorScheme(argument, false);
}

bool ConfigDialog::fileSave()
{
    bool allSaved = true;
    for (AdminThemeKCM *page : pagesInSaveOrder()) {
        if (page->isLoaded() && page->isChanged()) {
            page->save();
            // A page that could not write keeps reporting its change.
            if (page->isChanged())
                allSaved = false;
        }
    }
    return allSaved;
}

QMessageBox::StandardButton ConfigDialog::requestToSave(bool canCancel)
{
    if (!m_buttonBox->button(QDialogButtonBox::Ok)->isEnabled())
        return QMessageBox::No;
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (canCancel)
        buttons |= QMessageBox::Cancel;
    const auto answer = QMessageBox::question(this, tr("Save ?"), tr("Save changes?"), buttons);
    if (answer == QMessageBox::Yes) {
        if (fileSave())
            return QMessageBox::Yes;
        // Closing now would throw away the edits that did not reach a file.
        setChangesPending(anyPageChanged());
        QMessageBox::warning(this, tr("Attention"),
                             tr("Some changes could not be saved. The window stays open so that they are not lost."),
                             QMessageBox::Ok);
        return QMessageBox::Cancel;
    }
    if (answer == QMessageBox::Cancel)
        return QMessageBox::Cancel;
    return QMessageBox::No;
}

void ConfigDialog::helpSlot()
{
    vyrHelpShow(QString());
}

void ConfigDialog::okSlot()
{
    // The page that failed has said why; its edit stays on screen.
    if (applySlot())
        close();
}

bool ConfigDialog::applySlot()
{
    const bool saved = fileSave();
    // A page that could not save stays changed, and so do OK and Apply.
    setChangesPending(anyPageChanged());
    return saved;
}

void ConfigDialog::rejectSlot()
{
    if (requestToSave(true) != QMessageBox::Cancel)
        QCoreApplication::quit();
}

void ConfigDialog::changedSlot(bool state)
{
    // Another page's "unchanged" must not hide this page's edit.
    setChangesPending(state || anyPageChanged());
}

void ConfigDialog::setChangesPending(bool pending)
{
    m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(pending);
    m_buttonBox->button(QDialogButtonBox::Apply)->setEnabled(pending);
    setWindowModified(pending);
}

bool ConfigDialog::anyPageChanged() const
{
    for (const AdminThemeKCM *page : pagesInListOrder()) {
        if (page->isLoaded() && page->isChanged())
            return true;
    }
    return false;
}

void ConfigDialog::restoreSlot()
{
    const QString allSettings = tr("All Vyr settings");
    const QString themeOnly = tr("Theme only");
    QInputDialog ask(this);
    ask.setWindowTitle(tr("Restore"));
    ask.setComboBoxItems({allSettings, themeOnly});
    ask.setComboBoxEditable(false);
    ask.setLabelText(tr("After restore your session will be closed, are you ready?\nIf yes then close all "
                        "applications, select restore type and press Yes\n\nRestore type:"));
    ask.setOkButtonText(tr("Yes, reset and close session"));
    if (ask.exec() != QDialog::Accepted)
        return;
    const bool onlyTheme = ask.textValue() == themeOnly;

    vyrRunProgram(vyrSystemPath(QStringLiteral("/usr/bin/killall")), {QStringLiteral("vyr-start-menu")}, 10000);
    // The window manager must neither ask at logout nor rewrite the files
    // removed below from what it holds in memory.
    vyrSendWmCommand(QStringLiteral("VYRWM_UPDATE_VAL UseConfirmDialog false"));
    vyrSendWmCommand(QStringLiteral("VYRWM_STOP_WATCH_ALL"));
    QThread::sleep(1);

    SettingsArchive::restoreFiles(onlyTheme ? SettingsArchive::RestoreType::ThemeOnly
                                            : SettingsArchive::RestoreType::AllSettings,
                                  m_themeFile, m_paletteFile, [this](const QString &path) {
                                      QMessageBox::information(this, tr("Attention"), tr("Can't remove %1.").arg(path),
                                                               QMessageBox::Ok);
                                  });
    QString error;
    if (!SettingsArchive::dropCursorResources(&error))
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(error));

    m_restored = true;
    setForceClose(true);
    vyrSendWmCommand(QStringLiteral("VYRWM_LOGOUT"));
    close();
}

void ConfigDialog::exportSlot()
{
    const QString home = GetVyrDir(VyrDirHome);
    VyrFileRequest request;
    request.mode = VyrFileRequest::SaveFile;
    request.title = tr("Export...");
    request.directory = SettingsArchive::defaultArchivePath(home);
    request.filter = tr("Archives (*.tgz *.tar.gz)");
    const QString archive = vyrChooseFile(this, request);
    if (archive.isEmpty())
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QStringList errors = SettingsArchive::copyWallpaperAndLogo(m_themeSettings.get(), home);
    QString error;
    if (!SettingsArchive::writeArchive(archive, home, &error))
        errors << error;
    QApplication::restoreOverrideCursor();
    if (!errors.isEmpty())
        QMessageBox::warning(this, tr("Export..."), errors.join(QLatin1Char('\n')), QMessageBox::Ok);
}

void ConfigDialog::importSlot()
{
    const QString home = GetVyrDir(VyrDirHome);
    VyrFileRequest request;
    request.mode = VyrFileRequest::ExistingFile;
    request.title = tr("Import...");
    request.directory = home;
    request.filter = tr("Archives (*.tgz *.tar.gz)");
    const QString archive = vyrChooseFile(this, request);
    if (archive.isEmpty())
        return;

    // The window manager unpacks over the home folder after logout: only an
    // archive holding nothing but the exported settings may get there.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SettingsArchive::CheckResult check = SettingsArchive::checkArchive(archive, home);
    QApplication::restoreOverrideCursor();
    if (!check.ok) {
        const QString text = check.member.isEmpty()
            ? tr("The archive cannot be imported: %1.").arg(check.reason)
            : tr("The archive cannot be imported: %1: %2.").arg(check.member, check.reason);
        QMessageBox::warning(this, tr("Import..."), text, QMessageBox::Ok);
        return;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    vyrRunProgram(vyrSystemPath(QStringLiteral("/usr/bin/killall")), {QStringLiteral("vyr-start-menu")}, 10000);
    const QString command = SettingsArchive::importCommand(archive, home);
    std::fprintf(stderr, "%s: cmd='%s'\n", qPrintable(QCoreApplication::applicationName()), qPrintable(command));
    const bool scheduled = vyrSendWmCommand(command);
    QApplication::restoreOverrideCursor();
    if (!scheduled) {
        QMessageBox::warning(this, tr("Import..."),
                             tr("The window manager is not running; the archive was not scheduled for unpacking."),
                             QMessageBox::Ok);
        return;
    }
    if (QMessageBox::question(this, tr("Import done"),
                              tr("You need to exit and restart session. Do it now (recommended)?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes)
        vyrSendWmCommand(QStringLiteral("VYRWM_LOGOUT"));
    close();
}

bool ConfigDialog::messageReceived(const QString &message)
{
    if (message.startsWith(QLatin1String("Wallpaper")))
        val(QStringLiteral("Wallpaper"), message.mid(10));
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    return true;
}

void ConfigDialog::closeEvent(QCloseEvent *event)
{
    if (m_forceClose || requestToSave(true) != QMessageBox::Cancel)
        event->accept();
    else
        event->ignore();
}

void ConfigDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        rejectSlot();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ConfigDialog::moveEvent(QMoveEvent *event)
{
    event->accept();
    const QPoint centre = event->pos() + QPoint(width() / 2, height() / 2);
    QScreen *screen = QGuiApplication::screenAt(centre);
    if (!screen)
        screen = QGuiApplication::screenAt(event->pos());
    if (!screen)
        return;
    const QString name = screen->name();
    if (!m_lastScreen.isEmpty() && m_lastScreen != name && m_wallpaperPage && m_wallpaperPage->isLoaded()) {
        std::fprintf(stderr, "vyr-admin-theme: move %s -> %s\n", qPrintable(m_lastScreen), qPrintable(name));
        m_wallpaperPage->reloadForScreen(screen);
    }
    m_lastScreen = name;
}
