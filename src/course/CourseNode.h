#pragma once

#include <QJsonObject>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <functional>
#include <initializer_list>

namespace kelvora {

// One JSON object of a course file with the place in the file where it stands
// ("screen 3, mark Shape2"). Its readers check the field's type and throw
// RuntimeError (invalid course) naming the file, the place, the field and the reason.
class CourseNode {
public:
    CourseNode(QString file, QJsonObject object, QString place);

    const QString &place() const { return m_place; }
    [[noreturn]] void fail(const QString &reason) const;
    [[noreturn]] void fail(const char *field, const QString &reason) const;

    // Fields an author misspells would otherwise be silently ignored.
    void allow(std::initializer_list<const char *> fields) const;
    void allow(const QStringList &fields) const;
    bool has(const char *field) const;

    // Optional fields give the fallback when absent; required ones fail.
    QString text(const char *field, const QString &fallback = {}) const;
    QString requiredText(const char *field) const;
    int number(const char *field, int fallback) const;
    int requiredNumber(const char *field) const;
    int positiveNumber(const char *field) const;
    bool flag(const char *field, bool fallback) const;
    QPoint point(const char *field, QPoint fallback) const; // [x, y]
    // [left, top, width, height], at least partly inside the 1024 x 768 window.
    QRect rect(const char *field, QRect fallback) const;
    QRect requiredRect(const char *field) const;
    QStringList texts(const char *field) const;
    // The objects of a list field; placeOf names each (from its fields and its position) for messages.
    QList<CourseNode> objects(const char *field, const std::function<QString(const QJsonObject &, int)> &placeOf) const;
    CourseNode object(const char *field) const;
    QList<int> numbers(const char *field, int count) const; // exactly count whole numbers
    const QJsonObject &json() const { return m_object; }

private:
    QJsonValue value(const char *field) const;
    QString fieldPlace(const char *field) const;
    void require(const char *field) const;

    QString m_file;
    QJsonObject m_object;
    QString m_place;
};

// Throws RuntimeError (invalid course): "FILE (PLACE: REASON)".
[[noreturn]] void failCourse(const QString &file, const QString &place, const QString &reason);

} // namespace kelvora
