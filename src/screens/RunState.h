#pragma once

namespace kelvora {

// Guided: the marks show where to press. Check: the trainee finds the places;
// a mark shows only as a hint.
enum class RunMode { Guided, Check };

// Ways of following a lesson other than mouse and eyes; all off unless the
// command line or the settings ask for them.
struct AccessOptions {
    bool keyboard = false;    // Tab among the targets, Space or Enter presses them
    bool steadyMarks = false; // a mark that would blink is drawn steady and thicker
    bool narrate = false;     // each explanation spoken in the run's language
    bool captions = false;    // what each sound is, shown on a caption line
};
} // namespace kelvora
