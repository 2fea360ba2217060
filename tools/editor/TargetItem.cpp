#include "TargetItem.h"

#include "screens/Shape.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {
// In page pixels, as the trainer draws its marks.
constexpr qreal OutlineWidth = 3;
constexpr qreal FaintWidth = 1.5;
constexpr qreal MinimumSide = TargetGeometry::MinimumSide;
const QColor FaintYellow{0xFF, 0xFF, 0x00, 0x70};

QString readoutText(const TargetGeometry &geometry)
{
    const QRectF &r = geometry.rect;
    if (geometry.kind == TargetGeometry::Kind::Circle)
        return QCoreApplication::translate("kelvora::PhotographView", "centre %1, %2  radius %3")
            .arg(qRound(r.center().x())).arg(qRound(r.center().y())).arg(qRound(r.width() / 2));
    return QCoreApplication::translate("kelvora::PhotographView", "%1, %2  %3 \u00d7 %4").arg(qRound(r.x())).arg(qRound(r.y())).arg(qRound(r.width())).arg(qRound(r.height()));
}
} // namespace

TargetItem::TargetItem(QGraphicsItem *photograph)
    : QGraphicsObject(photograph), m_readout(new QGraphicsRectItem(this)),
      m_readoutText(new QGraphicsSimpleTextItem(m_readout))
{
    for (int role = 0; role < TargetHandle::RoleCount; ++role)
        m_handles[role] = new TargetHandle(this, TargetHandle::Role(role));
    m_readout->setFlag(ItemIgnoresTransformations);
    m_readout->setPen(Qt::NoPen);
    m_readout->setBrush(QColor(0, 0, 0, 0xB0));
    m_readout->setZValue(1);
    m_readoutText->setBrush(Qt::white);
    QFont font = m_readoutText->font();
    font.setPixelSize(11);
    m_readoutText->setFont(font);
    m_readoutText->setPos(4, 2);
    setEditable(false);
}

void TargetItem::setGeometry(const TargetGeometry &geometry, QSize photograph)
{
    m_photograph = photograph;
    m_editing = false;
    show(geometry);
}

void TargetItem::show(const TargetGeometry &geometry)
{
    prepareGeometryChange();
    m_geometry = geometry;
    placeHandles();
    update();
}

void TargetItem::setEditable(bool editable)
{
    m_editable = editable;
    setAcceptedMouseButtons(editable ? Qt::LeftButton : Qt::NoButton);
    setCursor(editable ? Qt::SizeAllCursor : Qt::ArrowCursor);
    setZValue(editable ? 2 : 1);
    placeHandles();
    update();
}

void TargetItem::placeHandles()
{
    const QRectF &r = m_geometry.rect;
    const bool circle = m_geometry.kind == TargetGeometry::Kind::Circle;
    const std::array<QPointF, TargetHandle::RoleCount> places{
        r.topLeft(), QPointF(r.center().x(), r.top()), r.topRight(), QPointF(r.right(), r.center().y()),
        r.bottomRight(), QPointF(r.center().x(), r.bottom()), r.bottomLeft(), QPointF(r.left(), r.center().y()),
        QPointF(r.right(), r.center().y())};
    for (TargetHandle *handle : m_handles) {
        handle->setPos(places[handle->role()]);
        handle->setVisible(m_editable && circle == (handle->role() == TargetHandle::Radius));
    }
    m_readout->setVisible(m_editable);
    m_readoutText->setText(readoutText(m_geometry));
    m_readout->setRect(QRectF(QPointF(0, 0), m_readoutText->boundingRect().size() + QSizeF(8, 4)));
    // Above the target, or below it where the page's top edge leaves no room.
    const qreal above = m_readout->rect().height() + 6;
    // Left-aligned with it, or right-aligned on the right half of the page.
    const bool roomAbove = mapToScene(r.topLeft()).y() > 40;
    const bool onRight = mapToScene(r.center()).x() > 512;
    m_readout->setPos(QPointF(onRight ? r.right() : r.left(), roomAbove ? r.top() : r.bottom()));
    m_readout->setTransform(QTransform::fromTranslate(onRight ? -m_readout->rect().width() : 0, roomAbove ? -above : 6));
}

void TargetItem::nudge(QPoint delta)
{
    const TargetGeometry moved = m_geometry.movedBy(delta, m_photograph);
    if (moved == m_geometry)
        return;
    show(moved);
    emit edited(m_geometry.toJson());
}

void TargetItem::grow(QPoint delta)
{
    const TargetGeometry grown = m_geometry.grownBy(delta, m_photograph);
    if (grown == m_geometry)
        return;
    show(grown);
    emit edited(m_geometry.toJson());
}

void TargetItem::beginEdit(QPointF position)
{
    m_atPress = m_geometry;
    m_pressPosition = position;
    m_editing = true;
}

void TargetItem::moveTo(QPointF position)
{
    if (m_editing)
        show(m_atPress.movedBy(position - m_pressPosition, m_photograph));
}

void TargetItem::resizeTo(TargetHandle::Role role, QPointF position)
{
    if (!m_editing)
        return;
    const qreal w = m_photograph.width(), h = m_photograph.height();
    TargetGeometry resized = m_atPress;
    QRectF &r = resized.rect;
    if (role == TargetHandle::Radius) {
        const QPointF centre = r.center();
        const qreal room = std::min({centre.x(), centre.y(), w - centre.x(), h - centre.y()});
        const qreal radius = std::clamp(std::round(std::hypot(position.x() - centre.x(), position.y() - centre.y())),
                                        MinimumSide / 2, std::max(MinimumSide / 2, std::floor(room)));
        r = QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    } else {
        const qreal x = std::round(std::clamp(position.x(), 0.0, w));
        const qreal y = std::round(std::clamp(position.y(), 0.0, h));
        if (role == TargetHandle::TopLeft || role == TargetHandle::Left || role == TargetHandle::BottomLeft)
            r.setLeft(std::min(x, r.right() - MinimumSide));
        if (role == TargetHandle::TopRight || role == TargetHandle::Right || role == TargetHandle::BottomRight)
            r.setRight(std::max(x, r.left() + MinimumSide));
        if (role == TargetHandle::TopLeft || role == TargetHandle::Top || role == TargetHandle::TopRight)
            r.setTop(std::min(y, r.bottom() - MinimumSide));
        if (role == TargetHandle::BottomLeft || role == TargetHandle::Bottom || role == TargetHandle::BottomRight)
            r.setBottom(std::max(y, r.top() + MinimumSide));
    }
    show(resized.fittedInto(m_photograph));
}

void TargetItem::endEdit()
{
    if (!m_editing)
        return;
    m_editing = false;
    if (m_geometry != m_atPress)
        emit edited(m_geometry.toJson());
}

// The size of one page pixel in the photograph's pixels.
qreal TargetItem::pagePixel() const
{
    const qreal scale = parentItem() ? parentItem()->scale() : 1.0;
    return scale > 0 ? 1.0 / scale : 1.0;
}

QRectF TargetItem::boundingRect() const
{
    const qreal margin = pagePixel();
    return m_geometry.rect.adjusted(-margin, -margin, margin, margin);
}

void TargetItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setRenderHint(QPainter::Antialiasing);
    const qreal width = (m_editable ? OutlineWidth : FaintWidth) * pagePixel();
    QPen pen(m_editable ? MarkYellow : FaintYellow, width);
    if (!m_editable)
        pen.setDashPattern({4, 3});
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    // Inside its rectangle, as the trainer's marks are drawn.
    const QRectF figure = m_geometry.rect.adjusted(width / 2, width / 2, -width / 2, -width / 2);
    if (m_geometry.kind == TargetGeometry::Kind::Rectangle) {
        painter->drawRect(figure);
        return;
    }
    painter->drawEllipse(figure);
    if (m_editable && m_geometry.kind == TargetGeometry::Kind::Oval) {
        // The box its handles sit on.
        QPen box(QColor(0xFF, 0xFF, 0xFF, 0x60), 0, Qt::DashLine);
        painter->setPen(box);
        painter->drawRect(m_geometry.rect);
    }
}

void TargetItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    beginEdit(event->pos());
}

void TargetItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    moveTo(event->pos());
}

void TargetItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *)
{
    endEdit();
}

} // namespace kelvora
