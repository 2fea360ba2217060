#include "RecordOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace kelvora {

QList<QCommandLineOption> recordCommandLineOptions()
{
    return {
        {QStringLiteral("trainee"), QStringLiteral("The trainee's name in the run's record (default: the login name)."),
         QStringLiteral("name")},
        {QStringLiteral("mode"),
         QStringLiteral("guided: marks show where to press (default); check: the trainee finds the places, "
                        "H or three misses show the mark, and the results follow the last screen."),
         QStringLiteral("guided|check"), QStringLiteral("guided")},
        {QStringLiteral("record"), QStringLiteral("Write the run's record to this file instead of the records folder."),
         QStringLiteral("file")},
    };
}

bool readRecordOptions(const QCommandLineParser &parser, RecordOptions *options, QString *error)
{
    const QString mode = parser.value(QStringLiteral("mode"));
    if (mode == modeName(RunMode::Guided)) {
        options->mode = RunMode::Guided;
    } else if (mode == modeName(RunMode::Check)) {
        options->mode = RunMode::Check;
    } else {
        *error = QStringLiteral("unknown mode \"%1\" (guided or check)").arg(mode);
        return false;
    }
    options->trainee = parser.isSet(QStringLiteral("trainee")) ? parser.value(QStringLiteral("trainee")) : loginName();
    options->recordFile = parser.value(QStringLiteral("record"));
    return true;
}

RecordOptions parseRecordOptions(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.addOptions(recordCommandLineOptions());
    parser.process(app);
    RecordOptions options;
    QString error;
    if (!readRecordOptions(parser, &options, &error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(error));
        std::exit(1);
    }
    return options;
}

QString modeName(RunMode mode)
{
    return mode == RunMode::Check ? QStringLiteral("check") : QStringLiteral("guided");
}

QString loginName()
{
    for (const char *variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("unknown");
}

} // namespace kelvora
