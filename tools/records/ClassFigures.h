#pragma once

#include "RunReading.h"

#include <QMap>

#include <functional>

namespace kelvora {

// Five figures of a spread of times: least, quartiles, median, most.
struct Spread {
    qint64 least = 0, lower = 0, median = 0, upper = 0, most = 0;
    int count = 0;
    static Spread of(QList<qint64> values);
};

struct ScreenFigures {
    QString id;
    QString name;
    int number = 0; // the screen's place in the course, 1 first
    Spread time;
    QList<QPointF> misses;
};

struct StepFigures {
    QString id;
    QString name;
    QString screenId;
    int step = 0; // 1 first on its screen
    qint64 medianMs = 0; // to the right press, over the runs that pressed it
    int misses = 0;
    int hints = 0;
    int runs = 0;
};

// Why a run is listed apart from the rest.
struct RunApart {
    int run; // in runs
    bool lateStart; // did not start at the first screen; else left early or ended in an error
};

// The figures of one course's runs as the report shows them.
struct ClassFigures {
    QString courseId;
    QString course;
    QList<ReportRun> runs;
    int trainees = 0;
    int completed = 0;
    Spread totalTime; // of the runs that went from the first screen to the end
    int misses = 0;
    int hints = 0;
    int scored = 0;
    int passed = 0;
    QList<ScreenFigures> screens; // in screen order
    QList<StepFigures> steps;     // in screen order, then step order
    int slowestScreen = -1;       // index in screens
    int mostMissedStep = -1;      // index in steps
    QMap<QString, QList<int>> byTrainee; // indices in runs, oldest first
    QList<RunApart> apart;

    // The course's runs; a screen's place comes from screenNumber where it knows it, else from the screen's
    // id ("…/screens/5"), else from the order runs showed it in.
    static ClassFigures of(QList<ReportRun> runs, const std::function<int(const QString &screenId)> &screenNumber);
    const ScreenFigures *screen(const QString &id) const;
};

// Groups runs by course id, oldest run's course first.
QList<QList<ReportRun>> runsByCourse(const QList<ReportRun> &runs);

} // namespace kelvora
