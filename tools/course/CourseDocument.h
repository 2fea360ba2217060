#pragma once

#include <QJsonObject>
#include <QString>

namespace kelvora {

// A course file as JSON. Both throw ToolError naming the file.
QJsonObject readCourseDocument(const QString &file);
// Writes the course's one written form; the file is replaced whole or not at all.
void writeCourseDocument(const QString &file, const QJsonObject &course);

} // namespace kelvora
