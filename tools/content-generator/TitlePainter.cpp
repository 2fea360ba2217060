#include "TitlePainter.h"

#include "PanelStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace kelvora::content {

namespace {
constexpr qreal Horizon = 430;

QColor grey(int level)
{
    return {level, level + 3, level + 8};
}
} // namespace

QImage TitlePainter::paint(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    sky(painter, all);
    hangar(painter);
    apron(painter, all);
    aircraft(painter);
    nameStrip(painter);
    return image;
}

void TitlePainter::sky(QPainter &painter, QRectF all) const
{
    QLinearGradient gradient(QPointF(0, 0), QPointF(0, Horizon));
    gradient.setColorAt(0, QColor(8, 16, 34));
    gradient.setColorAt(0.45, QColor(34, 58, 96));
    gradient.setColorAt(0.85, QColor(196, 150, 120));
    gradient.setColorAt(1, QColor(236, 200, 160));
    painter.fillRect(QRectF(0, 0, all.width(), Horizon), gradient);
}

void TitlePainter::hangar(QPainter &painter) const
{
    // A low hangar and a control tower far off, in silhouette against the dusk.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(44, 46, 56));
    QPainterPath roof;
    roof.moveTo(620, Horizon);
    roof.lineTo(620, 360);
    roof.quadTo(800, 320, 980, 360);
    roof.lineTo(980, Horizon);
    roof.closeSubpath();
    painter.drawPath(roof);
    painter.drawRect(QRectF(80, 340, 26, 90));
    painter.drawRect(QRectF(66, 320, 54, 24));
    painter.setBrush(QColor(250, 220, 140));
    for (int i = 0; i < 6; ++i)
        painter.drawRect(QRectF(650 + i * 52, 400, 22, 8));
}

void TitlePainter::apron(QPainter &painter, QRectF all) const
{
    QLinearGradient concrete(QPointF(0, Horizon), QPointF(0, all.height()));
    concrete.setColorAt(0, QColor(150, 150, 152));
    concrete.setColorAt(0.3, QColor(196, 196, 194));
    concrete.setColorAt(1, QColor(176, 176, 174));
    painter.fillRect(QRectF(0, Horizon, all.width(), all.height() - Horizon), concrete);
    // Expansion joints running towards the horizon.
    painter.setPen(QPen(QColor(150, 150, 150), 1.5));
    for (int i = -6; i <= 12; ++i)
        painter.drawLine(QPointF(511 + i * 30, Horizon), QPointF(511 + i * 190, all.height()));
    for (qreal y : {470.0, 540.0, 650.0})
        painter.drawLine(QPointF(0, y), QPointF(all.width(), y));
    // A yellow taxi line sweeping past the nose.
    painter.setPen(QPen(QColor(230, 190, 40), 6));
    painter.setBrush(Qt::NoBrush);
    QPainterPath taxi;
    taxi.moveTo(0, 720);
    taxi.quadTo(300, 600, 620, 470);
    painter.drawPath(taxi);
}

void TitlePainter::aircraft(QPainter &painter) const
{
    // Shadow on the apron.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawEllipse(QRectF(90, 520, 520, 60));

    QLinearGradient skin(QPointF(0, 300), QPointF(0, 480));
    skin.setColorAt(0, grey(190));
    skin.setColorAt(0.5, grey(150));
    skin.setColorAt(1, grey(96));

    // Far wing, tail fin and tailplane behind the fuselage.
    painter.setPen(QPen(grey(60), 1.5));
    painter.setBrush(grey(120));
    painter.drawPolygon(QPolygonF({{380, 410}, {540, 372}, {580, 378}, {470, 420}}));
    painter.setBrush(skin);
    painter.drawPolygon(QPolygonF({{500, 380}, {560, 240}, {600, 240}, {590, 390}}));
    painter.drawPolygon(QPolygonF({{520, 400}, {610, 380}, {618, 392}, {560, 414}}));

    // Fuselage: nose to the left and towards the viewer.
    QPainterPath body;
    body.moveTo(110, 440);
    body.cubicTo(150, 400, 240, 380, 330, 372);
    body.cubicTo(430, 362, 560, 370, 610, 392);
    body.lineTo(612, 430);
    body.cubicTo(520, 450, 300, 470, 180, 468);
    body.cubicTo(140, 466, 112, 456, 110, 440);
    painter.setBrush(skin);
    painter.drawPath(body);
    // Intake and exhaust.
    painter.setBrush(grey(40));
    painter.drawEllipse(QRectF(300, 420, 56, 34));
    painter.drawEllipse(QRectF(600, 392, 18, 38));

    // Near wing sweeping towards the camera.
    painter.setBrush(skin);
    painter.drawPolygon(QPolygonF({{300, 450}, {470, 440}, {520, 446}, {250, 520}, {200, 520}}));

    // Canopy raised on its hinge, the cockpit open beneath.
    painter.setBrush(QColor(20, 22, 26));
    painter.drawRoundedRect(QRectF(228, 360, 120, 18), 8, 8);
    QPainterPath canopy;
    canopy.moveTo(230, 366);
    canopy.cubicTo(250, 300, 330, 276, 390, 300);
    canopy.lineTo(350, 368);
    canopy.closeSubpath();
    painter.setPen(QPen(grey(70), 2));
    painter.setBrush(QColor(140, 180, 210, 120));
    painter.drawPath(canopy);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 2));
    painter.drawLine(QPointF(260, 330), QPointF(320, 300));

    // Landing gear.
    painter.setPen(QPen(grey(50), 6));
    for (QPointF leg : {QPointF(170, 462), QPointF(420, 450), QPointF(300, 466)})
        painter.drawLine(leg, leg + QPointF(0, 60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(18, 18, 20));
    for (QPointF wheel : {QPointF(170, 532), QPointF(420, 522), QPointF(300, 538)})
        painter.drawEllipse(wheel, 13, 16);

    // The boarding ladder hooked on the cockpit sill.
    painter.setPen(QPen(QColor(230, 190, 40), 4));
    painter.drawLine(QPointF(250, 372), QPointF(222, 552));
    painter.drawLine(QPointF(272, 372), QPointF(246, 552));
    painter.setPen(QPen(QColor(230, 190, 40), 3));
    for (int rung = 1; rung <= 6; ++rung) {
        const qreal t = rung / 7.0;
        painter.drawLine(QPointF(250 - 28 * t, 372 + 180 * t), QPointF(272 - 26 * t, 372 + 180 * t));
    }
}

void TitlePainter::nameStrip(QPainter &painter) const
{
    // The current language's name is written in white: a dark painted strip under it. It starts
    // between the colon of "Current Language:" (ends near x 733) and the name (from x 737).
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 44, 52));
    painter.drawRoundedRect(QRectF(734.5, 577, 165.5, 27), 4, 4);
}

} // namespace kelvora::content
