#include "LightPainter.h"

#include "PaintKit.h"
#include "PanelStyle.h"

#include <QFontMetricsF>

namespace kelvora::content {

using namespace PaintKit;

void LightPainter::lamp(const SceneControl &control)
{
    const QRectF lens = QRectF(control.place).adjusted(2, 2, -2, -2);
    const bool lit = control.state > 0;
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1));
    m_painter.setBrush(PanelStyle::bezel);
    m_painter.drawRoundedRect(lens.adjusted(-2, -2, 2, 2), 3, 3);
    if (lit)
        glow(m_painter, lens.center(), std::max(lens.width(), lens.height()) * 0.9, control.colour);
    // A dark lens still shows its tint; a lit one is bright in the middle.
    QLinearGradient face(lens.topLeft(), lens.bottomLeft());
    if (lit) {
        face.setColorAt(0, control.colour.lighter(150));
        face.setColorAt(0.5, control.colour);
        face.setColorAt(1, control.colour.darker(120));
    } else {
        const QColor tint = control.colour.darker(900);
        face.setColorAt(0, tint.lighter(200));
        face.setColorAt(1, tint);
    }
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(face);
    m_painter.drawRoundedRect(lens, 2, 2);
    const int lines = static_cast<int>(control.label.count('\n')) + 1;
    int size = std::clamp(static_cast<int>(lens.height() / (lines * 1.25)), 7, 13);
    QFont font = PanelStyle::font(size);
    // Shrink until the widest line fits the lens.
    while (size > 6 && QFontMetricsF(font).boundingRect(lens, Qt::AlignCenter, control.label).width() > lens.width() - 2)
        font.setPixelSize(--size);
    m_painter.setFont(font);
    m_painter.setPen(lit ? QColor(30, 20, 10) : control.colour.darker(420));
    m_painter.drawText(lens, Qt::AlignCenter, control.label);
}

void LightPainter::dataWindow(const SceneControl &control)
{
    const QRectF glass = QRectF(control.place).adjusted(3, 3, -3, -3);
    m_painter.setPen(QPen(PanelStyle::plateEdge, 1.5));
    m_painter.setBrush(PanelStyle::bezel);
    m_painter.drawRoundedRect(glass.adjusted(-4, -4, 4, 4), 4, 4);
    m_painter.setBrush(control.state > 0 ? QColor(8, 20, 12) : QColor(12, 13, 14));
    m_painter.drawRect(glass);
    if (control.state > 0) {
        const int lines = static_cast<int>(control.text.count('\n')) + 1;
        m_painter.setFont(PanelStyle::font(std::clamp(static_cast<int>(glass.height() / (lines * 1.35)), 9, 20)));
        m_painter.setPen(PanelStyle::screenTrace);
        m_painter.drawText(glass.adjusted(6, 0, -6, 0), Qt::AlignCenter, control.text);
    }
    // A faint reflection across the glass.
    QLinearGradient sheen(glass.topLeft(), glass.bottomLeft());
    sheen.setColorAt(0, QColor(255, 255, 255, 28));
    sheen.setColorAt(0.45, QColor(255, 255, 255, 0));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(sheen);
    m_painter.drawRect(glass);
}

} // namespace kelvora::content
