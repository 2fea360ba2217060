#pragma once

#include "TargetGeometry.h"
#include "TargetHandle.h"

#include <QGraphicsObject>

#include <array>

class QGraphicsRectItem;
class QGraphicsSimpleTextItem;

namespace kelvora {

// A step's target drawn over the photograph, in the photograph's own pixels
// (its parent places the photograph on the page). The current step's target
// looks as the trainer draws it and is moved and resized here; the others are
// faint and let presses through.
class TargetItem : public QGraphicsObject {
    Q_OBJECT
public:
    explicit TargetItem(QGraphicsItem *photograph);

    void setGeometry(const TargetGeometry &geometry, QSize photograph);
    const TargetGeometry &geometry() const { return m_geometry; }
    void setEditable(bool editable);

    // By whole photograph pixels, kept inside the photograph; emits edited() when it moved.
    void nudge(QPoint delta);
    // Wider or taller by whole pixels (a circle: its radius); emits edited() when it changed.
    void grow(QPoint delta);

    // A drag, by the body or by a handle: positions in the photograph's pixels.
    void beginEdit(QPointF position);
    void moveTo(QPointF position);
    void resizeTo(TargetHandle::Role role, QPointF position);
    void endEdit();

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

signals:
    void edited(const QJsonObject &target);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    void show(const TargetGeometry &geometry);
    void placeHandles();
    qreal pagePixel() const;

    TargetGeometry m_geometry;
    TargetGeometry m_atPress;
    QPointF m_pressPosition;
    bool m_editing = false;
    QSize m_photograph;
    bool m_editable = false;
    std::array<TargetHandle *, TargetHandle::RoleCount> m_handles{};
    QGraphicsRectItem *m_readout;
    QGraphicsSimpleTextItem *m_readoutText;
};

} // namespace kelvora
