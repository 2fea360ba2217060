#pragma once

#include "content/ContentPicture.h"

#include <QList>

namespace kelvora {

class Screen;

// A new, not yet loaded lesson screen of that number (1 to the current course's
// count), or nullptr where the course has no such screen.
Screen *createLessonScreen(int number);

// The pictures lesson screen number shows as it opens, fitted as it shows
// them, to be read ahead; none where the course has no such screen.
QList<PictureShown> openingPictures(int number);

} // namespace kelvora
