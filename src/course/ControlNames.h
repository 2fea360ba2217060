#pragma once

#include <QLatin1StringView>
#include <QString>

#include <array>

// The names of the controls, marks and timers the lesson template and its kinds create. Only the creators
// and the course readers use them: a course file of the first format names them, the second format never does.
namespace kelvora::names {

// The template's own controls on every lesson screen.
inline constexpr QLatin1StringView Explain{"Explain"};
inline constexpr QLatin1StringView Inset{"Picture1"};
inline constexpr QLatin1StringView Next{"Command1"};
inline constexpr QLatin1StringView Exit{"Command2"};
inline constexpr QLatin1StringView ReadMore{"Command3"};
inline constexpr QLatin1StringView ContinueLabel{"LabelDVM"};
inline constexpr QLatin1StringView ContinueMark{"ShapeDVM"};
inline constexpr QLatin1StringView ContinueTimer{"TimerDVM"};
inline constexpr std::array TemplateControls{Explain, Inset, Next, Exit, ReadMore, ContinueLabel};

// A blink timer named "Timer" + suffix blinks the mark "Shape" + suffix unless it says otherwise.
inline constexpr QLatin1StringView BlinkTimerPrefix{"Timer"};
inline constexpr QLatin1StringView MarkPrefix{"Shape"};
inline bool isNumberedBlinkTimer(const QString &timer)
{
    return timer.startsWith(BlinkTimerPrefix, Qt::CaseInsensitive);
}
// "Timer7" blinks "Shape7"; "TimerDVM" blinks "ShapeDVM".
inline QString markOfBlinkTimer(const QString &timer)
{
    return MarkPrefix + timer.mid(BlinkTimerPrefix.size());
}

// The throttle quadrant's inset and what it holds.
inline constexpr QLatin1StringView QuadrantBox{"Picture2"};
inline constexpr QLatin1StringView QuadrantSlot{"Line1"};
inline constexpr QLatin1StringView QuadrantKnob{"shpthr"};
inline constexpr QLatin1StringView QuadrantCaption{"LabelTHRTL"};
inline constexpr QLatin1StringView QuadrantPullMark{"Shape1"};
inline constexpr QLatin1StringView QuadrantPushMark{"Shape3"};
inline constexpr std::array QuadrantControls{QuadrantBox, QuadrantSlot, QuadrantKnob, QuadrantCaption};
inline constexpr std::array QuadrantMarks{QuadrantPullMark, QuadrantPushMark};

// The timed sequence's delay before its view, and its sequence timer.
inline constexpr QLatin1StringView SequenceDelay{"Timerkokpitbekle"};
inline constexpr QLatin1StringView SequenceTimer{"TimerDVMBekle"};
inline constexpr std::array SequenceTimers{SequenceDelay, SequenceTimer};

} // namespace kelvora::names
