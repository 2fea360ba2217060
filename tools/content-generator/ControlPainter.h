#pragma once

#include "PhotoScene.h"

#include <QRectF>

class QPainter;

namespace kelvora::content {

// Draws one control inside its place, in the state the scene gives it.
class ControlPainter {
public:
    explicit ControlPainter(QPainter &painter) : m_painter(painter) {}

    void paint(const SceneControl &control);

private:
    void toggle(QRectF area, int state);
    void pushButton(QRectF area, int state);
    void rotary(QRectF area, int state);
    void guarded(QRectF area, int state);
    void rocker(QRectF area, int state);
    void thumbwheel(QRectF area, int state);
    void lever(QRectF area, int state);
    void gauge(QRectF area, int reading);
    void display(QRectF area, MarkShape shape, const QString &label);

    void mountingPlate(QRectF area);
    void lamp(QPointF centre, qreal radius, bool lit);

    QPainter &m_painter;
};

} // namespace kelvora::content
