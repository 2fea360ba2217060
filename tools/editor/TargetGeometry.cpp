#include "TargetGeometry.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {
const char *keyOf(TargetGeometry::Kind kind)
{
    switch (kind) {
    case TargetGeometry::Kind::Rectangle: return "rectangle";
    case TargetGeometry::Kind::Oval: return "oval";
    case TargetGeometry::Kind::Circle: return "circle";
    }
    return "rectangle";
}

std::optional<QList<double>> numbers(const QJsonValue &value, qsizetype count)
{
    const QJsonArray array = value.toArray();
    if (array.size() != count)
        return std::nullopt;
    QList<double> result;
    for (const QJsonValue &number : array) {
        if (!number.isDouble())
            return std::nullopt;
        result.append(number.toDouble());
    }
    return result;
}
} // namespace

std::optional<TargetGeometry> TargetGeometry::fromJson(const QJsonObject &target)
{
    if (target.size() != 1)
        return std::nullopt;
    for (Kind kind : {Kind::Rectangle, Kind::Oval}) {
        if (const auto n = numbers(target.value(QLatin1String(keyOf(kind))), 4); n && (*n)[2] > 0 && (*n)[3] > 0)
            return TargetGeometry{kind, QRectF((*n)[0], (*n)[1], (*n)[2], (*n)[3])};
    }
    if (const auto n = numbers(target.value(QLatin1String("circle")), 3); n && (*n)[2] > 0)
        return TargetGeometry{Kind::Circle, QRectF((*n)[0] - (*n)[2], (*n)[1] - (*n)[2], 2 * (*n)[2], 2 * (*n)[2])};
    return std::nullopt;
}

QJsonObject TargetGeometry::toJson() const
{
    QJsonArray values;
    if (kind == Kind::Circle) {
        const QPointF centre = rect.center();
        values = {qRound(centre.x()), qRound(centre.y()), qRound(rect.width() / 2)};
    } else {
        values = {qRound(rect.x()), qRound(rect.y()), qRound(rect.width()), qRound(rect.height())};
    }
    return {{QLatin1String(keyOf(kind)), values}};
}

TargetGeometry TargetGeometry::fittedInto(QSize photograph) const
{
    const auto within = [](double value, double low, double high) { return std::clamp(value, low, std::max(low, high)); };
    TargetGeometry fitted = *this;
    if (kind == Kind::Circle) {
        // Whole centre and radius, as written.
        const double limit = std::floor(std::min(photograph.width(), photograph.height()) / 2.0);
        const double radius = within(std::round(rect.width() / 2), MinimumSide / 2.0, limit);
        const double cx = within(std::round(rect.center().x()), radius, photograph.width() - radius);
        const double cy = within(std::round(rect.center().y()), radius, photograph.height() - radius);
        fitted.rect = QRectF(cx - radius, cy - radius, 2 * radius, 2 * radius);
    } else {
        const double w = within(std::round(rect.width()), MinimumSide, photograph.width());
        const double h = within(std::round(rect.height()), MinimumSide, photograph.height());
        fitted.rect = QRectF(within(std::round(rect.x()), 0, photograph.width() - w),
                             within(std::round(rect.y()), 0, photograph.height() - h), w, h);
    }
    return fitted;
}

TargetGeometry TargetGeometry::movedBy(QPointF delta, QSize photograph) const
{
    TargetGeometry moved = *this;
    moved.rect.translate(std::round(delta.x()), std::round(delta.y()));
    return moved.fittedInto(photograph);
}

TargetGeometry TargetGeometry::grownBy(QPoint delta, QSize photograph) const
{
    TargetGeometry grown = *this;
    if (kind == Kind::Circle) {
        const int by = delta.x() ? delta.x() : delta.y();
        grown.rect.adjust(-by, -by, by, by);
    } else {
        grown.rect.setWidth(std::max<double>(MinimumSide, rect.width() + delta.x()));
        grown.rect.setHeight(std::max<double>(MinimumSide, rect.height() + delta.y()));
    }
    return grown.fittedInto(photograph);
}

} // namespace kelvora
