#include "ContentCheck.h"
#include "course/CourseLoader.h"
#include "platform/RuntimeError.h"

#include <QGuiApplication>
#include <QTextStream>

using namespace kelvora;

int main(int argc, char **argv)
{
    // Only font metrics are needed: no window, no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    const bool ownCourse = args.size() == 3 && args.at(1) == QLatin1String("--course");
    if (args.size() != 3) {
        err << "usage: kelvora-content-check CONTENTDIR PROGRAMDIR\n"
               "       kelvora-content-check --course FILE\n"
               "  the first checks the built-in course: CONTENTDIR holds images/ and Sounds/, PROGRAMDIR the language\n"
               "  files; the second a course file, whose folder holds its content and its language files\n";
        return 2;
    }

    Course course;
    try {
        course = loadCourse(ownCourse ? args.at(2) : BuiltInCourseFile);
    } catch (const RuntimeError &error) {
        err << error.message() << '\n';
        return 1;
    }
    const QString contentFolder = ownCourse ? course.folder : args.at(1);
    ContentCheck check(contentFolder, ownCourse ? course.folder : args.at(2), course);
    const QList<ContentProblem> problems = check.run();
    for (const ContentProblem &problem : problems)
        out << problem.toString() << '\n';
    out << QStringLiteral("kelvora-content-check: %1 files checked, %2\n")
               .arg(check.filesChecked())
               .arg(problems.isEmpty() ? QStringLiteral("no problems") : QStringLiteral("%1 problem(s)").arg(problems.size()));
    return problems.isEmpty() ? 0 : 1;
}
