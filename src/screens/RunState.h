#pragma once

namespace kelvora {

// The only values the screens share during a run.
// 0 until a language is chosen, then 1 Turkish, 2 English, 3 French.
extern int CurrentLanguage;
// The number of the explanation line on display; 0 before the first lesson.
extern int ExplanationCursor;

// Guided: the marks show where to press. Check: the trainee finds the places;
// a mark shows only as a hint.
enum class RunMode { Guided, Check };
extern RunMode CurrentRunMode;

// Ways of following a lesson other than mouse and eyes; all off unless the
// command line or the settings ask for them.
struct AccessOptions {
    bool keyboard = false;    // Tab among the targets, Space or Enter presses them
    bool steadyMarks = false; // a mark that would blink is drawn steady and thicker
    bool narrate = false;     // each explanation spoken in the run's language
};
extern AccessOptions CurrentAccess;

} // namespace kelvora
