#pragma once

#include "screens/RunResult.h"

#include <QDateTime>
#include <QList>
#include <QPointF>
#include <QString>

namespace kelvora {

// One click step: from the moment it became active to the press that took it.
struct StepRecord {
    int step = 0; // 1-based order on its screen
    QString mark;
    QDateTime active;
    QDateTime hit; // null while not taken
    QList<QPointF> misses; // presses outside any active mark, in design coordinates
    int hints = 0;

    qint64 durationMs() const { return hit.isValid() ? active.msecsTo(hit) : 0; }
};

struct ScreenRecord {
    int screen = 0;
    QDateTime shown;
    QDateTime left;
    QList<StepRecord> steps;

    qint64 durationMs() const { return shown.msecsTo(left); }
    int misses() const;
    int hints() const;
};

struct RunRecord {
    QString course;
    QString language; // the course's tag of the chosen language ("en"); empty before one is chosen or without a tag
    QString trainee;
    QString mode;     // "guided" or "check"
    QDateTime start;
    QDateTime end;
    RunResult result;
    QList<ScreenRecord> screens;

    qint64 durationMs() const { return start.msecsTo(end); }
    int misses() const;
    int hints() const;
};

} // namespace kelvora
