#include "InsetPainter.h"

#include "PanelStyle.h"
#include "content/PackFiles.h"

#include <QPainter>
#include <QPainterPath>

namespace kelvora::content {

namespace {
// The whole cockpit seen from behind the seat, in the inset's unit square.
void drawCockpit(QPainter &painter, const QRectF &all)
{
    auto at = [&](qreal x, qreal y) { return QPointF(x * all.width(), y * all.height()); };
    auto part = [&](qreal x, qreal y, qreal w, qreal h) {
        return QRectF(at(x, y), QSizeF(w * all.width(), h * all.height()));
    };
    QLinearGradient sky(all.topLeft(), at(0, 0.3));
    sky.setColorAt(0, QColor(90, 120, 160));
    sky.setColorAt(1, QColor(160, 180, 200));
    painter.fillRect(all, sky);
    painter.fillRect(part(0, 0.3, 1, 0.7), PanelStyle::cockpitShadow);

    painter.setPen(QPen(PanelStyle::plateEdge, 1));
    // Consoles narrowing towards the panel.
    painter.setBrush(PanelStyle::plate);
    for (bool right : {false, true}) {
        auto x = [right](qreal v) { return right ? 1 - v : v; };
        painter.drawPolygon(QPolygonF({at(x(0.04), 0.5), at(x(0.22), 0.5), at(x(0.25), 1.0), at(x(0.0), 1.0)}));
    }
    // Main panel under the glare shield, with the right sub-panel.
    painter.setBrush(PanelStyle::panelTop);
    painter.drawRoundedRect(part(0.2, 0.18, 0.6, 0.42), 3, 3);
    painter.setBrush(PanelStyle::screenGlass.lighter(200));
    painter.drawRect(part(0.25, 0.26, 0.18, 0.17));
    painter.drawRect(part(0.57, 0.26, 0.18, 0.17));
    painter.setBrush(PanelStyle::lampAmber.darker(200));
    painter.drawRect(part(0.6, 0.45, 0.15, 0.1));
    painter.setBrush(PanelStyle::glareShield);
    QPainterPath shield;
    shield.moveTo(at(0.16, 0.2));
    shield.quadTo(at(0.5, 0.06), at(0.84, 0.2));
    shield.quadTo(at(0.5, 0.3), at(0.16, 0.2));
    painter.drawPath(shield);
    painter.setBrush(PanelStyle::lampAmber.darker(150));
    painter.drawRect(part(0.42, 0.14, 0.07, 0.04));
    painter.setBrush(PanelStyle::lampRed.darker(150));
    painter.drawRect(part(0.51, 0.14, 0.07, 0.04));
    // Canopy arch, stick and throttle.
    painter.setPen(QPen(QColor(30, 32, 36), 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(part(0.0, 0.02, 1.0, 0.9), 20 * 16, 140 * 16);
    painter.setPen(QPen(QColor(20, 20, 22), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at(0.5, 0.98), at(0.5, 0.72));
    painter.drawLine(at(0.13, 0.86), at(0.15, 0.76));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(PanelStyle::metalDark);
    painter.drawEllipse(at(0.5, 0.7), 5, 6);
    painter.drawEllipse(at(0.15, 0.75), 5, 5);
}
} // namespace

QImage InsetPainter::paint(const InsetScene &scene) const
{
    QImage image(InsetSize, QImage::Format_RGB32);
    const QRectF all(QPointF(0, 0), QSizeF(InsetSize));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawCockpit(painter, all);

    // Everything outside the area the photograph shows is dimmed, and the area outlined in yellow.
    const QRectF highlight(scene.highlight.x() * all.width(), scene.highlight.y() * all.height(),
                           scene.highlight.width() * all.width(), scene.highlight.height() * all.height());
    QPainterPath dim;
    dim.addRect(all);
    dim.addRect(highlight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 120));
    painter.drawPath(dim);
    painter.setPen(QPen(QColor(255, 230, 0), 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(highlight.adjusted(1, 1, -1, -1));

    const QRectF captionBand(0, all.height() - 18, all.width(), 18);
    painter.fillRect(captionBand, QColor(0, 0, 0, 170));
    painter.setPen(QColor(255, 230, 0));
    painter.setFont(PanelStyle::legendFont());
    painter.drawText(captionBand, Qt::AlignCenter, scene.caption);
    painter.setPen(QPen(PanelStyle::metalDark, 2));
    painter.drawRect(all.adjusted(1, 1, -1, -1));
    return image;
}

} // namespace kelvora::content
