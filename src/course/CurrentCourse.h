#pragma once

#include "Course.h"

namespace kelvora {

// The course the run teaches: the built-in start-up course unless another was set.
// Reading the built-in course throws RuntimeError (invalid course) if it is broken.
const Course &currentCourse();
void setCurrentCourse(Course course);

// Reads a course from disk and makes it the run's: its folder becomes the
// content folder and the folder of its language files.
// Throws RuntimeError (invalid course), a file it names missing included,
// before anything changes.
void useCourseFile(const QString &file);

} // namespace kelvora
