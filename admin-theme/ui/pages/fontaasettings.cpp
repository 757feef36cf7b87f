// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fontaasettings.h"
#include "ui_fontaasettings.h"

#include <kxftconfig.h>

#include <QSettings>

#include <cmath>

using FontSettings::AAOptions;

FontAASettings::FontAASettings(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::FontAASettingsForm>())
{
    m_ui->setupUi(this);
    using SubPixel = KXftConfig::SubPixel;
    m_ui->subPixelType->addItem(tr("RGB"), int(SubPixel::Rgb));
    m_ui->subPixelType->addItem(tr("BGR"), int(SubPixel::Bgr));
    m_ui->subPixelType->addItem(tr("Vertical RGB"), int(SubPixel::Vrgb));
    m_ui->subPixelType->addItem(tr("Vertical BGR"), int(SubPixel::Vbgr));
    m_ui->subPixelType->addItem(tr("None"), int(SubPixel::None));
    using Hint = KXftConfig::Hint;
    m_ui->hintingStyle->addItem(tr("None"), int(Hint::None));
    m_ui->hintingStyle->addItem(tr("Slight"), int(Hint::Slight));
    m_ui->hintingStyle->addItem(tr("Medium"), int(Hint::Medium));
    m_ui->hintingStyle->addItem(tr("Full"), int(Hint::Full));

    connect(m_ui->excludeRange, &QCheckBox::toggled, m_ui->excludeFrom, &QWidget::setEnabled);
    connect(m_ui->excludeRange, &QCheckBox::toggled, m_ui->excludeTo, &QWidget::setEnabled);
    connect(m_ui->useSubPixel, &QCheckBox::toggled, m_ui->subPixelType, &QWidget::setEnabled);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

FontAASettings::~FontAASettings() = default;

void FontAASettings::load()
{
    if (m_config)
        m_config->reset();
    else
        m_config = std::make_unique<KXftConfig>(KXftConfig::Mode::User);
    if (m_config->isBroken())
        std::fprintf(stderr, "vyr-admin-theme: %s\n", qPrintable(m_config->errorString()));
    setOptions(FontSettings::loadAAOptions(*m_config));
}

bool FontAASettings::save(bool antiAliasingEnabled, double dpi, QString *error)
{
    if (!m_config)
        load();
    QSettings settings;
    FontSettings::storeAAOptions(options(), antiAliasingEnabled, dpi, *m_config, settings);
    if (m_config->apply())
        return true;
    if (error)
        *error = m_config->errorString();
    return false;
}

bool FontAASettings::aaEnabled() const
{
    return m_config && m_config->antiAliasing() == KXftConfig::Toggle::On;
}

AAOptions FontAASettings::options() const
{
    AAOptions options;
    options.excludeRange = m_ui->excludeRange->isChecked();
    options.excludeFrom = m_ui->excludeFrom->value();
    options.excludeTo = m_ui->excludeTo->value();
    options.useSubPixel = m_ui->useSubPixel->isChecked();
    options.subPixel = KXftConfig::SubPixel(m_ui->subPixelType->currentData().toInt());
    options.hintStyle = KXftConfig::Hint(m_ui->hintingStyle->currentData().toInt());
    return options;
}

void FontAASettings::setOptions(const AAOptions &options)
{
    m_ui->excludeRange->setChecked(options.excludeRange);
    m_ui->excludeFrom->setValue(int(std::lround(options.excludeFrom)));
    m_ui->excludeTo->setValue(int(std::lround(options.excludeTo)));
    m_ui->useSubPixel->setChecked(options.useSubPixel);
    const int subPixel = m_ui->subPixelType->findData(int(options.subPixel));
    m_ui->subPixelType->setCurrentIndex(subPixel < 0 ? 0 : subPixel);
    const int hint = m_ui->hintingStyle->findData(int(options.hintStyle));
    m_ui->hintingStyle->setCurrentIndex(hint < 0 ? 1 : hint);
}

int FontAASettings::exec()
{
    const AAOptions before = options();
    const int result = QDialog::exec();
    if (result != QDialog::Accepted)
        setOptions(before);
    return result;
}
