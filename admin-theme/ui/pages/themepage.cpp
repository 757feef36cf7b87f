// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "themepage.h"
#include "ui_themepage.h"
#include "wallpaperpage.h"
#include "waitcursor.h"

#include <lockedvalue.h>
#include <themecatalogue.h>
#include <themesave.h>
#include <wallpapersettings.h>

#include <distribution.h>
#include <schemepalette.h>
#include <session.h>
#include <themesettings.h>
#include <wmcolours.h>

#include <vyrcolors.h>
#include <vyrdesktopentry.h>
#include <vyricontheme.h>
#include <vyrinit.h>
#include <vyrpaths.h>
#include <vyrx11.h>

#include <KColorScheme>
#include <KColorSchemeManager>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDateTime>
#include <QGuiApplication>
#include <QIconEngine>
#include <QMessageBox>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QThread>
#include <QTimer>

#include <X11/Xcursor/Xcursor.h>
#include <X11/Xlib.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <utility>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
const QString s_true = QStringLiteral("true");
const QString s_false = QStringLiteral("false");

bool containsRue(const QVariant &value)
{
    return value.toString().contains(QLatin1String("rue"));
}

int sortGroup(const QString &name)
{
    if (name.contains(QObject::tr("Default")))
        return 0;
    if (name.contains(QLatin1String("Solva")))
        return 1;
    if (name.contains(QLatin1String("Vyr")))
        return 2;
    return 3;
}
}

namespace {
/**
 * A scheme's preview, asked of the scheme model only when it is drawn. The
 * scheme model paints every preview from the scheme's palette the first
 * time it is asked for it, and the list asks for all of them just to
 * learn that its items have icons when it first sizes itself: most of a
 * page load's scheme work, for one preview shown.
 */
class SchemePreviewEngine : public QIconEngine
{
public:
    explicit SchemePreviewEngine(const QModelIndex &source)
        : m_source(source)
    {
    }
    QIconEngine *clone() const override { return new SchemePreviewEngine(*this); }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        preview().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return preview().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return preview().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override
    {
        return preview().availableSizes(mode, state);
    }

private:
    QIcon preview() const
    {
        // The scheme model keeps what it painted once.
        return m_source.isValid() ? m_source.data(Qt::DecorationRole).value<QIcon>() : QIcon();
    }
    QPersistentModelIndex m_source;
};
}

QVariant MySortFilterProxyModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::DecorationRole && index.isValid())
        return QIcon(new SchemePreviewEngine(mapToSource(index)));
    return QSortFilterProxyModel::data(index, role);
}

bool MySortFilterProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QString a = left.data(Qt::DisplayRole).toString();
    const QString b = right.data(Qt::DisplayRole).toString();
    const int groupA = sortGroup(a);
    const int groupB = sortGroup(b);
    if (groupA != groupB)
        return groupA < groupB;
    return QString::localeAwareCompare(a, b) < 0;
}

bool MySortFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (sourceRow != 0)
        return true;
    const QModelIndex first = sourceModel()->index(0, 0, sourceParent);
    return !first.data(Qt::UserRole).toString().isEmpty();
}

ThemePage::ThemePage(ThemeSettings *settings, ThemeSettings *palette, QWidget *parent)
    : AdminThemeKCM(settings, parent)
    , m_palette(palette)
{
}

ThemePage::~ThemePage()
{
    if (m_scanThread) {
        disconnect(m_scanThread, nullptr, this, nullptr);
        m_scanThread->wait();
        delete m_scanThread;
    }
    // A previewed decoration colour was never saved: KConfig would write it
    // when the shared configuration goes away.
    if (m_breezeGroup.isValid() && m_breezeGroup.config()->isDirty())
        m_breezeGroup.config()->markAsClean();
}

QString ThemePage::schemePathAt(int proxyRow) const
{
    if (!m_schemeProxy || proxyRow < 0 || proxyRow >= m_schemeProxy->rowCount())
        return QString();
    return storedSchemePath(m_schemeProxy->index(proxyRow, 0).data(Qt::UserRole).toString());
}

QString ThemePage::currentSchemePath() const
{
    QString path = m_ui ? schemePathAt(m_ui->colorSchemeComboBox->currentIndex()) : QString();
    if (path.isEmpty())
        path = m_schemePath;
    return path.isEmpty() ? Distribution::defaultColourScheme(sessionFlags()) : path;
}

bool ThemePage::isUserSchemeShown() const
{
    return isUserScheme(currentSchemePath());
}

bool ThemePage::defaultDecorationSelected() const
{
    return !m_ui || m_ui->decorThemeCombo->currentIndex() <= 0;
}

QPalette ThemePage::pagePalette(QString *focus, QString *hover) const
{
    return buildSchemePalette(currentSchemePath(), m_primaryColor, m_backgroundColor, focus, hover);
}

void ThemePage::setColorScheme(const QString &path, bool quiet)
{
    if (!isLoaded())
        load();
    ensureSchemeList();
    const QString stored = storedSchemePath(path);
    if (!quiet) {
        int row = -1;
        for (int i = 0; m_schemeProxy && i < m_schemeProxy->rowCount(); ++i) {
            if (schemePathAt(i) == stored)
                row = i;
        }
        const QSignalBlocker blocker(m_ui->colorSchemeComboBox);
        m_ui->colorSchemeComboBox->setCurrentIndex(row);
        if (row >= 0 && m_schemes) {
            m_schemes->setAutosaveChanges(false);
            m_schemes->activateScheme(m_schemes->indexForScheme(m_ui->colorSchemeComboBox->currentText()));
        }
        m_schemePath = row >= 0 ? QString() : stored;
    } else {
        m_schemePath.clear();
    }

    const QString scheme = currentSchemePath();
    QPalette palette = KColorScheme::createApplicationPalette(openScheme(scheme));
    QColor primary = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor background = palette.color(QPalette::Active, QPalette::Base);
    if (background.black() > 120 || hasWmColours(scheme))
        primary = background;
    if (isGeneratedScheme(scheme)) {
        const QColor text(textColorFor(background.name()));
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::BrightText, QPalette::ButtonText})
            palette.setColor(QPalette::Active, role, text);
        palette.setColor(QPalette::Active, QPalette::HighlightedText, QColor(textColorFor(primary.name())));
    }
    m_primaryColor = primary;
    m_backgroundColor = background;
    m_iconStringColor = QColor(textColorFor(CreateShadeColors(primary.name()).value(QStringLiteral("color600"))));
    m_ui->primaryColorButton->setColor(m_primaryColor);
    m_ui->backgroundColorButton->setColor(m_backgroundColor);
    m_ui->iconStringColorButton->setColor(m_iconStringColor);
    m_focusColour = palette.color(QPalette::Active, QPalette::Highlight).name();
    m_hoverColour = CreateShadeColor(m_focusColour, 0.2);
    previewPalette(palette, true);
    enableColorButtons(true);
    m_schemeTime = ThemeSave::editTime();
    markAsChanged();
}

void ThemePage::previewPalette(const QPalette &palette, bool withDecorationColours)
{
    QApplication::setPalette(palette);
    if (!withDecorationColours || !m_breezeGroup.isValid())
        return;
    m_breezeGroup.writeEntry("DecorationFocus", palette.color(QPalette::Active, QPalette::Highlight).name());
    m_breezeGroup.writeEntry("DecorationHover", CreateShadeColor(m_focusColour, 0.2));
    // Only this program's own style is to repaint with the unsaved colours.
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString self = bus.isConnected() ? bus.baseService() : QString();
    if (self.isEmpty()) {
        std::fputs("vyr-admin-theme: can't get service name to update breeze colors\n", stderr);
        return;
    }
    bus.send(QDBusMessage::createTargetedSignal(self, QStringLiteral("/BreezeStyle"),
                                                QStringLiteral("org.kde.Breeze.Style"),
                                                QStringLiteral("reparseInMemoryConfiguration")));
}

void ThemePage::toggleColorSchemes(int index)
{
    if (!m_ui)
        return;
    if (index == 0 && currentSchemePath().contains(QLatin1String("generated")))
        m_ui->colorSchemeComboBox->setCurrentIndex(0);
    m_ui->colorSchemeComboBox->setEnabled(index == 0);
    m_ui->colorSchemeLabel->setEnabled(index == 0);
    enableColorButtons(index == 0);
}

void ThemePage::enableColorSchemes(bool enable)
{
    if (!m_ui)
        return;
    Ui::ThemeForm &ui = *m_ui;
    if (!sessionFlags().highIntegritySession && defaultDecorationSelected() && enable) {
        if (customWallpaperFlag() == CustomWallpaper::Yes) {
            ui.wallPaperColorSchemeLabel->setEnabled(true);
            ui.wallPaperColorSchemeComboBox->setEnabled(true);
            const bool automatic = ui.wallPaperColorSchemeComboBox->currentIndex() > 0;
            ui.colorSchemeComboBox->setEnabled(!automatic);
            ui.colorSchemeLabel->setEnabled(!automatic);
            enableColorButtons(!automatic);
        } else {
            ui.wallPaperColorSchemeLabel->setEnabled(false);
            ui.wallPaperColorSchemeComboBox->setEnabled(false);
            ui.colorSchemeComboBox->setEnabled(true);
            ui.colorSchemeLabel->setEnabled(true);
            enableColorButtons(true);
        }
        return;
    }
    ui.colorSchemeComboBox->setEnabled(false);
    ui.colorSchemeLabel->setEnabled(false);
    ui.wallPaperColorSchemeLabel->setEnabled(false);
    ui.wallPaperColorSchemeComboBox->setEnabled(false);
    enableColorButtons(false);
}

void ThemePage::enableColorButtons(bool enable)
{
    if (!m_ui)
        return;
    const bool user = enable && isUserSchemeShown();
    for (QWidget *widget :
         {static_cast<QWidget *>(m_ui->primaryColorButton), static_cast<QWidget *>(m_ui->primaryColorLabel),
          static_cast<QWidget *>(m_ui->backgroundColorButton), static_cast<QWidget *>(m_ui->backgroundColorLabel)})
        widget->setEnabled(user);
    const bool iconString = user && !m_ui->adaptiveIconStringColorCheckBox->isChecked();
    m_ui->iconStringColorButton->setEnabled(iconString);
    m_ui->iconStringColorLabel->setEnabled(iconString);
}

void ThemePage::warnHighIntegrity()
{
    QMessageBox::warning(this, tr("Attention"),
                         tr("Your session has high MIC level. Some decoration changes are not applicable."));
}

void ThemePage::selectColorScheme(int index)
{
    if (sessionFlags().highIntegritySession && index != 0)
        warnHighIntegrity();
    const QString path = schemePathAt(index);
    if (!path.isEmpty())
        setColorScheme(path, true);
}

void ThemePage::selectPrimaryColor(const QColor &colour)
{
    m_primaryColor = colour;
    QString focus;
    QString hover;
    const QPalette palette = pagePalette(&focus, &hover);
    m_focusColour = focus;
    m_hoverColour = hover;
    previewPalette(palette, true);
    markAsChanged();
}

void ThemePage::selectBackgroundColor(const QColor &colour)
{
    m_backgroundColor = colour;
    previewPalette(pagePalette(), false);
    markAsChanged();
}

void ThemePage::selectIconStringColor(const QColor &colour)
{
    if (colour.isValid())
        m_iconStringColor = colour;
    markAsChanged();
}

void ThemePage::adaptiveIconStringColorChanged(bool checked)
{
    const bool enabled = !checked && isUserSchemeShown();
    m_ui->iconStringColorButton->setEnabled(enabled);
    m_ui->iconStringColorLabel->setEnabled(enabled);
    markAsChanged();
}

void ThemePage::setSizeControlsEnabled(bool enabled)
{
    Ui::ThemeForm &ui = *m_ui;
    for (QWidget *widget : {static_cast<QWidget *>(ui.taskbarSizeLabel), static_cast<QWidget *>(ui.taskbarSizeSpinBox),
                            static_cast<QWidget *>(ui.iconSizeLabel), static_cast<QWidget *>(ui.iconSizeComboBox)})
        widget->setEnabled(enabled);
    // Title bar and frame belong to the default decoration; a theme brings its own.
    const bool frame = enabled && defaultDecorationSelected();
    for (QWidget *widget : {static_cast<QWidget *>(ui.titleSizeLabel), static_cast<QWidget *>(ui.titleSizeSpinBox),
                            static_cast<QWidget *>(ui.frameSizeLabel), static_cast<QWidget *>(ui.frameSizeSpinBox)})
        widget->setEnabled(frame);
}

void ThemePage::autoSizeChanged(bool checked)
{
    setSizeControlsEnabled(!checked);
    markAsChanged();
}

void ThemePage::decorChanged(int index)
{
    if (sessionFlags().highIntegritySession && index != 0)
        warnHighIntegrity();
    if (!m_ui->autoSizeCheckBox->isChecked()) {
        m_ui->titleSizeSpinBox->setEnabled(index == 0);
        m_ui->frameSizeSpinBox->setEnabled(index == 0);
        m_ui->titleSizeLabel->setEnabled(index == 0);
        m_ui->frameSizeLabel->setEnabled(index == 0);
    }
    enableColorSchemes(index == 0);
    m_ui->useTrayIconThemeCheckBox->setEnabled(true);
    m_ui->useTrayIconThemeCheckBox->setChecked(true);
    markAsChanged();
}

void ThemePage::connectReactions()
{
    if (m_connected)
        return;
    m_connected = true;
    Ui::ThemeForm &ui = *m_ui;
    connect(ui.colorSchemeComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &ThemePage::selectColorScheme);
    connect(ui.primaryColorButton, &KColorButton::changed, this, &ThemePage::selectPrimaryColor);
    connect(ui.backgroundColorButton, &KColorButton::changed, this, &ThemePage::selectBackgroundColor);
    connect(ui.iconStringColorButton, &KColorButton::changed, this, &ThemePage::selectIconStringColor);
    connect(ui.adaptiveIconStringColorCheckBox, &QCheckBox::toggled, this, &ThemePage::adaptiveIconStringColorChanged);
    connect(ui.autoSizeCheckBox, &QCheckBox::toggled, this, &ThemePage::autoSizeChanged);
    connect(ui.decorThemeCombo, qOverload<int>(&QComboBox::activated), this, &ThemePage::decorChanged);
    connect(ui.wallPaperColorSchemeComboBox, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        toggleColorSchemes(index);
        markAsChanged();
    });
    for (QComboBox *combo : {ui.cursorThemeCombo, ui.cursorSizeComboBox, ui.iconThemeCombo, ui.iconSizeComboBox})
        connect(combo, qOverload<int>(&QComboBox::activated), this, [this] { markAsChanged(); });
    for (QSpinBox *spin : {ui.taskbarSizeSpinBox, ui.titleSizeSpinBox, ui.frameSizeSpinBox})
        connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, [this] { markAsChanged(); });
    for (QCheckBox *box :
         {ui.combineTaskbarButtonCheckBox, ui.noTaskbarButtonNameCheckBox, ui.useSymbolicIconsForToolBarCheckBox,
          ui.useTrayIconThemeCheckBox, ui.myCompCheckBox, ui.myTrashCheckBox, ui.useNationalFlagsCheckBox,
          ui.titlebarStringCenterCheckBox, ui.pagerCheckBox, ui.startMenuTypeCheckBox, ui.multiTaskbarCheckBox,
          ui.ownKbPerWindowCheckBox, ui.numLockCheckBox, ui.baseKbForNewWindowCheckBox, ui.oneClickRunCheckBox})
        connect(box, &QCheckBox::toggled, this, [this] { markAsChanged(); });
}

void ThemePage::ensureSchemeList()
{
    if (std::exchange(m_schemeListPending, false))
        loadSchemeList(m_schemePath);
}

void ThemePage::loadSchemeList(const QString &stored)
{
    m_schemeListPending = false;
    // Replacing the model moves the list's index: not a choice of the user.
    const QSignalBlocker blocker(m_ui->colorSchemeComboBox);
    delete m_schemeProxy;
    delete m_schemes;
    m_schemes = new KColorSchemeManager(this);
    m_schemes->setAutosaveChanges(false);
    QAbstractItemModel *model = m_schemes->model();
    QString shown;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (!stored.isEmpty() && storedSchemePath(index.data(Qt::UserRole).toString()) == stored) {
            m_schemes->activateScheme(index);
            shown = index.data(Qt::DisplayRole).toString();
        }
    }
    m_schemeProxy = new MySortFilterProxyModel(this);
    m_schemeProxy->setSourceModel(model);
    m_schemeProxy->sort(0, Qt::AscendingOrder);
    m_ui->colorSchemeComboBox->setModel(m_schemeProxy);
    m_ui->colorSchemeComboBox->setCurrentIndex(shown.isEmpty() ? -1 : m_ui->colorSchemeComboBox->findText(shown));
    // A stored scheme the list does not hold stays the page's scheme.
    m_schemePath = m_ui->colorSchemeComboBox->currentIndex() < 0 ? stored : QString();
}

void ThemePage::loadDecorations()
{
    Ui::ThemeForm &ui = *m_ui;
    const QSignalBlocker blocker(ui.decorThemeCombo);
    ui.decorThemeCombo->clear();
    ui.decorThemeCombo->addItem(QIcon(), tr("Default"));
    const QSize iconSize = ui.decorThemeCombo->iconSize() * devicePixelRatioF();
    for (const QString &name : ThemeCatalogue::decorationThemeNames()) {
        const ThemeCatalogue::DecorThemeCheck check = ThemeCatalogue::checkDecorTheme(name, iconSize);
        if (check.ok)
            ui.decorThemeCombo->addItem(QIcon(QPixmap::fromImage(check.preview)), name);
    }
    const QString stored
        = lockedValue(*settings(), QStringLiteral("DecorTheme"), QString(), {ui.decorThemeCombo}).toString();
    // A theme that is no longer installed shows as the default decoration;
    // nothing is written before the user saves.
    const int index = stored.isEmpty() ? 0 : ui.decorThemeCombo->findText(stored);
    ui.decorThemeCombo->setCurrentIndex(std::max(0, index));
    if (!settings()->isLocked(QStringLiteral("DecorTheme")))
        ui.decorThemeCombo->setEnabled(!sessionFlags().highIntegritySession && ui.decorThemeCombo->count() > 0);
}

void ThemePage::loadSizes()
{
    Ui::ThemeForm &ui = *m_ui;
    ThemeSettings &store = *settings();
    auto number = [&store](const char *key, std::initializer_list<QWidget *> controls) {
        bool ok = false;
        const int value = lockedValue(store, QLatin1String(key), QStringLiteral("-1"), controls).toString().toInt(&ok);
        return ok ? value : -1;
    };
    const int taskbar = number("TaskbarHeight", {ui.taskbarSizeSpinBox});
    const int icon = number("DesktopIconSize", {ui.iconSizeComboBox});
    const int title = number("FrameTitleHeight", {ui.titleSizeSpinBox});
    const int frame = number("FrameBorderWidth", {ui.frameSizeSpinBox});

    Display *display = vyrX11Display();
    const int screen = display ? DefaultScreen(display) : 0;
    int dpi = GetXftDPI(display, screen);
    if (dpi <= 0 && display)
        dpi = FindDPI(display, screen, RootWindow(display, screen));
    QScreen *primary = QGuiApplication::primaryScreen();
    const qreal ratio = primary ? primary->devicePixelRatio() : 1.0;
    const ThemeCatalogue::Sizes sizes = ThemeCatalogue::sizesFor(taskbar, icon, title, frame, dpi, ratio);

    const QString position = store.value(QStringLiteral("TaskbarPosition"), QStringLiteral("Bottom")).toString();
    const bool horizontal = position == QLatin1String("Top") || position == QLatin1String("Bottom");
    if (primary) {
        const qreal side = horizontal ? primary->size().height() : primary->size().width();
        ui.taskbarSizeSpinBox->setMaximum(std::max(sizes.taskbar, int(std::lround(side * ratio / 10.0))));
    }
    const QSignalBlocker blockAuto(ui.autoSizeCheckBox);
    ui.autoSizeCheckBox->setChecked(sizes.autoSize);
    ui.taskbarSizeSpinBox->setValue(sizes.taskbar);
    const QString iconText = QString::number(sizes.icon);
    if (ui.iconSizeComboBox->findText(iconText) < 0)
        ui.iconSizeComboBox->addItem(iconText);
    ui.iconSizeComboBox->setCurrentText(iconText);
    ui.titleSizeSpinBox->setValue(sizes.title);
    ui.frameSizeSpinBox->setValue(sizes.frame);
    setSizeControlsEnabled(!sizes.autoSize);
}

void ThemePage::load()
{
    setupForm(m_ui);
    Ui::ThemeForm &ui = *m_ui;
    ThemeSettings &store = *settings();
    const WaitCursor wait(isWindowOnScreen(this));
    // The reactions are connected below; until then filling the controls
    // must not count as an edit.
    const bool wasBlocked = blockSignals(true);

    // 1. Lists and sizes.
    const QSignalBlocker blockCursor(ui.cursorThemeCombo);
    const QSignalBlocker blockIcons(ui.iconThemeCombo);
    ui.cursorThemeCombo->clear();
    ui.iconThemeCombo->clear();
    const int row = vyrDpiScaled(32);
    for (QComboBox *combo : {ui.cursorThemeCombo, ui.iconThemeCombo, ui.decorThemeCombo})
        combo->setIconSize(QSize(row * 3, row));
    for (QWidget *button :
         {static_cast<QWidget *>(ui.primaryColorButton), static_cast<QWidget *>(ui.backgroundColorButton),
          static_cast<QWidget *>(ui.iconStringColorButton)})
        button->setMinimumHeight(row);

    // 2. Cursor sizes.
    Display *display = vyrX11Display();
    const ThemeCatalogue::CursorSizeList sizes =
        ThemeCatalogue::cursorSizeList(VyrIconTheme::getCurrentCursorThemeSize(display));
    {
        const QSignalBlocker blocker(ui.cursorSizeComboBox);
        ui.cursorSizeComboBox->clear();
        ui.cursorSizeComboBox->addItems(sizes.items);
        // The first entry is "Auto"; the save takes it by its place, not its text.
        ui.cursorSizeComboBox->setItemText(0, tr("Auto"));
        ui.cursorSizeComboBox->setCurrentIndex(sizes.selected);
    }
    // 3 and 4 come from startThemeScan(), filled after the first paint.
    m_storedIconTheme = lockedValue(store, QStringLiteral("IconTheme"), QString(), {ui.iconThemeCombo}).toString();
    ui.cursorThemeCombo->setEnabled(false);
    ui.iconThemeCombo->setEnabled(false);
    m_listsFilled = false;
    // A scan already running (the page is being shown) serves this load.
    m_scanPending = !m_scanThread && !m_scanResult;

    // 5. Decorations.
    loadDecorations();

    // 6. Taskbar icons, toolbar icons, keyboard flags.
    ui.useTrayIconThemeCheckBox->setChecked(
        containsRue(lockedValue(store, QStringLiteral("UseTrayIconTheme"), QString(), {ui.useTrayIconThemeCheckBox})));
    ui.useSymbolicIconsForToolBarCheckBox->setChecked(
        containsRue(QSettings(QSettings::UserScope, QStringLiteral("Trolltech"))
                        .value(QStringLiteral("Qt/useSymbolicIconsForToolBar"))));
    const QString base
        = lockedValue(store, QStringLiteral("BaseKbImage"), QString(), {ui.useNationalFlagsCheckBox}).toString();
    const QString alt
        = lockedValue(store, QStringLiteral("AltKbImage"), QString(), {ui.useNationalFlagsCheckBox}).toString();
    ui.useNationalFlagsCheckBox->setChecked(base == QLatin1String("flag") && alt == QLatin1String("flag"));

    // 7. Desktop items.
    auto shown = [](const char *file) {
        VyrDesktopEntry entry(GetVyrDir(VyrDirCurrentDesktop) + QLatin1Char('/') + QLatin1String(file));
        return entry.load() && !entry.hidden();
    };
    ui.myCompCheckBox->setChecked(shown("mycomp.desktop"));
    ui.myTrashCheckBox->setChecked(shown("mytrash.desktop"));

    // 8. Colours.
    const QColor primary(
        m_palette->value(QStringLiteral("PrimaryColor"), Distribution::defaultPrimaryColour(sessionFlags()))
            .toString());
    const QColor background(m_palette->value(QStringLiteral("BackgroundColor"), QStringLiteral("#ffffff")).toString());
    const QColor iconString(lockedValue(store, QStringLiteral("IconStringColor"), QStringLiteral("#FFFFFF"),
                                        {ui.iconStringColorButton}).toString());
    if (primary.isValid()) {
        m_primaryColor = primary;
        ui.primaryColorButton->setColor(primary);
    }
    if (background.isValid()) {
        m_backgroundColor = background;
        ui.backgroundColorButton->setColor(background);
    }
    if (iconString.isValid()) {
        m_iconStringColor = iconString;
        ui.iconStringColorButton->setColor(iconString);
    }
    ui.adaptiveIconStringColorCheckBox->setChecked(containsRue(lockedValue(
        store, QStringLiteral("AdaptiveIconStringColor"), s_true, {ui.adaptiveIconStringColorCheckBox})));

    // 9. The user's own scheme.
    ThemeSave::ensureUserScheme();

    // 10. Schemes. Reading every scheme and applying the stored one is
    // left for after the page's first paint when the page is being shown:
    // until then the page's scheme is the stored one, and the program
    // already wears its colours when the desktop's platform theme runs.
    const QString storedScheme = m_palette->value(QStringLiteral("ColorScheme"), QString()).toString();
    if (isVisible() && !m_painted) {
        delete std::exchange(m_schemeProxy, nullptr);
        delete std::exchange(m_schemes, nullptr);
        m_schemePath = storedScheme;
        m_schemeListPending = true;
    } else {
        loadSchemeList(storedScheme);
    }

    // 11. The wallpaper's scheme.
    const QString mode = lockedValue(store, QStringLiteral("WallPaperColorScheme"), QStringLiteral("none"),
                                     {ui.wallPaperColorSchemeComboBox}).toString();
    ui.wallPaperColorSchemeComboBox->setCurrentIndex(std::max(
        0, QStringList{QStringLiteral("none"), QStringLiteral("light"), QStringLiteral("dark")}.indexOf(mode)));
    if (customWallpaperFlag() == CustomWallpaper::Unknown) {
        const QString wallpaper
            = store.value(QStringLiteral("WallPaper"), Distribution::defaultWallpaperName).toString();
        if (!wallpaper.startsWith(QLatin1Char('/')) || wallpaper.contains(QLatin1String("vyr-default"))
            || wallpaper.contains(Distribution::lightWallpaper)) {
            customWallpaperFlag() = CustomWallpaper::No;
            ui.wallPaperColorSchemeComboBox->setCurrentIndex(0);
        } else {
            customWallpaperFlag() = CustomWallpaper::Yes;
        }
    }
    enableColorSchemes(true);

    // 12. breezerc, kept for the previews.
    m_breezeGroup = KConfigGroup(KSharedConfig::openConfig(QStringLiteral("breezerc")), "Colors:View");

    // 13. Reactions.
    connectReactions();
    ui.startMenuTypeCheckBox->setChecked(
        containsRue(lockedValue(store, QStringLiteral("UseStartButton"), s_false, {ui.startMenuTypeCheckBox})));

    // 14. Sizes and the remaining options.
    loadSizes();
    const std::pair<const char *, QCheckBox *> options[] = {
        {"UsePager", ui.pagerCheckBox},
        {"MultiTaskbar", ui.multiTaskbarCheckBox},
        {"NoTaskbarButtonName", ui.noTaskbarButtonNameCheckBox},
        {"TaskbarButtonCombine", ui.combineTaskbarButtonCheckBox},
        {"OwnKbPerWindow", ui.ownKbPerWindowCheckBox},
        {"BaseKbForNewWindow", ui.baseKbForNewWindowCheckBox},
        {"numLockOn", ui.numLockCheckBox},
        {"OneClickRun", ui.oneClickRunCheckBox},
        {"TitlebarStringCenter", ui.titlebarStringCenterCheckBox},
    };
    for (const auto &option : options) {
        const QString fallback = qstrcmp(option.first, "UsePager") == 0 ? s_true : s_false;
        option.second->setChecked(
            containsRue(lockedValue(store, QLatin1String(option.first), fallback, {option.second})));
    }
    blockSignals(wasBlocked);
    AdminThemeKCM::load();
}

void ThemePage::showEvent(QShowEvent *event)
{
    // Checking every installed theme is the page's slowest work: it runs
    // on a worker while the page loads and paints for the first time.
    if (!isLoaded() || m_scanPending) {
        m_scanPending = false;
        startThemeScan();
    }
    AdminThemeKCM::showEvent(event);
}

bool ThemePage::event(QEvent *event)
{
    // The lists are filled only after the first paint, so that the page
    // shows at once even when the scan is quick.
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, [this] {
            ensureSchemeList();
            if (m_scanResult)
                fillThemeLists(*std::exchange(m_scanResult, nullptr));
        });
    }
    return AdminThemeKCM::event(event);
}

void ThemePage::startThemeScan()
{
    if (m_scanThread)
        return;
    ThemeCatalogue::ScanRequest request;
    Display *display = vyrX11Display();
    m_currentCursorTheme = VyrIconTheme::getCurrentCursorThemeName(display);
    if (m_currentCursorTheme.isEmpty())
        m_currentCursorTheme = QStringLiteral("default");
    int opcode = 0;
    int eventBase = 0;
    int errorBase = 0;
    request.cursorsSupported = display && XQueryExtension(display, "RENDER", &opcode, &eventBase, &errorBase);
    request.cursorSize = display ? XcursorGetDefaultSize(display) : 24;
    request.currentCursorTheme = m_currentCursorTheme;
    const int row = vyrDpiScaled(32);
    request.iconSize = QSize(row * 3, row) * devicePixelRatioF();
    auto result = std::make_shared<ThemeCatalogue::ScanResult>();
    m_scanThread = QThread::create([request, result] {
        // The page's first paint comes first when both want one processor.
        setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), 10);
        *result = ThemeCatalogue::scan(request);
    });
    connect(m_scanThread, &QThread::finished, this, [this, result] {
        m_scanThread->deleteLater();
        m_scanThread = nullptr;
        if (m_painted)
            fillThemeLists(*result);
        else
            m_scanResult = result;
    });
    m_scanThread->start();
}

void ThemePage::fillThemeLists(const ThemeCatalogue::ScanResult &result)
{
    ensureSchemeList();
    Ui::ThemeForm &ui = *m_ui;
    for (const QString &line : result.diagnostics)
        std::fputs(qPrintable(line), stderr);
    {
        const QSignalBlocker blocker(ui.cursorThemeCombo);
        ui.cursorThemeCombo->clear();
        for (int i = 0; i < result.cursorThemes.size(); ++i)
            ui.cursorThemeCombo->addItem(QIcon(QPixmap::fromImage(result.cursorPreviews[size_t(i)])),
                                         result.cursorThemes.at(i));
        ui.cursorThemeCombo->setCurrentIndex(ui.cursorThemeCombo->findText(m_currentCursorTheme));
        ui.cursorThemeCombo->setEnabled(ui.cursorThemeCombo->count() > 0);
    }
    {
        const QSignalBlocker blocker(ui.iconThemeCombo);
        ui.iconThemeCombo->clear();
        for (int i = 0; i < result.iconThemes.size(); ++i)
            ui.iconThemeCombo->addItem(QIcon(QPixmap::fromImage(result.iconPreviews[size_t(i)])),
                                       result.iconThemes.at(i));
        ui.iconThemeCombo->setCurrentIndex(ui.iconThemeCombo->findText(m_storedIconTheme));
        if (!settings()->isLocked(QStringLiteral("IconTheme")))
            ui.iconThemeCombo->setEnabled(ui.iconThemeCombo->count() > 0);
    }
    m_listsFilled = true;
    Q_EMIT themeListsReady();
}

void ThemePage::save()
{
    ensureSchemeList();
    if (!m_ui) {
        AdminThemeKCM::save();
        return;
    }
    Ui::ThemeForm &ui = *m_ui;
    ThemeSave::Input input;
    input.cursorSizeText = ui.cursorSizeComboBox->currentIndex() == 0 ? QStringLiteral("Auto")
                                                                      : ui.cursorSizeComboBox->currentText();
    input.cursorTheme = ui.cursorThemeCombo->currentText();
    input.iconTheme = ui.iconThemeCombo->currentText();
    input.trayIconTheme = ui.useTrayIconThemeCheckBox->isChecked();
    input.symbolicToolbarIcons = ui.useSymbolicIconsForToolBarCheckBox->isChecked();
    input.nationalFlags = ui.useNationalFlagsCheckBox->isChecked();
    input.myComputer = ui.myCompCheckBox->isChecked();
    input.trash = ui.myTrashCheckBox->isChecked();
    input.useStartButton = ui.startMenuTypeCheckBox->isChecked();
    input.usePager = ui.pagerCheckBox->isChecked();
    input.multiTaskbar = ui.multiTaskbarCheckBox->isChecked();
    input.noTaskbarButtonName = ui.noTaskbarButtonNameCheckBox->isChecked();
    input.taskbarButtonCombine = ui.combineTaskbarButtonCheckBox->isChecked();
    input.ownKbPerWindow = ui.ownKbPerWindowCheckBox->isChecked();
    input.baseKbForNewWindow = ui.baseKbForNewWindowCheckBox->isChecked();
    input.numLockOn = ui.numLockCheckBox->isChecked();
    input.oneClickRun = ui.oneClickRunCheckBox->isChecked();
    input.titlebarStringCenter = ui.titlebarStringCenterCheckBox->isChecked();
    input.autoSize = ui.autoSizeCheckBox->isChecked();
    input.iconSizeText = ui.iconSizeComboBox->currentText();
    input.taskbarHeight = ui.taskbarSizeSpinBox->value();
    QScreen *primary = QGuiApplication::primaryScreen();
    input.pixelRatio = primary ? primary->devicePixelRatio() : 1.0;
    input.titleHeight = ui.titleSizeSpinBox->value();
    input.frameWidth = ui.frameSizeSpinBox->value();
    input.scheme = currentSchemePath();
    input.decoration = ui.decorThemeCombo->currentIndex() <= 0 ? QString() : ui.decorThemeCombo->currentText();
    input.primary = m_primaryColor;
    input.background = m_backgroundColor;
    input.iconString = m_iconStringColor;
    const int mode = ui.wallPaperColorSchemeComboBox->isEnabled() ? ui.wallPaperColorSchemeComboBox->currentIndex() : 0;
    input.wallpaperMode = mode == 1 ? QStringLiteral("light")
        : mode == 2                 ? QStringLiteral("dark")
                                    : QStringLiteral("none");
    if (m_wallpaperPage && m_wallpaperPage->isLoaded()) {
        input.wallpaperFromPage = true;
        input.wallpaper = m_wallpaperPage->wallpaper();
        input.wallpaperTime = m_wallpaperPage->wallpaperChangeTime();
    }
    input.schemeTime = m_schemeTime;
    input.adaptiveIconStringColor = ui.adaptiveIconStringColorCheckBox->isChecked();
    input.qtWindowColour = QApplication::style()->standardPalette().color(QPalette::Window).name();

    ThemeSave::Hooks hooks;
    hooks.warn = [this](const QString &text) { QMessageBox::warning(this, tr("Warning"), text, QMessageBox::Ok); };
    hooks.showWallpaper = [this](const QString &path) {
        if (m_wallpaperPage)
            m_wallpaperPage->selectWallpaperFile(path);
    };
    hooks.activateScheme = [this](const QString &) {
        if (!m_schemes)
            return;
        const QModelIndex index = m_schemes->indexForScheme(m_ui->colorSchemeComboBox->currentText());
        if (index.isValid()) {
            m_schemes->setAutosaveChanges(true);
            m_schemes->activateScheme(index);
            m_schemes->setAutosaveChanges(false);
        }
    };
    hooks.breezeGroup = m_breezeGroup.isValid() ? &m_breezeGroup : nullptr;
    const ThemeSave::Result result = ThemeSave::save(settings(), m_palette, input, hooks);
    if (result.generatedSchemesRemoved) {
        const QString shown = currentSchemePath();
        loadSchemeList(shown);
    }
    AdminThemeKCM::save();
}
