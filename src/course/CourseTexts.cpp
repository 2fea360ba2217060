#include "CourseTexts.h"

#include <QJsonArray>

namespace kelvora {

namespace {
const QString Title = QStringLiteral("title");
const QString Text = QStringLiteral("text");
const QString Sequence = QStringLiteral("sequence");

QString id(const QJsonValue &object)
{
    return object.toObject().value(QStringLiteral("id")).toString();
}

void addText(QList<CourseText> &texts, const QJsonObject &holder, const QString &field, CourseText text)
{
    if (holder.value(field).isObject()) {
        text.texts = holder.value(field).toObject();
        texts << text;
    }
}

// Changes a text map in place: the one of `field` in holder.
bool setIn(QJsonObject &holder, const QString &field, const QString &tag, const QString &text)
{
    if (!holder.value(field).isObject())
        return false;
    QJsonObject map = holder.value(field).toObject();
    map.insert(tag, text);
    holder.insert(field, map);
    return true;
}

// The object of that id in a list field of holder, changed in place by edit.
template <typename Edit>
bool editById(QJsonObject &holder, const QString &listField, const QString &wanted, Edit edit)
{
    QJsonArray list = holder.value(listField).toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (id(list[i]) != wanted)
            continue;
        QJsonObject item = list[i].toObject();
        if (!edit(item))
            return false;
        list[i] = item;
        holder.insert(listField, list);
        return true;
    }
    return false;
}
} // namespace

QList<CourseText> courseTexts(const QJsonObject &course)
{
    QList<CourseText> texts;
    addText(texts, course, Title, {Title, {}, {}, {}});
    for (const QJsonValue &screenValue : course.value(QStringLiteral("screens")).toArray()) {
        const QJsonObject screen = screenValue.toObject();
        const QString screenId = id(screen);
        addText(texts, screen, Title, {screenId + u'/' + Title, screenId, {}, {}});
        addText(texts, screen, Text, {screenId, screenId, {}, {}});
        for (const QJsonValue &step : screen.value(QStringLiteral("steps")).toArray())
            addText(texts, step.toObject(), Text, {screenId + u'/' + id(step), screenId, id(step), {}});
        addText(texts, screen.value(Sequence).toObject(), Text, {screenId + u'/' + Sequence, screenId, {}, {}});
    }
    return texts;
}

QStringList courseLanguageTags(const QJsonObject &course)
{
    QStringList tags;
    for (const QJsonValue &language : course.value(QStringLiteral("languages")).toArray())
        tags << language.toObject().value(QStringLiteral("tag")).toString();
    return tags;
}

bool setCourseText(QJsonObject &course, const QString &context, const QString &tag, const QString &text)
{
    if (context == Title)
        return setIn(course, Title, tag, text);
    const QString screenId = context.section(u'/', 0, 0);
    const QString part = context.section(u'/', 1);
    return editById(course, QStringLiteral("screens"), screenId, [&](QJsonObject &screen) {
        if (part.isEmpty())
            return setIn(screen, Text, tag, text);
        if (part == Title)
            return setIn(screen, Title, tag, text);
        if (part == Sequence) {
            QJsonObject sequence = screen.value(Sequence).toObject();
            if (!setIn(sequence, Text, tag, text))
                return false;
            screen.insert(Sequence, sequence);
            return true;
        }
        return editById(screen, QStringLiteral("steps"), part,
                        [&](QJsonObject &step) { return setIn(step, Text, tag, text); });
    });
}

} // namespace kelvora
