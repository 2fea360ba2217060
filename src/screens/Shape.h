#pragma once

#include "course/MarkLook.h"

#include <QWidget>

namespace kelvora {

// An outline mark over the photograph: a circle, oval, rounded square or rectangle
// inscribed in its rectangle, transparent inside. It only draws; presses pass
// through it to the window below, which tests them against its rectangle.
class Shape : public QWidget {
    Q_OBJECT
public:
    using Kind = MarkKind;

    Shape(QWidget *parent, const QString &name, const QRect &rect, Kind kind, const QColor &border, bool visible);

    Kind kind() const { return m_kind; }
    QColor borderColor() const { return m_border; }
    // A solid fill with a thin border instead of the 3-pixel outline (the throttle knob).
    void setFill(const QColor &fill);
    // Members of a group share one name and are told apart by index; -1 outside a group.
    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

    // Strictly inside the current rectangle, right and bottom edges in single
    // precision: the last column and row count, the edges themselves do not.
    // Whether the mark is visible does not matter.
    bool hits(QPointF press) const;

    void toggleVisible() { setVisible(isHidden()); }
    // Drawn with a thicker outline, for a mark shown steady instead of blinking.
    void setSteady(bool steady);

    // A concealed mark stays hidden whatever shows or blinks it.
    void setConcealed(bool concealed);
    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    QColor m_border;
    QColor m_fill;
    int m_index = -1;
    bool m_concealed = false;
    bool m_steady = false;
};

} // namespace kelvora
