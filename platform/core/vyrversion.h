// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

/// The suite's version, the project's version in the build system; every
/// program reports this one.
QString vyrVersion();
