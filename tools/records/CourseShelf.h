#pragma once

#include "course/Course.h"

#include <QStringList>
#include <vector>

namespace kelvora {

// The courses a report may take photographs and targets from: those given, the
// built-in course, and the courses installed beside the content; found by id.
class CourseShelf {
public:
    // Courses that do not load are named in problems and passed over.
    CourseShelf(const QStringList &files, const QString &contentFolder, QStringList *problems);

    const Course *find(const QString &courseId) const;
    // The ids of the courses given, in the order given.
    const QStringList &givenIds() const { return m_givenIds; }
    // Where the course's photographs lie.
    QString folderOf(const Course &course) const;
    // The course's screen (1 first) that the statements name by id and name; 0 if none is.
    static int screenNumber(const Course &course, const QString &screenId, const QString &screenName);

private:
    std::vector<Course> m_courses;
    QString m_contentFolder;
    QStringList m_givenIds;
};

} // namespace kelvora
