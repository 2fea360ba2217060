#pragma once

#include <QGraphicsItem>

namespace kelvora {

// The trainer's own controls where they will cover the photograph, drawn
// translucent over the page with their names. It only shows: presses go
// through to the targets below.
class ControlsOverlay : public QGraphicsItem {
public:
    ControlsOverlay();

    // "" no inset, "left" or "right".
    void setInsetPlace(const QString &place);

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QString m_insetPlace;
};

} // namespace kelvora
