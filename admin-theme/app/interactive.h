// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class MyApplication;

/**
 * The interactive path of vyr-admin-theme: single-instance forwarding, the
 * settings window and its event loop. @p app exists and is connected to the
 * display; @p argc and @p argv are the program's. Returns the exit status.
 */
int runInteractive(MyApplication &app, int argc, char **argv);
