// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QMessageBox>
#include <QStringList>

#include <functional>

/**
 * Answers the modal dialogs that the code under test opens.
 *
 * Every modal window of the test process is noticed when it is shown and
 * handled from the event loop that it runs, with no timer involved. While an
 * answerer lives, the newest one handles them: with the next queued answer,
 * else (message boxes only) with the answer given for every box. A modal
 * window that nothing answers fails the running test and is closed at once,
 * so a test never hangs in a dialog; so does an answer that leaves its dialog
 * open. Without any answerer every modal window counts as unexpected.
 */
class ModalAnswerer
{
public:
    /// Only queued answers: any other modal window fails the test.
    ModalAnswerer();
    /// Message boxes without a queued answer get @p everyBox;
    /// QMessageBox::Escape presses the box's escape button, as the key does.
    explicit ModalAnswerer(QMessageBox::StandardButton everyBox);
    ~ModalAnswerer();
    ModalAnswerer(const ModalAnswerer &) = delete;
    ModalAnswerer &operator=(const ModalAnswerer &) = delete;

    /// Presses @p button (or Escape, as above) in the next modal window, which
    /// must be a message box offering it.
    void answer(QMessageBox::StandardButton button);
    /// Hands the next modal window to @p handler, which must close it.
    void then(std::function<void(QWidget *)> handler);
    /// Changes the answer to every box without a queued one.
    void setAnswer(QMessageBox::StandardButton everyBox) { m_everyBox = everyBox; }
    /// Queued answers not used yet.
    int pending() const { return m_handlers.size(); }

    /// Each message box seen, as "title|text".
    QStringList boxes() const;
    QStringList titles() const { return m_titles; }
    QStringList texts() const { return m_texts; }
    int count() const { return m_titles.size(); }
    /// The buttons that the last message box offered.
    QMessageBox::StandardButtons lastButtons() const { return m_lastButtons; }

    /// Called by the watcher for each modal window while this answerer is the newest.
    void handle(QWidget *modal);

private:
    QList<std::function<void(QWidget *)>> m_handlers;
    QMessageBox::StandardButton m_everyBox = QMessageBox::NoButton;
    QStringList m_titles;
    QStringList m_texts;
    QMessageBox::StandardButtons m_lastButtons;
};

namespace vyrtest {
/// Starts noticing modal windows (VYR_TEST_MAIN does it; more calls do nothing).
void watchModalDialogs();
}
