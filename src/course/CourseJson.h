#pragma once

#include <QByteArray>
#include <QJsonObject>

namespace kelvora {

// A course file in its one written form: keys in the order an author reads
// them (texts in the order of the course's languages), two-space indents, and
// targets, text maps and short lists on one line. Writing what was read from
// such a file gives the same bytes, and an edit changes only the lines it
// touches, so a course under version control shows small diffs.
QByteArray canonicalCourseJson(const QJsonObject &course);

} // namespace kelvora
