#include "ContactSheet.h"
#include "Storyboard.h"

#include "app/TrainerApplication.h"
#include "content/RegularFile.h"
#include "course/BuiltInTargetLabels.h"
#include "course/CourseAssets.h"
#include "course/CourseLoader.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgramOptions.h"
#include "platform/RuntimeError.h"
#include "screens/Run.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

using namespace kelvora;

namespace {
// One line per state: file, screen, state, the sounds asked for, the explanation on display.
QString writeIndex(const QString &path, const QList<StoryFrame> &frames)
{
    QString text = QStringLiteral("file\tscreen\tstate\tsounds\texplanation\n");
    for (const StoryFrame &frame : frames)
        text += frame.file + u'\t' + QString::number(frame.screen) + u'\t' + frame.state + u'\t' +
                frame.sounds.join(QStringLiteral(", ")) + u'\t' + frame.explanation + u'\n';
    return saveWholeFile(path, text.toUtf8());
}

QString writeHashes(const QString &path, const QList<StoryFrame> &frames)
{
    QString text;
    for (const StoryFrame &frame : frames)
        text += QString::fromLatin1(frame.pixelHash) + QStringLiteral("  ") + frame.file + u'\n';
    return saveWholeFile(path, text.toUtf8());
}
} // namespace

int main(int argc, char **argv)
{
    ProgramOptions options(QStringLiteral("kelvora-storyboard"),
                           QStringLiteral("Renders every state of every lesson screen of a course in one language to PNG "
                                          "files and a contact sheet."),
                           QStringLiteral("PROGRAMDIR OUTDIR | --course FILE OUTDIR"));
    QCommandLineParser &parser = options.parser();
    parser.addPositionalArgument(QStringLiteral("PROGRAMDIR"),
                                 QStringLiteral("the runnable folder: language files, images/, Sounds/ (not with --course)"));
    parser.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("where lang<N>/ and contact-sheet-lang<N>.png go"));
    parser.addOption({QStringLiteral("language"), QStringLiteral("the course's language N, 1 first"), QStringLiteral("N"), QStringLiteral("2")});
    parser.addOption({QStringLiteral("course"), QStringLiteral("a course file; its folder holds its content"), QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("author"), QStringLiteral("draws every mark's rectangle and name, as the trainer's --author")});
    parser.addOption({QStringLiteral("hashes"),
                      QStringLiteral("writes states.tsv and the SHA-256 of each state's pixels (pixels.sha256) instead of PNG files")});
    if (const std::optional<ProgramStop> stopped = options.read(argc, argv))
        return stopped->print();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TrainerApplication app(argc, argv);
    QTextStream err(stderr);
    Run run(Course{}, {.authorMode = parser.isSet(QStringLiteral("author"))});
    QStringList args = parser.positionalArguments();
    const bool ownCourse = parser.isSet(QStringLiteral("course"));
    try {
        if (ownCourse) {
            Course own = loadCourse(parser.value(QStringLiteral("course")));
            checkCourseFiles(own);
            run.useCourse(std::move(own));
            args.prepend(run.course().folder);
        } else {
            run.setCourse(loadBuiltInCourse());
        }
    } catch (const RuntimeError &error) {
        err << "kelvora-storyboard: " << error.message() << '\n';
        return 2;
    }
    const Course &course = run.course();
    const int language = parser.value(QStringLiteral("language")).toInt();
    if (args.size() != 2)
        return options.usageError(ownCourse ? QStringLiteral("give OUTDIR after --course FILE.")
                                            : QStringLiteral("give PROGRAMDIR and OUTDIR, or --course FILE and OUTDIR."))
            .print();
    if (language < 1 || language > int(course.languages.size()))
        return options.usageError(QStringLiteral("the course has no language '%1' (1 to %2).")
                                      .arg(parser.value(QStringLiteral("language")))
                                      .arg(course.languages.size()))
            .print();

    const QString programDir = QDir(args.at(0)).absolutePath();
    const QString outDir = QDir(args.at(1)).absolutePath();
    const QString framesDir = QDir(outDir).filePath(QStringLiteral("lang%1").arg(language));
    QDir(framesDir).removeRecursively(); // a count of PNG files must not include an earlier run's
    // As the trainer runs: language files from the program folder, pictures relative to the current directory.
    run.placeContent(programDir, programDir);
    if (!QDir::setCurrent(programDir)) {
        err << "kelvora-storyboard: no such folder: " << programDir << '\n';
        return 2;
    }
    run.language = language;

    QElapsedTimer clock;
    clock.start();
    const bool hashesOnly = parser.isSet(QStringLiteral("hashes"));
    Storyboard board(run, framesDir, !hashesOnly);
    QList<int> missing;
    const int lessonCount = course.lessonCount();
    for (int screen = 1; screen <= lessonCount; ++screen) {
        if (!board.renderScreen(screen))
            missing << screen;
    }
    const QList<StoryFrame> &frames = board.frames();
    const QString title = QStringLiteral("%1 storyboard · language %2 (%3) · %4 states of %5 screens")
                              .arg(course.title).arg(language).arg(course.languages[size_t(language - 1)].name).arg(frames.size()).arg(lessonCount - missing.size());
    const QString sheetPath = QDir(outDir).filePath(QStringLiteral("contact-sheet-lang%1.png").arg(language));
    QStringList errors = board.errors();
    const QString written = hashesOnly ? writeHashes(QDir(framesDir).filePath(QStringLiteral("pixels.sha256")), frames)
                                       : savePng(contactSheet(frames, title), sheetPath);
    for (const QString &error : {written, writeIndex(QDir(framesDir).filePath(QStringLiteral("states.tsv")), frames)}) {
        if (!error.isEmpty())
            errors << error;
    }

    for (const QString &error : errors)
        err << "kelvora-storyboard: " << error << '\n';
    for (int screen : missing)
        err << "kelvora-storyboard: screen " << screen << " is not in the lesson chain yet: skipped\n";
    QTextStream(stdout) << QStringLiteral("kelvora-storyboard: %1 states of %2 screens in %3 ms: %4, contact sheet %5\n")
                               .arg(frames.size()).arg(lessonCount - missing.size()).arg(clock.elapsed()).arg(framesDir, hashesOnly ? QStringLiteral("none") : sheetPath);
    return errors.isEmpty() ? 0 : 1;
}
