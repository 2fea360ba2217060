#pragma once

#include "AuthorCourse.h"
#include "course/Course.h"

namespace kelvora {

// Compiles the author's course into the lesson design the engine runs, and keeps the source map
// (Course::source) from every generated mark and timer back to the author's screen, step, group or
// sequence. Step n of a screen is taken on a mark while its timer runs, and each step's press starts the
// next step's timer; the point-at groups, the sequence's watch and the throttle's steps follow. The texts
// become the course's table of explanation lines in the order the run reads them. Targets are placed by
// their photograph's size (a photograph not there yet counts as page-sized) and kept on the photograph.
// Expects a course the validation passed; throws RuntimeError (invalid course) naming the place otherwise.
Course compileAuthorCourse(const AuthorCourse &course);

// The trainer's loading of an author's course: read, validated (the first refusal thrown, naming the file
// and the place) and compiled.
Course loadAuthorCourse(const QJsonObject &root, const QString &file);

} // namespace kelvora
