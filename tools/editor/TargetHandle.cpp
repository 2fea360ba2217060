#include "TargetHandle.h"

#include "TargetItem.h"

#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

namespace kelvora {

namespace {
constexpr qreal Side = 9;

Qt::CursorShape cursorFor(TargetHandle::Role role)
{
    switch (role) {
    case TargetHandle::TopLeft:
    case TargetHandle::BottomRight: return Qt::SizeFDiagCursor;
    case TargetHandle::TopRight:
    case TargetHandle::BottomLeft: return Qt::SizeBDiagCursor;
    case TargetHandle::Top:
    case TargetHandle::Bottom: return Qt::SizeVerCursor;
    default: return Qt::SizeHorCursor;
    }
}
} // namespace

TargetHandle::TargetHandle(TargetItem *target, Role role)
    : QGraphicsRectItem(-Side / 2, -Side / 2, Side, Side, target), m_target(target), m_role(role)
{
    setFlag(ItemIgnoresTransformations);
    setCursor(cursorFor(role));
    setZValue(1);
}

void TargetHandle::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    painter->setBrush(Qt::white);
    const QRectF grip = rect().adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_role == Radius)
        painter->drawEllipse(grip);
    else
        painter->drawRect(grip);
}

void TargetHandle::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_target->beginEdit(m_target->mapFromScene(event->scenePos()));
}

void TargetHandle::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    m_target->resizeTo(m_role, m_target->mapFromScene(event->scenePos()));
}

void TargetHandle::mouseReleaseEvent(QGraphicsSceneMouseEvent *)
{
    m_target->endEdit();
}

} // namespace kelvora
