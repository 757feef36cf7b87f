// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "themeicon.h"

#include <vyricontheme.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSet>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <cstring>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {
/// The theme's index, read once per theme (the graphical thread only).
const VyrIconTheme &currentTheme()
{
    static std::unique_ptr<VyrIconTheme> theme;
    const QString name = QIcon::themeName();
    if (!theme || theme->name() != name) {
        theme = std::make_unique<VyrIconTheme>(name);
        theme->load();
    }
    return *theme;
}

/**
 * Drawings of theme files kept between starts, so that a start reads a few
 * small files instead of parsing SVG documents. A drawing is stored as its
 * premultiplied pixels (what drawing gives, bit for bit) together with the
 * theme file's path, size and modification time, and is taken only while
 * all three still hold. A lost or torn file is drawn again.
 */
namespace DrawingCache {
const QByteArray s_magic = QByteArrayLiteral("VYR-ICON-DRAWING-1");

struct Pending {
    QString file;
    QSize size; ///< the size asked for
    QByteArray stamp;
    QImage image;
};
std::vector<Pending> &pending()
{
    static std::vector<Pending> drawings;
    return drawings;
}

/// What identifies the theme file's content; empty when it is gone.
QByteArray stampOf(const QString &file)
{
    struct stat info;
    if (::stat(QFile::encodeName(file).constData(), &info) != 0)
        return QByteArray();
    return file.toUtf8() + '\n' + QByteArray::number(qint64(info.st_size)) + '\n'
        + QByteArray::number(qint64(info.st_mtim.tv_sec)) + '.' + QByteArray::number(qint64(info.st_mtim.tv_nsec));
}

QString path(const QString &file, const QSize &size)
{
    const QByteArray key = file.toUtf8() + '\n' + QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height());
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/vyr/icons/")
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) + QStringLiteral(".drawing");
}

QImage read(const QString &file, const QSize &size, const QByteArray &stamp)
{
    QFile stored(path(file, size));
    if (stamp.isEmpty() || !stored.open(QIODevice::ReadOnly))
        return QImage();
    QDataStream in(&stored);
    QByteArray magic, storedStamp;
    qint32 width = 0, height = 0;
    in >> magic >> storedStamp >> width >> height;
    if (in.status() != QDataStream::Ok || magic != s_magic || storedStamp != stamp || width < 1 || height < 1
        || width > 4096 || height > 4096)
        return QImage();
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    const int rowBytes = width * 4;
    for (int y = 0; y < height; ++y) {
        if (in.readRawData(reinterpret_cast<char *>(image.scanLine(y)), rowBytes) != rowBytes)
            return QImage();
    }
    return image;
}

void write(const Pending &drawing)
{
    const QImage image = drawing.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QString target = path(drawing.file, drawing.size);
    if (!QDir().mkpath(QFileInfo(target).path()))
        return;
    // A cache needs no sync: a torn file fails its check and is drawn again.
    const QString made = target + QStringLiteral(".%1").arg(::getpid());
    QFile out(made);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    QDataStream stream(&out);
    stream << s_magic << drawing.stamp << qint32(image.width()) << qint32(image.height());
    for (int y = 0; y < image.height(); ++y)
        stream.writeRawData(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    out.close();
    if (stream.status() != QDataStream::Ok || out.error() != QFileDevice::NoError
        || ::rename(QFile::encodeName(made).constData(), QFile::encodeName(target).constData()) != 0)
        QFile::remove(made);
}
}

/// A picture read from a theme file: an SVG is kept parsed and drawn at
/// any size, another picture is decoded once.
class ThemeFile
{
public:
    explicit ThemeFile(const QString &path)
    {
        if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
            m_svg = std::make_unique<QSvgRenderer>(path);
            if (!m_svg->isValid())
                m_svg.reset();
        } else {
            m_image.load(path);
        }
    }

    /// As Qt draws theme files: an SVG at the size asked for (aspect
    /// kept), a picture larger than that scaled down to it.
    QSize drawnSize(const QSize &size) const
    {
        QSize natural = m_svg ? m_svg->defaultSize() : m_image.size();
        if (natural.isEmpty())
            return QSize();
        if (m_svg || natural.width() > size.width() || natural.height() > size.height())
            natural.scale(size, Qt::KeepAspectRatio);
        return natural;
    }

    QImage draw(const QSize &size) const
    {
        const QSize drawn = drawnSize(size);
        if (drawn.isEmpty())
            return QImage();
        if (!m_svg)
            return m_image.size() == drawn ? m_image : m_image.scaled(drawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QImage out(drawn, QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::transparent);
        QPainter painter(&out);
        m_svg->render(&painter);
        return out;
    }

private:
    std::unique_ptr<QSvgRenderer> m_svg;
    QImage m_image;
};

/**
 * A theme icon that chooses its file per size asked for, as QIcon's theme
 * icons do, but reads each file once and draws each size and mode once.
 * Copies of the icon share all of it.
 */
class ThemeFileIconEngine : public QIconEngine
{
public:
    ThemeFileIconEngine(const QString &name, int size, const QString &file)
        : m_data(std::make_shared<Data>())
    {
        m_data->name = name;
        m_data->fileForSize.emplace(size, file);
    }

    QIconEngine *clone() const override { return new ThemeFileIconEngine(*this); }
    QString key() const override { return QStringLiteral("VyrThemeFile"); }
    QString iconName() const override { return m_data->name; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) const override
    {
        QList<QSize> sizes;
        for (int side : currentTheme().iconSizesToDraw(m_data->name))
            sizes << QSize(side, side);
        return sizes;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return m_data->drawing(size).size(); }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const auto key = std::make_pair(std::make_pair(size.width(), size.height()), int(mode));
        const auto known = m_data->drawn.find(key);
        if (known != m_data->drawn.end())
            return known->second;
        QPixmap drawn = QPixmap::fromImage(m_data->drawing(size));
        if (mode != QIcon::Normal && !drawn.isNull() && qobject_cast<QApplication *>(QCoreApplication::instance())) {
            // As Qt's own icon engines do: the style derives the other modes.
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
            if (!generated.isNull())
                drawn = generated;
        }
        m_data->drawn.emplace(key, drawn);
        return drawn;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        const QSize shown = drawn.size() / ratio;
        painter->drawPixmap(QRect(rect.topLeft()
                                      + QPoint((rect.width() - shown.width()) / 2, (rect.height() - shown.height()) / 2),
                                  shown),
                            drawn);
    }

private:
    struct Data {
        QString name;
        /// The theme's file for each size asked for (its smaller side).
        std::map<int, QString> fileForSize;
        std::map<QString, std::unique_ptr<ThemeFile>> files;
        /// The drawing (normal mode) for each size asked for.
        std::map<std::pair<int, int>, QImage> drawings;
        std::map<std::pair<std::pair<int, int>, int>, QPixmap> drawn;

        QImage drawing(const QSize &size)
        {
            const auto key = std::make_pair(size.width(), size.height());
            auto known = drawings.find(key);
            if (known == drawings.end())
                known = drawings.emplace(key, draw(size)).first;
            return known->second;
        }

        /// From the drawing cache when it holds this file's drawing,
        /// else drawn (and kept for the cache).
        QImage draw(const QSize &size)
        {
            const int side = std::min(size.width(), size.height());
            if (side < 1)
                return QImage();
            auto path = fileForSize.find(side);
            if (path == fileForSize.end())
                path = fileForSize.emplace(side, currentTheme().iconFileToDraw(name, side)).first;
            if (path->second.isEmpty())
                return QImage();
            // Only an SVG costs more to draw than to read back.
            const bool svg = path->second.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
            const QByteArray stamp = svg ? DrawingCache::stampOf(path->second) : QByteArray();
            QImage image = DrawingCache::read(path->second, size, stamp);
            if (!image.isNull())
                return image;
            auto &file = files[path->second];
            if (!file)
                file = std::make_unique<ThemeFile>(path->second);
            image = file->draw(size);
            if (!image.isNull() && !stamp.isEmpty())
                DrawingCache::pending().push_back({path->second, size, stamp, image});
            return image;
        }
    };

    std::shared_ptr<Data> m_data;
};
}

void storeThemeIconDrawings()
{
    for (const DrawingCache::Pending &drawing : DrawingCache::pending())
        DrawingCache::write(drawing);
    DrawingCache::pending().clear();
}

QIcon themeFileIcon(const QString &name, int size)
{
    const QString file = currentTheme().iconFileToDraw(name, size);
    return file.isEmpty() ? QIcon() : QIcon(new ThemeFileIconEngine(name, size, file));
}

namespace {
/// What Qt's icon lookup depends on: an icon it did not find stays not
/// found until one of these changes.
QString qtIconLookupKey()
{
    return QIcon::themeName() + QLatin1Char('\n') + QIcon::fallbackThemeName() + QLatin1Char('\n')
        + QIcon::themeSearchPaths().join(QLatin1Char(':')) + QLatin1Char('\n')
        + QIcon::fallbackSearchPaths().join(QLatin1Char(':'));
}

/**
 * Names neither the theme (with the themes on the way) nor an icon folder
 * holds, as far as Qt's lookup goes; many icons share a name Qt falls back
 * to ("preferences" for every "preferences-desktop-..."). Forgotten when
 * the lookup changes, as Qt forgets what it did not find.
 */
QSet<QString> &namesNotFound()
{
    static QSet<QString> names;
    static QString key;
    QString now = qtIconLookupKey();
    if (now != key) {
        key = std::move(now);
        names.clear();
    }
    return names;
}

/**
 * True when Qt's own lookup of the theme icon @p name surely finds nothing:
 * no name Qt falls back to (the name without its last "-part", again and
 * again) is in the theme or a theme it inherits, and no icon folder holds
 * a file of that name. Then Qt's search, which asks for every file in every
 * folder of every theme on the way, can be skipped. Anything this lookup
 * cannot answer for (a theme it cannot read, folders or a fallback theme it
 * does not know) counts as found. @p notInTheme: the caller's lookup
 * already found that the themes hold no file of @p name itself.
 */
bool qtFindsNoThemeIcon(const QString &name, bool notInTheme = false)
{
    const VyrIconTheme &theme = currentTheme();
    if (!theme.isLoaded() || name.isEmpty() || name.contains(QLatin1Char('/')))
        return false;
    const QString fallbackTheme = QIcon::fallbackThemeName();
    if (!fallbackTheme.isEmpty() && fallbackTheme != QLatin1String("hicolor") && fallbackTheme != theme.name())
        return false;
    QSet<QString> &notFound = namesNotFound();
    const QStringList known = VyrIconTheme::baseDirs();
    QStringList folders = QIcon::themeSearchPaths() + QIcon::fallbackSearchPaths();
    folders << QStringLiteral("/usr/share/pixmaps");
    // A folder only Qt searches (such as the resources' ":/icons") counts
    // when it holds one of the themes on the way.
    const QStringList themes = QStringList{theme.name(), QStringLiteral("hicolor")} + theme.inherits();
    for (const QString &folder : QIcon::themeSearchPaths()) {
        if (known.contains(QDir::cleanPath(folder)))
            continue;
        for (const QString &themeName : themes) {
            if (QFileInfo::exists(folder + QLatin1Char('/') + themeName))
                return false;
        }
    }
    for (QString tried = name; !tried.isEmpty();) {
        if (!notFound.contains(tried)) {
            if (!(notInTheme && tried == name) && !theme.iconSizesToDraw(tried).isEmpty())
                return false;
            for (const QString &folder : qAsConst(folders)) {
                if (!VyrIconTheme::iconFileInFolder(folder, tried).isEmpty())
                    return false;
            }
            notFound.insert(tried);
        }
        const int dash = tried.lastIndexOf(QLatin1Char('-'));
        if (dash < 0)
            break;
        tried.truncate(dash);
    }
    return true;
}

/**
 * A theme icon neither the theme nor Qt's lookup has (see
 * qtFindsNoThemeIcon()): null and drawn as nothing, as Qt's icon of the
 * name is, without Qt's search through every folder of every theme on the
 * way for each size asked. Once the icon theme or its folders change, it
 * is Qt's icon of the name, which follows such a change.
 */
class NotFoundIconEngine : public QIconEngine
{
public:
    explicit NotFoundIconEngine(const QString &name)
        : m_name(name)
        , m_key(qtIconLookupKey())
    {
    }
    QIconEngine *clone() const override { return new NotFoundIconEngine(*this); }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return qtIcon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return qtIcon().pixmap(size, mode, state);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        qtIcon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override
    {
        return qtIcon().availableSizes(mode, state);
    }
    QString iconName() const override { return qtIcon().name(); }
    void virtual_hook(int id, void *data) override
    {
        if (id == QIconEngine::IsNullHook)
            *static_cast<bool *>(data) = qtIcon().isNull();
        else
            QIconEngine::virtual_hook(id, data);
    }

private:
    /// Null until the lookup changes, then Qt's icon of the name.
    const QIcon &qtIcon() const
    {
        if (!m_lookupChanged && m_key != qtIconLookupKey()) {
            m_lookupChanged = true;
            m_icon = QIcon::fromTheme(m_name);
        }
        return m_icon;
    }

    QString m_name;
    QString m_key;
    mutable bool m_lookupChanged = false;
    mutable QIcon m_icon;
};
}

QIcon themeIcon(const QString &name, int size)
{
    const QIcon icon = themeFileIcon(name, size);
    if (!icon.isNull())
        return icon;
    if (qtFindsNoThemeIcon(name, true))
        return QIcon(new NotFoundIconEngine(name));
    return QIcon::fromTheme(name);
}

namespace {
/**
 * Qt's own picture of a dialog button (what its style gives when the theme
 * has none), read only in the size it is drawn at: Qt's icon reads all
 * three sizes at once, the largest 128 pixels wide. A picture in another
 * size or mode comes from Qt's icon itself, so every picture is Qt's.
 */
class BuiltinButtonIconEngine : public QIconEngine
{
public:
    BuiltinButtonIconEngine(const QStyle *base, QStyle::StandardPixmap which, const QString &stem)
        : m_base(base)
        , m_which(which)
        , m_stem(stem)
    {
    }
    QIconEngine *clone() const override { return new BuiltinButtonIconEngine(*this); }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return own(size, mode, state) ? size : qtIcon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (!own(size, mode, state))
            return qtIcon().pixmap(size, mode, state);
        QPixmap &picture = m_pictures[size.width()];
        if (picture.isNull())
            picture.load(QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-%1-%2.png")
                             .arg(m_stem)
                             .arg(size.width()));
        if (mode == QIcon::Normal || picture.isNull())
            return picture;
        // As Qt makes the other modes' pictures from the normal one.
        QStyleOption option(0);
        option.palette = QGuiApplication::palette();
        const QPixmap made = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        return made.isNull() ? picture : made;
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override
    {
        return qtIcon().availableSizes(mode, state);
    }

private:
    /// Qt's picture of this size is the file itself.
    static bool own(const QSize &size, QIcon::Mode, QIcon::State state)
    {
        return state == QIcon::Off && size.width() == size.height()
            && (size.width() == 16 || size.width() == 32 || size.width() == 128);
    }
    QIcon qtIcon() const
    {
        if (m_qtIcon.isNull() && m_base)
            m_qtIcon = m_base->standardIcon(m_which);
        return m_qtIcon;
    }

    QPointer<const QStyle> m_base;
    QStyle::StandardPixmap m_which;
    QString m_stem;
    std::map<int, QPixmap> m_pictures;
    mutable QIcon m_qtIcon;
};
}

QIcon ThemeIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                   const QWidget *widget) const
{
    // The first name Qt's style looks up for each of these icons, and the
    // stem of its own pictures for the button when the theme has none.
    QString name;
    QString builtin;
    switch (standardIcon) {
    case SP_DialogOkButton:
        name = QStringLiteral("dialog-ok");
        builtin = QStringLiteral("ok");
        break;
    case SP_DialogApplyButton:
        name = QStringLiteral("dialog-ok-apply");
        builtin = QStringLiteral("apply");
        break;
    case SP_DialogCancelButton:
        name = QStringLiteral("dialog-cancel");
        builtin = QStringLiteral("cancel");
        break;
    case SP_DialogHelpButton:
        name = QStringLiteral("help-contents");
        builtin = QStringLiteral("help");
        break;
    case SP_LineEditClearButton: {
        const bool rtl = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
        name = rtl ? QStringLiteral("edit-clear-locationbar-ltr") : QStringLiteral("edit-clear-locationbar-rtl");
        break;
    }
    default:
        break;
    }
    if (!name.isEmpty() && QGuiApplication::desktopSettingsAware() && !QIcon::themeName().isEmpty()) {
        const QIcon icon = themeFileIcon(name, pixelMetric(PM_SmallIconSize, option, widget));
        if (!icon.isNull())
            return icon;
        // Qt also tries "process-stop" for the cancel button.
        if (!builtin.isEmpty() && !option && qtFindsNoThemeIcon(name, true)
            && (standardIcon != SP_DialogCancelButton || qtFindsNoThemeIcon(QStringLiteral("process-stop"))))
            return QIcon(new BuiltinButtonIconEngine(baseStyle(), standardIcon, builtin));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
