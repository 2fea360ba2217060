#include "CourseShelf.h"

#include "course/CourseLoader.h"
#include "platform/RuntimeError.h"
#include "record/XapiStatements.h"

#include <QDir>

namespace kelvora {

namespace {
QString idOf(const Course &course)
{
    // A course without an id of its own is named in records by its title, as the trainer names it.
    return course.id.isEmpty() ? xapi::courseId(course.title) : course.id;
}
} // namespace

CourseShelf::CourseShelf(const QStringList &files, const QString &contentFolder, QStringList *problems)
    : m_contentFolder(contentFolder)
{
    QStringList candidates = files;
    candidates << BuiltInCourseFile;
    if (!contentFolder.isEmpty()) {
        const QDir courses(QDir(contentFolder).filePath(QStringLiteral("courses")));
        for (const QString &name : courses.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString file = courses.filePath(name + QStringLiteral("/course.json"));
            if (QFileInfo(file).isFile())
                candidates << file;
        }
    }
    for (const QString &file : candidates) {
        try {
            m_courses.push_back(loadCourse(file));
            if (files.contains(file))
                m_givenIds << idOf(m_courses.back());
        } catch (const RuntimeError &error) {
            // Only the courses asked for are worth a word; an installed one that fails is simply not used.
            if (files.contains(file))
                *problems << error.message();
        }
    }
}

const Course *CourseShelf::find(const QString &courseId) const
{
    for (const Course &course : m_courses) {
        if (idOf(course) == courseId)
            return &course;
    }
    // Until the trainer has read the course, a run names it by its folder; a run that ends before that keeps it.
    for (const Course &course : m_courses) {
        if (course.id.isEmpty() && xapi::courseId(QFileInfo(course.folder).fileName()) == courseId)
            return &course;
    }
    return nullptr;
}

QString CourseShelf::folderOf(const Course &course) const
{
    // The built-in course lies inside the program; its photographs in the content folder.
    return course.folder.startsWith(QLatin1Char(':')) ? m_contentFolder : course.folder;
}

int CourseShelf::screenNumber(const Course &course, const QString &screenId, const QString &screenName)
{
    const QString last = screenId.section(QLatin1Char('/'), -1);
    bool ok = false;
    const int number = last.toInt(&ok);
    if (ok && number >= 1 && number <= course.lessonCount())
        return number;
    for (int n = 1; n <= course.lessonCount(); ++n) {
        // An author's course names its screens in records by the author's ids.
        if (const SourceScreen *source = course.source.screen(n); source && source->id == last)
            return n;
        const LessonDesign &design = course.screens[size_t(n - 1)];
        if (design.name == last || (!screenName.isEmpty() && design.name == screenName))
            return n;
    }
    return 0;
}

} // namespace kelvora
