#pragma once

#include "app/RunState.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

class QCommandLineParser;
class QCoreApplication;

namespace kelvora {

// --trainee NAME, --mode guided|check, --record FILE
struct RecordOptions {
    RunMode mode = RunMode::Guided;
    QString trainee;    // the login name where none is given
    QString recordFile; // empty: a new file in the records folder
};

QList<QCommandLineOption> recordCommandLineOptions();
// From a parser that has the options above and has parsed the command line;
// false and the reason in error for a mode it does not know.
bool readRecordOptions(const QCommandLineParser &parser, RecordOptions *options, QString *error);
// Parses the program's command line for these options alone; a fault ends the
// program with a message and status 1, as QCommandLineParser does.
RecordOptions parseRecordOptions(const QCoreApplication &app);

QString modeName(RunMode mode);
QString loginName();

} // namespace kelvora
