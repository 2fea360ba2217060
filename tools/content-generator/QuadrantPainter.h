#pragma once

#include <QImage>

namespace kelvora::content {

// Draws the throttle quadrant's picture. The trainer draws the knob and its
// track over it (track at y 198 from x 46 to 106, knob from x 64 to 111), so the
// picture only gives the slot, the detent legends and the grip.
class QuadrantPainter {
public:
    QImage paint() const;
};

} // namespace kelvora::content
