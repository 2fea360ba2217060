#pragma once

#include "MarkLook.h"
#include "NumberedPhotographs.h"
#include "content/PictureSizes.h"

#include <QPoint>
#include <QRect>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace kelvora {

// What every lesson screen plays whatever its course: Exit's click, and the
// engine's loop once the engine runs. The start screen's Exit clicks the same.
inline constexpr const char *ExitClickSound = "sounds\\dugme3.wav";
inline constexpr const char *EngineLoopSound = "sounds\\70loop.wav";

// The width of a lesson page's explanation label, wherever a layout places it.
inline constexpr int ExplainWidth = 741;
// Exit as a localized screen shows it: widened to the left.
inline constexpr int LocalizedExitWidth = 55;
inline constexpr int LocalizedExitShift = 18;

// How a lesson screen's common controls differ from the template's design values.
struct LessonLayout {
    QPoint explain{12, 6};
    int explainHeight = 27;
    QPoint inset{16, 36};
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
    QString name;
    int index = -1; // members of a group share the name, in index order
    QRect rect;
    MarkKind kind = MarkKind::Circle;
    QColor border = MarkYellow;
    bool visible = false;
};

// A blink timer: each tick flips its marks; by default the mark with its number.
struct BlinkTimerDesign {
    QString name;
    bool enabled = false;
    QStringList blinks = {};
};

// One thing a screen does in a follow-up: show or hide a control, start or stop
// a timer, change the photograph or the inset, read the next line, play a sound.
struct ScreenAction {
    enum class Verb {
        Show,
        Hide,
        Start,
        Stop,
        Photograph,
        Inset,
        Line,  // the next explanation line; no argument
        Sound, // played and left to run
        Loop,  // played over and over until the next sound
        Cue,   // "Sounds\<cue>.wav", played to its end
    };
    Verb verb;
    QString argument = {};
};
using Actions = std::vector<ScreenAction>;

// One click step: active while its timer runs, taken by a press strictly inside
// its mark. Its actions run in this order: the cue or the sound (played to its
// end), the loop where the screen restarts it, the photograph, the step's timer
// stopped and its mark hidden, the follow-up, and the next explanation line.
struct StepDesign {
    QString activeWhile;
    QString mark;
    QString cue = {};        // empty: no cue
    QString sound = {};      // a sound file played to its end instead of a cue; empty: none
    QString photograph = {}; // empty: the photograph stays
    Actions followUp;
    bool nextLine = false;
};

// The timed photograph sequence: a delay whose one tick runs `view`, then a
// sequence whose tick k shows photograph k, and whose tick lastTick runs
// `finish` instead.
struct TimedSequenceDesign {
    int periodMs = 0;
    int lastTick = 0;
    int photographOffset = 0;
    Actions view;
    Actions finish;
    QStringList photographs = {}; // tick k shows photographs[k - 1]; empty: numbered photograph k + photographOffset

    QString photograph(int tick) const
    {
        return photographs.isEmpty() ? numberedPhotograph(tick + photographOffset) : photographs.value(tick - 1);
    }
};

// The throttle quadrant inset with its two steps inside and one on the window between.
struct ThrottleQuadrantDesign {
    QRect rect;
    QString picture;
    QStringList halfCaptions; // by language, first language first
    QStringList idleCaptions;
    QString pullTimer;        // blinks the quadrant's Shape1
    QString liftMark;         // the press on the window between the two
    QString liftTimer;
    QString liftClick;
    // The click gives way to a sound still playing (the engine's loop goes on and no click is heard);
    // otherwise it is played to its end like a step's sound and the screen's loop then resumes.
    bool liftClickGivesWay = true;
    QString pushTimer;        // blinks the quadrant's Shape3
    Actions atIdle;           // after the knob has reached idle
    bool fitPicture = false;  // the picture fitted whole into the box (letterboxed)
};

// One mark pressed again and again: each press plays the click, restarts the
// screen's loop and shows photograph count.
struct PressCounterDesign {
    QString timer;
    QString mark;
    int presses = 0;
    QString click;
    int photographOffset = 0;
    Actions done; // after the last press
    QStringList photographs = {}; // press n shows photographs[n - 1]; empty: numbered photograph n + photographOffset

    QString photograph(int press) const
    {
        return photographs.isEmpty() ? numberedPhotograph(press + photographOffset) : photographs.value(press - 1);
    }
};

// The continue mark of the course's last screen: a closing cue, then the end of the run.
struct RunEndingDesign {
    QString cue; // empty: none
};

// The key of a sound's caption: its content name with forward slashes, in lower case ("sounds/dugme1.wav").
QString soundKey(const QString &name);

// Everything a lesson screen adds to the template.
struct LessonDesign {
    int screen = 0;
    QString name;    // the author's name for the screen, for records and tools
    QString caption; // the window's title
    QStringList captions = {}; // the window's title by language, first language first; empty: caption in all
    QString inset;
    QString firstPhotograph;
    LessonLayout layout = {};
    std::vector<MarkDesign> marks = {};
    std::vector<BlinkTimerDesign> blinkTimers = {};
    std::vector<StepDesign> steps = {};
    // What a screen reader calls the place a mark shows, by mark name in lower case, first language first.
    std::map<QString, QStringList> targetLabels = {};
    // What the screen's photograph and its inset show, for a screen reader, by language; empty: not described.
    QStringList photographDescriptions = {};
    QStringList insetDescriptions = {};
    // What each sound is, as a caption line shows it ("[click]"), by its soundKey(), by language.
    std::map<QString, QStringList> soundCaptions = {};
    // After each cue, restart the screen's loop sound.
    bool engineLoop = false;
    QString loop = EngineLoopSound; // the screen's looping sound, restarted after cues and counted presses
    // The loop is the screen's own: a screen without one is quiet, and the same loop on the next screen plays
    // on without a restart. Otherwise a loop plays on across screens until another sound replaces it.
    bool ownLoop = false;
    // Photographs and insets of any size are fitted whole into the page and the inset box (letterboxed);
    // otherwise they are drawn unscaled from their top-left corner.
    bool fitPictures = false;
    Actions atLoad = {}; // run after the load sequence
    // The named kinds that add behaviour to the template.
    std::optional<ThrottleQuadrantDesign> throttleQuadrant = {};
    std::optional<TimedSequenceDesign> timedSequence = {};
    std::optional<PressCounterDesign> pressCounter = {};
    std::optional<RunEndingDesign> runEnding = {};
};

} // namespace kelvora
