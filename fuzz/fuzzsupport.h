// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

/**
 * What every fuzz target shares: a private sandbox (HOME, the XDG
 * directories and VYR_SYSROOT point into a fresh temporary folder, so a
 * target never touches the real home or system files), file helpers, and
 * the check that turns a broken property into a crash libFuzzer records.
 */
namespace vyrfuzz {

/// Sets up the sandbox once per process; call from LLVMFuzzerInitialize.
void setupSandbox();
/// The sandbox's home and system root.
QString home();
QString sysroot();
/// Empties the home (and the system root's files) between inputs.
void resetSandbox();

bool writeFile(const QString &path, const QByteArray &data);
QByteArray readFile(const QString &path, bool *ok = nullptr);

/// Splits the input at the first occurrence of @p separator, up to @p parts pieces.
QList<QByteArray> split(const QByteArray &data, const QByteArray &separator, int parts);

/// Prints @p what with the values and aborts: a property does not hold.
[[noreturn]] void fail(const char *what, const QByteArray &detail = QByteArray());

} // namespace vyrfuzz

#define VYR_FUZZ_CHECK(condition, detail)                                                                              \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            vyrfuzz::fail(#condition, (detail));                                                                       \
    } while (false)

/// The standard entry points: a target defines fuzzOne() and gets the sandbox.
#define VYR_FUZZ_TARGET(body)                                                                                          \
    extern "C" int LLVMFuzzerInitialize(int *, char ***)                                                               \
    {                                                                                                                  \
        vyrfuzz::setupSandbox();                                                                                       \
        return 0;                                                                                                      \
    }                                                                                                                  \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)                                           \
    {                                                                                                                  \
        const QByteArray data(reinterpret_cast<const char *>(bytes), int(size));                                       \
        body(data);                                                                                                    \
        return 0;                                                                                                      \
    }
