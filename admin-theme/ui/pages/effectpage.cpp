// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "effectpage.h"
#include "ui_effectpage.h"

#include <effectsettings.h>
#include <lockedvalue.h>
#include <themesettings.h>

#include <QApplication>
#include <QMessageBox>

using namespace EffectSettings;

EffectPage::EffectPage(ThemeSettings *settings, QWidget *parent)
    : AdminThemeKCM(settings, parent)
    , m_compositor(std::make_unique<CompositorGroup>(settings))
{
}

EffectPage::~EffectPage() = default;

QString EffectPage::readValue(const QString &key, const QString &defaultValue,
                              std::initializer_list<QWidget *> controls)
{
    if (settings()->isLocked(key)) {
        for (QWidget *control : controls)
            m_locked.insert(control);
    }
    return lockedValue(*settings(), key, defaultValue, controls).toString();
}

bool EffectPage::readBool(const QString &key, const QString &defaultValue, QWidget *control)
{
    return isTrueText(readValue(key, defaultValue, {control}));
}

int EffectPage::readInt(const QString &key, const QString &defaultValue, QWidget *control)
{
    return readValue(key, defaultValue, {control}).toInt();
}

void EffectPage::setEnabledUnlessLocked(QWidget *control, bool enabled)
{
    control->setEnabled(enabled && !m_locked.contains(control));
}

void EffectPage::load()
{
    Ui::EffectForm *ui = setupForm(m_ui);
    // A second load connects again; the slots must run once per change.
    for (const QMetaObject::Connection &connection : qAsConst(m_connections))
        disconnect(connection);
    m_connections.clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ui->transparencyGroup->hide();

    ui->smartPlacementBox->setChecked(readBool(QStringLiteral("SmartPlacement"), QStringLiteral("true"),
                                               ui->smartPlacementBox));
    ui->placementCombo->clear();
    ui->placementCombo->addItem(tr("NorthWest"), QStringLiteral("NorthWest"));
    ui->placementCombo->addItem(tr("Center"), QStringLiteral("Center"));
    ui->placementCombo->setCurrentIndex(placementIndex(readValue(
        QStringLiteral("DefaultPlacement"), QStringLiteral("NorthWest"), {ui->placementCombo, ui->placementLabel})));
    ui->opaqueMoveBox->setChecked(readBool(QStringLiteral("OpaqueMove"), QStringLiteral("true"), ui->opaqueMoveBox));
    ui->opaqueResizeBox->setChecked(
        readBool(QStringLiteral("OpaqueResize"), QStringLiteral("true"), ui->opaqueResizeBox));
    ui->snapMoveBox->setChecked(readBool(QStringLiteral("SnappingMoving"), QStringLiteral("true"), ui->snapMoveBox));
    ui->snapResizeBox->setChecked(
        readBool(QStringLiteral("SnappingResize"), QStringLiteral("true"), ui->snapResizeBox));
    ui->snapTopMaximizeBox->setChecked(
        readBool(QStringLiteral("SnapTopMaximize"), QStringLiteral("true"), ui->snapTopMaximizeBox));
    ui->restoreSizeBox->setChecked(
        readBool(QStringLiteral("RestoreSizeAfterSnap"), QStringLiteral("true"), ui->restoreSizeBox));
    ui->resizeAllSnapBox->setChecked(
        readBool(QStringLiteral("ResizeAllSnap"), QStringLiteral("true"), ui->resizeAllSnapBox));

    checkSnapMove(ui->opaqueMoveBox->checkState());
    checkSnapResize(ui->opaqueResizeBox->checkState());

    ui->startMenuSpeedSpin->setValue(
        readInt(QStringLiteral("StartMenuMapSpeed"), QStringLiteral("0"), ui->startMenuSpeedSpin));
    ui->arrangeSpeedSpin->setValue(
        readInt(QStringLiteral("ArrangeWindowSpeed"), QStringLiteral("0"), ui->arrangeSpeedSpin));
    ui->mapSpeedSpin->setValue(readInt(QStringLiteral("GradWindowMapSpeed"), QStringLiteral("0"), ui->mapSpeedSpin));
    ui->mapStyleCombo->clear();
    const QStringList styles = mapStyleValues();
    for (int index = 0; index < styles.size(); ++index)
        ui->mapStyleCombo->addItem(index == 0 ? tr("None") : styles.at(index));
    ui->mapStyleCombo->setCurrentIndex(
        mapStyleIndex(readValue(QStringLiteral("GradWindowMapStyle"), QStringLiteral("Normal"), {ui->mapStyleCombo})));

    ui->menuDelaySpin->setValue(readInt(QStringLiteral("MenuDelayTime"), QStringLiteral("300"), ui->menuDelaySpin));
    ui->menuDelay2Spin->setValue(
        readInt(QStringLiteral("MenuDelayTime2"), QStringLiteral("300"), ui->menuDelay2Spin));
    ui->menuSpeedSpin->setValue(readInt(QStringLiteral("GradMenuMapSpeed"), QStringLiteral("0"), ui->menuSpeedSpin));
    ui->taskbarSpeedSpin->setValue(
        readInt(QStringLiteral("GradTaskbarMotionSpeed"), QStringLiteral("10"), ui->taskbarSpeedSpin));
    ui->taskbarShowDelaySpin->setValue(
        readInt(QStringLiteral("TaskbarShowDelay"), QStringLiteral("500"), ui->taskbarShowDelaySpin));
    ui->taskbarHideDelaySpin->setValue(
        readInt(QStringLiteral("TaskbarHideDelay"), QStringLiteral("0"), ui->taskbarHideDelaySpin));
    ui->beltSizeSpin->setValue(readInt(QStringLiteral("PagingBeltSize"), QStringLiteral("0"), ui->beltSizeSpin));
    ui->resistanceSpin->setValue(
        readInt(QStringLiteral("PagingResistance"), QStringLiteral("1500"), ui->resistanceSpin));
    ui->pagingSpeedSpin->setValue(readInt(QStringLiteral("PagingSpeed"), QStringLiteral("30"), ui->pagingSpeedSpin));
    ui->shiftCursorSpin->setValue(
        readInt(QStringLiteral("PagingShiftCursor"), QStringLiteral("200"), ui->shiftCursorSpin));
    const bool paging = ui->beltSizeSpin->value() != 0;
    ui->autopagingGroup->setChecked(paging);
    for (QWidget *box : {static_cast<QWidget *>(ui->beltSizeSpin), static_cast<QWidget *>(ui->resistanceSpin),
                         static_cast<QWidget *>(ui->pagingSpeedSpin), static_cast<QWidget *>(ui->shiftCursorSpin)})
        setEnabledUnlessLocked(box, paging);

    ui->switcherAllPagesBox->setChecked(
        readBool(QStringLiteral("SwitcherAllPages"), QStringLiteral("true"), ui->switcherAllPagesBox));
    ui->dndBox->setChecked(readBool(QStringLiteral("DnDIndicationOnDesktop"), QStringLiteral("false"), ui->dndBox));
    ui->menuTransparencySpin->setValue(
        readInt(QStringLiteral("MenuTransparency"), QStringLiteral("0"), ui->menuTransparencySpin));
    ui->menuTransparency2Spin->setValue(
        readInt(QStringLiteral("MenuTransparency2"), QStringLiteral("0"), ui->menuTransparency2Spin));
    ui->thumbnailsBox->setChecked(readInt(QStringLiteral("ThumbSize"), QStringLiteral("-1"), ui->thumbnailsBox) != 0);

    loadCompositor();
    connectControls();

    if (ui->mapStyleCombo->currentIndex() == 0)
        ui->mapSpeedSpin->setEnabled(false);
    AdminThemeKCM::load();
    QApplication::restoreOverrideCursor();
}

void EffectPage::loadCompositor()
{
    Ui::EffectForm *ui = m_ui.get();
    const CompositorGroup::LoadResult result =
        m_compositor->load(ui->opaqueMoveBox->isChecked() && ui->opaqueResizeBox->isChecked());
    m_compositorAvailable = result.available;
    m_compositorLocked = result.locked;
    if (result.locked)
        m_locked.insert(ui->compositorGroup);
    ui->compositorGroup->setChecked(result.checked);
    ui->compositorGroup->setEnabled(result.available && !result.locked);
    if (result.source == CompositorGroup::LibConfig) {
        ui->roundCornersBox->setChecked(result.options.roundCorners);
        ui->animationsBox->setChecked(result.options.animations);
        ui->fadingBox->setChecked(result.options.fading);
        ui->vsyncBox->setChecked(result.options.vsync);
    }
    if (result.source != CompositorGroup::NoOptions) {
        ui->transparencyBox->setChecked(result.options.transparency);
        ui->shadowBox->setChecked(result.options.shadow);
    }
    showMessages(result.messages, true);

    ui->focusShadowBox->setChecked(readInt(QStringLiteral("FocusShadow"), QStringLiteral("-100"), ui->focusShadowBox)
                                   < -1);
    if (ui->compositorGroup->isChecked())
        setEnabledUnlessLocked(ui->focusShadowBox, ui->shadowBox->isChecked());
    if (ui->compositorGroup->isEnabledTo(this) && ui->compositorGroup->isChecked())
        fixOldAnimations(true);
}

void EffectPage::showMessages(const QList<CompositorMessage> &messages, bool waitCursor)
{
    for (const CompositorMessage &message : messages) {
        QString text;
        switch (message.kind) {
        case CompositorMessage::ManagerNotFound:
            text = tr("Can't find composite manager %1.").arg(message.argument);
            break;
        case CompositorMessage::StartedOutside:
            text = tr("Composite manager started manually or from autostart.\n"
                      "We don't recommend manage it here in that case.");
            break;
        case CompositorMessage::NotStarted:
            text = tr("Compositing is enabed, but composite manager isn't started now.\n"
                      "Exit and enter in session again to start compositor with vyr.");
            break;
        case CompositorMessage::CantRead:
            text = tr("Can't read from file %1").arg(message.argument);
            break;
        case CompositorMessage::CantCreate:
            text = tr("Can't create file %1").arg(message.argument);
            break;
        case CompositorMessage::CantWrite:
            text = tr("Can't write to file %1").arg(message.argument);
            break;
        }
        if (waitCursor)
            QApplication::restoreOverrideCursor();
        QMessageBox::warning(this, tr("Attention"), text);
        if (waitCursor)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

void EffectPage::connectControls()
{
    Ui::EffectForm *ui = m_ui.get();
    auto add = [this](const QMetaObject::Connection &connection) { m_connections.append(connection); };

    add(connect(ui->mapStyleCombo, qOverload<int>(&QComboBox::activated), this, &EffectPage::mapAnimationSlot));
    add(connect(ui->autopagingGroup, &QGroupBox::toggled, this, &EffectPage::pagingBeltSlot));
    add(connect(ui->shadowBox, &QCheckBox::stateChanged, this, &EffectPage::shadowChangedSlot));
    add(connect(ui->opaqueMoveBox, &QCheckBox::stateChanged, this, &EffectPage::checkSnapMove));
    add(connect(ui->opaqueResizeBox, &QCheckBox::stateChanged, this, &EffectPage::checkSnapResize));
    add(connect(ui->compositorGroup, &QGroupBox::toggled, this, &EffectPage::fixOldAnimations));
    add(connect(ui->fadingBox, &QCheckBox::toggled, this, &EffectPage::toggleFadeSignal));
    add(connect(ui->animationsBox, &QCheckBox::toggled, this, &EffectPage::toggleAninmSignal));

    const auto boxes = findChildren<QCheckBox *>();
    for (QCheckBox *box : boxes)
        add(connect(box, &QCheckBox::toggled, this, &EffectPage::markAsChanged));
    const auto spins = findChildren<QSpinBox *>();
    for (QSpinBox *spin : spins)
        add(connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, &EffectPage::markAsChanged));
    for (QComboBox *combo : {ui->placementCombo, ui->mapStyleCombo})
        add(connect(combo, qOverload<int>(&QComboBox::activated), this, &EffectPage::markAsChanged));
    for (QGroupBox *group : {ui->autopagingGroup, ui->compositorGroup})
        add(connect(group, &QGroupBox::toggled, this, &EffectPage::markAsChanged));
}

void EffectPage::mapAnimationSlot(int index)
{
    m_ui->mapSpeedSpin->setValue(mapSpeedForStyle(index));
    setEnabledUnlessLocked(m_ui->mapSpeedSpin, index != 0);
}

void EffectPage::pagingBeltSlot(bool on)
{
    m_ui->beltSizeSpin->setValue(beltSizeWhenSwitched(on, m_ui->beltSizeSpin->value()));
    for (QWidget *box : {static_cast<QWidget *>(m_ui->beltSizeSpin), static_cast<QWidget *>(m_ui->resistanceSpin),
                         static_cast<QWidget *>(m_ui->pagingSpeedSpin), static_cast<QWidget *>(m_ui->shiftCursorSpin)})
        setEnabledUnlessLocked(box, on);
}

void EffectPage::shadowChangedSlot(int state)
{
    setEnabledUnlessLocked(m_ui->focusShadowBox, state == Qt::Checked && m_ui->compositorGroup->isChecked());
}

void EffectPage::checkSnapMove(int state)
{
    Ui::EffectForm *ui = m_ui.get();
    if (state == Qt::Unchecked) {
        ui->snapMoveBox->setChecked(false);
        ui->snapMoveBox->setEnabled(false);
        // A group the administrator fixed keeps showing the fixed state.
        if (!m_compositorLocked) {
            ui->compositorGroup->setChecked(false);
            ui->compositorGroup->setEnabled(false);
        }
        return;
    }
    setEnabledUnlessLocked(ui->snapMoveBox, true);
    // A group without a usable compositor stays off whatever the boxes say.
    if (ui->opaqueResizeBox->isChecked() && m_compositorAvailable && !m_compositorLocked)
        ui->compositorGroup->setEnabled(true);
}

void EffectPage::checkSnapResize(int state)
{
    Ui::EffectForm *ui = m_ui.get();
    if (state == Qt::Unchecked) {
        ui->snapResizeBox->setChecked(false);
        ui->snapResizeBox->setEnabled(false);
        if (!m_compositorLocked) {
            ui->compositorGroup->setChecked(false);
            ui->compositorGroup->setEnabled(false);
        }
        return;
    }
    setEnabledUnlessLocked(ui->snapResizeBox, true);
    if (ui->opaqueMoveBox->isChecked() && m_compositorAvailable && !m_compositorLocked)
        ui->compositorGroup->setEnabled(true);
}

void EffectPage::fixOldAnimations(bool on)
{
    Ui::EffectForm *ui = m_ui.get();
    ui->animationGroup->setEnabled(!on);
    if (!on) {
        setEnabledUnlessLocked(ui->opaqueMoveBox, true);
        setEnabledUnlessLocked(ui->opaqueResizeBox, true);
        return;
    }
    setEnabledUnlessLocked(ui->focusShadowBox, ui->shadowBox->isChecked());
    ui->opaqueMoveBox->setChecked(true);
    ui->opaqueResizeBox->setChecked(true);
    ui->opaqueMoveBox->setEnabled(false);
    ui->opaqueResizeBox->setEnabled(false);
}

void EffectPage::toggleFadeSignal(bool checked)
{
    if (checked)
        m_ui->animationsBox->setChecked(false);
}

void EffectPage::toggleAninmSignal(bool checked)
{
    if (checked)
        m_ui->fadingBox->setChecked(false);
}

void EffectPage::save()
{
    Ui::EffectForm *ui = setupForm(m_ui);
    ThemeSettings *store = settings();
    const QString yes = QStringLiteral("true");
    const QString no = QStringLiteral("false");
    saveBool(store, QStringLiteral("SmartPlacement"), yes, ui->smartPlacementBox->isChecked(), true);
    saveString(store, QStringLiteral("DefaultPlacement"), QStringLiteral("NorthWest"),
               placementValue(ui->placementCombo->currentIndex()), true);
    saveBool(store, QStringLiteral("OpaqueMove"), yes, ui->opaqueMoveBox->isChecked(), true);
    saveBool(store, QStringLiteral("OpaqueResize"), yes, ui->opaqueResizeBox->isChecked(), true);
    saveBool(store, QStringLiteral("FullOpaque"), yes, ui->opaqueResizeBox->isChecked(), true);
    saveBool(store, QStringLiteral("SnappingMoving"), yes, ui->snapMoveBox->isChecked(), true);
    saveBool(store, QStringLiteral("SnappingResize"), yes, ui->snapResizeBox->isChecked(), true);
    saveBool(store, QStringLiteral("SnapTopMaximize"), yes, ui->snapTopMaximizeBox->isChecked(), true);
    saveBool(store, QStringLiteral("RestoreSizeAfterSnap"), yes, ui->restoreSizeBox->isChecked(), true);
    saveBool(store, QStringLiteral("ResizeAllSnap"), yes, ui->resizeAllSnapBox->isChecked(), true);
    saveBool(store, QStringLiteral("SwitcherAllPages"), yes, ui->switcherAllPagesBox->isChecked(), true);
    saveBool(store, QStringLiteral("DnDIndicationOnDesktop"), no, ui->dndBox->isChecked(), true);

    const auto saveSpin = [store](const char *key, const char *defaultValue, const QSpinBox *spin) {
        saveInt(store, QString::fromLatin1(key), QString::fromLatin1(defaultValue), spin->value(), true);
    };
    saveSpin("StartMenuMapSpeed", "0", ui->startMenuSpeedSpin);
    saveSpin("ArrangeWindowSpeed", "10", ui->arrangeSpeedSpin);
    saveSpin("GradWindowMapSpeed", "10", ui->mapSpeedSpin);
    saveString(store, QStringLiteral("GradWindowMapStyle"), QStringLiteral("Normal"),
               mapStyleValue(ui->mapStyleCombo->currentIndex()), true);
    saveSpin("MenuDelayTime", "300", ui->menuDelaySpin);
    saveSpin("MenuDelayTime2", "300", ui->menuDelay2Spin);
    saveSpin("GradMenuMapSpeed", "0", ui->menuSpeedSpin);
    saveSpin("GradTaskbarMotionSpeed", "10", ui->taskbarSpeedSpin);
    saveSpin("TaskbarShowDelay", "500", ui->taskbarShowDelaySpin);
    saveSpin("TaskbarHideDelay", "0", ui->taskbarHideDelaySpin);
    saveSpin("PagingBeltSize", "0", ui->beltSizeSpin);
    saveSpin("PagingResistance", "1500", ui->resistanceSpin);
    saveSpin("PagingSpeed", "30", ui->pagingSpeedSpin);
    saveSpin("PagingShiftCursor", "200", ui->shiftCursorSpin);
    saveSpin("MenuTransparency", "0", ui->menuTransparencySpin);
    saveSpin("MenuTransparency2", "0", ui->menuTransparency2Spin);

    CompositorGroup::SaveInput compositor;
    compositor.enabled = ui->compositorGroup->isEnabledTo(this);
    compositor.checked = ui->compositorGroup->isChecked();
    compositor.options.transparency = ui->transparencyBox->isChecked();
    compositor.options.shadow = ui->shadowBox->isChecked();
    compositor.options.roundCorners = ui->roundCornersBox->isChecked();
    compositor.options.animations = ui->animationsBox->isChecked();
    compositor.options.fading = ui->fadingBox->isChecked();
    compositor.options.vsync = ui->vsyncBox->isChecked();
    compositor.focusShadow = ui->focusShadowBox->isChecked();
    showMessages(m_compositor->save(compositor), false);

    if (ui->thumbnailsBox->isEnabledTo(this))
        saveInt(store, QStringLiteral("ThumbSize"), QStringLiteral("-1"), ui->thumbnailsBox->isChecked() ? -1 : 0, true);
    AdminThemeKCM::save();
}
