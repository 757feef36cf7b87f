// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "itemeditor.h"
#include "itemrename.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>
#include <cmath>

ItemEditor::ItemEditor(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The label it covers has no frame either; the negative margins pull the
    // text onto the label's own position.
    setStyleSheet(QStringLiteral(
        "QAbstractScrollArea { margin: -3px; padding: 0px; border-width: 0px; border-radius: 0px; }\n"
        "QFrame { margin: -3px; padding: 0px; border-width: 0px; border-radius: 0px; }\n"
        "QTextEdit { margin: -3px; padding: 0px; border-width: 0px; border-radius: 0px; }"));
    m_idle.setSingleShot(true);
    m_idle.setInterval(defaultIdleTimeout);
    connect(&m_idle, &QTimer::timeout, this, [this] { finish(Editing); });
    m_idle.start();
}

QString ItemEditor::trimmedText() const
{
    return toPlainText().trimmed();
}

void ItemEditor::setStartText(const QString &text, int selectLength)
{
    setPlainText(text);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(Qt::AlignCenter);
    document()->setDefaultTextOption(option);
    selectAll();
    setAlignment(Qt::AlignCenter);
    QTextCursor cursor(document());
    cursor.setPosition(0);
    cursor.setPosition(std::clamp(selectLength, 0, text.size()), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void ItemEditor::enableLiveCheck()
{
    connect(this, &QTextEdit::textChanged, this, &ItemEditor::updateToolTip);
}

void ItemEditor::setIdleTimeout(int ms)
{
    m_idle.start(ms);
}

QSize ItemEditor::fittedSize(int minWidth, int minHeight) const
{
    const QMargins margins = contentsMargins();
    // The ideal width is the text's own width (the document is as wide as
    // the viewport while lines wrap).
    const qreal docWidth = document()->idealWidth();
    const int width = int(std::ceil(docWidth)) + margins.left() + margins.right();
    const int height = int(std::ceil(document()->size().height())) + 2 * frameWidth();
    return QSize(std::max(width, minWidth), std::max(height, minHeight));
}

void ItemEditor::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        finish(Accepted);
        return;
    case Qt::Key_Escape:
        finish(Cancelled);
        return;
    default:
        m_idle.start();
        QTextEdit::keyPressEvent(event);
    }
}

void ItemEditor::focusOutEvent(QFocusEvent *event)
{
    QTextEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason)
        return;
    finish(m_result == Cancelled ? Cancelled : Accepted);
}

void ItemEditor::finish(Result result)
{
    if (m_finished)
        return;
    m_finished = true;
    m_result = result;
    m_idle.stop();
    QToolTip::hideText();
    Q_EMIT finished();
}

void ItemEditor::updateToolTip()
{
    const QString message = ItemRename::liveCheckMessage(toPlainText());
    if (message.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(mapToGlobal(rect().bottomRight()), message, this);
}
