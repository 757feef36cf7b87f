// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

/// Both distribution schemes (SolvaLight and SolvaVanteraAdmin) are installed;
/// computed first thing at start.
extern bool distributionSchemesPresent;
/// The session runs at a high mandatory integrity level (see
/// queryIntegrityLevel()); restricts what the user may change.
extern bool highIntegritySession;
