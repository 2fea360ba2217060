#include "AuthorReader.h"

#include "AuthorFields.h"
#include "CourseIri.h"
#include "course/CourseNode.h"

#include <QFileInfo>
#include <QJsonArray>

namespace kelvora {

namespace {
// The names of an object's fields, from its field list.
struct FieldNames {
    QStringList names;
    template <class T> void field(const char *name, T &) { names << QLatin1String(name); }
    template <class T> void object(const char *name, T &) { names << QLatin1String(name); }
    template <class T> void list(const char *name, T &, const char *) { names << QLatin1String(name); }
};

// {"rectangle": [x, y, w, h]}, {"oval": [x, y, w, h]} or {"circle": [cx, cy, r]}.
Target readTarget(const CourseNode &shape)
{
    shape.allow({"rectangle", "oval", "circle"});
    if (shape.json().size() != 1)
        shape.fail(QStringLiteral("must be one rectangle, oval or circle"));
    if (shape.has("circle")) {
        const QList<int> n = shape.numbers("circle", 3);
        return Target::circle({n[0], n[1]}, n[2]);
    }
    const bool oval = shape.has("oval");
    const QList<int> n = shape.numbers(oval ? "oval" : "rectangle", 4);
    return {oval ? Target::Shape::Oval : Target::Shape::Rectangle, QRect(n[0], n[1], n[2], n[3])};
}

class Reader {
public:
    explicit Reader(const CourseNode &node) : m_node(node) {}

    template <class S> static void read(const CourseNode &node, S &value)
    {
        FieldNames names;
        author::fields(value, names);
        node.allow(names.names);
        Reader reader(node);
        author::fields(value, reader);
    }

    void field(const char *name, QString &value) { value = m_node.text(name); }

    void field(const char *name, Texts &value)
    {
        if (!m_node.has(name))
            return;
        const CourseNode map = m_node.object(name);
        if (map.json().isEmpty())
            map.fail(QStringLiteral("holds no text"));
        for (auto it = map.json().begin(); it != map.json().end(); ++it) {
            if (!it.value().isString())
                map.fail(qPrintable(it.key()), QStringLiteral("is not a text"));
            value.insert(it.key(), it.value().toString());
        }
    }

    void field(const char *name, std::optional<int> &value)
    {
        if (m_node.has(name))
            value = m_node.requiredNumber(name);
    }

    void field(const char *name, std::optional<Target> &value)
    {
        if (m_node.has(name))
            value = readTarget(m_node.object(name));
    }

    void field(const char *name, QStringList &value) { value = m_node.texts(name); }

    void field(const char *name, std::vector<Target> &value)
    {
        for (const CourseNode &target : m_node.objects(name, [](const QJsonObject &, int i) {
                 return QStringLiteral("target %1").arg(i + 1);
             }))
            value.push_back(readTarget(target));
    }

    template <class S> void object(const char *name, S &value)
    {
        if (m_node.has(name))
            read(m_node.object(name), value);
    }

    template <class S> void object(const char *name, std::optional<S> &value)
    {
        if (!m_node.has(name))
            return;
        value.emplace();
        read(m_node.object(name), *value);
    }

    template <class S> void list(const char *name, std::vector<S> &value, const char *what)
    {
        const char *key = std::is_same_v<S, AuthorLanguage> ? "tag" : "id";
        for (const CourseNode &item : m_node.objects(name, [what, key](const QJsonObject &o, int i) {
                 const QString own = o.value(QLatin1String(key)).toString();
                 return QStringLiteral("%1 %2").arg(QLatin1String(what), own.isEmpty() ? QString::number(i + 1) : own);
             })) {
            value.emplace_back();
            read(item, value.back());
        }
    }

private:
    const CourseNode &m_node;
};
} // namespace

AuthorCourse readAuthorCourse(const QJsonObject &root, const QString &file)
{
    QJsonObject fields = root;
    fields.remove(QStringLiteral("format")); // the readers' table chose this reader by it
    const CourseNode node(file, fields, {});
    AuthorCourse course;
    Reader::read(node, course);
    course.file = file;
    course.folder = file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
    if (!course.id.isEmpty() && !isCourseIri(course.id))
        node.fail("id", QStringLiteral("\"%1\" is not an IRI such as \"urn:example:courses:preflight\" or "
                                       "\"https://example.org/courses/preflight\"").arg(course.id));
    return course;
}

} // namespace kelvora
