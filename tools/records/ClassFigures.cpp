#include "ClassFigures.h"

#include <QSet>

#include <algorithm>

namespace kelvora {

namespace {
qint64 quantile(const QList<qint64> &sorted, double q)
{
    // Linear between the two nearest values, as spreadsheets compute quartiles.
    const double at = q * double(sorted.size() - 1);
    const qsizetype below = qsizetype(at);
    const qsizetype above = qMin(below + 1, sorted.size() - 1);
    return qRound64(double(sorted[below]) + (at - double(below)) * double(sorted[above] - sorted[below]));
}

int numberInId(const QString &id)
{
    bool ok = false;
    const int number = id.section(QLatin1Char('/'), -1).toInt(&ok);
    return ok && number > 0 ? number : 0;
}
} // namespace

Spread Spread::of(QList<qint64> values)
{
    Spread spread;
    spread.count = int(values.size());
    if (values.isEmpty())
        return spread;
    std::sort(values.begin(), values.end());
    spread.least = values.first();
    spread.lower = quantile(values, 0.25);
    spread.median = quantile(values, 0.5);
    spread.upper = quantile(values, 0.75);
    spread.most = values.last();
    return spread;
}

const ScreenFigures *ClassFigures::screen(const QString &id) const
{
    for (const ScreenFigures &figures : screens) {
        if (figures.id == id)
            return &figures;
    }
    return nullptr;
}

ClassFigures ClassFigures::of(QList<ReportRun> runs, const std::function<int(const QString &)> &screenNumber)
{
    ClassFigures figures;
    figures.runs = std::move(runs);
    if (figures.runs.isEmpty())
        return figures;
    figures.courseId = figures.runs.first().courseId;
    figures.course = figures.runs.last().course;

    // Screens and steps in the order the course has them.
    QMap<QString, int> firstSeen;
    for (const ReportRun &run : figures.runs) {
        for (const ScreenRun &screen : run.screens) {
            if (!firstSeen.contains(screen.id))
                firstSeen.insert(screen.id, int(firstSeen.size()) + 1);
        }
    }
    QMap<QString, int> number;
    for (auto it = firstSeen.begin(); it != firstSeen.end(); ++it) {
        int known = screenNumber ? screenNumber(it.key()) : 0;
        if (!known)
            known = numberInId(it.key());
        number.insert(it.key(), known ? known : 10000 + it.value());
    }
    QStringList screenIds = firstSeen.keys();
    std::sort(screenIds.begin(), screenIds.end(), [&](const QString &a, const QString &b) { return number[a] < number[b]; });
    // Where the course's screens are known the first is 1, whether or not any run started there.
    const int firstScreen = screenIds.isEmpty() || number[screenIds.first()] < 10000 ? 1 : number[screenIds.first()];

    QMap<QString, QList<qint64>> screenTimes;
    QMap<QString, StepFigures> steps;
    QMap<QString, QList<qint64>> stepTimes;
    QStringList stepOrder;
    QSet<QString> trainees;
    QList<qint64> totals;
    for (int index = 0; index < figures.runs.size(); ++index) {
        const ReportRun &run = figures.runs[index];
        trainees.insert(run.trainee);
        figures.byTrainee[run.trainee].append(index);
        figures.misses += run.misses;
        figures.hints += run.hints;
        if (run.completed())
            ++figures.completed;
        if (run.score) {
            ++figures.scored;
            figures.passed += run.success.value_or(false) ? 1 : 0;
        }
        const bool fromFirst = !run.screens.isEmpty() && number[run.screens.first().id] == firstScreen;
        if (run.completed() && fromFirst)
            totals << run.durationMs;
        if (!fromFirst && !run.screens.isEmpty())
            figures.apart.append({index, true});
        else if (!run.completed())
            figures.apart.append({index, false});
        for (qsizetype s = 0; s < run.screens.size(); ++s) {
            const ScreenRun &screen = run.screens[s];
            // The screen a run ended on early was not worked through: its time says nothing.
            if (run.completed() || s + 1 < run.screens.size())
                screenTimes[screen.id] << screen.durationMs;
            for (qsizetype k = 0; k < screen.steps.size(); ++k) {
                const StepRun &step = screen.steps[k];
                StepFigures &stepFigures = steps[step.id];
                if (stepFigures.id.isEmpty()) {
                    stepOrder << step.id;
                    stepFigures.id = step.id;
                    stepFigures.screenId = screen.id;
                    stepFigures.step = int(k) + 1;
                }
                stepFigures.name = step.name;
                stepFigures.misses += int(step.misses.size());
                stepFigures.hints += step.hints;
                ++stepFigures.runs;
                if (step.taken)
                    stepTimes[step.id] << step.durationMs;
            }
        }
    }
    figures.trainees = int(trainees.size());
    figures.totalTime = Spread::of(totals);

    for (const QString &id : screenIds) {
        ScreenFigures screen;
        screen.id = id;
        screen.number = number[id] < 10000 ? number[id] : int(figures.screens.size()) + 1;
        for (const ReportRun &run : figures.runs) {
            for (const ScreenRun &shown : run.screens) {
                if (shown.id != id)
                    continue;
                screen.name = shown.name;
                for (const StepRun &step : shown.steps)
                    screen.misses << step.misses;
            }
        }
        screen.time = Spread::of(screenTimes.value(id));
        figures.screens << screen;
    }
    for (qsizetype i = 0; i < figures.screens.size(); ++i) {
        if (figures.slowestScreen < 0 || figures.screens[i].time.median > figures.screens[figures.slowestScreen].time.median)
            figures.slowestScreen = int(i);
    }
    std::stable_sort(stepOrder.begin(), stepOrder.end(), [&](const QString &a, const QString &b) {
        const StepFigures &x = steps[a];
        const StepFigures &y = steps[b];
        return number[x.screenId] != number[y.screenId] ? number[x.screenId] < number[y.screenId] : x.step < y.step;
    });
    for (const QString &id : stepOrder) {
        StepFigures step = steps[id];
        step.medianMs = Spread::of(stepTimes.value(id)).median;
        figures.steps << step;
    }
    for (qsizetype i = 0; i < figures.steps.size(); ++i) {
        if (figures.steps[i].misses > 0 &&
            (figures.mostMissedStep < 0 || figures.steps[i].misses > figures.steps[figures.mostMissedStep].misses))
            figures.mostMissedStep = int(i);
    }
    return figures;
}

QList<QList<ReportRun>> runsByCourse(const QList<ReportRun> &runs)
{
    QStringList order;
    QMap<QString, QList<ReportRun>> byCourse;
    for (const ReportRun &run : runs) {
        if (!byCourse.contains(run.courseId))
            order << run.courseId;
        byCourse[run.courseId] << run;
    }
    QList<QList<ReportRun>> grouped;
    for (const QString &id : order)
        grouped << byCourse.value(id);
    return grouped;
}

} // namespace kelvora
