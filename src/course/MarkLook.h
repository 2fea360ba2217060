#pragma once

#include <QColor>

namespace kelvora {

// How a mark on the photograph is drawn: inscribed in its rectangle, in its colour.
enum class MarkKind { Circle, Oval, RoundedSquare, Rectangle };

inline const QColor MarkYellow{0xFF, 0xFF, 0x00};
inline const QColor MarkRed{0xFF, 0x00, 0x00};
inline const QColor WatchGreen{0x80, 0xFF, 0x80};  // marks that only watch a gauge
inline const QColor PointerGreen{0xC0, 0xFF, 0xC0};
inline const QColor PointerCyan{0xC0, 0xFF, 0xFF};

} // namespace kelvora
