#pragma once

#include "AuthorCourse.h"

#include <QByteArray>
#include <QJsonObject>

namespace kelvora {

// The author's course as the file's JSON object, "format" first among its fields.
QJsonObject authorCourseJson(const AuthorCourse &course);

// The course in its one written form (CourseJson.h): reading a file written so and writing it again gives
// the same bytes.
QByteArray writeAuthorCourse(const AuthorCourse &course);

// Writes the course to its file whole or not at all, the old file kept on failure. Returns "" or the
// reason, naming the file.
QString saveAuthorCourse(const AuthorCourse &course, const QString &file);

} // namespace kelvora
