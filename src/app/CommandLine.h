#pragma once

#include "screens/RunState.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kelvora {

// What the trainer was asked to do on its command line. A new option adds a
// member here and a row to the option table in CommandLine.cpp.
struct CommandLineOptions {
    QString contentFolder;          // --content DIR: the folder that holds images/, Sounds/ and Lang1-3.txt
    QString courseFile;             // --course FILE: the course to run; its folder holds its content
    bool author = false;            // --author: every mark's rectangle and name, the pointer's place
    std::optional<RunMode> mode;    // --mode guided|check: else the settings' mode, else guided
    QString trainee;                // --trainee NAME: empty to ask for it where the run is recorded
    QString recordFile;             // --record FILE: empty for a new file in the records folder
    int startScreen = 0;            // --screen N: start at lesson screen N, past the start screen; 0 for the start screen
    QString languageTag;            // --language TAG: the course's language of that tag; empty for its first
    std::optional<double> passMark; // --pass-mark X: else the settings' pass mark
    AccessOptions access;           // --keyboard, --steady-marks, --narrate, --captions: added to the settings'
};

// The outcome of reading the command line: either run with the options, or
// print a text (help, version or a one-line error) and end with a status.
struct CommandLine {
    bool run = true;
    CommandLineOptions options;
    QString output;     // for stdout (help, version)
    QString error;      // for stderr, one line
    int exitStatus = 0; // when not run: 0 for help and version, 2 for a usage error

    // Reads the arguments (the program name first). Needs no application object,
    // so --help and --version work without a display.
    static CommandLine parse(const QStringList &arguments);
    static CommandLine parse(int argc, char **argv);

    // Prints the output or the error; returns the exit status.
    int finish() const;
};

} // namespace kelvora
