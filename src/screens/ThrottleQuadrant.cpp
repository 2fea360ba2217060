#include "ThrottleQuadrant.h"

#include "Line.h"
#include "Look.h"
#include "PressLabel.h"
#include "Shape.h"
#include "course/ControlNames.h"

#include <QCoreApplication>
#include <QThread>

namespace kelvora {

namespace {
// QFrame has a Shape of its own.
using Mark = kelvora::Shape;

constexpr int BorderWidth = 2;
constexpr int KnobMoves = 10;
constexpr int KnobStep = 2;
constexpr unsigned long KnobPauseMs = 35;
const QRect StepMark{32, 172, 85, 43};
} // namespace

ThrottleQuadrant::ThrottleQuadrant(QWidget *parent, const QRect &rect)
    : PictureBox(parent, names::QuadrantBox, rect, BorderWidth)
{
    QWidget *inner = canvas();
    new Line(inner, names::QuadrantSlot, QLine(46, 198, 106, 198), QColor(0xFF, 0xFF, 0x80), 3);
    m_knob = new Mark(inner, names::QuadrantKnob, {84, 188, 27, 23}, Mark::Kind::Circle, Qt::black, true);
    m_knob->setFill(MarkYellow);
    new Mark(inner, names::QuadrantPushMark, StepMark, Mark::Kind::Oval, MarkRed, false);
    auto *label = new PressLabel(inner, names::QuadrantCaption, {12, 226, 141, 35}, QStringLiteral("Throttle % 50 "));
    label->setFont(captionFont());
    setTextColor(label, MarkRed);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    new Mark(inner, names::QuadrantPullMark, StepMark, Mark::Kind::Oval, MarkRed, true);
}

void ThrottleQuadrant::setCaption(const QString &caption)
{
    findChild<PressLabel *>(names::QuadrantCaption)->setText(caption);
}

void ThrottleQuadrant::moveKnob(int direction)
{
    for (int move = 0; move < KnobMoves; ++move) {
        QThread::msleep(KnobPauseMs);
        m_knob->move(m_knob->x() + direction * KnobStep, m_knob->y());
        QCoreApplication::processEvents();
    }
}

} // namespace kelvora
