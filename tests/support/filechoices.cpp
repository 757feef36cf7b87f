// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "filechoices.h"

#include <QTest>

FileChoices::FileChoices()
{
    m_previous = vyrSetFileChooser([this](QWidget *, VyrFileRequest &request) {
        m_requests.append(request);
        if (m_queue.isEmpty()) {
            const QByteArray message = "unexpected file dialog: " + request.title.toUtf8();
            QTest::qFail(message.constData(), __FILE__, __LINE__);
            return QString();
        }
        return m_queue.takeFirst();
    });
}

FileChoices::~FileChoices()
{
    vyrSetFileChooser(std::move(m_previous));
}

QStringList FileChoices::titles() const
{
    QStringList list;
    for (const VyrFileRequest &request : m_requests)
        list << request.title;
    return list;
}
