// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "screensaverpage.h"
#include "ui_screensaverpage.h"

#include <lockedvalue.h>
#include <screenlocker.h>
#include <themesettings.h>
#include <vyrcountedsuffix.h>

#include <QApplication>
#include <QMessageBox>
#include <QProcess>

namespace {
void startDetached(const QStringList &command)
{
    // The settings programs run on their own; a failure to start is not the page's to report.
    if (!command.isEmpty())
        QProcess::startDetached(command.first(), command.mid(1));
}
}

ScreensaverPage::ScreensaverPage(ThemeSettings *settings, QWidget *parent)
    : AdminThemeKCM(settings, parent)
{
}

ScreensaverPage::~ScreensaverPage() = default;

QString ScreensaverPage::readLocked(const QString &key, const QString &defaultValue)
{
    const QHash<QString, QPair<QWidget *, QWidget *>> controls{
        {QStringLiteral("ScreenSaverDelay"), {m_ui->minutesToStartSpinBox, m_ui->minutesToStartCheckBox}},
        {QStringLiteral("LockerDpmsOffTimeout"), {m_ui->dpmsOffSpinBox, nullptr}},
        {QStringLiteral("LockerOnDPMS"), {m_ui->lockerOnDPMSCheckBox, nullptr}},
        {QStringLiteral("LockerOnSleep"), {m_ui->lockerOnSleepCheckBox, nullptr}},
        {QStringLiteral("LockerOnSwitch"), {m_ui->lockerOnSwitchCheckBox, nullptr}},
        {QStringLiteral("LockerOnLid"), {m_ui->lockerOnLidCheckBox, nullptr}},
        {QStringLiteral("ScreenSaverStartOnDPMSDelay"), {m_ui->lockOnDPMSDelaySpinBox, nullptr}},
        {QStringLiteral("LockerWrongPasswdTimeout"), {m_ui->wrongPasswordTimeoutSpinBox, nullptr}},
        {QStringLiteral("LockerBellLevel"), {m_ui->wrongPasswordBellSpinBox, nullptr}},
        {QStringLiteral("LockerTTYLock"), {m_ui->lockTTYCheckBox, nullptr}},
        {QStringLiteral("LockerXaccessLock"), {m_ui->lockXaccessCheckBox, nullptr}},
    };
    const QPair<QWidget *, QWidget *> fixed = controls.value(key);
    if (settings()->isLocked(key)) {
        for (QWidget *w : {fixed.first, fixed.second}) {
            if (w)
                m_fixed.insert(w);
        }
    }
    return lockedValue(*settings(), key, defaultValue, {fixed.first, fixed.second}).toString();
}

void ScreensaverPage::load()
{
    setupForm(m_ui);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The couplings would overwrite values being loaded (and mark them as edits).
    m_loading = true;
    m_fixed.clear();
    m_powerManager = ScreenLocker::powerManagerRunning();
    const ScreenLockerState state
        = ScreenLocker::load([this](const QString &key, const QString &def) { return readLocked(key, def); },
                             m_powerManager);
    showState(state);
    m_ui->slideShowButton->show();
    m_ui->dpmsOffSpinBox->setHidden(m_powerManager);
    m_ui->dpmsOffLabel->setHidden(m_powerManager);
    m_ui->lockerOnLidCheckBox->setHidden(m_powerManager);
    m_ui->powerButton->setHidden(!m_powerManager);
    m_ui->lockOnDPMSDelaySpinBox->setEnabled(state.onDpms && !m_fixed.contains(m_ui->lockOnDPMSDelaySpinBox));
    if (ScreenLocker::multiSeat()) {
        // Switching sessions belongs to the seat manager; the stored value is kept.
        m_ui->lockerOnSwitchCheckBox->setEnabled(false);
        m_fixed.insert(m_ui->lockerOnSwitchCheckBox);
    }
    connectOnce();
    m_loading = false;
    AdminThemeKCM::load();
    QApplication::restoreOverrideCursor();
}

void ScreensaverPage::showState(const ScreenLockerState &state)
{
    m_ui->minutesToStartSpinBox->setValue(state.minutes);
    m_ui->minutesToStartCheckBox->setChecked(state.afterInactivity);
    m_ui->dpmsOffSpinBox->setValue(state.dpmsOffMinutes);
    m_ui->lockerOnDPMSCheckBox->setChecked(state.onDpms);
    m_ui->lockerOnSleepCheckBox->setChecked(state.onSleep);
    m_ui->lockerOnSwitchCheckBox->setChecked(state.onSwitch);
    m_ui->lockerOnLidCheckBox->setChecked(state.onLid);
    m_ui->lockOnDPMSDelaySpinBox->setValue(state.lockAfterDpms);
    m_ui->startAutomaticallyCheckBox->setChecked(state.locker);
    m_ui->wrongPasswordTimeoutSpinBox->setValue(state.wrongPasswordPause);
    m_ui->wrongPasswordBellSpinBox->setValue(state.bellLevel);
    m_ui->lockTTYCheckBox->setChecked(state.ttyLock);
    m_ui->lockXaccessCheckBox->setChecked(state.xaccessLock);
}

ScreenLockerState ScreensaverPage::shown() const
{
    ScreenLockerState state;
    state.locker = m_ui->startAutomaticallyCheckBox->isChecked();
    state.afterInactivity = m_ui->minutesToStartCheckBox->isChecked();
    state.minutes = m_ui->minutesToStartSpinBox->value();
    state.dpmsOffMinutes = m_ui->dpmsOffSpinBox->value();
    state.lockAfterDpms = m_ui->lockOnDPMSDelaySpinBox->value();
    state.onDpms = m_ui->lockerOnDPMSCheckBox->isChecked();
    state.onSleep = m_ui->lockerOnSleepCheckBox->isChecked();
    state.onSwitch = m_ui->lockerOnSwitchCheckBox->isChecked();
    state.onLid = m_ui->lockerOnLidCheckBox->isChecked();
    state.wrongPasswordPause = m_ui->wrongPasswordTimeoutSpinBox->value();
    state.bellLevel = m_ui->wrongPasswordBellSpinBox->value();
    state.ttyLock = m_ui->lockTTYCheckBox->isChecked();
    state.xaccessLock = m_ui->lockXaccessCheckBox->isChecked();
    state.powerManager = m_powerManager;
    return state;
}

void ScreensaverPage::connectOnce()
{
    if (m_connected)
        return;
    m_connected = true;
    const auto minutes = [](int value) { return tr(" minute(s)", nullptr, value); };
    const auto seconds = [](int value) { return tr(" second(s)", nullptr, value); };
    vyrSetCountedSuffix(m_ui->minutesToStartSpinBox, minutes);
    vyrSetCountedSuffix(m_ui->dpmsOffSpinBox, minutes);
    vyrSetCountedSuffix(m_ui->lockOnDPMSDelaySpinBox, seconds);
    vyrSetCountedSuffix(m_ui->wrongPasswordTimeoutSpinBox, seconds);
    connect(m_ui->startAutomaticallyCheckBox, &QCheckBox::stateChanged, this, &ScreensaverPage::lockerChanged);
    connect(m_ui->lockerOnDPMSCheckBox, &QCheckBox::stateChanged, this, &ScreensaverPage::lockOnDPMSStateChanged);
    connect(m_ui->minutesToStartCheckBox, &QCheckBox::stateChanged, this, &ScreensaverPage::minutesToStartEnabled);
    connect(m_ui->powerButton, &QPushButton::released, this, &ScreensaverPage::powerConfig);
    connect(m_ui->slideShowButton, &QPushButton::released, this, &ScreensaverPage::slideShowConfig);
    connect(m_ui->lockTTYCheckBox, &QCheckBox::stateChanged, this, &ScreensaverPage::checkLockTTY);
    connect(m_ui->lockerOnSwitchCheckBox, &QCheckBox::stateChanged, this, &ScreensaverPage::checkSwitchSession);

    const auto edited = [this] {
        if (!m_loading)
            markAsChanged();
    };
    for (QCheckBox *box : findChildren<QCheckBox *>())
        connect(box, &QCheckBox::stateChanged, this, edited);
    for (QSpinBox *spin : findChildren<QSpinBox *>())
        connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, edited);
}

void ScreensaverPage::save()
{
    if (m_ui) {
        for (const ScreenLockerSaveEntry &entry : ScreenLocker::saveEntries(shown())) {
            if (entry.boolean)
                saveBool(settings(), entry.key, entry.defaultValue, entry.value == QLatin1String("true"), true);
            else
                saveInt(settings(), entry.key, entry.defaultValue, entry.value.toInt(), true);
        }
    }
    AdminThemeKCM::save();
}

void ScreensaverPage::couple(QCheckBox *box, bool checked)
{
    if (!m_fixed.contains(box))
        box->setChecked(checked);
}

void ScreensaverPage::lockerChanged(int state)
{
    if (m_loading)
        return;
    const bool on = state == Qt::Checked;
    m_ui->lockOnDPMSDelaySpinBox->setEnabled(on && !m_fixed.contains(m_ui->lockOnDPMSDelaySpinBox));
    couple(m_ui->minutesToStartCheckBox, on);
    if (!m_fixed.contains(m_ui->minutesToStartSpinBox))
        m_ui->minutesToStartSpinBox->setValue(on ? 10 : 0);
    couple(m_ui->lockerOnDPMSCheckBox, on);
    couple(m_ui->lockerOnSleepCheckBox, on);
    couple(m_ui->lockerOnSwitchCheckBox, on);
    couple(m_ui->lockerOnLidCheckBox, on);
}

void ScreensaverPage::lockOnDPMSStateChanged(int state)
{
    if (m_loading)
        return;
    m_ui->lockOnDPMSDelaySpinBox->setEnabled(state == Qt::Checked
                                             && !m_fixed.contains(m_ui->lockOnDPMSDelaySpinBox));
}

void ScreensaverPage::minutesToStartEnabled(int state)
{
    if (m_loading || m_fixed.contains(m_ui->minutesToStartSpinBox))
        return;
    const int minutes = m_ui->minutesToStartSpinBox->value();
    if (state == Qt::Checked && minutes == 0)
        m_ui->minutesToStartSpinBox->setValue(10);
    else if (state != Qt::Checked && minutes != 0)
        m_ui->minutesToStartSpinBox->setValue(0);
}

void ScreensaverPage::powerConfig()
{
    startDetached(ScreenLocker::powerSettingsCommand());
}

void ScreensaverPage::slideShowConfig()
{
    startDetached(ScreenLocker::slideShowCommand());
}

void ScreensaverPage::checkLockTTY(int state)
{
    if (m_loading)
        return;
    if (state == Qt::Checked)
        couple(m_ui->lockerOnSwitchCheckBox, false);
    if (m_ui->lockTTYCheckBox->isChecked()) {
        QMessageBox::warning(this, tr("Attention"),
                             tr("You will not able to lock session if another user is logged in."),
                             QMessageBox::Close);
    }
}

void ScreensaverPage::checkSwitchSession(int state)
{
    if (m_loading)
        return;
    if (state == Qt::Checked)
        couple(m_ui->lockTTYCheckBox, false);
}
