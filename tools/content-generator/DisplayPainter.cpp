#include "DisplayPainter.h"

#include "PaintKit.h"
#include "PanelStyle.h"

#include <QPainterPath>

namespace kelvora::content {

using namespace PaintKit;

void DisplayPainter::display(const SceneControl &control)
{
    const QRectF screen = centredSquare(control.place, 0.74);
    bezel(screen);
    m_painter.save();
    m_painter.setClipRect(screen);
    m_painter.fillRect(screen, control.state == DarkPage ? QColor(8, 9, 10) : PanelStyle::screenGlass);
    switch (static_cast<DisplayPage>(control.state)) {
    case DarkPage: break;
    case FlightPage: flightPage(screen, control.text); break;
    case EnginePage: enginePage(screen, control.text); break;
    case AlignPage: alignPage(screen, false); break;
    case AlignDonePage: alignPage(screen, true); break;
    case CoursePage: flightPage(screen, control.text); break;
    case ControlsPage: controlsPage(screen, false); break;
    case ControlsDeflectedPage: controlsPage(screen, true); break;
    }
    if (!control.text.isEmpty() && control.state != EnginePage && control.state != DarkPage) {
        m_painter.setPen(PanelStyle::screenCyan);
        m_painter.setFont(PanelStyle::font(12));
        m_painter.drawText(screen.adjusted(4, 0, -4, -4), Qt::AlignBottom | Qt::AlignRight, control.text);
    }
    // A reflection across the glass, lit or dark.
    QLinearGradient sheen(screen.topLeft(), screen.bottomRight());
    sheen.setColorAt(0, QColor(255, 255, 255, 30));
    sheen.setColorAt(0.35, QColor(255, 255, 255, 0));
    m_painter.fillRect(screen, sheen);
    m_painter.restore();
}

void DisplayPainter::bezel(QRectF screen)
{
    const QRectF frame = screen.adjusted(-20, -20, 20, 20);
    dropShadow(m_painter, frame, 8, 4);
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1.5));
    m_painter.setBrush(linearMetal(frame.topLeft(), frame.bottomRight(), QColor(62, 66, 72), QColor(24, 26, 29)));
    m_painter.drawRoundedRect(frame, 8, 8);
    bevel(m_painter, frame, 8, QColor(110, 116, 124), QColor(8, 8, 10));
    // Five push buttons along each side.
    m_painter.setBrush(QColor(40, 42, 46));
    m_painter.setPen(QPen(QColor(12, 12, 14), 1));
    for (int i = 0; i < 5; ++i) {
        const qreal along = screen.width() * (i + 0.5) / 5;
        for (const QRectF &key : {centredRect({screen.left() + along, frame.top() + 9}, 16, 8),
                                  centredRect({screen.left() + along, frame.bottom() - 9}, 16, 8),
                                  centredRect({frame.left() + 9, screen.top() + along}, 8, 16),
                                  centredRect({frame.right() - 9, screen.top() + along}, 8, 16)})
            m_painter.drawRoundedRect(key, 2, 2);
    }
    m_painter.setPen(QPen(Qt::black, 2));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(screen);
}

void DisplayPainter::title(QRectF screen, const QString &text)
{
    m_painter.setPen(PanelStyle::screenTrace);
    m_painter.setFont(PanelStyle::font(12));
    m_painter.drawText(screen.adjusted(0, 4, 0, 0), Qt::AlignTop | Qt::AlignHCenter, text);
}

void DisplayPainter::flightPage(QRectF screen, const QString &footer)
{
    const QPointF centre = screen.center() + QPointF(0, -screen.height() * 0.08);
    const qreal half = screen.width() * 0.36;
    const QRectF ball = centredRect(centre, 2 * half, 2 * half * 0.8);
    m_painter.fillRect(QRectF(ball.left(), ball.top(), ball.width(), ball.height() / 2), PanelStyle::sky.darker(110));
    m_painter.fillRect(QRectF(ball.left(), ball.center().y(), ball.width(), ball.height() / 2), PanelStyle::ground);
    m_painter.setPen(QPen(Qt::white, 1.5));
    m_painter.drawLine(QPointF(ball.left(), centre.y()), QPointF(ball.right(), centre.y()));
    for (int bar = -2; bar <= 2; ++bar) {
        if (bar == 0)
            continue;
        const qreal y = centre.y() + bar * half * 0.18;
        m_painter.drawLine(QPointF(centre.x() - half * 0.2, y), QPointF(centre.x() + half * 0.2, y));
    }
    m_painter.setPen(QPen(PanelStyle::hazardYellow, 3));
    m_painter.drawLine(centre + QPointF(-half * 0.5, 0), centre + QPointF(-half * 0.15, 0));
    m_painter.drawLine(centre + QPointF(half * 0.15, 0), centre + QPointF(half * 0.5, 0));
    // Heading rose at the bottom; with a course set, a magenta arrow on it.
    const QPointF rose(screen.center().x(), screen.bottom() - 6);
    const qreal roseRadius = screen.width() * 0.26;
    m_painter.setPen(QPen(PanelStyle::dialMarks, 1.2));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawEllipse(rose, roseRadius, roseRadius);
    for (int tick = -6; tick <= 6; ++tick)
        m_painter.drawLine(polar(rose, roseRadius, tick * 10), polar(rose, roseRadius - 5, tick * 10));
    if (!footer.isEmpty()) {
        m_painter.setPen(QPen(QColor(240, 80, 240), 3, Qt::SolidLine, Qt::RoundCap));
        m_painter.drawLine(polar(rose, roseRadius * 0.3, -20), polar(rose, roseRadius + 6, -20));
    }
    m_painter.setPen(PanelStyle::screenTrace);
    m_painter.setFont(PanelStyle::font(11));
    m_painter.drawText(screen.adjusted(4, 4, -4, 0), Qt::AlignTop | Qt::AlignLeft, "0 KT");
    m_painter.drawText(screen.adjusted(4, 4, -4, 0), Qt::AlignTop | Qt::AlignRight, "420 FT");
}

void DisplayPainter::enginePage(QRectF screen, const QString &readout)
{
    title(screen, "ENGINE");
    const int rpm = readout.section(' ', 1).toInt();
    const QPointF centre = screen.center() + QPointF(0, -screen.height() * 0.04);
    const qreal radius = screen.width() * 0.3;
    const QRectF box = centredRect(centre, radius * 2, radius * 2);
    m_painter.setPen(QPen(PanelStyle::dialMarks, 2));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawArc(box, 225 * 16, -270 * 16);
    m_painter.setPen(QPen(PanelStyle::screenTrace, radius * 0.2, Qt::SolidLine, Qt::FlatCap));
    m_painter.drawArc(box.adjusted(radius * 0.15, radius * 0.15, -radius * 0.15, -radius * 0.15), 225 * 16,
                      -qRound(270.0 * std::clamp(rpm, 0, 110) / 110 * 16));
    m_painter.setPen(Qt::white);
    m_painter.setFont(PanelStyle::font(static_cast<int>(radius * 0.45)));
    m_painter.drawText(box, Qt::AlignCenter, QString::number(rpm));
    m_painter.setFont(PanelStyle::font(11));
    m_painter.setPen(PanelStyle::screenTrace);
    m_painter.drawText(box.translated(0, radius * 0.55), Qt::AlignCenter, "RPM %");
    const QStringList rows = {"EGT", "FF", "OIL", "HYD"};
    for (int i = 0; i < rows.size(); ++i) {
        const QRectF bar(screen.left() + 10 + i * screen.width() / 4.2, screen.bottom() - 26, screen.width() / 6, 8);
        m_painter.fillRect(bar, rpm >= 60 ? PanelStyle::arcGreen : QColor(40, 60, 45));
        m_painter.drawText(bar.translated(0, 10), Qt::AlignCenter, rows.at(i));
    }
}

void DisplayPainter::alignPage(QRectF screen, bool done)
{
    title(screen, "NAV ALIGN");
    m_painter.setFont(PanelStyle::font(14));
    m_painter.setPen(done ? PanelStyle::screenTrace : PanelStyle::lampAmber);
    const QRectF middle = screen.adjusted(10, screen.height() * 0.25, -10, -screen.height() * 0.45);
    m_painter.drawText(middle, Qt::AlignCenter, done ? "POS OK" : "ALIGN\nENTER POS");
    const QRectF track(screen.left() + 16, screen.center().y() + screen.height() * 0.14, screen.width() - 32, 12);
    m_painter.setPen(QPen(PanelStyle::screenTrace, 1));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(track);
    m_painter.fillRect(QRectF(track.topLeft(), QSizeF(track.width() * (done ? 0.35 : 0.04), track.height())),
                       PanelStyle::screenTrace);
    m_painter.setFont(PanelStyle::font(11));
    m_painter.drawText(track.translated(0, 16), Qt::AlignLeft | Qt::AlignVCenter, done ? "ALIGNING  35 %" : "WAIT POS");
}

void DisplayPainter::controlsPage(QRectF screen, bool deflected)
{
    title(screen, "FLT CONTROLS");
    const QPointF centre = screen.center() + QPointF(0, 8);
    const qreal span = screen.width() * 0.38;
    QPainterPath plan; // the aircraft seen from above
    plan.moveTo(centre + QPointF(0, -span * 0.9));
    plan.lineTo(centre + QPointF(span * 0.12, -span * 0.2));
    plan.lineTo(centre + QPointF(span, span * 0.15));
    plan.lineTo(centre + QPointF(span * 0.12, span * 0.2));
    plan.lineTo(centre + QPointF(span * 0.4, span * 0.75));
    plan.lineTo(centre + QPointF(-span * 0.4, span * 0.75));
    plan.lineTo(centre + QPointF(-span * 0.12, span * 0.2));
    plan.lineTo(centre + QPointF(-span, span * 0.15));
    plan.lineTo(centre + QPointF(-span * 0.12, -span * 0.2));
    plan.closeSubpath();
    m_painter.setPen(QPen(PanelStyle::screenTrace, 1.5));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(plan);
    // Ailerons and elevators: white at neutral, amber when deflected.
    const qreal move = deflected ? span * 0.12 : 0;
    m_painter.setPen(QPen(deflected ? PanelStyle::lampAmber : Qt::white, 4, Qt::SolidLine, Qt::FlatCap));
    m_painter.drawLine(centre + QPointF(-span * 0.85, span * 0.2 + move), centre + QPointF(-span * 0.5, span * 0.25 + move));
    m_painter.drawLine(centre + QPointF(span * 0.5, span * 0.25 - move), centre + QPointF(span * 0.85, span * 0.2 - move));
    m_painter.drawLine(centre + QPointF(-span * 0.38, span * 0.8 + move), centre + QPointF(-span * 0.1, span * 0.8 + move));
    m_painter.drawLine(centre + QPointF(span * 0.1, span * 0.8 + move), centre + QPointF(span * 0.38, span * 0.8 + move));
}

} // namespace kelvora::content
