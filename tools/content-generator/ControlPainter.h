#pragma once

#include "PhotoScene.h"

class QPainter;
class QRectF;
class QString;

namespace kelvora::content {

// Draws one control at its place in the state the scene gives it, with its
// engraved legend where the kind carries one outside its body.
class ControlPainter {
public:
    explicit ControlPainter(QPainter &painter) : m_painter(painter) {}

    void paint(const SceneControl &control);

private:
    void paintBody(const SceneControl &control);
    void paintLegend(const SceneControl &control);
    void paintLeverPositions(const SceneControl &control);
    void engrave(const QRectF &band, int flags, const QString &text);

    QPainter &m_painter;
};

} // namespace kelvora::content
