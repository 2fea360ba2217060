#include "RunReading.h"

#include "record/XapiStatements.h"

#include <QHash>
#include <QJsonObject>

#include <algorithm>

namespace kelvora {

namespace {
QString verbOf(const QJsonObject &statement)
{
    return statement.value("verb").toObject().value("id").toString().section(QLatin1Char('/'), -1);
}

// The name in the run's language where the language map has it (an author's course names its screens and steps
// in every language it has), else in the same language of another region, else the map's first entry.
QString nameOf(const QJsonObject &statement)
{
    const QJsonObject names = statement.value("object").toObject().value("definition").toObject().value("name").toObject();
    if (names.isEmpty())
        return {};
    const QString language = statement.value("context").toObject().value("language").toString();
    if (names.contains(language))
        return names.value(language).toString();
    const QString primary = language.section(QLatin1Char('-'), 0, 0);
    for (auto name = names.begin(); name != names.end(); ++name) {
        if (!primary.isEmpty() && name.key().section(QLatin1Char('-'), 0, 0).compare(primary, Qt::CaseInsensitive) == 0)
            return name.value().toString();
    }
    return names.begin().value().toString();
}

QString parentOf(const QJsonObject &statement)
{
    const QJsonArray parents =
        statement.value("context").toObject().value("contextActivities").toObject().value("parent").toArray();
    return parents.isEmpty() ? QString() : parents.first().toObject().value("id").toString();
}

QDateTime timeOf(const QJsonObject &statement)
{
    return QDateTime::fromString(statement.value("timestamp").toString(), Qt::ISODateWithMs);
}

qint64 durationOf(const QJsonObject &statement)
{
    return qMax<qint64>(0, parseIsoDuration(statement.value("result").toObject().value("duration").toString()));
}

QJsonValue extensionOf(const QJsonObject &result, const char *name)
{
    return result.value("extensions").toObject().value(xapi::extension(name));
}

bool earlier(const QJsonObject &a, const QJsonObject &b)
{
    return timeOf(a) < timeOf(b);
}

std::optional<ReportRun> readRun(QList<QJsonObject> statements)
{
    std::stable_sort(statements.begin(), statements.end(), earlier);
    const auto end = std::find_if(statements.begin(), statements.end(), [](const QJsonObject &statement) {
        const QString verb = verbOf(statement);
        return verb == QLatin1String("completed") || verb == QLatin1String("exited") || verb == QLatin1String("terminated");
    });
    if (end == statements.end())
        return std::nullopt;
    ReportRun run;
    const QJsonObject context = end->value("context").toObject();
    const QJsonObject result = end->value("result").toObject();
    run.registration = context.value("registration").toString();
    run.trainee = end->value("actor").toObject().value("name").toString();
    run.courseId = end->value("object").toObject().value("id").toString();
    run.course = nameOf(*end);
    run.mode = context.value("extensions").toObject().value(xapi::extension(xapi::Mode)).toString();
    run.language = context.value("language").toString();
    run.ending = verbOf(*end);
    run.result = extensionOf(result, xapi::Result).toString();
    run.start = QDateTime::fromString(extensionOf(result, xapi::Started).toString(), Qt::ISODateWithMs);
    if (!run.start.isValid())
        run.start = timeOf(statements.first());
    run.durationMs = durationOf(*end);
    run.misses = qMax(0, extensionOf(result, xapi::Misses).toInt());
    run.hints = qMax(0, extensionOf(result, xapi::Hints).toInt());
    if (result.contains("score"))
        run.score = result.value("score").toObject().value("scaled").toDouble();
    if (result.contains("success"))
        run.success = result.value("success").toBool();

    for (const QJsonObject &statement : statements) {
        if (verbOf(statement) != QLatin1String("experienced"))
            continue;
        run.screens.append({statement.value("object").toObject().value("id").toString(), nameOf(statement),
                            timeOf(statement), durationOf(statement), {}});
    }
    for (const QJsonObject &statement : statements) {
        if (verbOf(statement) != QLatin1String("interacted"))
            continue;
        // The step belongs to the latest showing of its screen before the step ended.
        const QString parent = parentOf(statement);
        const QDateTime at = timeOf(statement);
        ScreenRun *screen = nullptr;
        for (ScreenRun &shown : run.screens) {
            if (shown.id == parent && (!screen || shown.shown <= at))
                screen = &shown;
        }
        if (!screen)
            continue;
        const QJsonObject stepResult = statement.value("result").toObject();
        StepRun step;
        step.id = statement.value("object").toObject().value("id").toString();
        step.name = nameOf(statement);
        step.taken = stepResult.value("success").toBool();
        step.durationMs = step.taken ? durationOf(statement) : 0;
        for (const QJsonValue &miss : extensionOf(stepResult, xapi::Misses).toArray())
            step.misses << QPointF(miss.toObject().value("x").toDouble(), miss.toObject().value("y").toDouble());
        step.hints = qMax(0, extensionOf(stepResult, xapi::Hints).toInt());
        screen->steps.append(step);
    }
    return run;
}
} // namespace

QList<ReportRun> readRuns(const QJsonArray &statements, QStringList *problems)
{
    QHash<QString, QList<QJsonObject>> byRegistration;
    QStringList order;
    for (const QJsonValue &value : statements) {
        const QJsonObject statement = value.toObject();
        const QJsonObject context = statement.value("context").toObject();
        // Another program's statements in the same store or folder are passed over.
        if (context.value("platform") != QLatin1String(xapi::Platform))
            continue;
        const QString registration = context.value("registration").toString();
        if (registration.isEmpty())
            continue;
        if (!byRegistration.contains(registration))
            order << registration;
        byRegistration[registration].append(statement);
    }
    QList<ReportRun> runs;
    for (const QString &registration : order) {
        const std::optional<ReportRun> run = readRun(byRegistration.value(registration));
        if (run)
            runs << *run;
        else if (problems)
            *problems << QStringLiteral("run %1 has no last statement; left out").arg(registration);
    }
    std::stable_sort(runs.begin(), runs.end(), [](const ReportRun &a, const ReportRun &b) { return a.start < b.start; });
    return runs;
}

} // namespace kelvora
