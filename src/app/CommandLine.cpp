#include "CommandLine.h"

#include "record/ClassroomSettings.h"
#include "record/RecordOptions.h"

#include <QCommandLineParser>
#include <utility>
#include <cstdio>

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
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("KELVORA start-up trainer: the cockpit start-up procedure, screen by screen."));
    // Not addHelpOption(): it also offers Qt's own options, which the trainer does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
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
    parser.addOption(author);
    parser.addOption(mode);
    parser.addOption(screen);
    QList<QCommandLineOption> values;
    for (const ValueOption &option : ValueOptions) {
        values.append(QCommandLineOption(QLatin1String(option.name), QLatin1String(option.description),
                                         QLatin1String(option.valueName)));
        parser.addOption(values.last());
    }

    if (!parser.parse(arguments))
        return stop(2, {}, QStringLiteral("%1: %2 Try --help.").arg(ProgramName, parser.errorText()));
    // One course file may come without --course: a file manager opens a course so.
    const QStringList positional = parser.positionalArguments();
    const bool courseTwice = !positional.isEmpty() && parser.isSet(QStringLiteral("course"));
    if (positional.size() > 1 || courseTwice)
        return stop(2, {},
                    QStringLiteral("%1: unexpected argument '%2'. Try --help.")
                        .arg(ProgramName, positional.constLast()));
    if (parser.isSet(help)) {
        // The usage line names the program, however it was started.
        const QString text = parser.helpText();
        const QStringList settingsFiles = ClassroomSettings::files();
        return stop(0, QStringLiteral("Usage: %1 [options]").arg(ProgramName) + text.mid(text.indexOf(QLatin1Char('\n'))) +
                           QStringLiteral("\nA run is recorded when --trainee, --record or --mode check is given, or when "
                                          "the settings file turns records on:\n  %1, else\n  %2\n")
                               .arg(settingsFiles.at(0), settingsFiles.at(1)));
    }
    if (parser.isSet(version))
        return stop(0, QStringLiteral("%1 %2\n").arg(ProgramName, QStringLiteral(KELVORA_VERSION)));

    CommandLine line;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (parser.isSet(values.at(i)))
            line.options.*ValueOptions[i].member = parser.value(values.at(i));
    }
    if (!positional.isEmpty())
        line.options.courseFile = positional.constFirst();
    line.options.author = parser.isSet(author);
    if (parser.isSet(mode)) {
        const QString named = parser.value(mode);
        line.options.mode = modeNamed(named);
        if (!line.options.mode)
            return stop(2, {}, QStringLiteral("%1: unknown mode '%2' (guided or check). Try --help.").arg(ProgramName, named));
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
    if (!output.isEmpty())
        std::fputs(qPrintable(output), stdout);
    if (!error.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return exitStatus;
}

} // namespace kelvora
