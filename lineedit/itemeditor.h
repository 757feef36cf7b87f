// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QTextEdit>
#include <QTimer>

/**
 * The borderless one-line editor laid over a desktop item's label.
 *
 * Return or Enter accept, Escape cancels, losing the focus to anything but
 * a pop-up (such as the context menu) accepts. Without a key press for
 * idleTimeout() ms editing ends with the result still Editing. finished()
 * is emitted once.
 */
class ItemEditor : public QTextEdit
{
    Q_OBJECT
public:
    enum Result {
        Editing = -1,
        Cancelled = 0,
        Accepted = 1,
    };
    static constexpr int defaultIdleTimeout = 600000;

    explicit ItemEditor(QWidget *parent = nullptr);

    Result result() const { return m_result; }
    /// The text without surrounding blanks.
    QString trimmedText() const;

    /// Sets the text, centred, with its first @p selectLength characters selected.
    void setStartText(const QString &text, int selectLength);
    /// Shows the live check's verdict as a tool tip on every change.
    void enableLiveCheck();
    void setIdleTimeout(int ms);

    /**
     * Widens and heightens the editor to fit its text, never below
     * @p minWidth x @p minHeight (logical pixels).
     */
    QSize fittedSize(int minWidth, int minHeight) const;

Q_SIGNALS:
    void finished();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void finish(Result result);
    void updateToolTip();

    QTimer m_idle;
    Result m_result = Editing;
    bool m_finished = false;
};
