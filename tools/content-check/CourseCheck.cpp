#include "CourseCheck.h"

#include "ContentCheck.h"
#include "Format2Check.h"
#include "LessonFlow.h"
#include "course/CourseLoader.h"
#include "course/author/AuthorCompiler.h"
#include "course/author/AuthorValidation.h"
#include "platform/RuntimeError.h"

#include <QFileInfo>

#include <optional>

namespace kelvora {

QString CourseFinding::toString() const
{
    const QString text = AuthorProblem{.screen = screen, .step = step, .language = language, .message = message}.toString();
    return note ? QStringLiteral("note: ") + text : text;
}

CourseCheck::CourseCheck(QString courseFile) : m_file(std::move(courseFile)) {}

QList<CourseFinding> CourseCheck::run()
{
    m_findings.clear();
    m_filesChecked = 1;
    std::shared_ptr<AuthorCourse> author;
    std::optional<Course> course;
    try {
        author = readAuthorsCourse(m_file);
        if (author)
            course = compileAuthorCourse(*author);
        else
            course = loadCourse(m_file);
    } catch (const RuntimeError &error) {
        // An author's course that reads but does not compile is still checked: the validation says why.
        if (!author)
            report(error.kind() == RuntimeError::Kind::BadCourse
                       ? QStringLiteral("%1: does not load: %2").arg(QFileInfo(m_file).fileName(), error.detail())
                       : error.message());
    }
    if (author) {
        Format2Check check(*author, course ? &*course : nullptr);
        check.setKeyboard(m_keyboard);
        m_findings << check.run();
        m_filesChecked += check.filesChecked();
    } else if (course) {
        const QString folder = QFileInfo(m_file).absolutePath();
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
