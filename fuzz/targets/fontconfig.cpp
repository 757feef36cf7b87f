// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// The per-user fontconfig file: any file reads (a broken one is never
// rewritten); options set and applied read back as set from a fresh read,
// and a second apply of the same options leaves the file alone.
// Input: <options, 8 bytes> <fonts.conf>.
#include "fuzzsupport.h"

#include <kxftconfig.h>

#include <QFile>

namespace {

using Range = KXftConfig::Range;

QByteArray describe(const KXftConfig &c)
{
    const auto range = [](const Range &r) {
        return r.enabled ? QByteArray::number(r.from) + ".." + QByteArray::number(r.to) : QByteArray("off");
    };
    return QByteArray::number(int(c.subPixelType())) + ' ' + QByteArray::number(int(c.hintStyle())) + ' '
        + QByteArray::number(int(c.antiAliasing())) + ' ' + QByteArray::number(int(c.hinting())) + ' '
        + range(c.excludeRange()) + ' ' + range(c.excludePixelRange());
}

void fuzzOne(const QByteArray &data)
{
    vyrfuzz::resetSandbox();
    const QByteArray options = data.left(8).leftJustified(8, '\0');
    const QByteArray file = data.mid(8);
    const QString path = KXftConfig::fileFor(KXftConfig::Mode::User);
    vyrfuzz::writeFile(path, file);

    KXftConfig config(KXftConfig::Mode::User);
    describe(config);
    if (config.isBroken()) {
        config.setAntiAliasing(KXftConfig::Toggle::On);
        VYR_FUZZ_CHECK(!config.apply(), "a broken file was accepted");
        VYR_FUZZ_CHECK(vyrfuzz::readFile(path) == file, "a broken file was rewritten");
        return;
    }
    const auto pick = [&](int i, int count) { return int(quint8(options.at(i))) % count; };
    config.setSubPixelType(KXftConfig::SubPixel(pick(0, 6)));
    config.setHintStyle(KXftConfig::Hint(pick(1, 5)));
    config.setAntiAliasing(KXftConfig::Toggle(pick(2, 3)));
    config.setHinting(KXftConfig::Toggle(pick(3, 3)));
    Range points;
    points.enabled = pick(4, 2);
    points.from = pick(5, 40) / 2.0;
    points.to = points.from + pick(6, 40) / 2.0;
    config.setExcludeRange(points);
    Range pixels;
    pixels.enabled = pick(7, 2);
    pixels.from = points.to;
    pixels.to = pixels.from + 3;
    config.setExcludePixelRange(pixels);
    const QByteArray wanted = describe(config);
    VYR_FUZZ_CHECK(config.apply(), config.errorString().toUtf8());

    KXftConfig reread(KXftConfig::Mode::User);
    VYR_FUZZ_CHECK(!reread.isBroken(), vyrfuzz::readFile(path));
    VYR_FUZZ_CHECK(describe(reread) == wanted, wanted + "\n" + describe(reread) + "\n" + vyrfuzz::readFile(path));

    const QByteArray written = vyrfuzz::readFile(path);
    reread.setSubPixelType(reread.subPixelType());
    VYR_FUZZ_CHECK(reread.apply(), reread.errorString().toUtf8());
    VYR_FUZZ_CHECK(vyrfuzz::readFile(path) == written, "rewritten without a change");
}

} // namespace

VYR_FUZZ_TARGET(fuzzOne)
