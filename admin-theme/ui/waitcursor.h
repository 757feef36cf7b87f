// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QApplication>
#include <QWidget>
#include <QWindow>

/// @p widget's window is shown on screen (exposed), not just created.
inline bool isWindowOnScreen(const QWidget *widget)
{
    const QWindow *shownIn = widget ? widget->window()->windowHandle() : nullptr;
    return shownIn && shownIn->isExposed();
}

/**
 * Shows the wait cursor while alive. With @p shown false (a window not on
 * screen yet, see isWindowOnScreen()) nothing is shown: loading the cursor
 * theme, with its round trips to the X server, costs more than the work it
 * would cover, and nobody sees the cursor before the window is there.
 */
class WaitCursor
{
public:
    explicit WaitCursor(bool shown = true)
        : m_shown(shown)
    {
        if (m_shown)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor()
    {
        if (m_shown)
            QApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    bool m_shown;
};
