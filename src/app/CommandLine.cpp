#include "CommandLine.h"

#include "record/ClassroomSettings.h"
#include "platform/ProgramOptions.h"
#include "record/RecordOptions.h"

#include <QCommandLineParser>
#include <utility>

namespace kelvora {

namespace {
const QString ProgramName = QStringLiteral("kelvora-trainer");

// An option that takes one value and stores it in a member of the options.
struct ValueOption {
    const char *name;
    const char *valueName;
    const char *description;
    QString CommandLineOptions::*member;
};

// clang-format off
const ValueOption ValueOptions[] = {
    {"content", "DIR", "Read images/, Sounds/ and Lang1-3.txt from DIR.", &CommandLineOptions::contentFolder},
    {"course", "FILE", "Run the course FILE; its folder holds its images/, Sounds/ and language files.",
     &CommandLineOptions::courseFile},
    {"trainee", "NAME", "Record the run under the trainee's NAME.", &CommandLineOptions::trainee},
    {"record", "FILE", "Record the run into FILE (replaced whole) instead of a new file in the records folder.",
     &CommandLineOptions::recordFile},
    {"language", "TAG", "Teach in the course's language of the tag TAG (with --screen; without it, chosen on the start screen).",
     &CommandLineOptions::languageTag},
};
// An option without a value that turns on one way of following a lesson.
struct AccessFlag {
    const char *name;
    const char *description;
    bool AccessOptions::*member;
};

const AccessFlag AccessFlags[] = {
    {"keyboard", "Operate the lessons from the keyboard: Tab moves among the places to press, then Continue and "
                 "Exit; Space or Enter presses.", &AccessOptions::keyboard},
    {"steady-marks", "Show the marks steady, with a thicker outline, instead of blinking.", &AccessOptions::steadyMarks},
    {"narrate", "Speak each explanation in the run's language; N repeats it.", &AccessOptions::narrate},
    {"captions", "Show what each sound is on a caption line under the explanation.", &AccessOptions::captions},
};
// clang-format on

CommandLine stop(int status, QString output, QString error = {})
{
    CommandLine line;
    line.run = false;
    line.exitStatus = status;
    line.output = std::move(output);
    line.error = std::move(error);
    return line;
}
} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    ProgramOptions programOptions(ProgramName, QStringLiteral("KELVORA start-up trainer: the cockpit start-up procedure, screen by screen."));
    QCommandLineParser &parser = programOptions.parser();
    const QCommandLineOption author(QStringLiteral("author"),
                                    QStringLiteral("Show every mark's rectangle and name, and the pointer's position "
                                                   "in the caption."));
    const QCommandLineOption mode(QStringLiteral("mode"),
                                  QStringLiteral("guided: the marks show where to press (default); check: the trainee "
                                                 "finds the places, H or three misses show the mark, the results "
                                                 "follow the last screen, and the run is recorded."),
                                  QStringLiteral("guided|check"));
    const QCommandLineOption screen(QStringLiteral("screen"),
                                    QStringLiteral("Start the course at lesson screen N, without the start screen."),
                                    QStringLiteral("N"));
    const QCommandLineOption passMark(QStringLiteral("pass-mark"),
                                      QStringLiteral("The share of steps a check run must press right without a miss "
                                                     "or hint to pass, 0 to 1 (default 0.8, or the settings' passMark)."),
                                      QStringLiteral("X"));
    parser.addOption(author);
    parser.addOption(mode);
    parser.addOption(screen);
    parser.addOption(passMark);
    QList<QCommandLineOption> flags;
    for (const AccessFlag &flag : AccessFlags) {
        flags.append(QCommandLineOption(QLatin1String(flag.name), QLatin1String(flag.description)));
        parser.addOption(flags.last());
    }
    QList<QCommandLineOption> values;
    for (const ValueOption &option : ValueOptions) {
        values.append(QCommandLineOption(QLatin1String(option.name), QLatin1String(option.description),
                                         QLatin1String(option.valueName)));
        parser.addOption(values.last());
    }
    programOptions.setHelpEnding(QStringLiteral("\nA run is recorded when --trainee, --record or --mode check is given, or "
                                                "when the settings turn records on.\n") +
                                 ClassroomSettings::filesHelp());

    if (const std::optional<ProgramStop> stopped = programOptions.read(arguments))
        return stop(stopped->status, stopped->output, stopped->error);
    // One course file may come without --course: a file manager opens a course so.
    const QStringList positional = parser.positionalArguments();
    const bool courseTwice = !positional.isEmpty() && parser.isSet(QStringLiteral("course"));
    if (positional.size() > 1 || courseTwice)
        return stop(2, {},
                    QStringLiteral("%1: unexpected argument '%2'. Try --help.")
                        .arg(ProgramName, positional.constLast()));

    CommandLine line;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (parser.isSet(values.at(i)))
            line.options.*ValueOptions[i].member = parser.value(values.at(i));
    }
    if (!positional.isEmpty())
        line.options.courseFile = positional.constFirst();
    for (qsizetype i = 0; i < flags.size(); ++i)
        line.options.access.*AccessFlags[i].member = parser.isSet(flags.at(i));
    line.options.author = parser.isSet(author);
    if (parser.isSet(mode)) {
        const QString named = parser.value(mode);
        line.options.mode = modeNamed(named);
        if (!line.options.mode)
            return stop(2, {}, QStringLiteral("%1: unknown mode '%2' (guided or check). Try --help.").arg(ProgramName, named));
    }
    if (parser.isSet(passMark)) {
        line.options.passMark = passMarkNamed(parser.value(passMark));
        if (!line.options.passMark)
            return stop(2, {}, QStringLiteral("%1: the pass mark '%2' is not a number from 0 to 1. Try --help.")
                                   .arg(ProgramName, parser.value(passMark)));
    }
    if (parser.isSet(screen)) {
        bool number = false;
        line.options.startScreen = parser.value(screen).toInt(&number);
        if (!number || line.options.startScreen < 1)
            return stop(2, {},
                        QStringLiteral("%1: --screen takes a screen number from 1, not '%2'. Try --help.")
                            .arg(ProgramName, parser.value(screen)));
    }
    return line;
}

CommandLine CommandLine::parse(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return parse(arguments);
}

int CommandLine::finish() const
{
    return ProgramStop{exitStatus, output, error}.print();
}

} // namespace kelvora
