// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "kxftconfig.h"

#include <vyrpaths.h>

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QXmlStreamReader>

#include <fontconfig/fontconfig.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

// The option groups, also the bits of the "changed" set, in the order apply()
// writes them. The exclusion ranges come after anti-aliasing so that, when
// both are new, the range's "antialias false" follows the general rule.
enum Option {
    OptSubPixel = 1 << 0,
    OptHintStyle = 1 << 1,
    OptAntiAlias = 1 << 2,
    OptHinting = 1 << 3,
    OptRange = 1 << 4,
    OptPixelRange = 1 << 5,
};
constexpr Option s_options[] = {OptSubPixel, OptHintStyle, OptAntiAlias, OptHinting, OptRange, OptPixelRange};

struct Values {
    KXftConfig::SubPixel subPixel = KXftConfig::SubPixel::NotSet;
    KXftConfig::Hint hint = KXftConfig::Hint::NotSet;
    KXftConfig::Toggle antiAlias = KXftConfig::Toggle::NotSet;
    KXftConfig::Toggle hinting = KXftConfig::Toggle::NotSet;
    KXftConfig::Range range;
    KXftConfig::Range pixelRange;

    void copy(const Values &from, int options)
    {
        if (options & OptSubPixel)
            subPixel = from.subPixel;
        if (options & OptHintStyle)
            hint = from.hint;
        if (options & OptAntiAlias)
            antiAlias = from.antiAlias;
        if (options & OptHinting)
            hinting = from.hinting;
        if (options & OptRange)
            range = from.range;
        if (options & OptPixelRange)
            pixelRange = from.pixelRange;
    }
};

const char *const s_subPixelNames[] = {"", "none", "rgb", "bgr", "vrgb", "vbgr"};
const char *const s_hintNames[] = {"", "hintnone", "hintslight", "hintmedium", "hintfull"};

QList<QDomElement> childElements(const QDomElement &parent, const QString &tag)
{
    QList<QDomElement> list;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (tag.isEmpty() || e.tagName() == tag)
            list.append(e);
    }
    return list;
}

// fontconfig takes the first letter of a boolean: t/y/1 true, f/n/0 false,
// and "on"/"off".
KXftConfig::Toggle parseBool(const QString &text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("on"))
        return KXftConfig::Toggle::On;
    if (t == QLatin1String("off"))
        return KXftConfig::Toggle::Off;
    if (t.isEmpty())
        return KXftConfig::Toggle::NotSet;
    if (QStringLiteral("ty1").contains(t.at(0)))
        return KXftConfig::Toggle::On;
    if (QStringLiteral("fn0").contains(t.at(0)))
        return KXftConfig::Toggle::Off;
    return KXftConfig::Toggle::NotSet;
}

// The single value element of an <edit> or <test>.
QDomElement valueOf(const QDomElement &e)
{
    return e.firstChildElement();
}

bool parseNumber(const QDomElement &value, double *number)
{
    if (value.tagName() != QLatin1String("double") && value.tagName() != QLatin1String("int"))
        return false;
    bool ok = false;
    *number = value.text().trimmed().toDouble(&ok);
    return ok;
}

// Which option @p match holds in one of our shapes, 0 for anything else. The
// value read goes into @p values.
int classify(const QDomElement &match, Values *values)
{
    if (match.tagName() != QLatin1String("match") || match.attribute(QStringLiteral("target")) != QLatin1String("font"))
        return 0;
    const QList<QDomElement> all = childElements(match, QString());
    const QList<QDomElement> tests = childElements(match, QStringLiteral("test"));
    const QList<QDomElement> edits = childElements(match, QStringLiteral("edit"));
    if (edits.size() != 1 || tests.size() + edits.size() != all.size())
        return 0;
    const QDomElement edit = edits.first();
    if (edit.attribute(QStringLiteral("mode"), QStringLiteral("assign")) != QLatin1String("assign"))
        return 0;
    const QString name = edit.attribute(QStringLiteral("name"));
    const QDomElement value = valueOf(edit);

    if (tests.isEmpty()) {
        if (name == QLatin1String("rgba")) {
            values->subPixel = KXftConfig::subPixelFromString(value.text().trimmed());
            return OptSubPixel;
        }
        if (name == QLatin1String("hintstyle")) {
            values->hint = KXftConfig::hintFromString(value.text().trimmed());
            return OptHintStyle;
        }
        if (name == QLatin1String("antialias")) {
            values->antiAlias = parseBool(value.text());
            return OptAntiAlias;
        }
        if (name == QLatin1String("hinting")) {
            values->hinting = parseBool(value.text());
            return OptHinting;
        }
        return 0;
    }

    if (tests.size() != 2 || name != QLatin1String("antialias") || parseBool(value.text()) != KXftConfig::Toggle::Off)
        return 0;
    const QString property = tests.at(0).attribute(QStringLiteral("name"));
    if (property != tests.at(1).attribute(QStringLiteral("name")))
        return 0;
    KXftConfig::Range range;
    bool haveFrom = false;
    bool haveTo = false;
    for (const QDomElement &test : tests) {
        if (test.attribute(QStringLiteral("qual"), QStringLiteral("any")) != QLatin1String("any"))
            return 0;
        double bound = 0;
        if (!parseNumber(valueOf(test), &bound))
            return 0;
        const QString compare = test.attribute(QStringLiteral("compare"));
        if (compare == QLatin1String("more_eq") && !haveFrom) {
            range.from = bound;
            haveFrom = true;
        } else if (compare == QLatin1String("less_eq") && !haveTo) {
            range.to = bound;
            haveTo = true;
        } else {
            return 0;
        }
    }
    range.enabled = true;
    if (property == QLatin1String("size")) {
        values->range = range;
        return OptRange;
    }
    if (property == QLatin1String("pixelsize")) {
        values->pixelRange = range;
        return OptPixelRange;
    }
    return 0;
}

// Reads every option of @p doc; a later element wins, as in fontconfig.
Values readValues(const QDomDocument &doc)
{
    Values values;
    for (const QDomElement &e : childElements(doc.documentElement(), QStringLiteral("match")))
        classify(e, &values);
    return values;
}

QDomElement makeEdit(QDomDocument &doc, const QString &name, const QString &valueTag, const QString &value)
{
    QDomElement edit = doc.createElement(QStringLiteral("edit"));
    edit.setAttribute(QStringLiteral("name"), name);
    edit.setAttribute(QStringLiteral("mode"), QStringLiteral("assign"));
    QDomElement v = doc.createElement(valueTag);
    v.appendChild(doc.createTextNode(value));
    edit.appendChild(v);
    return edit;
}

QDomElement makeTest(QDomDocument &doc, const QString &property, const QString &compare, double bound)
{
    QDomElement test = doc.createElement(QStringLiteral("test"));
    test.setAttribute(QStringLiteral("qual"), QStringLiteral("any"));
    test.setAttribute(QStringLiteral("name"), property);
    test.setAttribute(QStringLiteral("compare"), compare);
    QDomElement v = doc.createElement(QStringLiteral("double"));
    v.appendChild(doc.createTextNode(QString::number(bound, 'g', 10)));
    test.appendChild(v);
    return test;
}

QString boolText(KXftConfig::Toggle t)
{
    return t == KXftConfig::Toggle::On ? QStringLiteral("true") : QStringLiteral("false");
}

// The element for @p option with its value in @p values; null when the
// option is unset, so that its element goes away.
QDomElement makeElement(QDomDocument &doc, int option, const Values &values)
{
    QDomElement match = doc.createElement(QStringLiteral("match"));
    match.setAttribute(QStringLiteral("target"), QStringLiteral("font"));
    QDomElement edit;
    switch (option) {
    case OptSubPixel:
        if (values.subPixel == KXftConfig::SubPixel::NotSet)
            return QDomElement();
        edit = makeEdit(doc, QStringLiteral("rgba"), QStringLiteral("const"), KXftConfig::toString(values.subPixel));
        break;
    case OptHintStyle:
        if (values.hint == KXftConfig::Hint::NotSet)
            return QDomElement();
        edit = makeEdit(doc, QStringLiteral("hintstyle"), QStringLiteral("const"), KXftConfig::toString(values.hint));
        break;
    case OptAntiAlias:
        if (values.antiAlias == KXftConfig::Toggle::NotSet)
            return QDomElement();
        edit = makeEdit(doc, QStringLiteral("antialias"), QStringLiteral("bool"), boolText(values.antiAlias));
        break;
    case OptHinting:
        if (values.hinting == KXftConfig::Toggle::NotSet)
            return QDomElement();
        edit = makeEdit(doc, QStringLiteral("hinting"), QStringLiteral("bool"), boolText(values.hinting));
        break;
    case OptRange:
    case OptPixelRange: {
        const KXftConfig::Range &range = option == OptRange ? values.range : values.pixelRange;
        if (!range.enabled)
            return QDomElement();
        const QString property = option == OptRange ? QStringLiteral("size") : QStringLiteral("pixelsize");
        match.appendChild(makeTest(doc, property, QStringLiteral("more_eq"), range.from));
        match.appendChild(makeTest(doc, property, QStringLiteral("less_eq"), range.to));
        edit = makeEdit(doc, QStringLiteral("antialias"), QStringLiteral("bool"), QStringLiteral("false"));
        break;
    }
    default:
        return QDomElement();
    }
    match.appendChild(edit);
    return match;
}

// Puts the element of @p option in place of the first old one (removing the
// others), appends it when there was none, or removes them all when unset.
void updateOption(QDomDocument &doc, int option, const Values &values)
{
    QDomElement root = doc.documentElement();
    QList<QDomElement> old;
    for (const QDomElement &e : childElements(root, QStringLiteral("match"))) {
        Values ignored;
        if (classify(e, &ignored) == option)
            old.append(e);
    }
    const QDomElement fresh = makeElement(doc, option, values);
    if (!fresh.isNull()) {
        if (old.isEmpty())
            root.appendChild(fresh);
        else
            root.replaceChild(fresh, old.takeFirst());
    }
    for (QDomElement &e : old)
        root.removeChild(e);
}

// An exclusion range ahead of the general anti-aliasing rule would be
// overridden by it (fontconfig applies matches in document order): move such
// ranges to just after it.
void keepRangesAfterAntiAlias(QDomDocument &doc)
{
    QDomElement root = doc.documentElement();
    QDomElement antiAlias;
    QList<QDomElement> rangesBefore;
    for (const QDomElement &e : childElements(root, QStringLiteral("match"))) {
        Values ignored;
        const int option = classify(e, &ignored);
        if (option == OptAntiAlias)
            antiAlias = e;
        else if ((option == OptRange || option == OptPixelRange))
            rangesBefore.append(e);
    }
    if (antiAlias.isNull())
        return;
    QDomNode after = antiAlias;
    for (QDomElement &range : rangesBefore) {
        // Only those that precede it: walk back from the rule.
        bool precedes = false;
        for (QDomNode n = antiAlias.previousSibling(); !n.isNull(); n = n.previousSibling()) {
            if (n == range) {
                precedes = true;
                break;
            }
        }
        if (!precedes)
            continue;
        root.removeChild(range);
        root.insertAfter(range, after);
        after = range;
    }
}

enum class ReadResult { Missing, Ok, Unreadable, NotFontconfig };

ReadResult readDocument(const QString &path, QByteArray *content, QDomDocument *doc, QString *error)
{
    content->clear();
    QFile file(path);
    if (!file.exists()) {
        *doc = QDomDocument();
        doc->appendChild(doc->createElement(QStringLiteral("fontconfig")));
        return ReadResult::Missing;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("KXftConfig", "%1: cannot read: %2").arg(path, file.errorString());
        return ReadResult::Unreadable;
    }
    *content = file.readAll();
    *doc = QDomDocument();
    if (content->trimmed().isEmpty()) {
        doc->appendChild(doc->createElement(QStringLiteral("fontconfig")));
        return ReadResult::Ok;
    }
    QString message;
    int line = 0;
    int column = 0;
    if (!doc->setContent(*content, false, &message, &line, &column)) {
        *error
            = QCoreApplication::translate("KXftConfig", "%1:%2:%3: not well-formed XML (%4); the file is left as it is")
                  .arg(path)
                  .arg(line)
                  .arg(column)
                  .arg(message);
        return ReadResult::NotFontconfig;
    }
    if (doc->documentElement().tagName() != QLatin1String("fontconfig")) {
        *error = QCoreApplication::translate("KXftConfig",
                                             "%1: not a fontconfig document (root <%2>); the file is left as it is")
                     .arg(path, doc->documentElement().tagName());
        return ReadResult::NotFontconfig;
    }
    return ReadResult::Ok;
}

QStringList fontconfigPaths(bool directories)
{
    QStringList paths;
    FcConfig *config = FcInitLoadConfig();
    if (!config)
        return paths;
    auto collect = [&](FcStrList *list) {
        if (!list)
            return;
        while (FcChar8 *entry = FcStrListNext(list)) {
            const QString path = QFile::decodeName(reinterpret_cast<const char *>(entry));
            const QFileInfo info(path);
            if ((directories ? info.isDir() : info.isFile()) && !paths.contains(path))
                paths.append(path);
        }
        FcStrListDone(list);
    };
    collect(FcConfigGetConfigFiles(config));
    if (directories)
        collect(FcConfigGetConfigDirs(config));
    FcConfigDestroy(config);
    return paths;
}

QString firstMatching(const QStringList &paths, const QRegularExpression &re)
{
    for (const QString &path : paths) {
        if (re.match(path).hasMatch())
            return path;
    }
    return QString();
}

// fontconfig's atomic replacement: a lock other fontconfig writers respect,
// a new file beside the old one and a rename over it. Unlocked and released
// when it goes out of scope.
class AtomicFile
{
public:
    explicit AtomicFile(const QString &path)
        : m_path(path)
    {
        const QByteArray name = QFile::encodeName(path);
        m_atomic = FcAtomicCreate(reinterpret_cast<const FcChar8 *>(name.constData()));
    }
    ~AtomicFile()
    {
        if (m_locked)
            FcAtomicUnlock(m_atomic);
        if (m_atomic)
            FcAtomicDestroy(m_atomic);
    }
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    bool lock(QString *error)
    {
        if (!m_atomic) {
            *error = QCoreApplication::translate("KXftConfig", "%1: cannot prepare the atomic write").arg(m_path);
            return false;
        }
        m_locked = FcAtomicLock(m_atomic);
        if (!m_locked)
            *error
                = QCoreApplication::translate("KXftConfig", "%1: cannot lock the file (is another program writing it?)")
                      .arg(m_path);
        return m_locked;
    }

    bool replace(const QByteArray &data, QString *error)
    {
        const QString newName = QFile::decodeName(reinterpret_cast<const char *>(FcAtomicNewFile(m_atomic)));
        QFile out(newName);
        bool ok = out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(data) == data.size()
            && out.flush() && ::fsync(out.handle()) == 0;
        if (!ok)
            *error = QCoreApplication::translate("KXftConfig", "%1: cannot write %2: %3")
                         .arg(m_path, newName, out.errorString());
        out.close();
        if (ok && QFile::exists(m_path))
            QFile::setPermissions(newName, QFile::permissions(m_path));
        if (ok && !FcAtomicReplaceOrig(m_atomic)) {
            *error = QCoreApplication::translate("KXftConfig", "%1: cannot replace the file").arg(m_path);
            ok = false;
        }
        if (!ok)
            FcAtomicDeleteNew(m_atomic);
        return ok;
    }

private:
    QString m_path;
    FcAtomic *m_atomic = nullptr;
    bool m_locked = false;
};

// QDom keeps attributes in a hash, so its own output orders them anew on
// every run; ours is stable (fontconfig's usual order first, then by name) so
// that saving unchanged options leaves the file unchanged.
int attributeRank(const QString &name)
{
    static const QStringList order{QStringLiteral("target"), QStringLiteral("qual"),  QStringLiteral("name"),
                                   QStringLiteral("compare"), QStringLiteral("mode"), QStringLiteral("binding")};
    const int rank = order.indexOf(name);
    return rank < 0 ? order.size() : rank;
}

QString escaped(const QString &text, bool attribute)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += attribute ? QLatin1String("&quot;") : QLatin1String("\"");
            break;
        case '\n':
            out += attribute ? QLatin1String("&#10;") : QLatin1String("\n");
            break;
        case '\t':
            out += attribute ? QLatin1String("&#9;") : QLatin1String("\t");
            break;
        case '\r':
            out += QLatin1String("&#13;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool hasText(const QDomNodeList &children)
{
    for (int i = 0; i < children.count(); ++i) {
        if (children.at(i).isText())
            return true;
    }
    return false;
}

// Writes @p node with one blank of indentation per level. Where an element
// holds text, its content is written as it stands ("<const>rgb</const>"):
// added blanks would become part of a family name or string.
void writeNode(QString &out, const QDomNode &node, int depth, bool inText = false)
{
    const QString pad = inText ? QString() : QString(depth, QLatin1Char(' '));
    const QString end = inText ? QString() : QStringLiteral("\n");
    switch (node.nodeType()) {
    case QDomNode::ElementNode: {
        const QDomElement element = node.toElement();
        out += pad + QLatin1Char('<') + element.tagName();
        const QDomNamedNodeMap attributes = element.attributes();
        QList<QDomAttr> sorted;
        for (int i = 0; i < attributes.count(); ++i)
            sorted.append(attributes.item(i).toAttr());
        std::sort(sorted.begin(), sorted.end(), [](const QDomAttr &a, const QDomAttr &b) {
            const int ra = attributeRank(a.name());
            const int rb = attributeRank(b.name());
            return ra != rb ? ra < rb : a.name() < b.name();
        });
        for (const QDomAttr &attribute : sorted)
            out += QLatin1Char(' ') + attribute.name() + QStringLiteral("=\"") + escaped(attribute.value(), true)
                + QLatin1Char('"');
        const QDomNodeList children = element.childNodes();
        if (children.isEmpty()) {
            out += QStringLiteral("/>") + end;
            break;
        }
        const bool textInside = inText || hasText(children);
        out += textInside ? QStringLiteral(">") : QStringLiteral(">\n");
        for (int i = 0; i < children.count(); ++i)
            writeNode(out, children.at(i), depth + 1, textInside);
        out += (textInside ? QString() : pad) + QStringLiteral("</") + element.tagName() + QLatin1Char('>') + end;
        break;
    }
    case QDomNode::CDATASectionNode:
        out += pad + QStringLiteral("<![CDATA[") + node.nodeValue() + QStringLiteral("]]>") + end;
        break;
    case QDomNode::TextNode:
        out += pad + escaped(node.nodeValue(), false) + end;
        break;
    case QDomNode::CommentNode:
        out += pad + QStringLiteral("<!--") + node.nodeValue() + QStringLiteral("-->") + end;
        break;
    case QDomNode::ProcessingInstructionNode: {
        const QDomProcessingInstruction pi = node.toProcessingInstruction();
        out += pad + QStringLiteral("<?") + pi.target() + QLatin1Char(' ') + pi.data() + QStringLiteral("?>") + end;
        break;
    }
    case QDomNode::EntityReferenceNode:
        out += pad + QLatin1Char('&') + node.nodeName() + QLatin1Char(';') + end;
        break;
    default:
        break;
    }
}
}

bool KXftConfig::Range::operator==(const Range &other) const
{
    if (enabled != other.enabled)
        return false;
    return !enabled || (from == other.from && to == other.to);
}

struct KXftConfig::Private {
    Mode mode = Mode::User;
    QString path;
    QDomDocument doc;
    QByteArray readContent; // what the file held when read or last written
    bool broken = false;
    QString error;
    Values values;
    int changed = 0;

    template<typename T>
    void set(T &field, const T &value, int option)
    {
        if (field == value)
            return;
        field = value;
        changed |= option;
    }
};

KXftConfig::KXftConfig(Mode mode)
    : d(std::make_unique<Private>())
{
    d->mode = mode;
    d->path = fileFor(mode);
    reset();
}

KXftConfig::~KXftConfig() = default;

QString KXftConfig::fileFor(Mode mode)
{
    if (mode == Mode::User) {
        const QString home = QDir::homePath() + QLatin1Char('/');
        QStringList candidates;
        for (const QString &path : fontconfigPaths(false)) {
            if (path.startsWith(home))
                candidates.append(path);
        }
        const QString named = firstMatching(candidates, QRegularExpression(QStringLiteral("/\\.?fonts\\.conf$")));
        if (!named.isEmpty())
            return named;
        if (!candidates.isEmpty())
            return candidates.first();
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/fontconfig/fonts.conf");
    }
    const QString confD = firstMatching(fontconfigPaths(true), QRegularExpression(QStringLiteral("/conf\\.d/?$")));
    if (!confD.isEmpty())
        return QDir(confD).filePath(QStringLiteral("29-vyr-rendering.conf"));
    const QString local = firstMatching(fontconfigPaths(false), QRegularExpression(QStringLiteral("/local\\.conf$")));
    if (!local.isEmpty())
        return local;
    return vyrSystemPath(QStringLiteral("/etc/fonts/local.conf"));
}

bool KXftConfig::reset()
{
    d->error.clear();
    d->changed = 0;
    const ReadResult result = readDocument(d->path, &d->readContent, &d->doc, &d->error);
    d->broken = result == ReadResult::Unreadable || result == ReadResult::NotFontconfig;
    d->values = d->broken ? Values() : readValues(d->doc);
    return !d->broken;
}

QString KXftConfig::fileName() const { return d->path; }
bool KXftConfig::isBroken() const { return d->broken; }
QString KXftConfig::errorString() const { return d->error; }
bool KXftConfig::changed() const { return d->changed != 0; }

KXftConfig::SubPixel KXftConfig::subPixelType() const { return d->values.subPixel; }
void KXftConfig::setSubPixelType(SubPixel type) { d->set(d->values.subPixel, type, OptSubPixel); }
KXftConfig::Hint KXftConfig::hintStyle() const { return d->values.hint; }
void KXftConfig::setHintStyle(Hint style) { d->set(d->values.hint, style, OptHintStyle); }
KXftConfig::Toggle KXftConfig::antiAliasing() const { return d->values.antiAlias; }
void KXftConfig::setAntiAliasing(Toggle value) { d->set(d->values.antiAlias, value, OptAntiAlias); }
KXftConfig::Toggle KXftConfig::hinting() const { return d->values.hinting; }
void KXftConfig::setHinting(Toggle value) { d->set(d->values.hinting, value, OptHinting); }
KXftConfig::Range KXftConfig::excludeRange() const { return d->values.range; }
void KXftConfig::setExcludeRange(const Range &range) { d->set(d->values.range, range, OptRange); }
KXftConfig::Range KXftConfig::excludePixelRange() const { return d->values.pixelRange; }
void KXftConfig::setExcludePixelRange(const Range &range) { d->set(d->values.pixelRange, range, OptPixelRange); }

bool KXftConfig::apply()
{
    if (!d->changed)
        return true;
    if (d->broken) {
        if (d->error.isEmpty())
            d->error = QCoreApplication::translate("KXftConfig", "%1: cannot be read; not overwritten").arg(d->path);
        return false;
    }
    d->error.clear();

    // Write through a symbolic link (a file kept with the user's dotfiles)
    // rather than replacing the link by a file.
    QString target = d->path;
    const QFileInfo info(d->path);
    if (info.isSymLink())
        target = info.symLinkTarget();
    const QString dir = QFileInfo(target).absolutePath();
    if (!QDir(dir).exists()) {
        if (!QDir().mkpath(dir)) {
            d->error
                = QCoreApplication::translate("KXftConfig", "%1: cannot create the directory %2").arg(d->path, dir);
            return false;
        }
        if (d->mode == Mode::User)
            QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    AtomicFile file(target);
    if (!file.lock(&d->error))
        return false;

    // Under the lock, the file's content (not its time stamp, too coarse to
    // see a rewrite within the same tick) tells whether someone else wrote it.
    QDomDocument doc;
    QByteArray current;
    QString readError;
    const ReadResult result = readDocument(target, &current, &doc, &readError);
    if (result == ReadResult::Unreadable || result == ReadResult::NotFontconfig) {
        d->error = readError;
        return false;
    }
    Values values = d->values;
    QByteArray original = d->readContent;
    if (current != d->readContent) {
        original = current;
        std::fputs("vyr-admin-theme: font config file was rewritten since we last read!\n", stderr);
        values = readValues(doc);
        values.copy(d->values, d->changed);
    } else {
        doc = d->doc.cloneNode(true).toDocument();
    }

    for (const Option option : s_options) {
        if (d->changed & option)
            updateOption(doc, option, values);
    }
    keepRangesAfterAntiAlias(doc);
    const QByteArray data = serialize(doc, original);
    if (!file.replace(data, &d->error))
        return false;
    d->doc = doc;
    d->readContent = data;
    d->values = values;
    d->changed = 0;
    return true;
}

QString KXftConfig::toString(SubPixel type)
{
    return QString::fromLatin1(s_subPixelNames[static_cast<int>(type)]);
}

QString KXftConfig::toString(Hint style)
{
    return QString::fromLatin1(s_hintNames[static_cast<int>(style)]);
}

KXftConfig::SubPixel KXftConfig::subPixelFromString(const QString &name)
{
    for (int i = 1; i < int(sizeof s_subPixelNames / sizeof *s_subPixelNames); ++i) {
        if (name == QLatin1String(s_subPixelNames[i]))
            return static_cast<SubPixel>(i);
    }
    return SubPixel::NotSet;
}

KXftConfig::Hint KXftConfig::hintFromString(const QString &name)
{
    for (int i = 1; i < int(sizeof s_hintNames / sizeof *s_hintNames); ++i) {
        if (name == QLatin1String(s_hintNames[i]))
            return static_cast<Hint>(i);
    }
    return Hint::NotSet;
}

QByteArray KXftConfig::serialize(const QDomDocument &doc, const QByteArray &original)
{
    // QDom forgets a document type's identifiers, so they come from the text.
    QString name = QStringLiteral("fontconfig");
    QString identifiers = QStringLiteral(" SYSTEM \"fonts.dtd\"");
    QString subset;
    QXmlStreamReader reader(original);
    while (!reader.atEnd() && reader.readNext() != QXmlStreamReader::StartElement) {
        if (reader.tokenType() != QXmlStreamReader::DTD)
            continue;
        if (!reader.dtdName().isEmpty())
            name = reader.dtdName().toString();
        if (!reader.dtdPublicId().isEmpty())
            identifiers = QStringLiteral(" PUBLIC \"%1\" \"%2\"").arg(reader.dtdPublicId(), reader.dtdSystemId());
        else if (!reader.dtdSystemId().isEmpty())
            identifiers = QStringLiteral(" SYSTEM \"%1\"").arg(reader.dtdSystemId());
        subset = doc.doctype().internalSubset().trimmed();
        break;
    }
    QString text = QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE ") + name + identifiers;
    if (!subset.isEmpty())
        text += QStringLiteral(" [") + subset + QLatin1Char(']');
    text += QStringLiteral(">\n");
    for (QDomNode node = doc.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isDocumentType())
            continue;
        if (node.isProcessingInstruction() && node.toProcessingInstruction().target() == QLatin1String("xml"))
            continue;
        writeNode(text, node, 0);
    }
    return text.toUtf8();
}
