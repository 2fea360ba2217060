#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace kelvora::content {

// What a control on a photograph looks like; the state's meaning depends on the kind.
enum class ControlKind {
    Toggle,      // 0 lever down, 1 lever up, 2 lever up with its lamp lit
    PushButton,  // 0 dark, 1 lit green, 2 lit amber
    Rotary,      // pointer at one of five detents, 0 to 4
    Guarded,     // 0 guard closed, 1 guard open, 2 guard open and switch up
    Rocker,      // 0 lower half pressed, 1 upper half pressed
    Thumbwheel,  // the wheel's setting, shown as a number
    Lever,       // 0 aft, 1 forward
    Gauge,       // reading in percent, 0 to 110
    Display,     // a screen or instrument group the lesson points at; state unused
};

// How the lesson marks the control's place.
enum class MarkShape { Circle, Oval, RoundedSquare };

struct SceneControl {
    QRect place;         // the lesson's mark rectangle, in window pixels
    ControlKind kind;
    int state = 0;
    QString label;       // panel legend printed under the control
    MarkShape mark = MarkShape::Circle;
};

// One photograph: a view of the cockpit with its controls in given states.
struct PhotoScene {
    int number = 0;      // 0 to 78, the file is images/0NN.jpg
    int screen = 0;      // the screen that shows it first
    QSize size;
    QString view;        // which part of the cockpit the camera looks at
    QList<SceneControl> controls;
};

// One overview bitmap: the whole cockpit with the part the lesson is about picked out.
struct InsetScene {
    QString fileName;    // "KokpitA.bmp"
    QRectF highlight;    // in the inset's unit square: 0..1 across and down
    QString caption;
};

} // namespace kelvora::content
