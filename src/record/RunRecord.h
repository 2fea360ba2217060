#pragma once

#include "screens/RunResult.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QPointF>
#include <QString>
#include <QStringList>

namespace kelvora {

inline constexpr double DefaultPassMark = 0.8;

// One click step: from the moment it became active to the press that took it.
struct StepRecord {
    int step = 0; // 1-based order on its screen
    QString mark;
    QString id; // the author's id of the step; empty where the course has none (its place names it)
    QDateTime active;
    QDateTime hit; // null while not taken
    QList<QPointF> misses; // presses outside any active mark, in design coordinates
    int hints = 0;

    qint64 durationMs() const { return hit.isValid() ? active.msecsTo(hit) : 0; }
    bool clean() const { return hit.isValid() && misses.isEmpty() && hints == 0; }
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
    QString courseId;         // an IRI
    QString course;           // its title
    QStringList screenNames;  // by screen, screen 1 first; an empty name is "Screen n"
    // Where the course is the author's: its title and its screens' ids and titles in each of its languages
    // (by tag). Empty otherwise: screens are named by their place, in the run's language.
    QMap<QString, QString> courseTitles;
    QStringList screenIds;
    QList<QMap<QString, QString>> screenTitles;
    QString homePage;         // of the trainees' accounts
    QString language; // the course's tag of the chosen language ("en"); empty before one is chosen or without a tag
    QString trainee;
    QString mode;     // "guided" or "check"
    QDateTime start;
    QDateTime end;
    RunResult result;
    QList<ScreenRecord> screens;
    double passMark = DefaultPassMark; // the share of clean steps a check run needs to pass

    qint64 durationMs() const { return start.msecsTo(end); }
    int misses() const;
    int hints() const;
    // Steps pressed right without a miss or a hint, and all steps the run met.
    int cleanSteps() const;
    int stepCount() const;
    // cleanSteps() / stepCount(); 0 for a run that met no step.
    double score() const;
    // Only a check run that reached the end can pass: a run left early has no score of the whole course.
    bool passed() const;
};

} // namespace kelvora
