// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrdesktopentry.h"
#include "vyrinidocument.h"

#include <QFileInfo>
#include <QLocale>
#include <QMap>

static const QString s_group = QStringLiteral("Desktop Entry");

struct VyrDesktopEntry::Private {
    QString path;
    VyrIniDocument doc{VyrIniDocument::CaseSensitive};
    bool valid = false;
};

// Desktop entry values escape a few characters (freedesktop.org desktop entry format).
static QString unescape(const QString &raw)
{
    QString out;
    out.reserve(raw.size());
    for (int i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= raw.size()) {
            out.append(c);
            continue;
        }
        const QChar n = raw.at(++i);
        switch (n.unicode()) {
        case 's': out.append(QLatin1Char(' ')); break;
        case 'n': out.append(QLatin1Char('\n')); break;
        case 't': out.append(QLatin1Char('\t')); break;
        case 'r': out.append(QLatin1Char('\r')); break;
        case '\\': out.append(QLatin1Char('\\')); break;
        default:
            // Unknown escapes (such as "\;" in lists) stay as written.
            out.append(QLatin1Char('\\'));
            out.append(n);
        }
    }
    return out;
}

static QString escape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '\n': out.append(QLatin1String("\\n")); break;
        case '\t': out.append(QLatin1String("\\t")); break;
        case '\r': out.append(QLatin1String("\\r")); break;
        case '\\': out.append(QLatin1String("\\\\")); break;
        case ' ':
            // Only a blank at either end would be lost by parsers.
            out.append(i == 0 || i == text.size() - 1 ? QLatin1String("\\s") : QLatin1String(" "));
            break;
        default: out.append(c);
        }
    }
    return out;
}

VyrDesktopEntry::VyrDesktopEntry(const QString &path)
    : d(std::make_unique<Private>())
{
    d->path = path;
}

VyrDesktopEntry::~VyrDesktopEntry() = default;

bool VyrDesktopEntry::load()
{
    d->valid = !d->path.isEmpty() && d->doc.loadFile(d->path) && d->doc.hasSection(s_group.toUtf8());
    return d->valid;
}

bool VyrDesktopEntry::save(bool saveEmptyFields)
{
    if (d->path.isEmpty())
        return false;
    if (!saveEmptyFields) {
        const auto keys = d->doc.keys(s_group.toUtf8());
        for (const QByteArray &key : keys) {
            if (d->doc.value(s_group.toUtf8(), key).isEmpty())
                d->doc.removeKey(s_group.toUtf8(), key);
        }
    }
    if (!d->doc.hasSection(s_group.toUtf8()))
        d->doc.setValue(s_group.toUtf8(), "Type", "Application");
    QString error;
    if (!d->doc.saveFile(d->path, &error))
        return false;
    d->valid = true;
    return true;
}

bool VyrDesktopEntry::isValid() const
{
    return d->valid;
}

QString VyrDesktopEntry::filePath() const
{
    return d->path;
}

void VyrDesktopEntry::setFilePath(const QString &path)
{
    d->path = path;
}

QString VyrDesktopEntry::value(const QString &key, const QString &defaultValue) const
{
    bool found = false;
    const QByteArray raw = d->doc.value(s_group.toUtf8(), key.toUtf8(), QByteArray(), &found);
    return found ? unescape(QString::fromUtf8(raw)) : defaultValue;
}

void VyrDesktopEntry::setValue(const QString &key, const QString &value)
{
    d->doc.setValue(s_group.toUtf8(), key.toUtf8(), escape(value).toUtf8());
}

QString VyrDesktopEntry::type() const { return value(QStringLiteral("Type")); }
void VyrDesktopEntry::setType(const QString &type) { setValue(QStringLiteral("Type"), type); }

static bool isTrue(const QString &text)
{
    return text.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

bool VyrDesktopEntry::hidden() const { return isTrue(value(QStringLiteral("Hidden"))); }
void VyrDesktopEntry::setHidden(bool hidden)
{
    setValue(QStringLiteral("Hidden"), hidden ? QStringLiteral("true") : QStringLiteral("false"));
}
bool VyrDesktopEntry::noDisplay() const { return isTrue(value(QStringLiteral("NoDisplay"))); }
QString VyrDesktopEntry::url() const { return value(QStringLiteral("URL")); }
void VyrDesktopEntry::setUrl(const QString &url) { setValue(QStringLiteral("URL"), url); }
QString VyrDesktopEntry::exec() const { return value(QStringLiteral("Exec")); }
void VyrDesktopEntry::setExec(const QString &exec) { setValue(QStringLiteral("Exec"), exec); }
QString VyrDesktopEntry::icon() const { return value(QStringLiteral("Icon")); }
void VyrDesktopEntry::setIcon(const QString &icon) { setValue(QStringLiteral("Icon"), icon); }
bool VyrDesktopEntry::terminal() const { return isTrue(value(QStringLiteral("Terminal"))); }
void VyrDesktopEntry::setTerminal(bool terminal)
{
    setValue(QStringLiteral("Terminal"), terminal ? QStringLiteral("true") : QStringLiteral("false"));
}
QString VyrDesktopEntry::name() const { return value(QStringLiteral("Name")); }
void VyrDesktopEntry::setName(const QString &name) { setValue(QStringLiteral("Name"), name); }
QString VyrDesktopEntry::comment() const { return value(QStringLiteral("Comment")); }
void VyrDesktopEntry::setComment(const QString &comment) { setValue(QStringLiteral("Comment"), comment); }

QStringList VyrDesktopEntry::localeCandidates()
{
    // LC_MESSAGES style: lang_COUNTRY.ENCODING@MODIFIER, most specific first.
    QString locale = qEnvironmentVariable("LC_ALL");
    if (locale.isEmpty())
        locale = qEnvironmentVariable("LC_MESSAGES");
    if (locale.isEmpty())
        locale = qEnvironmentVariable("LANG");
    if (locale.isEmpty())
        locale = QLocale().name();
    QString modifier;
    const int at = locale.indexOf(QLatin1Char('@'));
    if (at >= 0) {
        modifier = locale.mid(at);
        locale.truncate(at);
    }
    const int dot = locale.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        locale.truncate(dot);
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return {};
    const QString lang = locale.section(QLatin1Char('_'), 0, 0);
    QStringList out;
    if (!modifier.isEmpty())
        out << locale + modifier;
    out << locale;
    if (!modifier.isEmpty() && lang != locale)
        out << lang + modifier;
    if (lang != locale)
        out << lang;
    out.removeDuplicates();
    return out;
}

static QString localised(const VyrDesktopEntry &entry, const QString &key)
{
    const QStringList tags = VyrDesktopEntry::localeCandidates();
    for (const QString &tag : tags) {
        const QString text = entry.value(key + QLatin1Char('[') + tag + QLatin1Char(']'));
        if (!text.isEmpty())
            return text;
    }
    return QString();
}

QString VyrDesktopEntry::localName() const { return localised(*this, QStringLiteral("Name")); }

void VyrDesktopEntry::setLocalName(const QString &name)
{
    const QStringList tags = localeCandidates();
    if (!tags.isEmpty()) {
        // Replace the translation that is shown, or add the plainest one.
        QString chosen = tags.last();
        for (const QString &tag : tags) {
            if (!value(QStringLiteral("Name[%1]").arg(tag)).isEmpty()) {
                chosen = tag;
                break;
            }
        }
        setValue(QStringLiteral("Name[%1]").arg(chosen), name);
    }
    if (tags.isEmpty() || this->name().isEmpty())
        setName(name);
}

QString VyrDesktopEntry::localNameOrFallback() const
{
    QString text = localName();
    if (text.isEmpty())
        text = name();
    if (text.isEmpty())
        text = QFileInfo(d->path).completeBaseName();
    return text;
}

QString VyrDesktopEntry::localCommentOrFallback() const
{
    const QString text = localised(*this, QStringLiteral("Comment"));
    return text.isEmpty() ? comment() : text;
}

QStringList VyrDesktopEntry::sortOrder() const
{
    QStringList list = value(QStringLiteral("SortOrder")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString &item : list)
        item = item.trimmed();
    list.removeAll(QString());
    return list;
}

void VyrDesktopEntry::setSortOrder(const QStringList &order)
{
    setValue(QStringLiteral("SortOrder"), order.join(QLatin1Char(',')));
}
