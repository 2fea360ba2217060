#pragma once

#include "AuthorCourse.h"

#include <QJsonObject>

namespace kelvora {

// Reads the author's course from the file's JSON object: every field of the right type, no field the format
// does not have, the course id an IRI. Throws RuntimeError (invalid course) naming the file, the place
// ("screen prestart, step battery, field target") and the reason. What a course must also be to run (ids,
// files, targets on their photographs ...) is the validation's (AuthorValidation.h), so an editor can open a
// course still being written.
AuthorCourse readAuthorCourse(const QJsonObject &root, const QString &file);

// From a file: readAuthorsCourse() (CourseLoader.h), which chooses the reader by the file's "format".

} // namespace kelvora
