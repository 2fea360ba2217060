#include "CourseEdits.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace kelvora {

namespace {
const QString Screens = QStringLiteral("screens");
const QString Steps = QStringLiteral("steps");

// The list that holds the place's object: the course's screens or the screen's steps.
QJsonArray siblings(const QJsonObject &course, CoursePlace place)
{
    const QJsonArray screens = course.value(Screens).toArray();
    return place.step < 0 ? screens : screens.at(place.screen).toObject().value(Steps).toArray();
}

QJsonObject withSiblings(QJsonObject course, CoursePlace place, const QJsonArray &list)
{
    if (place.step < 0) {
        course[Screens] = list;
        return course;
    }
    QJsonArray screens = course.value(Screens).toArray();
    QJsonObject screen = screens.at(place.screen).toObject();
    screen[Steps] = list;
    screens[place.screen] = screen;
    course[Screens] = screens;
    return course;
}

CoursePlace at(CoursePlace place, int index)
{
    return place.step < 0 ? CoursePlace{index, -1} : CoursePlace{place.screen, index};
}

QString nameOf(CoursePlace place)
{
    if (place.screen < 0)
        return QCoreApplication::translate("kelvora::CourseEdits", "course");
    return place.step < 0 ? QCoreApplication::translate("kelvora::CourseEdits", "screen") : QCoreApplication::translate("kelvora::CourseEdits", "step");
}
} // namespace

QString freshId(const QJsonArray &objects, const QString &like)
{
    QStringList taken;
    for (const QJsonValue &object : objects)
        taken << object.toObject().value(QStringLiteral("id")).toString();
    return freshId(taken, like);
}

QString freshId(const QStringList &taken, const QString &like)
{
    QString stem = like;
    stem.remove(QRegularExpression(QStringLiteral("-\\d+$")));
    if (!taken.contains(like) && !like.isEmpty())
        return like;
    for (int n = 2;; ++n) {
        const QString id = QStringLiteral("%1-%2").arg(stem).arg(n);
        if (!taken.contains(id))
            return id;
    }
}

CourseEdit::CourseEdit(CourseDocument &document, CoursePlace place, const QString &text)
    : QUndoCommand(text), m_document(document), m_beforeCourse(document.authorCourse()), m_afterCourse(m_beforeCourse),
      m_before(document.course()), m_place(place), m_afterPlace(place)
{
}

void CourseEdit::setAfter(const QJsonObject &course, CoursePlace place)
{
    if (const std::optional<AuthorCourse> after = m_document.fromJson(course))
        setAfter(*after, place);
}

void CourseEdit::setField(const QString &field, const QJsonValue &value)
{
    QJsonObject object = m_document.object(m_place);
    if (value.isNull() || (value.isString() && value.toString().isEmpty()))
        object.remove(field);
    else
        object[field] = value;
    setAfter(CourseDocument::withObject(m_before, m_place, object), m_place);
}

TargetEdit::TargetEdit(CourseDocument &document, CoursePlace step, const QJsonObject &target)
    : CourseEdit(document, step, QCoreApplication::translate("kelvora::CourseEdits", "Move target"))
{
    setField(QStringLiteral("target"), target);
}

TextEdit::TextEdit(CourseDocument &document, CoursePlace place, const QString &field, const QString &tag,
                   const QString &text)
    : CourseEdit(document, place, QCoreApplication::translate("kelvora::CourseEdits", "Edit %1 (%2)").arg(field, tag))
{
    // "text", or a text of a part of the object such as "sequence/text".
    const QString part = field.section(QLatin1Char('/'), 0, -2);
    const QString name = field.section(QLatin1Char('/'), -1);
    QJsonObject holder = part.isEmpty() ? document.object(place) : document.object(place).value(part).toObject();
    QJsonObject texts = holder.value(name).toObject();
    if (text.isEmpty())
        texts.remove(tag);
    else
        texts[tag] = text;
    if (part.isEmpty()) {
        setField(name, texts.isEmpty() ? QJsonValue() : QJsonValue(texts));
        return;
    }
    if (texts.isEmpty())
        holder.remove(name);
    else
        holder[name] = texts;
    setField(part, holder);
}

IdEdit::IdEdit(CourseDocument &document, CoursePlace place, const QString &id)
    : CourseEdit(document, place, QCoreApplication::translate("kelvora::CourseEdits", "Rename %1").arg(nameOf(place)))
{
    if (id.isEmpty()) // a course, screen or step has an id: refused, as the panels do
        return;
    AuthorCourse after = m_beforeCourse;
    if (place.screen < 0)
        after.id = id;
    else if (place.step < 0)
        after.screens[place.screen].id = id;
    else
        after.screens[place.screen].steps[place.step].id = id;
    setAfter(after, place);
}

SoundEdit::SoundEdit(CourseDocument &document, CoursePlace step, const QString &sound)
    : CourseEdit(document, step, QCoreApplication::translate("kelvora::CourseEdits", "Set sound"))
{
    AuthorCourse after = m_beforeCourse;
    after.screens[step.screen].steps[step.step].sound = sound;
    setAfter(after, step);
}

FieldEdit::FieldEdit(CourseDocument &document, CoursePlace place, const QString &field, const QJsonValue &value,
                     const QString &text)
    : CourseEdit(document, place, text.isEmpty() ? QCoreApplication::translate("kelvora::CourseEdits", "Set %1").arg(field) : text)
{
    const bool empty =
        (value.isObject() && value.toObject().isEmpty()) || (value.isArray() && value.toArray().isEmpty());
    setField(field, empty ? QJsonValue() : value);
}

namespace {
const QString PointAt = QStringLiteral("pointAt");
const QString Targets = QStringLiteral("targets");

// The list with the item at the index replaced, appended (index == size) or removed (an empty object).
QJsonArray withItem(QJsonArray list, int index, const QJsonObject &item)
{
    if (item.isEmpty())
        list.removeAt(index);
    else if (index >= list.size())
        list.append(item);
    else
        list[index] = item;
    return list;
}

QJsonArray groupsWith(const CourseDocument &document, int screen, int group, const QJsonObject &object)
{
    return withItem(document.screen(screen).value(PointAt).toArray(), group, object);
}

QString lookEditText(const CourseDocument &document, int screen, LookTarget at, const QJsonObject &target)
{
    const QJsonObject screenObject = document.screen(screen);
    const bool added = at.isWatch() ? !screenObject.value(QStringLiteral("sequence"))[QStringLiteral("watch")].isObject()
                                    : at.target >= screenObject.value(PointAt)[at.group][Targets].toArray().size();
    const QString what = at.isWatch() ? QCoreApplication::translate("kelvora::CourseEdits", "watched target") : QCoreApplication::translate("kelvora::CourseEdits", "group target");
    return (target.isEmpty() ? QCoreApplication::translate("kelvora::CourseEdits", "Delete %1") : added ? QCoreApplication::translate("kelvora::CourseEdits", "Add %1") : QCoreApplication::translate("kelvora::CourseEdits", "Set %1")).arg(what);
}

// The screen's field that holds the target after the edit: its sequence, or its groups.
QJsonValue lookTargetHolder(const CourseDocument &document, int screen, LookTarget at, const QJsonObject &target)
{
    const QJsonObject screenObject = document.screen(screen);
    if (at.isWatch()) {
        QJsonObject sequence = screenObject.value(QStringLiteral("sequence")).toObject();
        if (target.isEmpty())
            sequence.remove(QStringLiteral("watch"));
        else
            sequence[QStringLiteral("watch")] = target;
        return sequence;
    }
    QJsonObject group = screenObject.value(PointAt).toArray().at(at.group).toObject();
    group[Targets] = withItem(group.value(Targets).toArray(), at.target, target);
    return groupsWith(document, screen, at.group, group);
}
} // namespace

GroupEdit::GroupEdit(CourseDocument &document, int screen, int group, const QJsonObject &object)
    : FieldEdit(document, {screen, -1}, PointAt, groupsWith(document, screen, group, object),
                object.isEmpty()                                                   ? QCoreApplication::translate("kelvora::CourseEdits", "Delete group")
                : group >= document.screen(screen).value(PointAt).toArray().size() ? QCoreApplication::translate("kelvora::CourseEdits", "Add group")
                                                                                   : QCoreApplication::translate("kelvora::CourseEdits", "Set group"))
{
}

LookTargetEdit::LookTargetEdit(CourseDocument &document, int screen, LookTarget at, const QJsonObject &target)
    : FieldEdit(document, {screen, -1}, at.isWatch() ? QStringLiteral("sequence") : PointAt,
                lookTargetHolder(document, screen, at, target), lookEditText(document, screen, at, target))
{
}

PhotographEdit::PhotographEdit(CourseDocument &document, CoursePlace place, const QString &photograph)
    : CourseEdit(document, place, QCoreApplication::translate("kelvora::CourseEdits", "Set photograph"))
{
    if (place.screen < 0)
        return;
    AuthorCourse after = m_beforeCourse;
    AuthorScreen &screen = after.screens[place.screen];
    (place.step < 0 ? screen.photograph : screen.steps[place.step].photograph) = photograph;
    setAfter(after, place);
}

PressesEdit::PressesEdit(CourseDocument &document, CoursePlace step, const QStringList &photographs)
    : CourseEdit(document, step, QCoreApplication::translate("kelvora::CourseEdits", "Set presses"))
{
    QJsonObject object = document.step(step);
    for (const char *field : {"photograph", "photographs", "presses"})
        object.remove(QLatin1String(field));
    if (photographs.size() > 1) {
        object[QStringLiteral("presses")] = int(photographs.size());
        object[QStringLiteral("photographs")] = QJsonArray::fromStringList(photographs);
    } else if (!photographs.value(0).isEmpty()) {
        object[QStringLiteral("photograph")] = photographs.first();
    }
    setAfter(CourseDocument::withObject(m_before, step, object), step);
}

AddEdit::AddEdit(CourseDocument &document, CoursePlace after, bool step, const QJsonObject &object)
    : CourseEdit(document, after, step ? QCoreApplication::translate("kelvora::CourseEdits", "Add step") : QCoreApplication::translate("kelvora::CourseEdits", "Add screen"))
{
    const CoursePlace listPlace = step ? CoursePlace{after.screen, 0} : CoursePlace{};
    QJsonArray list = siblings(m_before, listPlace);
    const int index = step ? after.step + 1 : (after.screen < 0 ? int(list.size()) : after.screen + 1);
    QJsonObject added = object;
    added[QStringLiteral("id")] = freshId(list, object.value(QStringLiteral("id")).toString());
    list.insert(index, added);
    setAfter(withSiblings(m_before, listPlace, list), at(listPlace, index));
}

namespace {
// The course with the list that holds the place's screen or step changed: the screens, or the screen's steps.
template <class Change> AuthorCourse withSiblings(AuthorCourse course, CoursePlace place, Change change)
{
    if (place.step < 0)
        change(course.screens);
    else
        change(course.screens[place.screen].steps);
    return course;
}

template <class List> QStringList idsOf(const List &list)
{
    QStringList ids;
    for (const auto &item : list)
        ids << item.id;
    return ids;
}
} // namespace

DuplicateEdit::DuplicateEdit(CourseDocument &document, CoursePlace place)
    : CourseEdit(document, place, QCoreApplication::translate("kelvora::CourseEdits", "Duplicate %1").arg(nameOf(place)))
{
    const int index = place.step < 0 ? place.screen : place.step;
    setAfter(withSiblings(m_beforeCourse, place,
                          [index](auto &list) {
                              auto copy = list[index];
                              copy.id = freshId(idsOf(list), copy.id + QStringLiteral("-2"));
                              list.insert(list.begin() + index + 1, std::move(copy));
                          }),
             at(place, index + 1));
}

DeleteEdit::DeleteEdit(CourseDocument &document, CoursePlace place)
    : CourseEdit(document, place, QCoreApplication::translate("kelvora::CourseEdits", "Delete %1").arg(nameOf(place)))
{
    const int index = place.step < 0 ? place.screen : place.step;
    int left = 0;
    const AuthorCourse after = withSiblings(m_beforeCourse, place, [&](auto &list) {
        list.erase(list.begin() + index);
        left = int(list.size());
    });
    const int next = std::min(index, left - 1);
    setAfter(after, next >= 0 ? at(place, next) : (place.step < 0 ? CoursePlace{} : CoursePlace{place.screen, -1}));
}

MoveEdit::MoveEdit(CourseDocument &document, CoursePlace from, int to)
    : CourseEdit(document, from, QCoreApplication::translate("kelvora::CourseEdits", "Move %1").arg(nameOf(from)))
{
    const int index = from.step < 0 ? from.screen : from.step;
    int placed = 0;
    setAfter(withSiblings(m_beforeCourse, from,
                          [&](auto &list) {
                              placed = std::clamp(to, 0, int(list.size()) - 1);
                              auto moved = std::move(list[index]);
                              list.erase(list.begin() + index);
                              list.insert(list.begin() + placed, std::move(moved));
                          }),
             at(from, placed));
}

CaptionEdit::CaptionEdit(CourseDocument &document, const QString &tag, const QString &caption, const QString &text)
    : CourseEdit(document, {}, QCoreApplication::translate("kelvora::CourseEdits", "Edit caption %1 (%2)").arg(caption, tag))
{
    const QString Captions = QStringLiteral("captions");
    QJsonArray languages = m_before.value(QStringLiteral("languages")).toArray();
    const qsizetype at = document.languageTags().indexOf(tag);
    QJsonObject language = languages.at(at).toObject();
    QJsonObject captions = language.value(Captions).toObject();
    if (text.isEmpty())
        captions.remove(caption);
    else
        captions[caption] = text;
    if (captions.isEmpty())
        language.remove(Captions);
    else
        language[Captions] = captions;
    languages[at] = language;
    QJsonObject course = m_before;
    course[QStringLiteral("languages")] = languages;
    setAfter(course, {});
}

AddLanguageEdit::AddLanguageEdit(CourseDocument &document, const QString &tag, const QString &name)
    : CourseEdit(document, {}, QCoreApplication::translate("kelvora::CourseEdits", "Add language %1").arg(tag))
{
    QJsonArray languages = m_before.value(QStringLiteral("languages")).toArray();
    languages.append(QJsonObject{{QStringLiteral("tag"), tag}, {QStringLiteral("name"), name}});
    QJsonObject course = m_before;
    course[QStringLiteral("languages")] = languages;
    setAfter(course, {});
}

namespace {
// The value with every text of the language taken out of its {"tag": text} objects.
QJsonValue withoutLanguage(const QJsonValue &value, const QString &tag, const QStringList &tags)
{
    if (value.isArray()) {
        QJsonArray items = value.toArray();
        for (qsizetype i = 0; i < items.size(); ++i)
            items[i] = withoutLanguage(items.at(i), tag, tags);
        return items;
    }
    if (!value.isObject())
        return value;
    QJsonObject object = value.toObject();
    const QStringList keys = object.keys();
    const bool texts = !keys.isEmpty() && std::all_of(keys.begin(), keys.end(), [&](const QString &key) {
        return tags.contains(key) && object.value(key).isString();
    });
    if (texts) {
        object.remove(tag);
        return object;
    }
    for (const QString &key : keys)
        object[key] = withoutLanguage(object.value(key), tag, tags);
    return object;
}
} // namespace

LanguageEdit::LanguageEdit(CourseDocument &document, const QString &tag, const QString &name)
    : CourseEdit(document, {}, name.isEmpty() ? QCoreApplication::translate("kelvora::CourseEdits", "Remove language %1").arg(tag)
                                              : QCoreApplication::translate("kelvora::CourseEdits", "Rename language %1").arg(tag))
{
    if (!name.isEmpty()) {
        AuthorCourse after = m_beforeCourse;
        for (AuthorLanguage &language : after.languages) {
            if (language.tag == tag)
                language.name = name;
        }
        setAfter(after, {});
        return;
    }
    QJsonArray languages = m_before.value(QStringLiteral("languages")).toArray();
    QStringList tags;
    for (qsizetype i = 0; i < languages.size(); ++i)
        tags << languages.at(i)[QStringLiteral("tag")].toString();
    const qsizetype index = tags.indexOf(tag);
    QJsonObject course = m_before;
    if (index >= 0) {
        languages.removeAt(index);
        course.remove(QStringLiteral("languages"));
        course = withoutLanguage(course, tag, tags).toObject();
        course[QStringLiteral("languages")] = languages;
    }
    setAfter(course, {});
}

WholeCourseEdit::WholeCourseEdit(CourseDocument &document, const QJsonObject &course, const QString &text,
                                 CoursePlace selected)
    : CourseEdit(document, {}, text)
{
    setAfter(course, selected);
}

} // namespace kelvora
