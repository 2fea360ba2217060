#include "ControlsOverlay.h"

#include <QPainter>

namespace kelvora {

namespace {
// Where a lesson page puts its controls, in page pixels.
constexpr QRect ExplanationLabel{12, 6, 741, 27};
constexpr QRect ExitButton{968, 6, 55, 27};
constexpr QSize InsetBox{207, 221};
constexpr QPoint InsetLeft{16, 36};
constexpr QPoint InsetRight{801, 36};
constexpr QRect ContinueMark{850, 712, 163, 43};
constexpr QRect ContinueLabel{850, 722, 163, 39};

const QColor Fill{0x70, 0xA0, 0xFF, 0x40};
const QColor Edge{0xA8, 0xC8, 0xFF, 0xB0};
const QColor Name{0xE8, 0xF0, 0xFF, 0xE0};
} // namespace

ControlsOverlay::ControlsOverlay()
{
    setAcceptedMouseButtons(Qt::NoButton);
}

void ControlsOverlay::setInsetPlace(const QString &place)
{
    m_insetPlace = place;
    update();
}

QRectF ControlsOverlay::boundingRect() const
{
    return QRectF(0, 0, 1024, 768);
}

void ControlsOverlay::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setRenderHint(QPainter::Antialiasing);
    QFont font = painter->font();
    font.setPixelSize(12);
    painter->setFont(font);
    const auto outline = [painter](const QRectF &rect, bool oval) {
        painter->setPen(QPen(Edge, 1, Qt::DashLine));
        painter->setBrush(Fill);
        const QRectF inside = rect.adjusted(0.5, 0.5, -0.5, -0.5);
        oval ? painter->drawEllipse(inside) : painter->drawRect(inside);
    };
    const auto name = [painter](const QRectF &rect, const QString &text) {
        painter->setPen(Name);
        painter->drawText(rect, Qt::AlignCenter, text);
    };
    outline(ExplanationLabel, false);
    name(ExplanationLabel, QStringLiteral("Explanation"));
    outline(ExitButton, false);
    name(ExitButton, QStringLiteral("Exit"));
    if (m_insetPlace == QLatin1String("left") || m_insetPlace == QLatin1String("right")) {
        const QRect inset(m_insetPlace == QLatin1String("left") ? InsetLeft : InsetRight, InsetBox);
        outline(inset, false);
        name(inset, QStringLiteral("Inset"));
    }
    // The label lies inside the mark: one outline, the name where the label is.
    outline(ContinueMark, true);
    name(ContinueLabel, QStringLiteral("Continue"));
}

} // namespace kelvora
