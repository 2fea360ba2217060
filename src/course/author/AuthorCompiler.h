#pragma once

#include "AuthorCourse.h"
#include "course/Course.h"

namespace kelvora {

// The page's layout on every screen of an author's course: the explanation label with room for three rows, and
// the inset below it on the "left" or "right".
LessonLayout authorsLayout(const QString &insetPlace = QStringLiteral("left"));

// Compiles the author's course into the lesson design the engine runs, and keeps the source map
// (Course::source) from every generated mark and timer back to the author's screen, step, group or
// sequence. Step n of a screen is taken on a mark while its timer runs, and each step's press starts the
// next step's timer; the point-at groups, the sequence's watch and the throttle's steps follow. The texts
// become the course's table of explanation lines in the order the run reads them. Targets are placed by
// their photograph's size (a photograph not there yet counts as page-sized) and kept on the photograph.
// Expects a course the validation passed; throws RuntimeError (invalid course) naming the place otherwise.
Course compileAuthorCourse(const AuthorCourse &course);

// Loading an author's course: read, its rules validated (the first refusal thrown, naming the file and the
// place) and compiled, keeping the author's course (Course::author). Its files are the trainer's to check
// before it runs (checkCourseFiles), as the content generator writes them from the course.
Course loadAuthorCourse(const QJsonObject &root, const QString &file);

// "fuel-pump" or "fuel_pump" as a screen reader says a target without a label: "Fuel pump".
QString readableId(const QString &id);

// Throws RuntimeError (invalid course) with the first problem of the validation that the trainer refuses.
void refuseAuthorCourse(const AuthorCourse &course, bool rules, bool files);

} // namespace kelvora
