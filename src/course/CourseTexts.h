#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace kelvora {

// A text of a format 2 course as translators and the checker see it: its
// context ("title", "prestart", "prestart/title", "prestart/battery",
// "prestart/sequence"), the ids of its screen and step (empty where none), and
// its text per language tag.
struct CourseText {
    QString context;
    QString screen;
    QString step;
    QJsonObject texts;
};

// Every text map of the course, in the order an author reads them: the title,
// then screen by screen its title, its text, its steps' texts, its sequence's.
QList<CourseText> courseTexts(const QJsonObject &course);

// The course's language tags, the first language first.
QStringList courseLanguageTags(const QJsonObject &course);

// Sets the text of that context in one language; false when the course has no
// text of that context.
bool setCourseText(QJsonObject &course, const QString &context, const QString &tag, const QString &text);

} // namespace kelvora
