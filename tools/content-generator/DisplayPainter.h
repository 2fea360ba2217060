#pragma once

#include "PhotoScene.h"

class QPainter;

namespace kelvora::content {

// The square cockpit displays: bezel with its buttons and the page they show.
class DisplayPainter {
public:
    explicit DisplayPainter(QPainter &painter) : m_painter(painter) {}

    void display(const SceneControl &control);

private:
    void bezel(QRectF screen);
    void flightPage(QRectF screen, const QString &footer);
    void enginePage(QRectF screen, const QString &readout);
    void alignPage(QRectF screen, bool done);
    void controlsPage(QRectF screen, bool deflected);
    void title(QRectF screen, const QString &text);

    QPainter &m_painter;
};

} // namespace kelvora::content
