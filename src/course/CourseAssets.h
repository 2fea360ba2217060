#pragma once

#include "Course.h"
#include "content/PackFiles.h"

namespace kelvora {

// The content files a complete run of the course uses, screen by screen, the
// start screen first: pictures, the numbered photographs of timed sequences and
// press counters, cues and sounds. The quadrant's picture is expected at the
// inner size of its box.
QList<ScreenAssets> courseAssets(const Course &course);

// Every file the course's folder must hold, language files included.
QList<PackFile> coursePackFiles(const Course &course);

// Throws RuntimeError (invalid course) naming the first file the course names
// that its folder does not hold, and the screen that names it.
void checkCourseFiles(const Course &course);

} // namespace kelvora
