// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrxresources.h"
#include "vyrprocess.h"
#include "vyrsettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QStringList>

namespace {
constexpr int s_xrdbTimeoutMs = 30000;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// True when @p line declares exactly @p name ("Xft.dpi:" or "  Xft.dpi :"),
// not a longer name that merely starts with it ("Xft.dpiX:").
bool namesResource(const QByteArray &line, const QByteArray &name)
{
    int pos = 0;
    while (pos < line.size() && isBlank(line.at(pos)))
        ++pos;
    if (line.mid(pos, name.size()) != name)
        return false;
    pos += name.size();
    while (pos < line.size() && isBlank(line.at(pos)))
        ++pos;
    return pos < line.size() && line.at(pos) == ':';
}

// A value line ending in an odd number of backslashes goes on in the next line.
bool continues(const QByteArray &line)
{
    int count = 0;
    for (int i = line.size() - 1; i >= 0 && line.at(i) == '\\'; --i)
        ++count;
    return count % 2 == 1;
}

bool isComment(const QByteArray &line)
{
    return line.trimmed().startsWith('!');
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

bool runXrdb(const QStringList &args, const QByteArray &input, QByteArray *output, QString *error)
{
    const QString xrdb = FindFileInPATH(QStringLiteral("xrdb"));
    if (xrdb.isEmpty()) {
        setError(error, QCoreApplication::translate("VyrXResources", "xrdb not found in PATH"));
        return false;
    }
    QProcess process;
    process.start(xrdb, args);
    if (!process.waitForStarted(s_xrdbTimeoutMs)) {
        setError(error,
                 QCoreApplication::translate("VyrXResources", "cannot start xrdb: %1").arg(process.errorString()));
        return false;
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(s_xrdbTimeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        setError(error,
                 QCoreApplication::translate("VyrXResources", "xrdb %1 did not finish in time")
                     .arg(args.join(QLatin1Char(' '))));
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        setError(
            error,
            QCoreApplication::translate("VyrXResources", "xrdb %1 failed: %2")
                .arg(args.join(QLatin1Char(' ')), QString::fromLocal8Bit(process.readAllStandardError()).trimmed()));
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}
}

QByteArray vyrXResourceName(const QString &resource)
{
    QByteArray name = resource.trimmed().toUtf8();
    if (name.endsWith(':'))
        name.chop(1);
    return name.trimmed();
}

QByteArray vyrSetXResourceLine(const QByteArray &data, const QString &resource, const QString &separator,
                               const QString &value)
{
    const QByteArray name = vyrXResourceName(resource);
    const QByteArray newLine = (resource + separator + value).toUtf8();
    QList<QByteArray> lines = data.split('\n');
    if (data.endsWith('\n') || data.isEmpty())
        lines.removeLast();

    QList<QByteArray> out;
    bool placed = value.isEmpty();
    for (int i = 0; i < lines.size();) {
        int last = i;
        const bool comment = isComment(lines.at(i));
        if (!comment) {
            while (last + 1 < lines.size() && continues(lines.at(last)))
                ++last;
        }
        if (!comment && !name.isEmpty() && namesResource(lines.at(i), name)) {
            if (!placed)
                out.append(newLine);
            placed = true;
        } else {
            for (int j = i; j <= last; ++j)
                out.append(lines.at(j));
        }
        i = last + 1;
    }
    if (!placed)
        out.append(newLine);
    if (out.isEmpty())
        return QByteArray();
    return out.join('\n') + '\n';
}

bool setXrdbParameterInFile(const QString &fileName, const QString &resource, const QString &separator,
                            const QString &value, bool applyByXrdb, QString *error)
{
    if (vyrXResourceName(resource).isEmpty()) {
        setError(error, QCoreApplication::translate("VyrXResources", "no resource name given"));
        return false;
    }
    QByteArray data;
    QFile file(fileName);
    if (file.exists()) {
        // A file we cannot read would lose its other lines on rewrite.
        if (!file.open(QIODevice::ReadOnly)) {
            setError(
                error,
                QCoreApplication::translate("VyrXResources", "cannot read %1: %2").arg(fileName, file.errorString()));
            return false;
        }
        data = file.readAll();
        file.close();
    }
    const QByteArray updated = vyrSetXResourceLine(data, resource, separator, value);
    if (updated != data) {
        QString reason;
        if (!vyrWriteFileAtomically(fileName, updated, &reason)) {
            setError(error, QCoreApplication::translate("VyrXResources", "cannot write %1: %2").arg(fileName, reason));
            return false;
        }
    }
    if (!applyByXrdb)
        return true;
    if (value.isEmpty())
        return vyrXrdbRemove(resource, error);
    // Only the one line, so nothing for the preprocessor to do.
    return runXrdb({QStringLiteral("-quiet"), QStringLiteral("-nocpp"), QStringLiteral("-merge")},
                   (resource + separator + value).toUtf8() + '\n', nullptr, error);
}

bool vyrXrdbMerge(const QByteArray &text, const QString &includeDir, QString *error)
{
    QStringList args{QStringLiteral("-quiet"), QStringLiteral("-merge")};
    if (!includeDir.isEmpty())
        args << QStringLiteral("-I") + includeDir;
    return runXrdb(args, text, nullptr, error);
}

QByteArray vyrXrdbQuery(QString *error)
{
    QByteArray output;
    if (!runXrdb({QStringLiteral("-query")}, QByteArray(), &output, error))
        return QByteArray();
    return output;
}

bool vyrXrdbRemove(const QString &resource, QString *error)
{
    const QByteArray name = vyrXResourceName(resource);
    QByteArray current;
    if (!runXrdb({QStringLiteral("-query")}, QByteArray(), &current, error))
        return false;
    QByteArray kept;
    bool removed = false;
    const QList<QByteArray> lines = current.split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        if (namesResource(line, name)) {
            removed = true;
            continue;
        }
        kept += line + '\n';
    }
    if (!removed)
        return true;
    return runXrdb({QStringLiteral("-quiet"), QStringLiteral("-nocpp"), QStringLiteral("-load")}, kept, nullptr,
                   error);
}
