// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// The settings archive check: any tar (compressed here, so that the
// fuzzer works on the headers) is checked without harm; an archive the
// check accepts holds, as KArchive reads it too, only members of the
// export set with relative names and no "..", and the unpacking command
// stays one line for any archive and home path.
// Input: <archive path> "\n--\n" <home path> "\n--\n" <tar>.
#include "fuzzsupport.h"

#include <settingsarchive.h>

#include <KCompressionDevice>
#include <KTar>

#include <QDir>

namespace {
using namespace SettingsArchive;

void checkTree(const KArchiveDirectory *dir, const QString &prefix, const QByteArray &tar)
{
    for (const QString &name : dir->entries()) {
        const KArchiveEntry *entry = dir->entry(name);
        const QString path = prefix.isEmpty() ? name : prefix + QLatin1Char('/') + name;
        VYR_FUZZ_CHECK(!path.split(QLatin1Char('/')).contains(QStringLiteral("..")), path.toUtf8());
        if (entry->isDirectory())
            checkTree(static_cast<const KArchiveDirectory *>(entry), path, tar);
        else
            VYR_FUZZ_CHECK(isExportMember(path), "accepted member " + path.toUtf8());
    }
}

void fuzzOne(const QByteArray &data)
{
    vyrfuzz::resetSandbox();
    const QList<QByteArray> parts = vyrfuzz::split(data, "\n--\n", 3);

    // The command for any paths: one line, and the paths in it.
    const QString archivePath = QString::fromUtf8(parts.at(0));
    const QString homePath = QString::fromUtf8(parts.at(1));
    const QString command = importCommand(archivePath, homePath);
    VYR_FUZZ_CHECK(!command.contains(QLatin1Char('\n')) && !command.contains(QLatin1Char('\r'))
                       && !command.contains(QLatin1Char('\0')),
                   command.toUtf8());

    const QString path = vyrfuzz::home() + QStringLiteral("/settings.tar.gz");
    {
        KCompressionDevice device(path, KCompressionDevice::GZip);
        if (!device.open(QIODevice::WriteOnly) || device.write(parts.at(2)) != parts.at(2).size())
            vyrfuzz::fail("can't write the archive");
    }
    const CheckResult result = checkArchive(path, vyrfuzz::home());
    if (!result.ok)
        return;
    KTar tar(path);
    if (!tar.open(QIODevice::ReadOnly))
        return;
    checkTree(tar.directory(), QString(), parts.at(2));
}

} // namespace

VYR_FUZZ_TARGET(fuzzOne)
