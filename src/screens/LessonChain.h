#pragma once

namespace kelvora {

class Screen;

// A new, not yet loaded lesson screen of that number (1 to the current course's
// count), or nullptr where the course has no such screen.
Screen *createLessonScreen(int number);

} // namespace kelvora
