#pragma once

#include "PhotoScene.h"

#include <QImage>

class QPainter;

namespace kelvora::content {

// Draws a photograph from its scene: the surroundings and plates of its
// framing, every control in its state, and a small frame number in a corner.
class ScenePainter {
public:
    QImage paint(const PhotoScene &scene) const { return paint(scene, scene.size); }
    // The scene drawn at another size: the same drawing, scaled.
    QImage paint(const PhotoScene &scene, QSize size) const;

private:
    void paintFrameNumber(QPainter &painter, const PhotoScene &scene) const;
};

} // namespace kelvora::content
