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
    if (!EndVerbs.contains(verbName(end)))
        return std::nullopt;
    const QJsonObject result = end.value("result").toObject();
    const QJsonObject extensions = result.value("extensions").toObject();
    const QJsonObject definition = end.value("object").toObject().value("definition").toObject();

    RunSummary summary;
    summary.trainee = end.value("actor").toObject().value("name").toString();
    summary.course = definition.value("name").toObject().value("en-US").toString();
    summary.mode = end.value("context").toObject().value("extensions").toObject()
                       .value(xapi::extension(xapi::Mode)).toString();
    summary.result = extensions.value(xapi::extension(xapi::Result)).toString();
    summary.durationMs = qMax<qint64>(0, parseIsoDuration(result.value("duration").toString()));
    summary.misses = extensions.value(xapi::extension(xapi::Misses)).toInt();
    summary.hints = extensions.value(xapi::extension(xapi::Hints)).toInt();
    return summary;
}

} // namespace kelvora
