#include "TextContrast.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace kelvora {

namespace {
double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Relative luminance by 8-bit channel values, the sRGB curve looked up once.
double luminance(QRgb rgb)
{
    static const std::array<double, 256> linear = [] {
        std::array<double, 256> table{};
        for (int v = 0; v < 256; ++v)
            table[size_t(v)] = channel(v);
        return table;
    }();
    return 0.2126 * linear[size_t(qRed(rgb))] + 0.7152 * linear[size_t(qGreen(rgb))] +
           0.0722 * linear[size_t(qBlue(rgb))];
}

double ratio(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

constexpr double LeastReadableShare = 0.05;
// Every second pixel of every second row: enough to judge an area, a quarter of the work.
constexpr int Step = 2;
} // namespace

double contrastRatio(QColor a, QColor b)
{
    return ratio(luminance(a.rgb()), luminance(b.rgb()));
}

double contrastOver(const QImage &picture, const QRect &area, QColor text)
{
    if (area.isEmpty())
        return 21;
    const double textLuminance = luminance(text.rgb());
    // Only the part under the text is looked at, and only it converted where the picture is in another format.
    const QRect inside = area & picture.rect();
    const bool direct = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32;
    const QImage part = inside.isEmpty() ? QImage()
                        : direct         ? picture
                                         : picture.copy(inside).convertToFormat(QImage::Format_RGB32);
    const QPoint origin = direct ? QPoint(0, 0) : inside.topLeft();
    std::vector<double> ratios;
    ratios.reserve(size_t(area.width() / Step + 1) * size_t(area.height() / Step + 1));
    for (int y = area.top(); y <= area.bottom(); y += Step) {
        const bool rowInside = y >= inside.top() && y <= inside.bottom();
        const auto *row = rowInside ? reinterpret_cast<const QRgb *>(part.constScanLine(y - origin.y())) : nullptr;
        for (int x = area.left(); x <= area.right(); x += Step) {
            const QRgb under = row && x >= inside.left() && x <= inside.right() ? row[x - origin.x()] : qRgb(0, 0, 0);
            ratios.push_back(ratio(textLuminance, luminance(under)));
        }
    }
    const auto least = ratios.begin() + std::ptrdiff_t(double(ratios.size() - 1) * LeastReadableShare);
    std::nth_element(ratios.begin(), least, ratios.end());
    return *least;
}

} // namespace kelvora
