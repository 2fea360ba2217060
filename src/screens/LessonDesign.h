#pragma once

#include "Shape.h"

#include <QPoint>
#include <QRect>
#include <vector>

namespace kelvora {

// How a lesson screen's common controls differ from the template's design values.
struct LessonLayout {
    int screen;
    QPoint explain;
    int explainHeight;
    QPoint inset;
    // The continue mark at load: the oval shown, the label shown, the oval blinking.
    bool continueMarkShown = false;
    bool continueLabelShown = false;
    bool continueBlinking = false;
    int blinkInterval = 300;
    QRect continueMark{850, 712, 163, 43};
    QRect continueLabel{850, 722, 163, 39};
    int exitLeft = 986;
    QPoint readMore{862, 6};
    bool continueLabelInFront = false;
    // Sound requests of Exit: the click, and on most screens a second, empty one.
    int exitRequests = 2;
};

// A mark on the photograph, as designed.
struct MarkDesign {
    const char *name;
    int index = -1; // members of a group share the name, in index order
    QRect rect;
    Shape::Kind kind = Shape::Kind::Circle;
    QColor border = MarkYellow;
    bool visible = false;
};

// A blink timer: each tick flips its marks; by default the mark with its number.
struct BlinkTimerDesign {
    const char *name;
    bool enabled = false;
    std::vector<const char *> blinks = {};
};

// One action of a step's follow-up: show a mark or a label, or start a timer.
struct FollowUp {
    enum class Kind { Show, Start };
    Kind kind;
    const char *control;
};
inline FollowUp show(const char *control) { return {FollowUp::Kind::Show, control}; }
inline FollowUp start(const char *control) { return {FollowUp::Kind::Start, control}; }

// One click step: active while its timer runs, taken by a press strictly inside
// its mark. Its actions run in this order: the cue (played to its end), the
// engine loop where the screen has one, the photograph, the step's timer
// stopped and its mark hidden, the follow-up, and the next explanation line.
struct StepDesign {
    const char *activeWhile;
    const char *mark;
    const char *cue = nullptr;        // none: no cue
    const char *photograph = nullptr; // none: the photograph stays
    std::vector<FollowUp> followUp;
    bool nextLine = false;
};

// Everything a lesson screen adds to the template.
struct LessonDesign {
    int screen;
    const char *inset;
    const char *firstPhotograph;
    std::vector<MarkDesign> marks = {};
    std::vector<BlinkTimerDesign> blinkTimers = {};
    std::vector<StepDesign> steps = {};
    // After each cue, restart the running engine's loop sound.
    bool engineLoop = false;
};

// The continue mark's follow-up, in the order most lessons take it.
inline std::vector<FollowUp> showContinueMark()
{
    return {show("ShapeDVM"), start("TimerDVM"), show("LabelDVM")};
}

} // namespace kelvora
