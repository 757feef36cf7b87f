// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "messageboxanswerer.h"

#include <QAbstractButton>
#include <QApplication>

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton answer, QObject *parent)
    : QObject(parent)
    , m_answer(answer)
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::poll);
    m_timer.start(20);
}

void MessageBoxAnswerer::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("answered").toBool())
        return;
    box->setProperty("answered", true);
    m_titles << box->windowTitle();
    m_texts << box->text();
    m_lastButtons = box->standardButtons();
    QAbstractButton *button = box->button(m_answer);
    if (!button)
        button = box->buttons().value(0);
    if (button)
        button->click();
}
