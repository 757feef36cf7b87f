// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrqtconfigpage.h"

#include <vyrqtconfigwidget.h>

#include <QMessageBox>
#include <QVBoxLayout>

VyrQtConfigPage::VyrQtConfigPage(ThemeSettings *settings, QWidget *parent)
    : AdminThemeKCM(settings, parent)
    , m_layout(new QVBoxLayout(this))
{
}

VyrQtConfigPage::~VyrQtConfigPage() = default;

void VyrQtConfigPage::load()
{
    // The editor reads the file and asks Qt for its styles: done only when
    // the page is first shown.
    if (!m_widget) {
        m_widget = new VyrQtConfigWidget(this);
        m_layout->addWidget(m_widget);
    } else {
        m_widget->load();
    }
    connect(m_widget, &VyrQtConfigWidget::changed, this, &VyrQtConfigPage::markAsChanged, Qt::UniqueConnection);
    AdminThemeKCM::load();
}

void VyrQtConfigPage::save()
{
    if (m_widget && !m_widget->save()) {
        QMessageBox::warning(this, tr("Attention"),
                             tr("Can't save the settings of Qt programs in %1:\n%2")
                                 .arg(m_widget->configPath(), m_widget->errorString()),
                             QMessageBox::Close);
        // The edit is not lost: the page stays changed and can be saved again.
        return;
    }
    Q_EMIT changed(false);
}
