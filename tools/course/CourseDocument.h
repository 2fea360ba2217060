#pragma once

#include "course/author/AuthorCourse.h"

#include <QString>

namespace kelvora {

// The author's course of a file, through the course's own reader. Throws ToolError naming the file: it is not
// a course of the author's (a lesson design keeps its texts in language files), or the reader refuses it.
AuthorCourse readCourseDocument(const QString &file);
// Writes the course's one written form, replaced whole or not at all, and only where the change makes no
// course the trainer would refuse of one it took: the validation of its rules finds nothing new since
// `before`, and the file is no larger than the trainer reads. Throws ToolError naming the file and the
// reason; the old file is kept.
void writeCourseDocument(const QString &file, const AuthorCourse &course, const AuthorCourse &before);

} // namespace kelvora
