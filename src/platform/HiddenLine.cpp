#include "HiddenLine.h"

#include <QtGlobal>

#include <cstdio>
#include <string>

#ifdef Q_OS_UNIX
#include <termios.h>
#include <unistd.h>
#endif

namespace kelvora {

std::optional<QString> readHiddenLine(const QString &prompt)
{
#ifdef Q_OS_UNIX
    const bool terminal = ::isatty(STDIN_FILENO) == 1;
    termios saved = {};
    if (terminal && ::tcgetattr(STDIN_FILENO, &saved) == 0) {
        std::fputs(qPrintable(prompt), stderr);
        std::fflush(stderr);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    struct Restore {
        bool on;
        const termios &saved;
        ~Restore()
        {
            if (on)
                ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        }
    } restore{terminal, saved};
#else
    Q_UNUSED(prompt);
#endif
    std::string line;
    int c = 0;
    while ((c = std::getchar()) != EOF && c != '\n')
        line.push_back(char(c));
    if (c == EOF && line.empty())
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromStdString(line);
}

} // namespace kelvora
