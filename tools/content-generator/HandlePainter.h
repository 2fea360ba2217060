#pragma once

#include "PhotoScene.h"

class QPainter;

namespace kelvora::content {

// Levers and handles: fuel shut-off, canopy, parking brake, gear, throttle, stick, pedal.
class HandlePainter {
public:
    explicit HandlePainter(QPainter &painter) : m_painter(painter) {}

    void fuelLever(const SceneControl &control);
    void canopyHandle(const SceneControl &control);
    void canopyRail(const SceneControl &control);
    void teeHandle(const SceneControl &control);
    void gearHandle(const SceneControl &control);
    void throttleGrip(const SceneControl &control);
    void stick(const SceneControl &control);
    void pedal(const SceneControl &control);

private:
    void hub(QPointF centre, qreal radius);

    QPainter &m_painter;
};

} // namespace kelvora::content
