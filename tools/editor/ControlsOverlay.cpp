#include "ControlsOverlay.h"

#include "course/author/AuthorCompiler.h"
#include "course/PageControls.h"

#include <QCoreApplication>
#include <QPainter>

namespace kelvora {

namespace {
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
    return QRectF(QPointF(0, 0), LessonPictureSize);
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
    const bool inset = m_insetPlace == QLatin1String("left") || m_insetPlace == QLatin1String("right");
    const PageControls controls(authorsLayout(inset ? m_insetPlace : QStringLiteral("left")));
    outline(controls.explanation, false);
    name(controls.explanation, QCoreApplication::translate("kelvora::PhotographView", "Explanation"));
    outline(controls.exit, false);
    name(controls.exit, QCoreApplication::translate("kelvora::PhotographView", "Exit"));
    if (inset) {
        outline(controls.inset, false);
        name(controls.inset, QCoreApplication::translate("kelvora::PhotographView", "Inset"));
    }
    // The label lies inside the mark: one outline, the name where the label is.
    outline(controls.layout.continueMark, true);
    name(controls.layout.continueLabel, QCoreApplication::translate("kelvora::PhotographView", "Continue"));
}

} // namespace kelvora
