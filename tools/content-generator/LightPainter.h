#pragma once

#include "PhotoScene.h"

class QPainter;

namespace kelvora::content {

// Annunciator lamps and the lit digit windows of the radios.
class LightPainter {
public:
    explicit LightPainter(QPainter &painter) : m_painter(painter) {}

    void lamp(const SceneControl &control);
    void dataWindow(const SceneControl &control);

private:
    QPainter &m_painter;
};

} // namespace kelvora::content
