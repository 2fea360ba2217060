#include "ContentCheck.h"
#include "CourseCheck.h"
#include "LessonFlow.h"
#include "course/CourseLoader.h"
#include "platform/ProgramOptions.h"
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
    ProgramOptions options(
        QStringLiteral("kelvora-content-check"),
        QStringLiteral("Checks a course and its content before a trainee sees it.\n"
                       "  kelvora-content-check CONTENTDIR PROGRAMDIR: the built-in course; CONTENTDIR holds images/ and\n"
                       "    Sounds/, PROGRAMDIR the language files\n"
                       "  kelvora-content-check --course FILE: a course file, whose folder holds its content (and, in\n"
                       "    format 1, its language files)"),
        QStringLiteral("CONTENTDIR PROGRAMDIR | --course FILE"));
    const QCommandLineOption courseOption(QStringLiteral("course"), QStringLiteral("Check the course FILE."),
                                          QStringLiteral("FILE"));
    options.parser().addOption(courseOption);
    const QCommandLineOption keyboardOption(
        QStringLiteral("keyboard"), QStringLiteral("Also note targets without a label, for a course run from the keyboard."));
    options.parser().addOption(keyboardOption);
    if (const std::optional<ProgramStop> stopped = options.read(argc, argv))
        return stopped->print();
    const QStringList folders = options.parser().positionalArguments();
    const bool courseFile = options.parser().isSet(courseOption);
    if (folders.size() != (courseFile ? 0 : 2))
        return options.usageError(courseFile ? QStringLiteral("--course takes no folders.")
                                             : QStringLiteral("give CONTENTDIR and PROGRAMDIR, or --course FILE."))
            .print();

    // Only font metrics are needed: no window, no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList problems;
    QStringList notes;
    int filesChecked = 0;
    if (courseFile) {
        CourseCheck check(options.parser().value(courseOption));
        check.setKeyboard(options.parser().isSet(keyboardOption));
        for (const CourseFinding &finding : check.run())
            (finding.note ? notes : problems) << finding.toString();
        filesChecked = check.filesChecked();
    } else {
        try {
            problems = checkBuiltInCourse(folders.at(0), folders.at(1), filesChecked);
        } catch (const RuntimeError &error) {
            err << error.message() << '\n';
            return 1;
        }
    }
    for (const QString &problem : problems + notes)
        out << problem << '\n';
    out << QStringLiteral("kelvora-content-check: %1 files checked, %2\n")
               .arg(filesChecked)
               .arg(problems.isEmpty() ? QStringLiteral("no problems") : QStringLiteral("%1 problem(s)").arg(problems.size()));
    return problems.isEmpty() ? 0 : 1;
}
