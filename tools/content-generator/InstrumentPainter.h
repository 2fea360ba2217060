#pragma once

#include "PhotoScene.h"

#include <QPointF>

class QPainter;

namespace kelvora::content {

// Round dial instruments: engine gauges, the standby attitude indicator and the altimeter.
class InstrumentPainter {
public:
    explicit InstrumentPainter(QPainter &painter) : m_painter(painter) {}

    void gauge(const SceneControl &control);
    void attitude(const SceneControl &control);
    void altimeter(const SceneControl &control);

private:
    void caseAndFace(QPointF centre, qreal radius);
    void needle(QPointF centre, qreal length, qreal degrees, qreal width);
    void glass(QPointF centre, qreal radius);
    void attitudeDial(QPointF centre, qreal radius, bool running);

    QPainter &m_painter;
};

} // namespace kelvora::content
