#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace kelvora {

// The contrast that text needs against what lies under it to be readable (WCAG 2.2, 1.4.3, normal text).
inline constexpr double ReadableContrast = 4.5;

// The contrast ratio of two colours, from 1 to 21, by their relative luminance.
double contrastRatio(QColor a, QColor b);

// The contrast text of that colour keeps over the part of the picture under it:
// the ratio that all but the least readable twentieth of the area reaches, so a
// few stray pixels do not decide it and a bright half of the area does. Where
// the area reaches past the picture, the page shows black.
double contrastOver(const QImage &picture, const QRect &area, QColor text);

// Whether the text needs a plate behind it to be readable there: contrastOver() < ReadableContrast.
bool needsPlate(const QImage &picture, const QRect &area, QColor text);

} // namespace kelvora
