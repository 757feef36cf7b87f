// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTest>

namespace {

QString describe(QWidget *modal)
{
    QString text = QString::fromLatin1(modal->metaObject()->className()) + QStringLiteral(" \"")
        + modal->windowTitle() + QLatin1Char('"');
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        text += QStringLiteral(": ") + box->text();
    return text;
}

void fail(const QString &what, QWidget *modal)
{
    const QByteArray message = (what + QStringLiteral(": ") + describe(modal)).toUtf8();
    QTest::qFail(message.constData(), __FILE__, __LINE__);
}

void closeModal(QWidget *modal)
{
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

void press(QMessageBox *box, QMessageBox::StandardButton button)
{
    if (button == QMessageBox::Escape) {
        QTest::keyClick(box, Qt::Key_Escape);
        return;
    }
    if (QAbstractButton *target = box->button(button))
        target->click();
    else
        fail(QStringLiteral("the answer is not a button of the box"), box);
}

/**
 * Notices each modal window when it is shown (an event filter on the
 * application) and hands it on from a queued call, which runs inside the
 * window's own event loop once that loop has started.
 */
class ModalWatch : public QObject
{
public:
    static ModalWatch *instance()
    {
        static QPointer<ModalWatch> watch;
        if (!watch && qApp) {
            watch = new ModalWatch(qApp);
            qApp->installEventFilter(watch);
        }
        return watch;
    }

    QList<ModalAnswerer *> answerers;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow() && widget->isModal()) {
                QPointer<QWidget> modal(widget);
                QMetaObject::invokeMethod(this, [this, modal] { dispatch(modal); }, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    using QObject::QObject;

    void dispatch(QWidget *modal)
    {
        if (!modal || !modal->isVisible())
            return;
        if (answerers.isEmpty()) {
            fail(QStringLiteral("unexpected modal window"), modal);
            closeModal(modal);
            return;
        }
        answerers.constLast()->handle(modal);
    }
};

} // namespace

namespace vyrtest {
void watchModalDialogs()
{
    ModalWatch::instance();
}
}

ModalAnswerer::ModalAnswerer()
{
    if (ModalWatch *watch = ModalWatch::instance())
        watch->answerers.append(this);
}

ModalAnswerer::ModalAnswerer(QMessageBox::StandardButton everyBox)
    : ModalAnswerer()
{
    m_everyBox = everyBox;
}

ModalAnswerer::~ModalAnswerer()
{
    if (ModalWatch *watch = ModalWatch::instance())
        watch->answerers.removeAll(this);
}

void ModalAnswerer::answer(QMessageBox::StandardButton button)
{
    m_handlers.append([button](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            press(box, button);
        else
            fail(QStringLiteral("a message box was expected"), modal);
    });
}

void ModalAnswerer::then(std::function<void(QWidget *)> handler)
{
    m_handlers.append(std::move(handler));
}

QStringList ModalAnswerer::boxes() const
{
    QStringList list;
    for (int i = 0; i < m_titles.size(); ++i)
        list << m_titles.at(i) + QLatin1Char('|') + m_texts.at(i);
    return list;
}

void ModalAnswerer::handle(QWidget *modal)
{
    QPointer<QWidget> guard(modal);
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (box) {
        m_titles << box->windowTitle();
        m_texts << box->text();
        m_lastButtons = box->standardButtons();
    }
    if (!m_handlers.isEmpty())
        m_handlers.takeFirst()(modal);
    else if (box && m_everyBox != QMessageBox::NoButton)
        press(box, m_everyBox);
    else
        fail(QStringLiteral("unexpected modal window"), modal);
    if (guard && guard->isVisible()) {
        // A failed check inside the answer has said why already.
        if (!QTest::currentTestFailed())
            fail(QStringLiteral("the answer left the modal window open"), guard);
        closeModal(guard);
    }
}
