#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace kelvora {

// How a program ends without doing its work: its help or version on stdout
// with status 0, or a usage error as one line on stderr with status 2.
struct ProgramStop {
    int status = 0;
    QString output; // for stdout
    QString error;  // for stderr, one line

    // Prints the output or the error; returns the status.
    int print() const;
};

// What every program takes on its command line: -h/--help, -v/--version, and
// a one-line answer to anything it does not take. It needs no application
// object, so none of these needs a display. A program adds its own options
// and arguments to parser().
class ProgramOptions {
public:
    // `arguments` follows "Usage: PROGRAM [options]" in the help, e.g. "[COURSE]".
    ProgramOptions(const QString &program, const QString &description, const QString &arguments = {});

    QCommandLineParser &parser() { return m_parser; }
    const QCommandLineParser &parser() const { return m_parser; }
    const QString &program() const { return m_program; }
    // Said after the options in the help.
    void setHelpEnding(const QString &text) { m_helpEnding = text; }

    // Reads the arguments, the program's path first. Nothing when the program goes on.
    std::optional<ProgramStop> read(const QStringList &arguments);
    std::optional<ProgramStop> read(int argc, char **argv);

    // "PROGRAM: MESSAGE Try --help." with status 2.
    ProgramStop usageError(const QString &message) const;

private:
    QString m_program;
    QString m_arguments;
    QString m_helpEnding;
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
};

} // namespace kelvora
