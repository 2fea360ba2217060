#include "CourseDocument.h"

#include "ToolError.h"
#include "course/CourseJson.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>

namespace kelvora {

QJsonObject readCourseDocument(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        throw ToolError(QStringLiteral("%1: cannot be read: %2").arg(file, in.errorString()));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(in.readAll(), &error);
    if (document.isNull())
        throw ToolError(QStringLiteral("%1: at byte %2: %3").arg(file).arg(error.offset).arg(error.errorString()));
    if (!document.isObject())
        throw ToolError(QStringLiteral("%1: is not a JSON object").arg(file));
    return document.object();
}

void writeCourseDocument(const QString &file, const QJsonObject &course)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(canonicalCourseJson(course)) < 0 || !out.commit())
        throw ToolError(QStringLiteral("%1: cannot be written: %2").arg(file, out.errorString()));
}

} // namespace kelvora
