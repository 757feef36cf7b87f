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

/**
 * Runs the integrity tool "kelvra --ilevel" (found in PATH) and sets the
 * session's highIntegritySession flag when a line of its output contains
 * "63" or "127". A missing or failing tool leaves the flag as it was.
 * Returns the flag.
 */
bool queryIntegrityLevel();
