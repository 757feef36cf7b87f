// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "aspectratiopixmaplabel.h"

#include <wallpapersettings.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

AspectRatioPixmapLabel::AspectRatioPixmapLabel(QWidget *parent)
    : QLabel(parent)
{
    setMinimumSize(1, 1);
    setScaledContents(false);
    setAlignment(Qt::AlignCenter);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void AspectRatioPixmapLabel::setPixmap(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    showScaled();
}

int AspectRatioPixmapLabel::heightForWidth(int width) const
{
    if (m_pixmap.isNull())
        return width * 9 / 16;
    return int(qreal(m_pixmap.height()) * width / m_pixmap.width());
}

QSize AspectRatioPixmapLabel::sizeHint() const
{
    const int width = 320;
    return QSize(width, heightForWidth(width));
}

void AspectRatioPixmapLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        Q_EMIT firstPainted();
    }
}

void AspectRatioPixmapLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showScaled();
}

void AspectRatioPixmapLabel::showScaled()
{
    if (m_pixmap.isNull()) {
        QLabel::setPixmap(m_pixmap);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap scaled = m_pixmap.scaled(size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    QLabel::setPixmap(scaled);
}

void AspectRatioPixmapLabel::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void AspectRatioPixmapLabel::dropEvent(QDropEvent *event)
{
    if (takeUrls(event->mimeData()->urls()))
        event->acceptProposedAction();
}

bool AspectRatioPixmapLabel::takeUrls(const QList<QUrl> &urls)
{
    QString file;
    for (const QUrl &url : urls) {
        if (url.scheme() == QLatin1String("file")) {
            file = url.toLocalFile();
            break;
        }
    }
    if (file.isEmpty())
        return false;
    if (isReadableImage(file)) {
        Q_EMIT changedPathSignal(file);
        return true;
    }
    QMessageBox::warning(this, tr("Sorry"),
                         tr("%1 does not appear to be an image file.\nPlease use files of these formats:\n%2")
                             .arg(file, readableImageFormats().join(QStringLiteral(", "))));
    return false;
}
