#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace kelvora::content {

// What a control on a photograph looks like; the state's meaning depends on the kind.
enum class ControlKind {
    Toggle,        // 0 lever down, 1 lever up, 2 lever in the middle; positions name them (default "ON" up)
    Guarded,       // 0 guard closed, 1 guard lifted, 2 guard lifted and switch up
    Rocker,        // wide rocker: index into positions, left to right
    PushButton,    // 0 dark, 1 lit in its colour
    Rotary,        // pointer knob: index into positions, clockwise
    Lamp,          // annunciator: 0 dark, 1 lit in its colour
    FuelLever,     // 0 crosswise (CLOSED), 1 lengthwise (OPEN)
    CanopyHandle,  // 0 aft (OPEN), 1 forward (CLOSED)
    CanopyRail,    // 0 canopy frame raised above the rail, 1 down and locked
    TeeHandle,     // 0 pushed in, 1 pulled out
    ThrottleGrip,  // the grip with its finger lift at the place; 0 OFF, 1 IDLE
    Stick,         // 0 centred, 1 full left and forward
    Pedal,         // the top of a rudder pedal
    GearHandle,    // 0 its red light dark, 1 lit
    Gauge,         // needle at state percent of full scale; text is the digital readout
    Attitude,      // standby attitude indicator: 0 caged with OFF flag, 1 running; a tall place adds its caging knob
    Altimeter,     // 0 not set, 1 set to the field pressure
    Display,       // square display; state is a DisplayPage
    DataWindow,    // digits window: 0 dark, 1 lit showing text
};

enum DisplayPage {
    DarkPage,
    FlightPage,
    EnginePage,
    AlignPage,
    AlignDonePage,
    CoursePage,
    ControlsPage,
    ControlsDeflectedPage,
};

// A lesson's mark that a control stands under: the screen, the mark's name and,
// for marks that share a name, its index among them.
struct MarkRef {
    int screen = 0;
    QString name;
    int index = 0;
};

struct SceneControl {
    QRect place;               // where it stands: centred in the rectangles of its marks
    ControlKind kind;
    int state = 0;
    QString label;             // legend printed on the panel
    QColor colour = {};        // light colour of lamps and push buttons
    QStringList positions = {}; // engraved positions of rockers and rotary knobs
    QString text = {};         // readout of gauges and windows
    int bandFrom = 0;          // gauges: the green arc, in percent of full scale
    int bandTo = 0;
    bool legendAbove = false;  // the legend over the control, where the space under it is taken
    QList<MarkRef> marks = {}; // the lesson marks pressed or pointed at on this control

    SceneControl under(int screen, const QString &mark, int index = 0) const
    {
        SceneControl marked = *this;
        marked.marks.append({screen, mark, index});
        return marked;
    }
};

// A console or panel plate the controls are mounted on, with its engraved title.
struct Plate {
    QRect place;
    QString title;
};

// Where the camera stands; decides the surroundings the plates sit in.
enum class Framing {
    Console,      // looking down on a side console, cockpit wall along one edge
    MainPanel,    // looking forward at the instrument panel under the glare shield
    FlightLine,   // the title picture: the aircraft outside, no controls
};

// One photograph: a view of the cockpit with its controls in given states.
struct PhotoScene {
    int number = 0;      // 0 to 78, the file is images/0NN.jpg
    int screen = 0;      // the screen that shows it first
    QSize size;
    QString view;        // which part of the cockpit the camera looks at
    Framing framing = Framing::MainPanel;
    bool wallOnRight = false; // consoles: which side the cockpit wall is on
    QList<Plate> plates;
    QList<SceneControl> controls;
};

// One overview bitmap: the whole cockpit with the part the lesson is about picked out.
struct InsetScene {
    QString fileName;    // "KokpitA.bmp"
    QRectF highlight;    // in the inset's unit square: 0..1 across and down
    QString caption;
};

} // namespace kelvora::content
