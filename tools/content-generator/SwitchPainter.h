#pragma once

#include "PhotoScene.h"

class QPainter;

namespace kelvora::content {

// Toggles, guarded switches, rockers, push buttons and rotary knobs.
class SwitchPainter {
public:
    explicit SwitchPainter(QPainter &painter) : m_painter(painter) {}

    void toggle(const SceneControl &control);
    void guarded(const SceneControl &control);
    void rocker(const SceneControl &control);
    void pushButton(const SceneControl &control);
    void rotary(const SceneControl &control);

private:
    void toggleLever(QRectF square, int state);
    void positionName(QPointF centre, qreal distance, qreal degrees, const QString &name);

    QPainter &m_painter;
};

} // namespace kelvora::content
