#include "CourseOptions.h"

#include "course/CurrentCourse.h"
#include "screens/AuthorView.h"

#include <QCommandLineParser>

namespace kelvora {

namespace {
const QString CourseOption = QStringLiteral("course");
const QString AuthorOption = QStringLiteral("author");
} // namespace

void CourseOptions::addTo(QCommandLineParser &parser)
{
    parser.addOption({CourseOption,
                      QStringLiteral("Runs the course FILE; its folder holds images/, Sounds/ and the language files."),
                      QStringLiteral("FILE")});
    parser.addOption({AuthorOption, QStringLiteral("Shows every mark's rectangle and name, and the pointer's position "
                                                   "in the caption.")});
}

CourseOptions CourseOptions::from(const QCommandLineParser &parser)
{
    return {parser.value(CourseOption), parser.isSet(AuthorOption)};
}

void CourseOptions::apply() const
{
    if (!courseFile.isEmpty())
        useCourseFile(courseFile);
    else
        currentCourse(); // a broken built-in course is reported before any window opens too
    setAuthorMode(author);
}

} // namespace kelvora
