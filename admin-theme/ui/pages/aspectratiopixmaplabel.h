// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QUrl>

/**
 * A label that shows a pixmap scaled to its size with the aspect ratio
 * kept. When drops are accepted, a dropped local image file is reported
 * through changedPathSignal(); anything else is refused with a message.
 */
class AspectRatioPixmapLabel : public QLabel
{
    Q_OBJECT
public:
    explicit AspectRatioPixmapLabel(QWidget *parent = nullptr);

    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    /// The pixmap as given, before scaling to the label.
    const QPixmap &sourcePixmap() const { return m_pixmap; }
    /// What a drop of @p urls does: the first local file is reported when
    /// it is a readable image, else refused with a message. Returns whether
    /// a file was taken.
    bool takeUrls(const QList<QUrl> &urls);

public Q_SLOTS:
    void setPixmap(const QPixmap &pixmap);

Q_SIGNALS:
    /// A readable image file was dropped.
    void changedPathSignal(const QString &path);
    /// The label was painted for the first time.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void showScaled();

    QPixmap m_pixmap;
    bool m_painted = false;
};
