#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <optional>

namespace kelvora {

// What the report knows of a run, read back from its xAPI statements alone, so that
// records of any course format and from any store read the same. Ids and names
// are the statements' own.
struct StepRun {
    QString id;
    QString name;
    bool taken = false;
    qint64 durationMs = 0; // to the right press; 0 while not taken
    QList<QPointF> misses;
    int hints = 0;
};

struct ScreenRun {
    QString id;
    QString name;
    QDateTime shown;
    qint64 durationMs = 0;
    QList<StepRun> steps;
};

struct ReportRun {
    QString registration;
    QString trainee;
    QString courseId;
    QString course;
    QString mode;
    QString language;
    QString ending;  // "completed", "exited" or "terminated"
    QString result;  // "completed", "left at screen 5", "error: ..."
    QDateTime start;
    qint64 durationMs = 0;
    int misses = 0;
    int hints = 0;
    std::optional<double> score; // check runs
    std::optional<bool> success;
    QList<ScreenRun> screens; // in the order shown

    bool completed() const { return ending == QLatin1String("completed"); }
};

// The runs among the statements, oldest first: statements of one run share its
// registration and may come in any order and mixed with other runs' and other
// programs'. A run whose last statement is missing is named in problems and left out.
QList<ReportRun> readRuns(const QJsonArray &statements, QStringList *problems);

} // namespace kelvora
