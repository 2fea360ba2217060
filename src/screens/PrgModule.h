#pragma once

#include <QString>

namespace kelvora {

class Screen;

// The four services every lesson screen calls.

// Advances the run's explanation cursor, then shows that line of the language
// file in the screen's "Explain" label.
void ShowNextExplanation(Screen &screen, const QString &languageNumber);

// Opens the next screen (loading it, so it reads its line first), then unloads the current one.
void GoToScreen(Screen &current, Screen &next);

// Plays "Sounds\<cue>.wav" in the screen's run and returns when it has ended.
void PlayCue(const Screen &screen, const QString &cueName);

// Captions of Next, Exit and the continue label in the language; hides Next and
// read-more and widens Exit to the left, whatever the language.
void LocalizeScreen(Screen &screen, int languageCode);

} // namespace kelvora
