#pragma once

namespace kelvora {

class Screen;

// A new, not yet loaded lesson screen of that number (1 to 18), or nullptr where
// the chain has no such screen.
Screen *createLessonScreen(int number);

} // namespace kelvora
