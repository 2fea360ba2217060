#include "AuthorWriter.h"

#include "AuthorFields.h"
#include "content/RegularFile.h"
#include "course/CourseJson.h"

#include <QJsonArray>

namespace kelvora {

namespace {
QJsonObject targetJson(const Target &target)
{
    const QRect &b = target.box;
    switch (target.shape) {
    case Target::Shape::Circle:
        return {{"circle", QJsonArray{target.centre().x(), target.centre().y(), target.radius()}}};
    case Target::Shape::Oval: return {{"oval", QJsonArray{b.x(), b.y(), b.width(), b.height()}}};
    case Target::Shape::Rectangle: break;
    }
    return {{"rectangle", QJsonArray{b.x(), b.y(), b.width(), b.height()}}};
}

// Writes each field that is there; an empty value is an absent field.
class Writer {
public:
    template <class S> static QJsonObject write(S value)
    {
        Writer writer;
        author::fields(value, writer);
        return writer.m_object;
    }

    void field(const char *name, const QString &value)
    {
        if (!value.isEmpty())
            m_object.insert(QLatin1String(name), value);
    }

    void field(const char *name, const Texts &value)
    {
        if (value.isEmpty())
            return;
        QJsonObject map;
        for (auto it = value.begin(); it != value.end(); ++it)
            map.insert(it.key(), it.value());
        m_object.insert(QLatin1String(name), map);
    }

    void field(const char *name, const std::optional<int> &value)
    {
        if (value)
            m_object.insert(QLatin1String(name), *value);
    }

    void field(const char *name, const std::optional<Target> &value)
    {
        if (value)
            m_object.insert(QLatin1String(name), targetJson(*value));
    }

    void field(const char *name, const QStringList &value)
    {
        if (!value.isEmpty())
            m_object.insert(QLatin1String(name), QJsonArray::fromStringList(value));
    }

    void field(const char *name, const std::vector<Target> &value)
    {
        if (value.empty())
            return;
        QJsonArray list;
        for (const Target &target : value)
            list.append(targetJson(target));
        m_object.insert(QLatin1String(name), list);
    }

    template <class S> void object(const char *name, const S &value)
    {
        const QJsonObject object = write(value);
        if (!object.isEmpty())
            m_object.insert(QLatin1String(name), object);
    }

    template <class S> void object(const char *name, const std::optional<S> &value)
    {
        if (value)
            m_object.insert(QLatin1String(name), write(*value));
    }

    // The course's lists are there even when empty: a new course has no screen yet.
    template <class S> void list(const char *name, const std::vector<S> &value, const char *)
    {
        constexpr bool always = std::is_same_v<S, AuthorScreen> || std::is_same_v<S, AuthorLanguage>;
        if (value.empty() && !always)
            return;
        QJsonArray list;
        for (const S &item : value)
            list.append(write(item));
        m_object.insert(QLatin1String(name), list);
    }

private:
    QJsonObject m_object;
};
} // namespace

QJsonObject authorCourseJson(const AuthorCourse &course)
{
    QJsonObject json = Writer::write(course);
    json.insert(QStringLiteral("format"), 2);
    return json;
}

QByteArray writeAuthorCourse(const AuthorCourse &course)
{
    return canonicalCourseJson(authorCourseJson(course));
}

QString saveAuthorCourse(const AuthorCourse &course, const QString &file)
{
    return saveWholeFile(file, writeAuthorCourse(course));
}

} // namespace kelvora
