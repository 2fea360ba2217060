#include "ContentCheck.h"
#include "CourseCheck.h"
#include "LessonFlow.h"
#include "course/CourseLoader.h"
#include "platform/RuntimeError.h"

#include <QGuiApplication>
#include <QTextStream>

using namespace kelvora;

namespace {
// The built-in course, whose content and language files lie in two folders.
QStringList checkBuiltInCourse(const QString &contentFolder, const QString &programFolder, int &filesChecked)
{
    const Course course = loadCourse(BuiltInCourseFile);
    ContentCheck check(contentFolder, programFolder, course);
    QStringList lines;
    for (const ContentProblem &problem : check.run())
        lines << problem.toString();
    for (const CourseFinding &finding : lessonFlowFindings(course))
        lines << finding.toString();
    filesChecked = check.filesChecked();
    return lines;
}
} // namespace

int main(int argc, char **argv)
{
    // Only font metrics are needed: no window, no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: kelvora-content-check CONTENTDIR PROGRAMDIR\n"
               "       kelvora-content-check --course FILE\n"
               "  the first checks the built-in course: CONTENTDIR holds images/ and Sounds/, PROGRAMDIR the language\n"
               "  files; the second a course file, whose folder holds its content (and, in format 1, its language files)\n";
        return 2;
    }

    QStringList problems;
    int filesChecked = 0;
    if (args.at(1) == QLatin1String("--course")) {
        CourseCheck check(args.at(2));
        for (const CourseFinding &finding : check.run())
            problems << finding.toString();
        filesChecked = check.filesChecked();
    } else {
        try {
            problems = checkBuiltInCourse(args.at(1), args.at(2), filesChecked);
        } catch (const RuntimeError &error) {
            err << error.message() << '\n';
            return 1;
        }
    }
    for (const QString &problem : problems)
        out << problem << '\n';
    out << QStringLiteral("kelvora-content-check: %1 files checked, %2\n")
               .arg(filesChecked)
               .arg(problems.isEmpty() ? QStringLiteral("no problems") : QStringLiteral("%1 problem(s)").arg(problems.size()));
    return problems.isEmpty() ? 0 : 1;
}
