// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <vyrfilechooser.h>

#include <QList>
#include <QStringList>

/**
 * While alive, answers the file dialogs of the code under test in place of
 * the user: each request takes the next queued path (an empty one cancels)
 * and is recorded. A request with nothing queued fails the running test and
 * is answered as cancelled.
 */
class FileChoices
{
public:
    FileChoices();
    ~FileChoices();
    FileChoices(const FileChoices &) = delete;
    FileChoices &operator=(const FileChoices &) = delete;

    /// The next request chooses @p path.
    void choose(const QString &path) { m_queue.append(path); }
    /// The next request is cancelled.
    void cancel() { m_queue.append(QString()); }
    int pending() const { return m_queue.size(); }
    /// The requests seen so far, oldest first.
    QList<VyrFileRequest> requests() const { return m_requests; }
    /// Their titles.
    QStringList titles() const;

private:
    VyrFileChooser m_previous;
    QStringList m_queue;
    QList<VyrFileRequest> m_requests;
};
