#pragma once

#include "Course.h"
#include "author/AuthorCourse.h"

#include <memory>

namespace kelvora {

// The course built into the trainer: the start-up procedure.
inline const QString BuiltInCourseFile = QStringLiteral(":/courses/startup/course.json");

// The largest course file a program reads: far above any real course, and a bound for whatever else is
// named as one.
inline constexpr qint64 MaxCourseFileBytes = 16 * 1024 * 1024;

// Reads and checks a course file. Throws RuntimeError (invalid course) naming
// the file, the place in it (screen, control, field) and the reason: a missing
// or unreadable file, bad JSON, an unknown field or kind, a step or action
// naming a mark or timer the screen does not have, a rectangle outside the
// window, a name used twice.
Course loadCourse(const QString &file);

// The author's course the file holds, read but not validated (what the checker and the editor take), or null
// where the file holds a lesson design. Throws RuntimeError (invalid course) as loadCourse.
std::shared_ptr<AuthorCourse> readAuthorsCourse(const QString &file);

} // namespace kelvora
