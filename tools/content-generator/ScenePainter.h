#pragma once

#include "PhotoScene.h"

#include <QImage>

class QPainter;

namespace kelvora::content {

// Draws a photograph from its scene: the cockpit panel of its view, each
// control in its state with its legend, the outline of the lesson's mark
// around it, and the photograph's number.
class ScenePainter {
public:
    QImage paint(const PhotoScene &scene) const;

private:
    void paintPanel(QPainter &painter, const PhotoScene &scene) const;
    void paintControl(QPainter &painter, const SceneControl &control) const;
    void paintMarkOutline(QPainter &painter, const SceneControl &control) const;
    void paintLegend(QPainter &painter, const SceneControl &control) const;
    void paintCaption(QPainter &painter, const PhotoScene &scene) const;
};

} // namespace kelvora::content
