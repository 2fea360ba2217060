#include "CourseJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

#include <algorithm>

namespace kelvora {

namespace {
constexpr qsizetype LineWidth = 120;

// The order of the fields of each kind of object; fields not named come after, alphabetically.
enum class Shape { Course, Language, Captions, Screen, Inset, Step, Group, Sequence, TextMap, Other };

QStringList fieldOrder(Shape shape)
{
    switch (shape) {
    case Shape::Course: return {"format", "id", "title", "languages", "screens"};
    case Shape::Language: return {"tag", "name", "captions"};
    case Shape::Captions: return {"start", "continue", "next", "exit", "currentLanguage", "credit"};
    case Shape::Screen:
        return {"id", "title", "photograph", "inset", "loop", "text", "steps", "pointAt", "sequence", "throttle"};
    case Shape::Inset: return {"picture", "place"};
    case Shape::Step: return {"id", "target", "sound", "photograph", "presses", "photographs", "text"};
    case Shape::Group: return {"id", "targets"};
    case Shape::Sequence: return {"periodMs", "photographs", "sound", "watch", "text"};
    case Shape::TextMap:
    case Shape::Other: return {};
    }
    return {};
}

// What a field of an object of that shape holds (the items, for a list).
Shape fieldShape(Shape parent, const QString &field)
{
    if (field == QLatin1String("title") || field == QLatin1String("text"))
        return Shape::TextMap;
    switch (parent) {
    case Shape::Course:
        if (field == QLatin1String("languages"))
            return Shape::Language;
        if (field == QLatin1String("screens"))
            return Shape::Screen;
        break;
    case Shape::Language:
        if (field == QLatin1String("captions"))
            return Shape::Captions;
        break;
    case Shape::Screen:
        if (field == QLatin1String("inset"))
            return Shape::Inset;
        if (field == QLatin1String("steps"))
            return Shape::Step;
        if (field == QLatin1String("pointAt"))
            return Shape::Group;
        if (field == QLatin1String("sequence"))
            return Shape::Sequence;
        break;
    default: break;
    }
    return Shape::Other;
}

class Writer {
public:
    explicit Writer(QStringList languageOrder) : m_languageOrder(std::move(languageOrder)) {}

    QByteArray write(const QJsonObject &course)
    {
        m_out.clear();
        value(course, Shape::Course, 0);
        m_out += '\n';
        return m_out;
    }

private:
    QStringList orderedKeys(const QJsonObject &object, Shape shape) const
    {
        const QStringList order = shape == Shape::TextMap ? m_languageOrder : fieldOrder(shape);
        QStringList keys = object.keys(); // alphabetical
        std::stable_sort(keys.begin(), keys.end(), [&order](const QString &a, const QString &b) {
            const auto rank = [&order](const QString &key) {
                const qsizetype at = order.indexOf(key);
                return at < 0 ? order.size() : at;
            };
            return rank(a) < rank(b);
        });
        return keys;
    }

    static QByteArray scalar(const QJsonValue &v)
    {
        const QByteArray wrapped = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
        return wrapped.mid(1, wrapped.size() - 2);
    }

    // The value on one line, or an empty array when it holds an object or a list of lists.
    QByteArray oneLine(const QJsonValue &v, Shape shape, int depth = 0) const
    {
        if (v.isObject()) {
            if (depth > 1)
                return {};
            const QJsonObject object = v.toObject();
            QByteArrayList parts;
            for (const QString &key : orderedKeys(object, shape)) {
                const QByteArray inner = oneLine(object.value(key), fieldShape(shape, key), depth + 1);
                if (inner.isEmpty())
                    return {};
                parts << scalar(key) + ": " + inner;
            }
            return "{" + parts.join(", ") + "}";
        }
        if (v.isArray()) {
            QByteArrayList parts;
            for (const QJsonValue &item : v.toArray()) {
                if (item.isObject() || item.isArray())
                    return {};
                parts << scalar(item);
            }
            return "[" + parts.join(", ") + "]";
        }
        return scalar(v);
    }

    void indent(int level) { m_out += QByteArray(level * 2, ' '); }

    void value(const QJsonValue &v, Shape shape, int level, qsizetype lead = 0)
    {
        // The course and its screens are always written out, one field a line.
        if (shape != Shape::Course && shape != Shape::Screen && shape != Shape::Step) {
            const QByteArray line = oneLine(v, shape);
            if (!line.isEmpty() && level * 2 + lead + line.size() <= LineWidth) {
                m_out += line;
                return;
            }
        }
        if (v.isObject()) {
            const QJsonObject object = v.toObject();
            const QStringList keys = orderedKeys(object, shape);
            if (keys.isEmpty()) {
                m_out += "{}";
                return;
            }
            m_out += "{\n";
            for (qsizetype i = 0; i < keys.size(); ++i) {
                indent(level + 1);
                const QByteArray key = scalar(keys[i]) + ": ";
                m_out += key;
                value(object.value(keys[i]), fieldShape(shape, keys[i]), level + 1, key.size());
                m_out += i + 1 < keys.size() ? ",\n" : "\n";
            }
            indent(level);
            m_out += '}';
        } else if (v.isArray()) {
            const QJsonArray array = v.toArray();
            if (array.isEmpty()) {
                m_out += "[]";
                return;
            }
            m_out += "[\n";
            for (qsizetype i = 0; i < array.size(); ++i) {
                indent(level + 1);
                value(array[i], shape, level + 1);
                m_out += i + 1 < array.size() ? ",\n" : "\n";
            }
            indent(level);
            m_out += ']';
        } else {
            m_out += scalar(v);
        }
    }

    QStringList m_languageOrder;
    QByteArray m_out;
};

} // namespace

QByteArray canonicalCourseJson(const QJsonObject &course)
{
    QStringList tags; // text maps follow the languages' order
    for (const QJsonValue &language : course.value(QStringLiteral("languages")).toArray())
        tags << language.toObject().value(QStringLiteral("tag")).toString();
    return Writer(tags).write(course);
}

} // namespace kelvora
