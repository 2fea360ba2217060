#pragma once

#include <QJsonObject>
#include <QRectF>
#include <QSize>

#include <optional>

namespace kelvora {

// A step's target in the photograph's own pixels: a rectangle, an oval in its
// rectangle, or a circle (its rectangle is the square around it).
struct TargetGeometry {
    enum class Kind { Rectangle, Oval, Circle };
    // The smallest width, height or diameter an edit leaves, in pixels.
    static constexpr int MinimumSide = 2;

    Kind kind = Kind::Rectangle;
    QRectF rect;

    // {"rectangle": [x, y, w, h]}, {"oval": [x, y, w, h]} or {"circle": [cx, cy, r]}; nothing otherwise.
    static std::optional<TargetGeometry> fromJson(const QJsonObject &target);
    // Whole pixels, as the course file keeps them.
    QJsonObject toJson() const;

    // Rounded to whole pixels, no larger than the photograph and moved inside it.
    TargetGeometry fittedInto(QSize photograph) const;
    // Moved by whole pixels but kept inside the photograph.
    TargetGeometry movedBy(QPointF delta, QSize photograph) const;

    // Wider or taller by whole pixels from its top left corner (a circle: its radius, about its centre), kept
    // inside the photograph and no smaller than MinimumSide.
    TargetGeometry grownBy(QPoint delta, QSize photograph) const;

    bool operator==(const TargetGeometry &) const = default;
};

} // namespace kelvora
