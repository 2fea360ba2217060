#include "RunSummary.h"

#include "XapiStatements.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kelvora {

namespace {
const QStringList EndVerbs{QStringLiteral("completed"), QStringLiteral("exited"), QStringLiteral("terminated")};

QString verbName(const QJsonObject &statement)
{
    return statement.value("verb").toObject().value("id").toString().section(QLatin1Char('/'), -1);
}
} // namespace

QString clockDuration(qint64 ms)
{
    const qint64 seconds = (ms + 500) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QStringList RunSummary::fields() const
{
    return {trainee, course, mode, result, clockDuration(durationMs), QString::number(misses), QString::number(hints)};
}

std::optional<RunSummary> readRunSummary(const QByteArray &json)
{
    const QJsonArray statements = QJsonDocument::fromJson(json).array();
    if (statements.isEmpty())
        return std::nullopt;
    const QJsonObject end = statements.last().toObject();
    // Another program's statements may end with the same verbs: only this trainer's say its name.
    if (!EndVerbs.contains(verbName(end)) || end.value("context").toObject().value("platform") != QLatin1String(xapi::Platform))
        return std::nullopt;
    const QJsonObject result = end.value("result").toObject();
    const QJsonObject extensions = result.value("extensions").toObject();
    if (!extensions.value(xapi::extension(xapi::Result)).isString())
        return std::nullopt;
    const QJsonObject definition = end.value("object").toObject().value("definition").toObject();

    RunSummary summary;
    summary.trainee = end.value("actor").toObject().value("name").toString();
    const QJsonObject names = definition.value("name").toObject();
    // The course's name in the run's language, where it has one in each of its languages.
    const QString language = end.value("context").toObject().value("language").toString();
    summary.course = names.isEmpty() ? QString() : names.value(language).toString(names.begin().value().toString());
    summary.mode = end.value("context").toObject().value("extensions").toObject()
                       .value(xapi::extension(xapi::Mode)).toString();
    summary.result = extensions.value(xapi::extension(xapi::Result)).toString();
    summary.durationMs = qMax<qint64>(0, parseIsoDuration(result.value("duration").toString()));
    summary.misses = qMax(0, extensions.value(xapi::extension(xapi::Misses)).toInt());
    summary.hints = qMax(0, extensions.value(xapi::extension(xapi::Hints)).toInt());
    return summary;
}

} // namespace kelvora
