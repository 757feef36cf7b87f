// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// The session file: any file reads; the values saved read back as wanted
// (texts that neither start nor end with a quote or a blank, which the
// file's quoting rules reserve), a second save with the same values changes
// nothing, and every key the save did not touch keeps its value.
// Input: <file> "\n--\n" <the wanted values, as libFuzzer's data provider reads them>.
#include "fuzzsupport.h"
#include "inirules.h"

#include <sessionfile.h>
#include <vyrinidocument.h>

#include <fuzzer/FuzzedDataProvider.h>

namespace {

bool plainText(const QString &text)
{
    if (text.contains(QLatin1Char('\0')) || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        return false;
    const QByteArray bytes = text.toUtf8();
    if (vyrfuzz::iniTrimmed(bytes) != bytes)
        return false;
    return !text.startsWith(QLatin1Char('"')) && !text.endsWith(QLatin1Char('"'));
}

QString textFrom(FuzzedDataProvider &provider)
{
    return QString::fromUtf8(QByteArray::fromStdString(provider.ConsumeRandomLengthString(64)));
}

QByteArray describe(const SessionValues &v)
{
    return QByteArray::number(v.useExitDialog) + QByteArray::number(v.useConfirmDialog) + QByteArray::number(v.useSM)
        + ' ' + QByteArray::number(v.loginMode) + ' ' + QByteArray::number(v.shutdownType) + " [" + v.excludeApps.toUtf8()
        + "] [" + v.remoteExecCmd.toUtf8() + "] [" + v.remoteUserName.toUtf8() + "]";
}

void fuzzOne(const QByteArray &data)
{
    vyrfuzz::resetSandbox();
    const QList<QByteArray> parts = vyrfuzz::split(data, "\n--\n", 2);
    const QByteArray &file = parts.at(0);
    FuzzedDataProvider provider(reinterpret_cast<const uint8_t *>(parts.at(1).constData()), size_t(parts.at(1).size()));
    SessionValues wanted;
    wanted.useExitDialog = provider.ConsumeBool();
    wanted.useConfirmDialog = provider.ConsumeBool();
    wanted.useSM = provider.ConsumeBool();
    wanted.loginMode = provider.ConsumeIntegralInRange(0, loginModeWords().size() - 1);
    wanted.shutdownType = provider.ConsumeIntegralInRange(0, shutdownTypeWords().size() - 1);
    wanted.excludeApps = textFrom(provider);
    wanted.remoteExecCmd = textFrom(provider);
    wanted.remoteUserName = textFrom(provider);

    const QString path = vyrfuzz::home() + QStringLiteral("/.vyr/sessrc");
    vyrfuzz::writeFile(path, file);
    VyrIniDocument before(VyrIniDocument::CaseInsensitive);
    before.loadData(file);
    readSessionValues(before);

    QList<SessionChange> changes;
    QString error;
    VYR_FUZZ_CHECK(saveSessionFile(path, wanted, &changes, &error), error.toUtf8());
    const QByteArray saved = vyrfuzz::readFile(path);
    VyrIniDocument after(VyrIniDocument::CaseInsensitive);
    after.loadData(saved);
    const SessionValues read = readSessionValues(after);
    VYR_FUZZ_CHECK(read.useExitDialog == wanted.useExitDialog && read.useConfirmDialog == wanted.useConfirmDialog
                       && read.useSM == wanted.useSM && read.loginMode == wanted.loginMode
                       && read.shutdownType == wanted.shutdownType,
                   describe(wanted) + "\n" + describe(read) + "\n" + saved);
    if (plainText(wanted.excludeApps))
        VYR_FUZZ_CHECK(read.excludeApps == wanted.excludeApps, describe(read) + "\n" + saved);
    if (plainText(wanted.remoteExecCmd))
        VYR_FUZZ_CHECK(read.remoteExecCmd == wanted.remoteExecCmd, describe(read) + "\n" + saved);
    if (plainText(wanted.remoteUserName))
        VYR_FUZZ_CHECK(read.remoteUserName == wanted.remoteUserName, describe(read) + "\n" + saved);

    // Saving what was read again is no change.
    QList<SessionChange> again;
    VYR_FUZZ_CHECK(saveSessionFile(path, read, &again, &error), error.toUtf8());
    VYR_FUZZ_CHECK(again.isEmpty(), again.first().key.toUtf8() + "=" + again.first().text.toUtf8() + "\n" + saved);
    VYR_FUZZ_CHECK(vyrfuzz::readFile(path) == saved, "rewritten without a change");

    // Keys the save did not write keep their values.
    QList<QByteArray> written;
    for (const SessionChange &change : qAsConst(changes))
        written << vyrfuzz::asciiLower(change.key.toUtf8());
    for (const QByteArray &section : before.sections()) {
        for (const QByteArray &key : before.keys(section)) {
            if (vyrfuzz::asciiLower(section) == "variables" && written.contains(vyrfuzz::asciiLower(key)))
                continue;
            VYR_FUZZ_CHECK(after.value(section, key) == before.value(section, key),
                           "[" + section + "] " + key + "\n" + file + "\n--\n" + saved);
        }
    }
}

} // namespace

VYR_FUZZ_TARGET(fuzzOne)
