#include "CourseDocument.h"

#include "ToolError.h"
#include "content/RegularFile.h"
#include "course/CourseJson.h"
#include "course/CourseLoader.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryFile>

namespace kelvora {

namespace {
// As the trainer bounds what it reads as a course.
constexpr qint64 MaxCourseBytes = 16 * 1024 * 1024;

// Why the trainer would refuse the course as file: its own loader on a copy beside it, so that
// the course's pictures and sounds are found where they are. Empty where it would run it.
QString trainerRefuses(const QString &file, const QByteArray &bytes)
{
    if (bytes.size() > MaxCourseBytes)
        return QStringLiteral("%1: would be larger than %2 bytes").arg(file).arg(MaxCourseBytes);
    QTemporaryFile copy(QFileInfo(file).absoluteDir().filePath(QStringLiteral(".check-XXXXXX.json")));
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush())
        throw ToolError(QStringLiteral("%1: not written (%2); nothing was replaced").arg(file, copy.errorString()));
    try {
        loadCourse(copy.fileName());
    } catch (const RuntimeError &error) {
        return error.message().replace(copy.fileName(), file);
    }
    return {};
}

QString loadProblem(const QString &file)
{
    try {
        loadCourse(file);
    } catch (const RuntimeError &error) {
        return error.message();
    }
    return {};
}
} // namespace

QJsonObject readCourseDocument(const QString &file)
{
    QString readError;
    const std::optional<QByteArray> bytes = readRegularFile(file, MaxCourseBytes, &readError);
    if (!bytes)
        throw ToolError(QStringLiteral("%1: %2").arg(file, readError));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
    if (document.isNull())
        throw ToolError(QStringLiteral("%1: at byte %2: %3").arg(file).arg(error.offset).arg(error.errorString()));
    if (!document.isObject())
        throw ToolError(QStringLiteral("%1: is not a JSON object").arg(file));
    return document.object();
}

void writeCourseDocument(const QString &file, const QJsonObject &course)
{
    const QByteArray bytes = canonicalCourseJson(course);
    // A course the trainer refuses is not written, unless it refused it as it was already.
    if (const QString refused = trainerRefuses(file, bytes); !refused.isEmpty() && refused != loadProblem(file))
        throw ToolError(QStringLiteral("%1: not written: the trainer would refuse it: %2").arg(file, refused));
    if (const QString error = saveWholeFile(file, bytes); !error.isEmpty())
        throw ToolError(error);
}

} // namespace kelvora
