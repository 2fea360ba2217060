#include "XapiStatements.h"

#include <QJsonObject>
#include <QRegularExpression>
#include <QUrl>
#include <QUuid>

namespace kelvora {

namespace {
// A reserved domain: these identifiers name things, they are never fetched.
const QString Home = QStringLiteral("https://kelvora.invalid");

QString uuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString timestamp(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QJsonObject verb(const char *name)
{
    return {{"id", QStringLiteral("http://adlnet.gov/expapi/verbs/") + QLatin1String(name)},
            {"display", QJsonObject{{"en-US", QLatin1String(name)}}}};
}

// A name in one language, or in each of the course's.
QJsonObject names(const QMap<QString, QString> &byLanguage)
{
    QJsonObject result;
    for (auto it = byLanguage.begin(); it != byLanguage.end(); ++it)
        result.insert(it.key(), it.value());
    return result;
}

QJsonObject activity(const QString &id, const QJsonObject &name, const char *type)
{
    return {{"objectType", "Activity"},
            {"id", id},
            {"definition", QJsonObject{{"name", name},
                                       {"type", QStringLiteral("http://adlnet.gov/expapi/activities/") +
                                                    QLatin1String(type)}}}};
}

struct Run {
    const RunRecord &record;
    QString registration = uuid();
    QJsonObject actor{};
    QString courseId{};

    // The author's ids where the course has them, so inserting a screen or a step changes no other's id;
    // else the screen's place.
    bool authored() const { return !record.screenIds.isEmpty(); }
    QString screenId(int screen) const
    {
        const QString own = authored() ? record.screenIds.value(screen - 1) : QString::number(screen);
        return courseId + QStringLiteral("/screens/") + QString::fromLatin1(QUrl::toPercentEncoding(own));
    }
    QString screenName(int screen) const
    {
        const QString name = record.screenNames.value(screen - 1);
        return name.isEmpty() ? QStringLiteral("Screen %1").arg(screen) : name;
    }
    QJsonObject screenNames(int screen) const
    {
        if (authored())
            return names(record.screenTitles.value(screen - 1));
        return {{language(), screenName(screen)}};
    }
    QString stepId(const ScreenRecord &screen, const StepRecord &step) const
    {
        const QString own = authored() && !step.id.isEmpty() ? step.id : QString::number(step.step);
        return screenId(screen.screen) + QStringLiteral("/steps/") + QString::fromLatin1(QUrl::toPercentEncoding(own));
    }
    QJsonObject stepNames(const ScreenRecord &screen, const StepRecord &step) const
    {
        if (!authored() || step.id.isEmpty())
            return {{language(), QStringLiteral("%1, step %2 (%3)").arg(screenName(screen.screen)).arg(step.step).arg(step.mark)}};
        QMap<QString, QString> byLanguage = record.screenTitles.value(screen.screen - 1);
        for (QString &title : byLanguage)
            title = QStringLiteral("%1: %2").arg(title, step.id);
        return names(byLanguage);
    }
    QJsonObject courseNames() const
    {
        return record.courseTitles.isEmpty() ? QJsonObject{{language(), record.course}} : names(record.courseTitles);
    }
    // Names are in the language of the run; "und" before one is chosen.
    QString language() const { return record.language.isEmpty() ? QStringLiteral("und") : record.language; }

    QJsonObject context(const QString &parent) const
    {
        QJsonObject context{{"registration", registration},
                            {"platform", xapi::Platform},
                            {"extensions", QJsonObject{{xapi::extension(xapi::Mode), record.mode}}}};
        if (!record.language.isEmpty())
            context.insert("language", record.language);
        if (!parent.isEmpty())
            context.insert("contextActivities", QJsonObject{{"parent", QJsonArray{QJsonObject{{"id", parent}}}}});
        return context;
    }

    QJsonObject statement(const char *verbName, const QJsonObject &object, const QDateTime &time,
                          const QString &parent) const
    {
        return {{"id", uuid()},
                {"actor", actor},
                {"verb", verb(verbName)},
                {"object", object},
                {"context", context(parent)},
                {"timestamp", timestamp(time)}};
    }
};

const char *endVerb(RunResult::Kind kind)
{
    switch (kind) {
    case RunResult::Kind::Completed: return "completed";
    case RunResult::Kind::Left: return "exited";
    case RunResult::Kind::Error: return "terminated";
    }
    return "exited";
}

QJsonObject stepStatement(const Run &run, const ScreenRecord &screen, const StepRecord &step)
{
    QJsonArray misses;
    for (QPointF at : step.misses)
        misses.append(QJsonObject{{"x", at.x()}, {"y", at.y()}});
    QJsonObject result{{"success", step.hit.isValid()},
                       {"extensions", QJsonObject{{xapi::extension(xapi::Misses), misses},
                                                  {xapi::extension(xapi::Hints), step.hints}}}};
    if (step.hit.isValid())
        result.insert("duration", isoDuration(step.durationMs()));
    QJsonObject statement =
        run.statement("interacted", activity(run.stepId(screen, step), run.stepNames(screen, step), "interaction"),
                      step.hit.isValid() ? step.hit : screen.left, run.screenId(screen.screen));
    statement.insert("result", result);
    return statement;
}
} // namespace

namespace xapi {
QString extension(const char *name)
{
    return Home + QStringLiteral("/xapi/") + QLatin1String(name);
}

QString courseId(const QString &folderName)
{
    return Home + QStringLiteral("/courses/") + QString::fromLatin1(QUrl::toPercentEncoding(folderName));
}
} // namespace xapi

QString isoDuration(qint64 ms)
{
    const qint64 hours = ms / 3600000;
    const qint64 minutes = ms / 60000 % 60;
    const qint64 millis = ms % 60000;
    QString text = QStringLiteral("PT");
    if (hours)
        text += QString::number(hours) + QLatin1Char('H');
    if (minutes)
        text += QString::number(minutes) + QLatin1Char('M');
    if (millis || text.size() == 2) {
        QString seconds = QString::number(millis / 1000);
        if (millis % 1000) {
            seconds += QStringLiteral(".%1").arg(millis % 1000, 3, 10, QLatin1Char('0'));
            while (seconds.endsWith(QLatin1Char('0')))
                seconds.chop(1);
        }
        text += seconds + QLatin1Char('S');
    }
    return text;
}

qint64 parseIsoDuration(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^PT(?:(\d+)H)?(?:(\d+)M)?(?:(\d+)(?:\.(\d{1,3})\d*)?S)?$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch() || text == QLatin1String("PT"))
        return -1;
    const QString fraction = (match.captured(4) + QStringLiteral("00")).left(3);
    return match.captured(1).toLongLong() * 3600000 + match.captured(2).toLongLong() * 60000 +
           match.captured(3).toLongLong() * 1000 + fraction.toLongLong();
}

QJsonArray xapiStatements(const RunRecord &record)
{
    Run run{record};
    run.actor = {{"objectType", "Agent"},
                 {"name", record.trainee},
                 {"account", QJsonObject{{"homePage", record.homePage.isEmpty() ? Home + QStringLiteral("/trainees")
                                                                                : record.homePage},
                                         {"name", record.trainee}}}};
    run.courseId = record.courseId.isEmpty() ? xapi::courseId(record.course) : record.courseId;
    const QJsonObject course = activity(run.courseId, run.courseNames(), "course");

    QJsonArray statements;
    statements.append(run.statement("initialized", course, record.start, {}));
    for (const ScreenRecord &screen : record.screens) {
        QJsonObject shown = run.statement(
            "experienced", activity(run.screenId(screen.screen), run.screenNames(screen.screen), "module"),
            screen.shown, run.courseId);
        shown.insert("result", QJsonObject{{"duration", isoDuration(screen.durationMs())}});
        statements.append(shown);
        for (const StepRecord &step : screen.steps)
            statements.append(stepStatement(run, screen, step));
    }

    QJsonObject extensions{{xapi::extension(xapi::Result), record.result.text()},
                           {xapi::extension(xapi::Screen), record.result.screen},
                           {xapi::extension(xapi::Misses), record.misses()},
                           {xapi::extension(xapi::Hints), record.hints()},
                           {xapi::extension(xapi::Started), timestamp(record.start)}};
    if (record.result.kind == RunResult::Kind::Error)
        extensions.insert(xapi::extension(xapi::Error), record.result.message);
    // A run that started further on and reached the end did not complete the course.
    const bool partial = record.result.kind == RunResult::Kind::Completed && !record.result.completedWhole();
    QJsonObject end = run.statement(partial ? "exited" : endVerb(record.result.kind), course, record.end, {});
    QJsonObject endResult{{"completion", record.result.completedWhole()},
                          {"duration", isoDuration(record.durationMs())},
                          {"extensions", extensions}};
    // A check run is scored: the share of its steps pressed right without a miss or a hint.
    if (record.mode == QLatin1String("check")) {
        // A store refuses a score whose max is not above its min.
        if (record.stepCount() > 0)
            endResult.insert("score", QJsonObject{{"scaled", record.score()},
                                              {"raw", record.cleanSteps()},
                                              {"min", 0},
                                              {"max", record.stepCount()}});
        endResult.insert("success", record.passed());
        extensions.insert(xapi::extension(xapi::PassMark), record.passMark);
        endResult.insert("extensions", extensions);
    }
    end.insert("result", endResult);
    statements.append(end);
    return statements;
}

} // namespace kelvora
