#include "CourseBuilding.h"

#include "CourseEdits.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace kelvora {

namespace {
const QString Screens = QStringLiteral("screens"), Steps = QStringLiteral("steps"), TargetField = QStringLiteral("target"),
              Id = QStringLiteral("id");
const QStringList Shapes = {QStringLiteral("rectangle"), QStringLiteral("circle"), QStringLiteral("oval")};

// An id from a file name: "Panel 02.jpg" -> "panel-02".
QString idFrom(const QString &file)
{
    QString id = QFileInfo(file).completeBaseName().toLower();
    id.replace(QRegularExpression(QStringLiteral("[^a-z0-9._-]+")), QStringLiteral("-"));
    id.remove(QRegularExpression(QStringLiteral("^-+|-+$")));
    return id.isEmpty() ? QStringLiteral("screen") : id;
}

QJsonArray stepsOf(const QJsonObject &course, int screen)
{
    return course.value(Screens).toArray().at(screen).toObject().value(Steps).toArray();
}

QJsonObject withSteps(QJsonObject course, int screen, const QJsonArray &steps)
{
    QJsonArray screens = course.value(Screens).toArray();
    QJsonObject object = screens.at(screen).toObject();
    if (steps.isEmpty())
        object.remove(Steps);
    else
        object[Steps] = steps;
    screens[screen] = object;
    course[Screens] = screens;
    return course;
}
} // namespace

QJsonObject stepLike(const QJsonObject &previous, const QJsonObject &fallback, const QJsonArray &siblings)
{
    QJsonObject step{{Id, freshId(siblings, QStringLiteral("step-%1").arg(siblings.size() + 1))}};
    const QJsonObject before = previous.value(TargetField).toObject();
    step[TargetField] = before.isEmpty() ? fallback : before;
    if (previous.contains(QStringLiteral("sound")))
        step[QStringLiteral("sound")] = previous.value(QStringLiteral("sound"));
    return step;
}

QJsonObject withScreensFromPhotographs(QJsonObject course, int after, const QStringList &photographs, int *first)
{
    QJsonArray screens = course.value(Screens).toArray();
    int at = after < 0 || after >= screens.size() ? int(screens.size()) : after + 1;
    *first = at;
    for (const QString &photograph : photographs) {
        const QJsonObject screen{{Id, freshId(screens, idFrom(photograph))}, {QStringLiteral("photograph"), photograph}};
        screens.insert(at++, screen);
    }
    course[Screens] = screens;
    return course;
}

QJsonObject withStepsFromPhotographs(QJsonObject course, int screen, int after, const QStringList &photographs,
                                     const QJsonObject &target)
{
    QJsonArray steps = stepsOf(course, screen);
    int at = after < 0 || after >= steps.size() ? int(steps.size()) : after + 1;
    for (const QString &photograph : photographs) {
        QJsonObject step = stepLike(at > 0 ? steps.at(at - 1).toObject() : QJsonObject(), target, steps);
        step[QStringLiteral("photograph")] = photograph;
        steps.insert(at++, step);
    }
    return withSteps(course, screen, steps);
}

QJsonObject withStepsInserted(QJsonObject course, CoursePlace after, const QJsonArray &steps, int *first)
{
    QJsonArray list = stepsOf(course, after.screen);
    int at = after.step < 0 || after.step >= list.size() ? int(list.size()) : after.step + 1;
    *first = at;
    for (const QJsonValue &value : steps) {
        QJsonObject step = value.toObject();
        step[Id] = freshId(list, step.value(Id).toString());
        list.insert(at++, step);
    }
    return withSteps(course, after.screen, list);
}

QJsonObject withStepMoved(QJsonObject course, CoursePlace step, int toScreen)
{
    if (toScreen == step.screen)
        return course;
    QJsonArray from = stepsOf(course, step.screen);
    const QJsonObject moved = from.at(step.step).toObject();
    from.removeAt(step.step);
    course = withSteps(course, step.screen, from);
    int first = 0;
    return withStepsInserted(course, {toScreen, -1}, QJsonArray{moved}, &first);
}

QJsonObject scaledTarget(const QJsonObject &target, QSizeF from, QSizeF to)
{
    if (from.isEmpty() || to.isEmpty())
        return target;
    const double sx = to.width() / from.width(), sy = to.height() / from.height();
    QJsonObject scaled = target;
    for (const QString &shape : Shapes) {
        const QJsonArray n = target.value(shape).toArray();
        if (n.isEmpty())
            continue;
        if (shape == QLatin1String("circle")) // stays round: its radius follows the smaller scale
            scaled[shape] = QJsonArray{qRound(n.at(0).toDouble() * sx), qRound(n.at(1).toDouble() * sy),
                                       std::max(1, qRound(n.at(2).toDouble() * std::min(sx, sy)))};
        else
            scaled[shape] = QJsonArray{qRound(n.at(0).toDouble() * sx), qRound(n.at(1).toDouble() * sy),
                                       std::max(1, qRound(n.at(2).toDouble() * sx)), std::max(1, qRound(n.at(3).toDouble() * sy))};
    }
    return scaled;
}

QJsonObject withScreenTargetsScaled(QJsonObject course, int screen, QSizeF from, QSizeF to)
{
    QJsonArray steps = stepsOf(course, screen);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        QJsonObject step = steps.at(i).toObject();
        if (step.contains(TargetField))
            step[TargetField] = scaledTarget(step.value(TargetField).toObject(), from, to);
        steps[i] = step;
    }
    return steps.isEmpty() ? course : withSteps(course, screen, steps);
}

} // namespace kelvora
