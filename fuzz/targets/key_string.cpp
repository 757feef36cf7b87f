// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// The key notation both ways: an X key string that names a key converts to
// a Qt key code whose own X key string names the same code again; a Qt key
// code (any int) converts to an X key string that reads back as a code with
// the same X key string; and the hot-key file's spelling of a key text reads
// back as the same key.
// Input: <X key string or key text> "\n--\n" <4 bytes of a Qt key code>.
#include "fuzzsupport.h"

#include <hotkeyfile.h>
#include <vyrkeyserver.h>

#include <QKeySequence>

#include <cstring>

namespace {

void fuzzOne(const QByteArray &data)
{
    const QList<QByteArray> parts = vyrfuzz::split(data, "\n--\n", 2);
    const QString text = QString::fromUtf8(parts.at(0));

    // X key string to Qt and back.
    const int code = VyrKeyServer::KeyStringXToCode(text);
    const QString portable = VyrKeyServer::KeyStringXToQt(text);
    VYR_FUZZ_CHECK((code != 0) == !portable.isEmpty(), text.toUtf8() + " -> " + portable.toUtf8());
    if (code != 0) {
        const QString x = VyrKeyServer::KeyQtToKeyStringX(code);
        VYR_FUZZ_CHECK(!x.isEmpty(), text.toUtf8() + " -> " + QByteArray::number(code, 16));
        VYR_FUZZ_CHECK(VyrKeyServer::KeyStringXToCode(x) == code,
                       text.toUtf8() + " -> " + QByteArray::number(code, 16) + " -> " + x.toUtf8() + " -> "
                           + QByteArray::number(VyrKeyServer::KeyStringXToCode(x), 16));
    }

    // Qt key code to X and back.
    int qtCode = 0;
    std::memcpy(&qtCode, parts.at(1).leftJustified(4, '\0').constData(), 4);
    const QString x = VyrKeyServer::KeyQtToKeyStringX(qtCode);
    if (!x.isEmpty()) {
        const int back = VyrKeyServer::KeyStringXToCode(x);
        VYR_FUZZ_CHECK(back != 0, QByteArray::number(qtCode, 16) + " -> " + x.toUtf8());
        VYR_FUZZ_CHECK(VyrKeyServer::KeyQtToKeyStringX(back) == x,
                       QByteArray::number(qtCode, 16) + " -> " + x.toUtf8() + " -> " + QByteArray::number(back, 16)
                           + " -> " + VyrKeyServer::KeyQtToKeyStringX(back).toUtf8());
    }

    // The hot-key file's spelling: a key text written and read again is the
    // same key, and writing that again gives the same spelling.
    // (For key texts that name a key the notation has: the editor only
    // writes those.)
    const QString keyText = keyFileToText(text);
    const QKeySequence sequence = QKeySequence::fromString(keyText, QKeySequence::PortableText);
    if (!sequence.isEmpty() && !VyrKeyServer::KeyQtToKeyStringX(sequence[0]).isEmpty()) {
        const QString fileKey = keyStringToFile(keyText);
        const QString readBack = keyFileToText(fileKey);
        VYR_FUZZ_CHECK(keyStringToFile(readBack) == fileKey,
                       text.toUtf8() + " -> " + keyText.toUtf8() + " -> " + fileKey.toUtf8() + " -> "
                           + readBack.toUtf8() + " -> " + keyStringToFile(readBack).toUtf8());
    }
}

} // namespace

VYR_FUZZ_TARGET(fuzzOne)
