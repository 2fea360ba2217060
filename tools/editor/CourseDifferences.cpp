#include "CourseDifferences.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace kelvora {

namespace {
// The fields of two objects that differ, leaving out one that is compared on its own.
QStringList changedFields(const QJsonObject &from, const QJsonObject &to, const QString &apart)
{
    QStringList keys = from.keys() + to.keys();
    keys.removeDuplicates();
    keys.sort();
    QStringList changed;
    for (const QString &key : std::as_const(keys)) {
        if (key != apart && from.value(key) != to.value(key))
            changed << key;
    }
    return changed;
}

QStringList idsOf(const QJsonArray &objects)
{
    QStringList ids;
    for (const QJsonValue &object : objects)
        ids << object[QStringLiteral("id")].toString();
    return ids;
}

// `what` names one of the objects ("screen battery", "step battery/master").
void compareLists(const QJsonArray &from, const QJsonArray &to, const QString &children, const QString &prefix,
                  QStringList &lines)
{
    const QStringList before = idsOf(from), after = idsOf(to);
    const QString kind = children.isEmpty() ? QCoreApplication::translate("kelvora::CourseDifferences", "Step") : QCoreApplication::translate("kelvora::CourseDifferences", "Screen");
    for (int i = 0; i < after.size(); ++i) {
        const QString name = prefix + after[i];
        const qsizetype was = before.indexOf(after[i]);
        if (was < 0) {
            lines << QCoreApplication::translate("kelvora::CourseDifferences", "%1 %2: added").arg(kind, name);
            continue;
        }
        const QJsonObject old = from.at(was).toObject(), now = to.at(i).toObject();
        const QStringList fields = changedFields(old, now, children);
        if (!fields.isEmpty())
            lines << QCoreApplication::translate("kelvora::CourseDifferences", "%1 %2: %3 changed").arg(kind, name, fields.join(QStringLiteral(", ")));
        if (!children.isEmpty())
            compareLists(old.value(children).toArray(), now.value(children).toArray(), {}, name + QLatin1Char('/'), lines);
    }
    QStringList kept;
    for (int i = 0; i < before.size(); ++i) {
        if (after.contains(before[i]))
            kept << before[i];
        else
            lines << QCoreApplication::translate("kelvora::CourseDifferences", "%1 %2: removed").arg(kind, prefix + before[i]);
    }
    QStringList keptAfter = after;
    keptAfter.removeIf([&](const QString &id) { return !before.contains(id); });
    if (kept != keptAfter)
        lines << (children.isEmpty() ? QCoreApplication::translate("kelvora::CourseDifferences", "Steps of %1: in another order").arg(prefix.chopped(1)) : QCoreApplication::translate("kelvora::CourseDifferences", "Screens: in another order"));
}
} // namespace

QStringList courseDifferences(const QJsonObject &from, const QJsonObject &to)
{
    QStringList lines;
    const QStringList fields = changedFields(from, to, QStringLiteral("screens"));
    if (!fields.isEmpty())
        lines << QCoreApplication::translate("kelvora::CourseDifferences", "Course: %1 changed").arg(fields.join(QStringLiteral(", ")));
    compareLists(from.value(QStringLiteral("screens")).toArray(), to.value(QStringLiteral("screens")).toArray(),
                 QStringLiteral("steps"), {}, lines);
    return lines;
}

} // namespace kelvora
