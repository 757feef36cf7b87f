// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// The compositor's libconfig file edit: a file libconfig cannot parse is
// never rewritten; otherwise the settings stored read back as stored, every
// other top-level setting keeps its value, the file still parses, and
// storing the same settings again leaves it alone.
// Input: <settings, 8 bytes> <picom.conf>.
#include "fuzzsupport.h"

#include <compositorconfig.h>

#include <libconfig.h++>

#include <QFile>

#include <algorithm>
#include <cmath>

#include <sstream>

namespace {

// Every top-level setting as text, by name.
bool snapshot(const QByteArray &text, QMap<QByteArray, QByteArray> *out)
{
    // As the compositor reads a file: a NUL byte is a syntax error there.
    if (text.contains('\0'))
        return false;
    libconfig::Config config;
    try {
        config.readString(text.toStdString());
    } catch (const libconfig::ParseException &) {
        return false;
    }
    const libconfig::Setting &root = config.getRoot();
    for (int i = 0; i < root.getLength(); ++i) {
        const libconfig::Setting &s = root[i];
        QByteArray value;
        switch (s.getType()) {
        case libconfig::Setting::TypeInt: value = "i" + QByteArray::number(int(s)); break;
        case libconfig::Setting::TypeInt64: value = "l" + QByteArray::number(static_cast<long long>(s)); break;
        case libconfig::Setting::TypeFloat: value = "f" + QByteArray::number(double(s), 'g', 17); break;
        case libconfig::Setting::TypeString: value = "s" + QByteArray(static_cast<const char *>(s)); break;
        case libconfig::Setting::TypeBoolean: value = bool(s) ? "btrue" : "bfalse"; break;
        default: value = "g" + QByteArray::number(s.getLength()); break;
        }
        out->insert(QByteArray(s.getName() ? s.getName() : ""), value);
    }
    return true;
}

void fuzzOne(const QByteArray &data)
{
    vyrfuzz::resetSandbox();
    const QByteArray choice = data.left(8).leftJustified(8, '\0');
    const QByteArray file = data.mid(8);
    const QString path = vyrfuzz::home() + QStringLiteral("/.config/picom.conf");
    vyrfuzz::writeFile(path, file);

    QMap<QByteArray, QByteArray> before;
    const bool parses = snapshot(file, &before);
    CompositorOptions options;
    const bool readable = readCompositorOptions(path, &options);
    VYR_FUZZ_CHECK(readable == parses, file);

    static const char *const names[] = {"shadow", "fading", "vsync", "corner-radius", "shadow-color",
                                        "inactive-opacity", "backend", "new-setting"};
    QList<CompositorSetting> settings;
    for (int i = 0; i < 3; ++i) {
        const quint8 c = quint8(choice.at(i));
        const QByteArray name = names[c % 8];
        QVariant value;
        switch ((c >> 3) % 3) {
        case 0: value = bool(c & 0x40); break;
        case 1: value = int(choice.at(3 + i)); break;
        default: value = QString::fromLatin1(choice.mid(6, 2).toHex()) + QStringLiteral("\"\\ x"); break;
        }
        // One value per name, as the callers store them.
        settings.erase(std::remove_if(settings.begin(), settings.end(),
                                      [&](const CompositorSetting &s) { return s.name == name; }),
                       settings.end());
        settings.append({name, value});
    }
    QString error;
    const CompositorFileResult result = setCompositorSettings(path, settings, &error);
    const QByteArray after = vyrfuzz::readFile(path);
    if (!parses) {
        VYR_FUZZ_CHECK(result == CompositorFileResult::Unreadable, file);
        VYR_FUZZ_CHECK(after == file, "an unparsable file was rewritten");
        return;
    }
    // libconfig's writer keeps six digits of a number and cannot write an
    // infinite one (a number too large for a double): when the text cannot
    // take the settings in place either (it ends inside a string the
    // compositor drops), the whole file cannot be written again without
    // changing such a number, so the write is refused and the file kept.
    const bool lossy = std::any_of(before.begin(), before.end(), [](const QByteArray &v) {
        if (!v.startsWith('f'))
            return false;
        bool ok = false;
        const double number = v.mid(1).toDouble(&ok);
        return !ok || !std::isfinite(number) || QByteArray::number(number, 'g', 6).toDouble() != number;
    });
    if (lossy && result == CompositorFileResult::WriteFailed) {
        VYR_FUZZ_CHECK(after == file, "a refused write changed the file");
        return;
    }
    VYR_FUZZ_CHECK(result == CompositorFileResult::Written || result == CompositorFileResult::Unchanged,
                   error.toUtf8() + "\n" + file);
    QMap<QByteArray, QByteArray> now;
    VYR_FUZZ_CHECK(snapshot(after, &now), "the result does not parse:\n" + after);
    QMap<QByteArray, QByteArray> expected = before;
    for (const CompositorSetting &s : settings) {
        QByteArray value;
        if (s.value.type() == QVariant::Bool)
            value = s.value.toBool() ? "btrue" : "bfalse";
        else if (s.value.type() == QVariant::Int)
            value = "i" + QByteArray::number(s.value.toInt());
        else
            value = "s" + s.value.toString().toUtf8();
        expected.insert(s.name, value);
    }
    VYR_FUZZ_CHECK(now == expected, file + "\n--\n" + after);
    VYR_FUZZ_CHECK(setCompositorSettings(path, settings, &error) == CompositorFileResult::Unchanged, after);
    VYR_FUZZ_CHECK(vyrfuzz::readFile(path) == after, "rewritten without a change");
}

} // namespace

VYR_FUZZ_TARGET(fuzzOne)
