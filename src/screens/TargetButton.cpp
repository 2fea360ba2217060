#include "TargetButton.h"

#include "Shape.h"

#include <QKeyEvent>
#include <QPainter>

namespace kelvora {

namespace {
// The ring lies this far outside the mark, so the mark's own outline stays as it is.
constexpr int RingMargin = 5;
}

TargetButton::TargetButton(Shape &mark, const QString &name, bool focusable)
    : QAbstractButton(mark.parentWidget()), m_mark(&mark)
{
    setObjectName(mark.objectName() + QStringLiteral("Target"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(focusable ? Qt::TabFocus : Qt::NoFocus);
    setName(name);
    setGeometry(mark.geometry().adjusted(-RingMargin, -RingMargin, RingMargin, RingMargin));
    stackUnder(&mark);
    // A screen reader's press action clicks the button.
    connect(this, &QAbstractButton::clicked, this, &TargetButton::triggered);
    show();
}

void TargetButton::setName(const QString &name)
{
    setText(name);
    setAccessibleName(name);
}

QPointF TargetButton::middle() const
{
    return m_mark ? QRectF(m_mark->geometry()).center() : QRectF(geometry()).center();
}

void TargetButton::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    const QRectF ring = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(ring);
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(ring);
}

void TargetButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        event->accept();
        if (!event->isAutoRepeat())
            emit triggered();
        return;
    default:
        event->ignore(); // H, N and the rest go on to the page
    }
}

void TargetButton::keyReleaseEvent(QKeyEvent *event)
{
    event->ignore();
}

} // namespace kelvora
