#pragma once

#include "content/ContentPicture.h"

#include <QList>

namespace kelvora {

class Run;
class Screen;

// A new, not yet loaded lesson screen of that number (1 to the run's course's
// count) for the run, or nullptr where the course has no such screen.
Screen *createLessonScreen(Run &run, int number);

// The pictures lesson screen number shows as it opens, fitted as it shows
// them, to be read ahead; none where the course has no such screen.
QList<PictureShown> openingPictures(const Run &run, int number);

} // namespace kelvora
