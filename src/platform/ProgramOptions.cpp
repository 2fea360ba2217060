#include "ProgramOptions.h"

#include <cstdio>

namespace kelvora {

int ProgramStop::print() const
{
    if (!output.isEmpty())
        std::fputs(qPrintable(output), stdout);
    if (!error.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return status;
}

ProgramOptions::ProgramOptions(const QString &program, const QString &description, const QString &arguments)
    : m_program(program), m_arguments(arguments),
      m_help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")),
      m_version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version and exit."))
{
    m_parser.setApplicationDescription(description);
    // Not addHelpOption(): it also offers Qt's own options, which are not taken here.
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
}

std::optional<ProgramStop> ProgramOptions::read(const QStringList &arguments)
{
    if (!m_parser.parse(arguments))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(m_help)) {
        // The usage line names the program, however it was started.
        const QString text = m_parser.helpText();
        QString usage = QStringLiteral("Usage: %1 [options]").arg(m_program);
        if (!m_arguments.isEmpty())
            usage += u' ' + m_arguments;
        return ProgramStop{0, usage + text.mid(text.indexOf(u'\n')) + m_helpEnding, {}};
    }
    if (m_parser.isSet(m_version))
        return ProgramStop{0, QStringLiteral("%1 %2\n").arg(m_program, QStringLiteral(KELVORA_VERSION)), {}};
    return std::nullopt;
}

std::optional<ProgramStop> ProgramOptions::read(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return read(arguments);
}

ProgramStop ProgramOptions::usageError(const QString &message) const
{
    QString line = QStringLiteral("%1: %2").arg(m_program, message.simplified());
    if (!line.endsWith(u'.'))
        line += u'.';
    return ProgramStop{2, {}, line + QStringLiteral(" Try --help.")};
}

} // namespace kelvora
