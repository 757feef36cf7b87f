// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

/// What vyr-admin-theme learns about the session once, at start.
struct SessionFlags {
    /// The session runs at a high mandatory integrity level (see
    /// queryIntegrityLevel()); restricts what the user may change.
    bool highIntegritySession = false;
    /// Both distribution schemes (SolvaLight and SolvaVanteraAdmin) are
    /// installed; computed first thing at start.
    bool distributionSchemesPresent = false;
};

/// The flags of this process: set by the start-up, read by the store and
/// the pages.
SessionFlags &sessionFlags();
