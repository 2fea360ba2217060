#pragma once

#include <QString>

namespace kelvora {

// How a run ended: the last screen finished, left on a screen (Exit, a signal,
// the window closed), or stopped by a run-time error.
struct RunResult {
    enum class Kind { Completed, Left, Error };
    Kind kind = Kind::Left;
    int screen = 0; // the last screen shown; 0 is the start screen
    QString message = {};
    QString language = {}; // the tag of the run's language, empty when none was chosen
    int startedAt = 1; // the lesson screen the run started at

    static RunResult completed() { return {.kind = Kind::Completed}; }
    static RunResult left() { return {.kind = Kind::Left}; }
    static RunResult error(const QString &message) { return {.kind = Kind::Error, .message = message}; }

    // The last screen finished in a run that started at the first: a run started
    // further on (a check of one screen) reached the end without being completed.
    bool completedWhole() const { return kind == Kind::Completed && startedAt <= 1; }

    // "completed", "finished, started at screen 18", "left at screen 5", "error: <message>"
    QString text() const;
};

} // namespace kelvora
