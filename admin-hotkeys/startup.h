// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

#include <memory>

class KeysConfForm;

/// Exit statuses of vyr-admin-hotkeys.
enum HotkeysExit {
    HotkeysExitOk = 0,
    HotkeysExitUsage = 1,
    HotkeysExitDeclined = 2,
    HotkeysExitCannotCreate = 3,
    HotkeysExitCannotParse = 4,
};

/**
 * The start of vyr-admin-hotkeys after the single-instance hand-over and
 * vyrInit: the command line (@p arguments without the program name), the
 * file to edit (created when missing, after asking for a named one) and the
 * window. Returns -1 with the window in @p window when the program goes on
 * to its event loop, else the exit status.
 */
int startHotkeysEditor(const QStringList &arguments, std::unique_ptr<KeysConfForm> &window);
