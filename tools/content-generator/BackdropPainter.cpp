#include "BackdropPainter.h"

#include "PaintKit.h"
#include "PanelStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace kelvora::content {

using namespace PaintKit;

void BackdropPainter::paint(const PhotoScene &scene)
{
    const QRectF all(QPointF(0, 0), QSizeF(scene.size));
    if (scene.framing == Framing::Console)
        console(all, scene.wallOnRight);
    else
        mainPanel(all);
    fillerPlates(scene);
    for (const Plate &each : scene.plates)
        plate(each);
}

void BackdropPainter::console(QRectF all, bool wallOnRight)
{
    QLinearGradient floor(all.topLeft(), all.bottomLeft());
    floor.setColorAt(0, PanelStyle::consoleTop);
    floor.setColorAt(1, PanelStyle::consoleBottom);
    m_painter.fillRect(all, floor);
    // Cross seams between the console's panels.
    m_painter.setPen(QPen(QColor(18, 20, 23), 2));
    for (int y = 160; y < all.height(); y += 170)
        m_painter.drawLine(QPointF(0, y), QPointF(all.width(), y));
    m_painter.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (int y = 162; y < all.height(); y += 170)
        m_painter.drawLine(QPointF(0, y), QPointF(all.width(), y));

    // The cockpit wall rising along the outer side, in shadow.
    const qreal wallWidth = 120;
    const QRectF wall = wallOnRight ? QRectF(all.right() - wallWidth, 0, wallWidth, all.height())
                                    : QRectF(0, 0, wallWidth * 0.5, all.height());
    QLinearGradient wallShade(wallOnRight ? wall.topLeft() : wall.topRight(),
                              wallOnRight ? wall.topRight() : wall.topLeft());
    wallShade.setColorAt(0, PanelStyle::wall.lighter(140));
    wallShade.setColorAt(1, PanelStyle::cockpitShadow);
    m_painter.fillRect(wall, wallShade);

    // The sill along the top: dark, so the explanation line reads on it.
    QLinearGradient sill(QPointF(0, 0), QPointF(0, 84));
    sill.setColorAt(0, PanelStyle::cockpitShadow);
    sill.setColorAt(0.85, PanelStyle::glareShield);
    sill.setColorAt(1, QColor(40, 44, 48));
    m_painter.fillRect(QRectF(0, 0, all.width(), 84), sill);
}

void BackdropPainter::mainPanel(QRectF all)
{
    QLinearGradient face(all.topLeft(), all.bottomLeft());
    face.setColorAt(0, PanelStyle::panelTop);
    face.setColorAt(0.7, PanelStyle::panelBottom);
    face.setColorAt(1, PanelStyle::cockpitShadow);
    m_painter.fillRect(all, face);

    // The glare shield overhangs the panel; its coaming casts a soft shadow.
    QPainterPath shield;
    shield.moveTo(0, 0);
    shield.lineTo(all.width(), 0);
    shield.lineTo(all.width(), 70);
    shield.quadTo(all.width() / 2, 96, 0, 70);
    shield.closeSubpath();
    QLinearGradient shadow(QPointF(0, 70), QPointF(0, 130));
    shadow.setColorAt(0, QColor(0, 0, 0, 150));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    m_painter.fillRect(QRectF(0, 60, all.width(), 70), shadow);
    QLinearGradient leather(QPointF(0, 0), QPointF(0, 96));
    leather.setColorAt(0, QColor(6, 6, 7));
    leather.setColorAt(1, PanelStyle::glareShield.lighter(130));
    m_painter.setPen(QPen(QColor(50, 52, 56), 1.5));
    m_painter.setBrush(leather);
    m_painter.drawPath(shield);
}

void BackdropPainter::plate(const Plate &plate)
{
    const QRectF rect = plate.place;
    dropShadow(m_painter, rect, 5, 3);
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1.5));
    QLinearGradient shade(rect.topLeft(), rect.bottomRight());
    shade.setColorAt(0, PanelStyle::plate.lighter(112));
    shade.setColorAt(1, PanelStyle::plate.darker(118));
    m_painter.setBrush(shade);
    m_painter.drawRoundedRect(rect, 5, 5);
    bevel(m_painter, rect.adjusted(1, 1, -1, -1), 4, PanelStyle::plateHighlight, PanelStyle::plateEdge);

    // Dzus fasteners in the corners: a slotted head.
    for (QPointF corner : {rect.topLeft() + QPointF(8, 8), rect.topRight() + QPointF(-8, 8),
                           rect.bottomLeft() + QPointF(8, -8), rect.bottomRight() + QPointF(-8, -8)}) {
        m_painter.setPen(QPen(PanelStyle::plateEdge, 1));
        m_painter.setBrush(roundMetal(corner, 4, PanelStyle::screw.lighter(130), PanelStyle::screw.darker(160)));
        m_painter.drawEllipse(corner, 3.5, 3.5);
        m_painter.drawLine(corner + QPointF(-2.5, 1), corner + QPointF(2.5, -1));
    }
    if (plate.title.isEmpty())
        return;
    m_painter.setFont(PanelStyle::font(11));
    const QRectF band(rect.left() + 16, rect.top() + 3, rect.width() - 32, 14);
    m_painter.setPen(QColor(0, 0, 0, 160));
    m_painter.drawText(band.translated(1, 1), Qt::AlignCenter, plate.title);
    m_painter.setPen(PanelStyle::legend.darker(110));
    m_painter.drawText(band, Qt::AlignCenter, plate.title);
}

// Rows of circuit breakers and blank plates fill the panel around the plates
// the lesson is about, where nothing of the scene stands; their layout
// depends on the view only, so every photograph of a view shares it.
void BackdropPainter::fillerPlates(const PhotoScene &scene)
{
    const quint32 seed = PanelStyle::stableHash(scene.view);
    const bool console = scene.framing == Framing::Console;
    constexpr int width = 168, height = 146, gap = 10;
    const int top = console ? 96 : 110;
    int index = 0;
    for (int y = top; y + height < scene.size.height() - 6; y += height + gap) {
        for (int x = 70; x + width < scene.size.width() - 10; x += width + gap, ++index) {
            const QRect cell(x, y, width, height);
            bool taken = false;
            for (const Plate &plate : scene.plates)
                taken = taken || plate.place.adjusted(-14, -14, 14, 14).intersects(cell);
            for (const SceneControl &control : scene.controls)
                taken = taken || control.place.adjusted(-24, -24, 24, 24).intersects(cell);
            const quint32 pick = (seed >> (index % 20)) ^ static_cast<quint32>(index * 2654435761u);
            if (taken || pick % 5 == 0)
                continue;
            plate({cell, {}});
            breakers(QRectF(cell).adjusted(14, 14, -14, -14), pick);
        }
    }
}

void BackdropPainter::breakers(QRectF area, quint32 seed)
{
    static const char *const names[] = {"AVNX", "FUEL", "IGN", "PUMP", "LTS", "NAV", "COM", "ENG", "HYD", "INST"};
    const int rows = 3, columns = 5;
    m_painter.setFont(PanelStyle::font(8));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QPointF centre(area.left() + area.width() * (column + 0.5) / columns,
                                 area.top() + area.height() * (row + 0.42) / rows);
            m_painter.setPen(QPen(Qt::black, 1));
            m_painter.setBrush(roundMetal(centre, 8, QColor(70, 72, 76), QColor(8, 8, 9)));
            m_painter.drawEllipse(centre, 7.5, 7.5);
            m_painter.setPen(QPen(QColor(230, 230, 230), 1.5));
            m_painter.drawLine(centre + QPointF(-4, 0), centre + QPointF(4, 0));
            m_painter.setPen(PanelStyle::legend.darker(130));
            const char *name = names[(seed + static_cast<quint32>(row * columns + column) * 7u) % 10];
            m_painter.drawText(centredRect(centre + QPointF(0, 15), 40, 10), Qt::AlignCenter, QString::fromLatin1(name));
        }
    }
}

// Light falls off towards the edges of the frame, as through a lens.
void BackdropPainter::paintShading(const PhotoScene &scene)
{
    const QRectF all(QPointF(0, 0), QSizeF(scene.size));
    QRadialGradient vignette(all.center(), all.width() * 0.75);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 120));
    m_painter.fillRect(all, vignette);
}

} // namespace kelvora::content
