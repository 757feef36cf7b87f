// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrcountedsuffix.h"

#include <QSpinBox>

void vyrSetCountedSuffix(QSpinBox *box, const std::function<QString(int)> &suffix)
{
    box->setSuffix(suffix(box->value()));
    QObject::connect(box, qOverload<int>(&QSpinBox::valueChanged), box,
                     [box, suffix](int value) { box->setSuffix(suffix(value)); });
}
