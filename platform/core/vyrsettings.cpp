// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrsettings.h"
#include "vyrfileio.h"
#include "vyrinidocument.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

static const QByteArray s_section = QByteArrayLiteral("Variables");

// Diagnostics name the program that runs this library; without an
// application object its name is the process's own.
static QByteArray programName()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QByteArray(program_invocation_short_name) : name.toLocal8Bit();
}

// Whether the INI parser would drop or reshape part of @p data on a rewrite:
// NUL bytes end its input, and lines that are neither blank, a comment, a
// "[section]" nor "key=value" are lost or misread.
static bool parserLosesSomething(const QByteArray &data)
{
    if (data.contains('\0'))
        return true;
    const QList<QByteArray> lines = data.split('\n');
    for (const QByteArray &raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            if (!line.endsWith(']') || line.mid(1, line.size() - 2).trimmed().isEmpty())
                return true;
            continue;
        }
        const int equals = line.indexOf('=');
        if (equals <= 0 || line.left(equals).trimmed().isEmpty())
            return true;
    }
    return false;
}

VyrSettings::VyrSettings(const QString &path)
    : m_path(path)
    , m_doc(std::make_unique<VyrIniDocument>(VyrIniDocument::CaseSensitive))
{
    load();
}

VyrSettings::~VyrSettings()
{
    if (m_dirty)
        sync(false);
}

void VyrSettings::load()
{
    m_parsed = false;
    m_needsBackup = false;
    m_unreadable = false;
    if (m_path.isEmpty())
        return;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_doc->loadData(QByteArray());
        m_unreadable = QFileInfo::exists(m_path);
        return;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_doc->loadData(QByteArray());
        m_unreadable = true;
        return;
    }
    m_needsBackup = parserLosesSomething(data);
    m_parsed = m_doc->loadData(data);
}

bool VyrSettings::isParsed() const
{
    return m_parsed;
}

QString VyrSettings::fileName() const
{
    return m_path;
}

QVariant VyrSettings::value(const QString &key, const QVariant &defaultValue) const
{
    bool found = false;
    const QString text = m_doc->text(QString::fromLatin1(s_section), key, QString(), &found);
    return found ? QVariant(text) : defaultValue;
}

static QString variantText(const QVariant &value)
{
    if (value.type() == QVariant::Bool)
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return value.toString();
}

void VyrSettings::setValue(const QString &key, const QVariant &value)
{
    if (key.isEmpty())
        return;
    const QString text = variantText(value);
    // Even an unchanged value marks the file for rewriting: callers that
    // store a value on purpose (a forced default) expect the write.
    m_doc->setText(QString::fromLatin1(s_section), key, text);
    m_dirty = true;
}

void VyrSettings::remove(const QString &key)
{
    if (m_doc->removeKey(s_section, key.toLocal8Bit()))
        m_dirty = true;
}

bool VyrSettings::contains(const QString &key) const
{
    return m_doc->hasValue(s_section, key.toLocal8Bit());
}

QStringList VyrSettings::keys() const
{
    QStringList result;
    const auto names = m_doc->keys(s_section);
    for (const QByteArray &name : names)
        result.append(QString::fromLocal8Bit(name));
    return result;
}

bool VyrSettings::sync(bool reload)
{
    bool ok = true;
    if (m_dirty && !m_path.isEmpty() && m_unreadable) {
        // Nothing of the file is known: writing the pending keys alone would
        // replace everything else the user had in it.
        ok = false;
        m_error = QCoreApplication::translate("VyrSettings", "can't read the existing file; it is left as it is");
        std::fprintf(stderr, "%s: can't write %s: %s\n", programName().constData(), qPrintable(m_path),
                     qPrintable(m_error));
    } else if (m_dirty && !m_path.isEmpty()) {
        if (m_needsBackup && QFile::exists(m_path)) {
            // The parser could not hold all of the file; keep the original
            // so that nothing of the user's file is lost for good.
            vyrKeepBackup(m_path);
            m_needsBackup = false;
        }
        if (m_doc->saveFile(m_path, &m_error)) {
            m_dirty = false;
            m_parsed = true;
        } else {
            ok = false;
            std::fprintf(stderr, "%s: can't write %s: %s\n", programName().constData(), qPrintable(m_path),
                         qPrintable(m_error));
        }
    }
    if (reload && !m_dirty)
        load();
    return ok;
}

QString VyrSettings::errorString() const
{
    return m_error;
}
