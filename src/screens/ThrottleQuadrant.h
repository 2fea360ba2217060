#pragma once

#include "PictureBox.h"

namespace kelvora {

class Shape;

// The throttle quadrant inset: the throttle photograph with the knob's track
// `Line1`, the knob `shpthr`, the two step marks `Shape3` and `Shape1` on one
// rectangle, and the caption `LabelTHRTL` naming the throttle position.
class ThrottleQuadrant : public PictureBox {
    Q_OBJECT
public:
    ThrottleQuadrant(QWidget *parent, const QRect &rect);

    kelvora::Shape *knob() const { return m_knob; }
    // The caption naming the throttle position.
    void setCaption(const QString &caption);

    // Slides the knob 20 px in ten 2 px moves (direction -1 left, +1 right).
    // Each move follows a fixed pause in which no event is handled and is
    // followed by handling the pending events, so the knob is seen to slide.
    // False when those events handed the quadrant's screen over: the knob stops.
    bool moveKnob(int direction);

private:
    kelvora::Shape *m_knob;
};

} // namespace kelvora
