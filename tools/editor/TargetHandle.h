#pragma once

#include <QGraphicsRectItem>

namespace kelvora {

class TargetItem;

// A grip on the current target, the same size on screen at any zoom. Dragging
// it moves the edges its role names, or for a circle its radius.
class TargetHandle : public QGraphicsRectItem {
public:
    enum Role { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left, Radius, RoleCount };

    TargetHandle(TargetItem *target, Role role);

    Role role() const { return m_role; }

protected:
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    TargetItem *m_target;
    Role m_role;
};

} // namespace kelvora
