#pragma once

#include "Course.h"

namespace kelvora {

// The course built into the trainer: the start-up procedure.
inline const QString BuiltInCourseFile = QStringLiteral(":/courses/startup/course.json");

// Reads and checks a course file. Throws RuntimeError (invalid course) naming
// the file, the place in it (screen, control, field) and the reason: a missing
// or unreadable file, bad JSON, an unknown field or kind, a step or action
// naming a mark or timer the screen does not have, a rectangle outside the
// window, a name used twice.
Course loadCourse(const QString &file);

} // namespace kelvora
