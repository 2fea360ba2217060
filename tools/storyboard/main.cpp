#include "ContactSheet.h"
#include "Storyboard.h"

#include "app/RunState.h"
#include "app/TrainerApplication.h"
#include "platform/ProgramFolder.h"
#include "screens/LessonLayouts.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

using namespace kelvora;

namespace {
const char *const LanguageNames[] = {"", "Turkish", "English", "French"};

// One line per state: file, screen, state, the sounds asked for, the explanation on display.
bool writeIndex(const QString &path, const QList<StoryFrame> &frames)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "file\tscreen\tstate\tsounds\texplanation\n";
    for (const StoryFrame &frame : frames)
        out << frame.file << '\t' << frame.screen << '\t' << frame.state << '\t' << frame.sounds.join(QStringLiteral(", "))
            << '\t' << frame.explanation << '\n';
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TrainerApplication app(argc, argv);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Renders every state of every lesson screen in one language to PNG files and a contact sheet."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("PROGRAMDIR"), QStringLiteral("the runnable folder: language files, images/, Sounds/"));
    parser.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("where lang<N>/ and contact-sheet-lang<N>.png go"));
    parser.addOption({QStringLiteral("language"), QStringLiteral("1 Turkish, 2 English, 3 French"), QStringLiteral("N"), QStringLiteral("2")});
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    const int language = parser.value(QStringLiteral("language")).toInt();
    if (args.size() != 2 || language < 1 || language > 3)
        parser.showHelp(2);

    const QString programDir = QDir(args.at(0)).absolutePath();
    const QString outDir = QDir(args.at(1)).absolutePath();
    const QString framesDir = QDir(outDir).filePath(QStringLiteral("lang%1").arg(language));
    QDir(framesDir).removeRecursively(); // a count of PNG files must not include an earlier run's
    // As the trainer runs: language files from the program folder, pictures relative to the current directory.
    setProgramFolder(programDir);
    if (!QDir::setCurrent(programDir)) {
        err << "kelvora-storyboard: no such folder: " << programDir << '\n';
        return 2;
    }
    CurrentLanguage = language;

    QElapsedTimer clock;
    clock.start();
    Storyboard board(framesDir);
    QList<int> missing;
    for (int screen = 1; screen <= LessonCount; ++screen) {
        if (!board.renderScreen(screen))
            missing << screen;
    }
    const QList<StoryFrame> &frames = board.frames();
    const QString title = QStringLiteral("KELVORA storyboard · language %1 (%2) · %3 states of %4 screens")
                              .arg(language).arg(QLatin1String(LanguageNames[language])).arg(frames.size()).arg(LessonCount - missing.size());
    const QString sheetPath = QDir(outDir).filePath(QStringLiteral("contact-sheet-lang%1.png").arg(language));
    QStringList errors = board.errors();
    if (!contactSheet(frames, title).save(sheetPath))
        errors << QStringLiteral("could not write %1").arg(sheetPath);
    if (!writeIndex(QDir(framesDir).filePath(QStringLiteral("states.tsv")), frames))
        errors << QStringLiteral("could not write the index in %1").arg(framesDir);

    for (const QString &error : errors)
        err << "kelvora-storyboard: " << error << '\n';
    for (int screen : missing)
        err << "kelvora-storyboard: screen " << screen << " is not in the lesson chain yet: skipped\n";
    QTextStream(stdout) << QStringLiteral("kelvora-storyboard: %1 states of %2 screens in %3 ms: %4, contact sheet %5\n")
                               .arg(frames.size()).arg(LessonCount - missing.size()).arg(clock.elapsed()).arg(framesDir, sheetPath);
    return errors.isEmpty() ? 0 : 1;
}
