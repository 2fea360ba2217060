#pragma once

#include <QString>

namespace kelvora {

// How a run ended: the last screen finished, left on a screen (Exit, a signal,
// the window closed), or stopped by a run-time error.
struct RunResult {
    enum class Kind { Completed, Left, Error };
    Kind kind = Kind::Left;
    int screen = 0; // the last screen shown; 0 is the start screen
    QString message;

    static RunResult completed() { return {Kind::Completed, 0, {}}; }
    static RunResult left() { return {Kind::Left, 0, {}}; }
    static RunResult error(const QString &message) { return {Kind::Error, 0, message}; }

    // "completed", "left at screen 5", "error: <message>"
    QString text() const;
};

} // namespace kelvora
