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

} // namespace kelvora
