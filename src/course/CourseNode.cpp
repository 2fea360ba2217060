#include "CourseNode.h"

#include "platform/RuntimeError.h"

#include <QJsonArray>

#include <algorithm>

namespace kelvora {

namespace {
const QRect Window{0, 0, 1024, 768};

bool isWholeNumber(const QJsonValue &v)
{
    return v.isDouble() && v.toDouble() == double(v.toInt());
}
} // namespace

void failCourse(const QString &file, const QString &place, const QString &reason)
{
    throw RuntimeError(RuntimeError::Kind::BadCourse, file, place.isEmpty() ? reason : place + QStringLiteral(": ") + reason);
}

CourseNode::CourseNode(QString file, QJsonObject object, QString place)
    : m_file(std::move(file)), m_object(std::move(object)), m_place(std::move(place))
{
}

void CourseNode::fail(const QString &reason) const
{
    failCourse(m_file, m_place, reason);
}

void CourseNode::fail(const char *field, const QString &reason) const
{
    failCourse(m_file, fieldPlace(field), reason);
}

QString CourseNode::fieldPlace(const char *field) const
{
    return (m_place.isEmpty() ? QString() : m_place + QStringLiteral(", ")) + QStringLiteral("field ") + QLatin1String(field);
}

void CourseNode::allow(std::initializer_list<const char *> fields) const
{
    for (const QString &key : m_object.keys()) {
        if (std::none_of(fields.begin(), fields.end(), [&](const char *f) { return key == QLatin1String(f); }))
            fail(QStringLiteral("unknown field \"%1\"").arg(key));
    }
}

void CourseNode::allow(const QStringList &fields) const
{
    for (const QString &key : m_object.keys()) {
        if (!fields.contains(key))
            fail(QStringLiteral("unknown field \"%1\"").arg(key));
    }
}

bool CourseNode::has(const char *field) const
{
    return m_object.contains(QLatin1String(field));
}

QJsonValue CourseNode::value(const char *field) const
{
    return m_object.value(QLatin1String(field));
}

void CourseNode::require(const char *field) const
{
    if (!has(field))
        fail(field, QStringLiteral("is missing"));
}

QString CourseNode::text(const char *field, const QString &fallback) const
{
    if (!has(field))
        return fallback;
    if (!value(field).isString() || value(field).toString().isEmpty())
        fail(field, QStringLiteral("is not a text"));
    return value(field).toString();
}

QString CourseNode::requiredText(const char *field) const
{
    require(field);
    return text(field);
}

int CourseNode::number(const char *field, int fallback) const
{
    if (!has(field))
        return fallback;
    if (!isWholeNumber(value(field)))
        fail(field, QStringLiteral("is not a whole number"));
    return value(field).toInt();
}

int CourseNode::requiredNumber(const char *field) const
{
    require(field);
    return number(field, 0);
}

int CourseNode::positiveNumber(const char *field) const
{
    const int n = requiredNumber(field);
    if (n <= 0)
        fail(field, QStringLiteral("must be greater than 0"));
    return n;
}

bool CourseNode::flag(const char *field, bool fallback) const
{
    if (!has(field))
        return fallback;
    if (!value(field).isBool())
        fail(field, QStringLiteral("is not true or false"));
    return value(field).toBool();
}

QList<int> CourseNode::numbers(const char *field, int count) const
{
    const QJsonArray array = value(field).toArray();
    if (!value(field).isArray() || array.size() != count || !std::all_of(array.begin(), array.end(), isWholeNumber))
        fail(field, QStringLiteral("is not a list of %1 whole numbers").arg(count));
    QList<int> result;
    for (const QJsonValue &v : array)
        result << v.toInt();
    return result;
}

QPoint CourseNode::point(const char *field, QPoint fallback) const
{
    if (!has(field))
        return fallback;
    const QList<int> n = numbers(field, 2);
    return {n[0], n[1]};
}

QRect CourseNode::rect(const char *field, QRect fallback) const
{
    if (!has(field))
        return fallback;
    const QList<int> n = numbers(field, 4);
    const QRect r(n[0], n[1], n[2], n[3]);
    if (r.width() <= 0 || r.height() <= 0)
        fail(field, QStringLiteral("has no area"));
    if (!Window.intersects(r))
        fail(field, QStringLiteral("lies outside the 1024 x 768 window"));
    return r;
}

QRect CourseNode::requiredRect(const char *field) const
{
    require(field);
    return rect(field, {});
}

QStringList CourseNode::texts(const char *field) const
{
    if (!has(field))
        return {};
    const QJsonArray array = value(field).toArray();
    if (!value(field).isArray() || !std::all_of(array.begin(), array.end(), [](const QJsonValue &v) { return v.isString(); }))
        fail(field, QStringLiteral("is not a list of texts"));
    QStringList result;
    for (const QJsonValue &v : array)
        result << v.toString();
    return result;
}

QList<CourseNode> CourseNode::objects(const char *field,
                                      const std::function<QString(const QJsonObject &, int)> &placeOf) const
{
    if (!has(field))
        return {};
    if (!value(field).isArray())
        fail(field, QStringLiteral("is not a list"));
    QList<CourseNode> result;
    const QJsonArray array = value(field).toArray();
    for (int i = 0; i < array.size(); ++i) {
        if (!array[i].isObject())
            fail(field, QStringLiteral("item %1 is not an object").arg(i + 1));
        const QString own = placeOf(array[i].toObject(), i);
        result << CourseNode(m_file, array[i].toObject(), m_place.isEmpty() ? own : m_place + QStringLiteral(", ") + own);
    }
    return result;
}

CourseNode CourseNode::object(const char *field) const
{
    if (has(field) && !value(field).isObject())
        fail(field, QStringLiteral("is not an object"));
    return CourseNode(m_file, value(field).toObject(), fieldPlace(field));
}

} // namespace kelvora
