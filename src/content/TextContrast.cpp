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

namespace {
// The number of samples contrastOver() looks at in that area.
qsizetype sampleCount(const QRect &area)
{
    return qsizetype((area.width() + Step - 1) / Step) * qsizetype((area.height() + Step - 1) / Step);
}

// Calls visit(ratio) for each sample of the area, in rows, until it returns false.
template <class Visit>
void visitRatios(const QImage &picture, const QRect &area, QColor text, Visit visit)
{
    const double textLuminance = luminance(text.rgb());
    // Only the part under the text is looked at, and only it converted where the picture is in another format.
    const QRect inside = area & picture.rect();
    const bool direct = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32;
    const QImage part = inside.isEmpty() ? QImage()
                        : direct         ? picture
                                         : picture.copy(inside).convertToFormat(QImage::Format_RGB32);
    const QPoint origin = direct ? QPoint(0, 0) : inside.topLeft();
    for (int y = area.top(); y <= area.bottom(); y += Step) {
        const bool rowInside = y >= inside.top() && y <= inside.bottom();
        const auto *row = rowInside ? reinterpret_cast<const QRgb *>(part.constScanLine(y - origin.y())) : nullptr;
        for (int x = area.left(); x <= area.right(); x += Step) {
            const QRgb under = row && x >= inside.left() && x <= inside.right() ? row[x - origin.x()] : qRgb(0, 0, 0);
            if (!visit(ratio(textLuminance, luminance(under))))
                return;
        }
    }
}

// Which sample, in rising order of contrast, contrastOver() reports.
qsizetype leastReadable(qsizetype samples)
{
    return qsizetype(double(samples - 1) * LeastReadableShare);
}
} // namespace

double contrastOver(const QImage &picture, const QRect &area, QColor text)
{
    if (area.isEmpty())
        return 21;
    std::vector<double> ratios;
    ratios.reserve(size_t(sampleCount(area)));
    visitRatios(picture, area, text, [&](double r) {
        ratios.push_back(r);
        return true;
    });
    const auto least = ratios.begin() + std::ptrdiff_t(leastReadable(qsizetype(ratios.size())));
    std::nth_element(ratios.begin(), least, ratios.end());
    return *least;
}

// The same judgement without ordering the samples: the reported one is below
// the bar exactly when more samples than its rank are. Asked on every new
// photograph of a page, so it stops as soon as the answer is known.
bool needsPlate(const QImage &picture, const QRect &area, QColor text)
{
    if (area.isEmpty())
        return false;
    const qsizetype samples = sampleCount(area);
    const qsizetype rank = leastReadable(samples);
    qsizetype below = 0, seen = 0;
    visitRatios(picture, area, text, [&](double r) {
        ++seen;
        if (r < ReadableContrast)
            ++below;
        // Decided: more than rank below the bar, or too few left to get there.
        return below <= rank && below + (samples - seen) > rank;
    });
    return below > rank;
}

} // namespace kelvora
