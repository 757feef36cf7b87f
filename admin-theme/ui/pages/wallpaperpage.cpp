// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "wallpaperpage.h"
#include "aspectratiopixmaplabel.h"
#include "lockedvalue.h"
#include "themepage.h"
#include "ui_wallpaperpage.h"

#include <compositorconfig.h>
#include <distribution.h>
#include <session.h>
#include <themesettings.h>
#include <wallpaperpreview.h>
#include <wallpaperrecords.h>
#include <themesave.h>
#include <wallpapersettings.h>
#include <wmcolours.h>

#include <vyrcountedsuffix.h>
#include <vyrpaths.h>

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QCompleter>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QImageReader>
#include <QMessageBox>
#include <QMutex>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace {
const QString s_wallPaper = QStringLiteral("WallPaper");
const QString s_notShow = QStringLiteral("NotShow");

// The corner list's texts, in the order of logoPositionKeys().
const char *const s_logoPositionTexts[] = {
    QT_TRANSLATE_NOOP("WallpaperPage", "BottomRight"), QT_TRANSLATE_NOOP("WallpaperPage", "BottomLeft"),
    QT_TRANSLATE_NOOP("WallpaperPage", "Bottom"),      QT_TRANSLATE_NOOP("WallpaperPage", "TopRight"),
    QT_TRANSLATE_NOOP("WallpaperPage", "TopLeft"),     QT_TRANSLATE_NOOP("WallpaperPage", "Top"),
    QT_TRANSLATE_NOOP("WallpaperPage", "Right"),       QT_TRANSLATE_NOOP("WallpaperPage", "In Center"),
    QT_TRANSLATE_NOOP("WallpaperPage", "Left"),        QT_TRANSLATE_NOOP("WallpaperPage", "NotShow"),
};

/// Shows the wait cursor while alive.
class WaitCursor
{
public:
    /// With @p shown false (a window not on screen yet) nothing is shown:
    /// loading the cursor theme costs more than the work it would cover.
    explicit WaitCursor(bool shown = true)
        : m_shown(shown)
    {
        if (m_shown)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor()
    {
        if (m_shown)
            QApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    bool m_shown;
};

/// File-path completion for @p edit. The file system model starts a thread
/// and watches folders: it is made when the field is first focused, not
/// while the window opens.
/// The preview workers of every page, for the wait at process exit (left
/// allocated: exit handlers may still use them).
QMutex &poolsMutex()
{
    static auto *mutex = new QMutex;
    return *mutex;
}
QSet<QThreadPool *> &livePools()
{
    static auto *pools = new QSet<QThreadPool *>;
    return *pools;
}
void waitForPreviewsAtExit()
{
    QMutexLocker lock(&poolsMutex());
    for (QThreadPool *pool : qAsConst(livePools()))
        pool->waitForDone();
}

/**
 * exit() (Qt calls it when the X server goes) destroys static data in the
 * reverse order of its creation while a preview may still be decoding. The
 * image plugins are set up here, on the graphical thread, and the wait is
 * registered after them, so it runs before they are torn down.
 */
void prepareWorkers()
{
    static const bool prepared = [] {
        QImageReader::supportedImageFormats();
        std::atexit(waitForPreviewsAtExit);
        return true;
    }();
    Q_UNUSED(prepared)
}

void addPathCompleter(QLineEdit *edit)
{
    struct FocusFilter : QObject {
        using QObject::QObject;
        bool eventFilter(QObject *object, QEvent *event) override
        {
            if (event->type() == QEvent::FocusIn) {
                auto *field = static_cast<QLineEdit *>(object);
                auto *model = new QFileSystemModel(field);
                model->setRootPath(QString());
                field->setCompleter(new QCompleter(model, field));
                field->removeEventFilter(this);
                deleteLater();
            }
            return false;
        }
    };
    edit->installEventFilter(new FocusFilter(edit));
}

/// A file dialog that lists @p extra folders in its side bar; returns the
/// chosen file, empty on cancel.
QString chooseFile(QWidget *parent, const QString &title, const QString &start, const QStringList &extra)
{
    QFileDialog dialog(parent, title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QCoreApplication::translate("WallpaperPage", "Images (*.png *.xpm *.jpg *.jpeg *.svg)"));
    const QString access = wallpaperFileAccessPath(start);
    if (QFileInfo(access).isFile()) {
        dialog.setDirectory(QFileInfo(access).path());
        dialog.selectFile(access);
    } else {
        dialog.setDirectory(access);
    }
    QList<QUrl> sideBar = dialog.sidebarUrls();
    for (const QString &folder : extra)
        sideBar << QUrl::fromLocalFile(wallpaperFileAccessPath(folder));
    dialog.setSidebarUrls(sideBar);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
}

WallpaperPage::WallpaperPage(ThemeSettings *settings, ThemeSettings *palette, QWidget *parent)
    : AdminThemeKCM(settings, parent)
    , m_palette(palette)
{
    const QStringList &keys = logoPositionKeys();
    for (int i = 0; i < keys.size(); ++i)
        m_positionNames.insert(keys.at(i), tr(s_logoPositionTexts[i]));
    m_previewPool.setMaxThreadCount(1);
    QMutexLocker lock(&poolsMutex());
    livePools().insert(&m_previewPool);
    if (sessionFlags().highIntegritySession)
        setEnabled(false);
}

WallpaperPage::~WallpaperPage()
{
    // A preview being drawn posts its result to this page: let it finish
    // while the page is still whole.
    m_previewPool.clear();
    m_previewPool.waitForDone();
    QMutexLocker lock(&poolsMutex());
    livePools().remove(&m_previewPool);
}

void WallpaperPage::setPrimaryColor(const QString &colour)
{
    m_primaryColor = colour;
    if (m_primaryColor.isEmpty())
        m_primaryColor = accentColour(QString(), m_palette);
}

QString WallpaperPage::wallpaper() const
{
    return m_ui ? m_ui->wallpaperLineEdit->text() : QString();
}

QString WallpaperPage::logo() const
{
    return m_ui ? m_ui->logoLineEdit->text() : QString();
}

QScreen *WallpaperPage::currentScreen() const
{
    if (m_screenOverride)
        return m_screenOverride;
    for (const QWidget *widget = this; widget; widget = widget->parentWidget()) {
        if (const QWindow *window = widget->windowHandle())
            return window->screen();
    }
    std::fprintf(stderr, "vyr-admin-theme: Can't get screen fir widget\n");
    return nullptr;
}

QSize WallpaperPage::screenSize() const
{
    QScreen *screen = nullptr;
    if (m_ui && m_ui->currMonitorCheckBox->isChecked())
        screen = currentScreen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QSize();
    const qreal ratio = screen->devicePixelRatio();
    return QSize(qRound(screen->geometry().width() * ratio), qRound(screen->geometry().height() * ratio));
}

bool WallpaperPage::warnHighIntegrity()
{
    if (!sessionFlags().highIntegritySession)
        return false;
    QMessageBox::warning(this, tr("Attention"),
                         tr("Your session has high MIC level. Some decoration changes are not applicable."));
    return true;
}

void WallpaperPage::showEvent(QShowEvent *event)
{
    const bool loadedBefore = isLoaded();
    AdminThemeKCM::showEvent(event);
    // Loaded before the window existed (a page chosen on the command line):
    // the monitor box learns its monitor now.
    if (loadedBefore && m_ui && !m_ui->currMonitorCheckBox->text().contains(QLatin1Char(':')) && window()->windowHandle())
        setScreenName(window()->windowHandle()->screen()->name());
}

bool WallpaperPage::isOnScreen() const
{
    const QWindow *shownIn = window()->windowHandle();
    return shownIn && shownIn->isExposed();
}

void WallpaperPage::markChanged()
{
    if (!m_loading)
        markAsChanged();
}

void WallpaperPage::setupControls()
{
    if (m_preview)
        return;
    Ui::WallpaperForm *ui = m_ui.get();
    for (const QString &key : logoPositionKeys())
        ui->logoPositionComboBox->addItem(m_positionNames.value(key));
    vyrSetCountedSuffix(ui->slideShowSpinBox, [](int minutes) { return tr(" minute(s)", nullptr, minutes); });

    m_defaultWallpaperAction = ui->wallpaperLineEdit->addAction(QIcon::fromTheme(QStringLiteral("view-restore")),
                                                                QLineEdit::LeadingPosition);
    m_defaultWallpaperAction->setToolTip(tr("Set default wallpaper"));
    m_defaultLogoAction =
        ui->logoLineEdit->addAction(QIcon::fromTheme(QStringLiteral("view-restore")), QLineEdit::LeadingPosition);
    m_defaultLogoAction->setToolTip(tr("Set default logo"));
    addPathCompleter(ui->wallpaperLineEdit);
    addPathCompleter(ui->logoLineEdit);

    m_preview = new AspectRatioPixmapLabel(this);
    ui->previewLayout->addWidget(m_preview);
    m_preview->installEventFilter(this);
    connect(m_preview, &AspectRatioPixmapLabel::firstPainted, this, [this] {
        // After this paint reaches the screen, not during it.
        QTimer::singleShot(0, this, [this] {
            m_previewPainted = true;
            startPreview();
        });
    });
    if (!sessionFlags().highIntegritySession) {
        m_preview->setAcceptDrops(true);
        connect(m_preview, &AspectRatioPixmapLabel::changedPathSignal, this,
                qOverload<const QString &>(&WallpaperPage::selectWallpaperFile));
        m_preview->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(m_preview, &QWidget::customContextMenuRequested, this,
                [this] { selectWallpaperFile(); });
    }

    connect(ui->slideShowSpinBox, qOverload<int>(&QSpinBox::valueChanged), this, &WallpaperPage::markChanged);
    connect(ui->wallpaperLineEdit, &QLineEdit::textChanged, this, &WallpaperPage::markChanged);
    connect(ui->wallpaperTypeComboBox, qOverload<int>(&QComboBox::activated), this, &WallpaperPage::markChanged);
    connect(ui->currDesktopCheckBox, &QCheckBox::clicked, this, &WallpaperPage::markChanged);
    connect(ui->currMonitorCheckBox, &QCheckBox::clicked, this, &WallpaperPage::markChanged);
    connect(ui->logoLineEdit, &QLineEdit::textChanged, this, &WallpaperPage::markChanged);
    connect(ui->logoPositionComboBox, qOverload<int>(&QComboBox::activated), this, &WallpaperPage::markChanged);

    connect(ui->wallpaperFileButton, &QPushButton::clicked, this, [this] { selectWallpaperFile(); });
    connect(ui->wallpaperColorButton, &QPushButton::clicked, this, &WallpaperPage::selectWallpaperColor);
    connect(ui->wallpaperLineEdit, &QLineEdit::textChanged, this, &WallpaperPage::selectWallpaper);
    connect(m_defaultWallpaperAction, &QAction::triggered, this, &WallpaperPage::defautlWallpaperSlot);
    connect(ui->wallpaperTypeComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &WallpaperPage::slotWallpaperType);
    connect(ui->currDesktopCheckBox, &QCheckBox::stateChanged, this, &WallpaperPage::slotCurrDesktop);
    connect(ui->currMonitorCheckBox, &QCheckBox::stateChanged, this, &WallpaperPage::slotCurrDesktop);
    connect(ui->logoFileButton, &QPushButton::clicked, this, &WallpaperPage::selectLogoFile);
    connect(ui->logoLineEdit, &QLineEdit::textChanged, this, &WallpaperPage::selectLogo);
    connect(ui->logoPositionComboBox, &QComboBox::currentTextChanged, this, &WallpaperPage::selectLogoPosition);
    connect(m_defaultLogoAction, &QAction::triggered, this, &WallpaperPage::defautlLogoSlot);

    if (sessionFlags().highIntegritySession) {
        ui->wallpaperFileButton->setEnabled(false);
        ui->wallpaperColorButton->setEnabled(false);
        ui->wallpaperLineEdit->setEnabled(false);
    }
}

void WallpaperPage::load()
{
    WaitCursor wait(isOnScreen());
    setupForm(m_ui);
    setupControls();
    Ui::WallpaperForm *ui = m_ui.get();
    m_loading = true;

    QScreen *screen = currentScreen();
    if (screen)
        setScreenName(screen->name());
    ui->currDesktopCheckBox->setChecked(false);
    ui->currMonitorCheckBox->setChecked(false);
    ui->currDesktopCheckBox->setEnabled(true);
    ui->wallpaperTypeComboBox->setEnabled(true);
    ui->slideShowSpinBox->setEnabled(true);

    WallpaperRecordChoice record;
    if (!settings()->isLocked(s_wallPaper)) {
        record = chooseWallpaperRecord(readWallpaperRecords(screen ? screen->name() : QString()));
        ui->currDesktopCheckBox->setChecked(record.perDesktop);
        ui->currMonitorCheckBox->setChecked(record.perMonitor);
    }
    if (settings()->value(QStringLiteral("UsePager"), QStringLiteral("undefined")).toString().contains(QLatin1String("alse")))
        ui->currDesktopCheckBox->setEnabled(false);

    if (!record.value.isEmpty()) {
        ui->wallpaperLineEdit->setText(canonicalWallpaperPath(record.value));
        ui->wallpaperTypeComboBox->setCurrentIndex(PositionCrop);
        ui->wallpaperTypeComboBox->setEnabled(false);
        ui->slideShowSpinBox->setValue(0);
        ui->slideShowSpinBox->setEnabled(false);
    } else {
        ui->wallpaperLineEdit->setText(
            lockedValue(*settings(), s_wallPaper, Distribution::defaultWallpaperName,
                        {ui->wallpaperLineEdit, ui->wallpaperFileButton, ui->wallpaperColorButton,
                         ui->slideShowSpinBox, ui->currDesktopCheckBox, ui->currMonitorCheckBox})
                .toString());
        ui->wallpaperTypeComboBox->setCurrentIndex(wallpaperPositionIndex(
            lockedValue(*settings(), QStringLiteral("WallPaperPos"), QStringLiteral("Crop"), {ui->wallpaperTypeComboBox})
                .toString()));
        ui->slideShowSpinBox->setValue(
            lockedValue(*settings(), QStringLiteral("WallPaperPeriod"), QStringLiteral("0"), {}).toInt());
    }

    setPrimaryColor(m_primaryColor);

    const QString logo = lockedValue(*settings(), QStringLiteral("LogoPixmap"), QStringLiteral("undefined"),
                                     {ui->logoLineEdit, ui->logoFileButton})
                             .toString();
    if (!logo.isEmpty() && logo != QLatin1String("undefined")) {
        QString shown = logo;
        if (shown != WallpaperFiles::defaultLogo) {
            shown.remove(QLatin1Char('"'));
            // A logo that is gone keeps its stored text rather than vanishing.
            const QString canonical = canonicalWallpaperPath(shown);
            if (!canonical.isEmpty())
                shown = canonical;
        }
        ui->logoLineEdit->setText(shown);
    }

    m_logoPosition = lockedValue(*settings(), QStringLiteral("LogoPosition"), QStringLiteral("undefined"),
                                 {ui->logoPositionComboBox})
                         .toString();
    const bool hidden = m_logoPosition.isEmpty() || m_logoPosition == QLatin1String("undefined");
    ui->logoPositionComboBox->setCurrentText(posToLocalString(hidden ? s_notShow : m_logoPosition));

    customWallpaperFlag() = isCustomWallpaper(ui->wallpaperLineEdit->text()) ? CustomWallpaper::Yes : CustomWallpaper::No;
    m_loading = false;

    selectWallpaper(ui->wallpaperLineEdit->text());
    m_defaultLogoAction->setVisible(ui->logoLineEdit->text() != WallpaperFiles::defaultLogo
                                    && ui->logoLineEdit->text() != WallpaperFiles::darkLogo);
    AdminThemeKCM::load();
}

void WallpaperPage::save()
{
    if (sessionFlags().highIntegritySession)
        return;
    Ui::WallpaperForm *ui = m_ui.get();
    if (!ui)
        return;
    const QString value = wallpaperSaveValue(ui->wallpaperLineEdit->text(), m_wallpaperColor);

    QString scheme;
    qint64 schemeChosenAt = 0;
    const bool themeLoaded = m_themePage && m_themePage->isLoaded();
    if (themeLoaded) {
        scheme = m_themePage->currentSchemePath();
        // The Theme page notes when a scheme was last chosen there.
        schemeChosenAt = m_themePage->schemeChangeTime();
    } else {
        scheme = paletteColorScheme();
    }
    const SchemeHandOff handOff = wallpaperSchemeHandOff(value, scheme, m_wallpaperChangedAt, schemeChosenAt);
    if (handOff.scheme != QLatin1String("-") && themeLoaded)
        m_themePage->setColorScheme(handOff.scheme, false);

    bool saved = true;
    if (ui->currDesktopCheckBox->isChecked() || ui->currMonitorCheckBox->isChecked()) {
        QScreen *screen = currentScreen();
        saved = writeWallpaperRecords(value, ui->currDesktopCheckBox->isChecked(), ui->currMonitorCheckBox->isChecked(),
                                      screen ? screen->name() : QString());
    } else {
        saved = clearDesktopWallpaperRecords();
        saved = clearMonitorWallpaperRecords() && saved;
        saveString(settings(), s_wallPaper, Distribution::defaultWallpaperName, value, true);
        saveString(settings(), QStringLiteral("WallPaperPos"), QStringLiteral("Crop"),
                   wallpaperPositionName(ui->wallpaperTypeComboBox->currentIndex()), true);
        saveInt(settings(), QStringLiteral("WallPaperPeriod"), QStringLiteral("0"), ui->slideShowSpinBox->value(), true);
    }
    saveString(settings(), QStringLiteral("LogoPixmap"), QStringLiteral("fictive"), ui->logoLineEdit->text(), true);
    saveString(settings(), QStringLiteral("LogoPosition"), QStringLiteral("BottomRight"),
               localStringToPos(ui->logoPositionComboBox->currentText()), true);

    if (handOff.scheme != QLatin1String("-")) {
        setCompositorShadowColor(handOff.shadowColour);
        applyColorSchemeExternally(handOff.scheme);
    }
    // A record that did not reach its file stays an edit, so the dialog
    // does not report it as saved.
    if (saved)
        AdminThemeKCM::save();
}

void WallpaperPage::selectWallpaperFile(const QString &path)
{
    warnHighIntegrity();
    if (!m_ui) {
        setupForm(m_ui);
        setupControls();
    }
    QString file = followWallpaperLink(path);
    if (file.endsWith(QLatin1String(".svg")) || file.endsWith(QLatin1String(".svgz"))) {
        file = convertSvg(file);
        if (file.isEmpty())
            return;
    }
    takeWallpaperFile(file);
}

void WallpaperPage::takeWallpaperFile(const QString &file)
{
    if (!wallpaperFileExists(file) || !isReadableImage(file))
        return;
    m_ui->wallpaperLineEdit->setText(canonicalWallpaperPath(file));
    // A choice, even of the wallpaper shown already, is newer than a scheme
    // chosen before it: the scheme then no longer picks the wallpaper.
    m_wallpaperChangedAt = ThemeSave::editTime();
}

void WallpaperPage::selectWallpaperFile()
{
    warnHighIntegrity();
    const QSize screen = screenSize();
    const QString start = wallpaperDialogStart(m_ui->wallpaperLineEdit->text(), screen.width(), screen.height());
    QString chosen = chooseFile(this, tr("Select wallpaper image file"), start, {WallpaperFiles::wallpapersDir});
    if (chosen.endsWith(QLatin1String(".desktop")))
        chosen = followWallpaperLink(chosen);
    if (chosen.endsWith(QLatin1String(".svg")) || chosen.endsWith(QLatin1String(".svgz")))
        chosen = convertSvg(chosen);
    if (!chosen.isEmpty())
        takeWallpaperFile(chosen);

    customWallpaperFlag() = isCustomWallpaper(m_ui->wallpaperLineEdit->text()) ? CustomWallpaper::Yes : CustomWallpaper::No;
    if (chosen.contains(QLatin1String("Geograph"))) {
        m_ui->logoLineEdit->setText(WallpaperFiles::geographLogo);
    } else if (m_ui->logoLineEdit->text() == WallpaperFiles::geographLogo) {
        m_ui->logoLineEdit->setText(wallpaperFileExists(WallpaperFiles::darkLogo) ? WallpaperFiles::darkLogo
                                                                                  : WallpaperFiles::defaultLogo);
    }
}

QString WallpaperPage::convertSvg(const QString &svg)
{
    const QString name = QFileInfo(svg).completeBaseName();
    if (QMessageBox::question(this, tr("File conversion"),
                              tr("Selected file '%1' is in svg format\nWould you like to convert it to png now?").arg(name),
                              QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return QString();
    const QSize screen = screenSize();
    const QString target = svgConversionTarget(svg, screen.width(), screen.height());
    if (QFileInfo::exists(target)
        && QMessageBox::question(this, tr("File exists"),
                                 tr("File '%1' already exists\nWould you like to rewrite it now?").arg(target),
                                 QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
        return QString();
    WaitCursor wait;
    convertSvgToPng(wallpaperFileAccessPath(svg), target, screen.width(), screen.height());
    return target;
}

void WallpaperPage::selectWallpaperColor()
{
    warnHighIntegrity();
    const QColor colour = QColorDialog::getColor(m_wallpaperColor, this);
    if (!colour.isValid())
        return;
    m_wallpaperColor = colour;
    m_ui->wallpaperLineEdit->setText(colour.name().toLower());
}

void WallpaperPage::selectWallpaper(const QString &text)
{
    if (m_loading || !m_ui)
        return;
    m_defaultWallpaperAction->setVisible(text != Distribution::defaultWallpaperName
                                         && text != Distribution::lightWallpaper);
    const QSize screen = screenSize();
    QString file;
    if (text.startsWith(QLatin1Char('#'))) {
        const QColor colour(text);
        if (colour.isValid())
            m_wallpaperColor = colour;
    } else if (!text.isEmpty() && text != Distribution::defaultWallpaperName && wallpaperFileExists(text)) {
        file = text;
    } else if (!text.isEmpty()) {
        WaitCursor wait(isOnScreen());
        file = FindWallPaperByName(text, screen.width(), screen.height(), QString(), m_primaryColor);
    }
    m_previewFile = file;
    if (m_preview)
        m_preview->setToolTip(wallpaperToolTip(file));
    customWallpaperFlag() = isCustomWallpaper(text) ? CustomWallpaper::Yes : CustomWallpaper::No;
    m_wallpaperChangedAt = ThemeSave::editTime();
    startPreview();
}

void WallpaperPage::startPreview()
{
    if (!m_ui || !m_preview || !m_previewPainted)
        return;
    Ui::WallpaperForm *ui = m_ui.get();
    if (settings()->isLocked(QStringLiteral("DesktopColor")))
        ui->wallpaperColorButton->setEnabled(false);

    WallpaperPreviewRequest request;
    request.screen = screenSize();
    request.devicePixelRatio = devicePixelRatioF();
    request.desktopColour = QColor(resolveDesktopColour(ui->wallpaperLineEdit->text(), settings(), m_palette));
    request.position = ui->wallpaperTypeComboBox->currentIndex();
    request.wallpaperFile = m_previewFile.isEmpty() ? QString() : wallpaperFileAccessPath(m_previewFile);
    QString logo = ui->logoLineEdit->text();
    if (!logo.isEmpty() && ui->logoPositionComboBox->currentText() != posToLocalString(s_notShow)) {
        if (QFileInfo(logo).suffix().isEmpty())
            logo = FindDefaultLogoPath(logo, request.screen.width(), request.screen.height(),
                                       defaultLogoVariant(m_primaryColor));
        if (wallpaperFileExists(logo)) {
            request.logoStoredPath = logo;
            request.logoFile = wallpaperFileAccessPath(logo);
        }
    }
    request.logoPositionKey = m_logoPosition;
    // Drawn at the size the label shows, never smaller than a useful
    // minimum: the label may not have its final size at the first load.
    const qreal ratio = m_preview->devicePixelRatioF();
    request.previewWidth = std::max(640, qRound(m_preview->width() * ratio));
    m_renderedWidth = std::min(request.previewWidth, request.screen.width());

    prepareWorkers();
    const int id = ++m_previewRequest;
    m_previewPool.clear();
    m_previewPool.start([this, id, request] {
        const QImage image = renderWallpaperPreview(request);
        QMetaObject::invokeMethod(this, [this, id, image] { showPreview(id, image); }, Qt::QueuedConnection);
    });
}

void WallpaperPage::showPreview(int request, const QImage &image)
{
    // Only the newest drawing counts; older ones were for other settings.
    if (request != m_previewRequest || !m_preview)
        return;
    m_preview->setPixmap(QPixmap::fromImage(image));
    Q_EMIT previewUpdated();
}

bool WallpaperPage::eventFilter(QObject *watched, QEvent *event)
{
    // A preview that grew beyond the drawn size is drawn again, sharp.
    if (watched == m_preview && event->type() == QEvent::Resize && m_renderedWidth > 0
        && m_preview->width() * m_preview->devicePixelRatioF() > m_renderedWidth * 1.1
        && m_renderedWidth < screenSize().width())
        startPreview();
    return AdminThemeKCM::eventFilter(watched, event);
}

void WallpaperPage::defautlWallpaperSlot(bool)
{
    m_ui->wallpaperLineEdit->setText(wallpaperFileExists(Distribution::lightWallpaper) ? Distribution::lightWallpaper
                                                                                       : Distribution::defaultWallpaperName);
}

void WallpaperPage::slotWallpaperType()
{
    if (!m_loading)
        startPreview();
}

void WallpaperPage::slotCurrDesktop(int state)
{
    Q_UNUSED(state)
    // A record has no position or slide show of its own; with both boxes
    // off the global ones apply again.
    const bool global = !m_ui->currDesktopCheckBox->isChecked() && !m_ui->currMonitorCheckBox->isChecked();
    m_ui->wallpaperTypeComboBox->setEnabled(global && !settings()->isLocked(QStringLiteral("WallPaperPos")));
    m_ui->slideShowSpinBox->setEnabled(global && !settings()->isLocked(s_wallPaper));
}

void WallpaperPage::clearWallpaper()
{
    m_ui->wallpaperLineEdit->clear();
}

void WallpaperPage::selectLogoFile()
{
    const QString chosen = chooseFile(this, tr("Select logo image file"), logoDialogStart(m_ui->logoLineEdit->text()),
                                      {WallpaperFiles::logoDir, WallpaperFiles::wmImagesDir});
    takeLogoFile(chosen);
}

void WallpaperPage::takeLogoFile(const QString &path)
{
    if (!path.isEmpty() && wallpaperFileExists(path) && isReadableImage(path)) {
        const QString logo = canonicalWallpaperPath(path);
        m_ui->logoLineEdit->setText(logo);
        const bool shipped = logo.endsWith(QLatin1String(".svg")) && logo.contains(QLatin1String("solva_logo"));
        const QSize size = QImageReader(wallpaperFileAccessPath(logo)).size();
        const QSize screen = screenSize();
        if (!shipped && logoTooLarge(size, screen)
            && QMessageBox::question(this, tr("Attention"),
                                     tr("Image size %1x%2 is too large for logo. Resize it?")
                                         .arg(size.width())
                                         .arg(size.height()),
                                     QMessageBox::Yes | QMessageBox::No)
                == QMessageBox::Yes) {
            const QString resized = writeResizedLogo(logo, screen);
            if (!resized.isEmpty())
                m_ui->logoLineEdit->setText(canonicalWallpaperPath(resized));
        }
    }
    startPreview();
}

void WallpaperPage::selectLogo(const QString &text)
{
    if (m_loading)
        return;
    m_defaultLogoAction->setVisible(text != WallpaperFiles::defaultLogo && text != WallpaperFiles::darkLogo);
    startPreview();
}

void WallpaperPage::selectLogoPosition(const QString &text)
{
    const QString key = localStringToPos(text);
    if (key == m_logoPosition)
        return;
    m_logoPosition = key;
    if (!m_loading)
        startPreview();
}

void WallpaperPage::defautlLogoSlot(bool)
{
    m_ui->logoLineEdit->setText(wallpaperFileExists(WallpaperFiles::darkLogo) ? WallpaperFiles::darkLogo
                                                                              : WallpaperFiles::defaultLogo);
}

void WallpaperPage::clearLogo()
{
    m_ui->logoLineEdit->clear();
}

QString WallpaperPage::posToLocalString(const QString &s) const
{
    return m_positionNames.value(s, m_positionNames.value(QStringLiteral("BottomRight")));
}

QString WallpaperPage::localStringToPos(const QString &s) const
{
    for (auto it = m_positionNames.constBegin(); it != m_positionNames.constEnd(); ++it) {
        if (it.value() == s)
            return it.key();
    }
    return QStringLiteral("BottomRight");
}

void WallpaperPage::reloadForScreen(QScreen *scr)
{
    if (settings()->isLocked(s_wallPaper) || !scr)
        return;
    m_screenOverride = scr;
    // The monitor box names the monitor the window stands on now, even when
    // that monitor has no record to show.
    if (m_ui)
        setScreenName(scr->name());
    if (hasMonitorWallpaperRecords())
        load();
    m_screenOverride = nullptr;
}

void WallpaperPage::setScreenName(const QString &name)
{
    if (!m_ui)
        return;
    QString text = m_ui->currMonitorCheckBox->text();
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon > 0)
        text.truncate(colon);
    m_ui->currMonitorCheckBox->setText(text + QStringLiteral(": ") + name);
}
