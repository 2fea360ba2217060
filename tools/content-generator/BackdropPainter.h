#pragma once

#include "PhotoScene.h"

class QPainter;

namespace kelvora::content {

// Draws what lies behind the controls: the console or the instrument panel of
// the framing, the glare shield or sill along the top that keeps the
// explanation line readable, and the plates with their titles and screws.
class BackdropPainter {
public:
    explicit BackdropPainter(QPainter &painter) : m_painter(painter) {}

    void paint(const PhotoScene &scene);
    void paintShading(const PhotoScene &scene);

private:
    void console(QRectF all, bool wallOnRight);
    void mainPanel(QRectF all);
    void plate(const Plate &plate);
    void fillerPlates(const PhotoScene &scene);
    void breakers(QRectF area, quint32 seed);

    QPainter &m_painter;
};

} // namespace kelvora::content
