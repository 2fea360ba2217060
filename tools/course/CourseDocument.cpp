#include "CourseDocument.h"

#include "ToolError.h"
#include "course/CourseLoader.h"
#include "course/author/AuthorValidation.h"
#include "course/author/AuthorWriter.h"
#include "platform/RuntimeError.h"

namespace kelvora {

AuthorCourse readCourseDocument(const QString &file)
{
    try {
        const std::shared_ptr<AuthorCourse> course = readAuthorsCourse(file);
        if (!course)
            throw ToolError(QStringLiteral("%1: not an author's course (\"format\": 2): the texts of a lesson design are in "
                                           "its language files").arg(file));
        return *course;
    } catch (const RuntimeError &error) {
        throw ToolError(error.message());
    }
}

void writeCourseDocument(const QString &file, const AuthorCourse &course, const AuthorCourse &before)
{
    const AuthorValidationOptions rules{.rules = true, .files = false, .decodeFiles = false, .soundProblem = {}};
    QStringList known;
    for (const AuthorProblem &problem : validateAuthorCourse(before, rules))
        known << problem.toString();
    for (const AuthorProblem &problem : validateAuthorCourse(course, rules)) {
        if (problem.severity == AuthorProblem::Severity::Refused && !known.contains(problem.toString()))
            throw ToolError(QStringLiteral("%1: not written, the trainer would refuse it: %2").arg(file, problem.toString()));
    }
    if (writeAuthorCourse(course).size() > MaxCourseFileBytes)
        throw ToolError(QStringLiteral("%1: not written: it would be larger than %2 bytes, the most the trainer reads")
                            .arg(file).arg(MaxCourseFileBytes));
    if (const QString problem = saveAuthorCourse(course, file); !problem.isEmpty())
        throw ToolError(problem);
}

} // namespace kelvora
