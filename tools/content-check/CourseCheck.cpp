#include "CourseCheck.h"

#include "content/RegularFile.h"

#include "ContentCheck.h"
#include "Format2Check.h"
#include "LessonFlow.h"
#include "course/CourseLoader.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>

namespace kelvora {

QString CourseFinding::toString() const
{
    QStringList parts;
    if (!language.isEmpty())
        parts << language;
    if (!screen.isEmpty())
        parts << (step.isEmpty() ? screen : screen + u'/' + step);
    parts << message;
    return parts.join(QStringLiteral(": "));
}

CourseCheck::CourseCheck(QString courseFile) : m_file(std::move(courseFile)) {}

QList<CourseFinding> CourseCheck::run()
{
    m_findings.clear();
    m_filesChecked = 1;
    // Only a regular file, of the size the trainer reads: a FIFO would hold the open for ever.
    QString readError;
    const std::optional<QByteArray> bytes = readRegularFile(m_file, 16 * 1024 * 1024, &readError);
    if (!bytes) {
        report(QStringLiteral("%1: cannot be read: %2").arg(m_file, readError));
        return m_findings;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
    if (!document.isObject()) {
        report(QStringLiteral("%1: does not decode as a course: %2").arg(m_file, document.isNull() ? QStringLiteral("at byte %1: %2").arg(error.offset).arg(error.errorString()) : QStringLiteral("not a JSON object")));
        return m_findings;
    }
    const QString folder = QFileInfo(m_file).absolutePath();
    std::optional<Course> course;
    try {
        course = loadCourse(m_file);
    } catch (const RuntimeError &error) {
        report(error.kind() == RuntimeError::Kind::BadCourse
                   ? QStringLiteral("%1: does not load: %2").arg(QFileInfo(m_file).fileName(), error.detail())
                   : error.message());
    }
    if (document.object().value(QStringLiteral("format")).toInt() == 2) {
        Format2Check check(document.object(), folder, course ? &*course : nullptr);
        m_findings << check.run();
        m_filesChecked += check.filesChecked();
    } else if (course) {
        ContentCheck check(folder, folder, *course);
        for (const ContentProblem &problem : check.run())
            report(problem.toString());
        m_filesChecked += check.filesChecked();
        m_findings << lessonFlowFindings(*course);
    }
    return m_findings;
}

void CourseCheck::report(const QString &message)
{
    m_findings.append({{}, {}, {}, message});
}

QList<CourseFinding> checkCourse(const QString &courseFile)
{
    return CourseCheck(courseFile).run();
}

} // namespace kelvora
