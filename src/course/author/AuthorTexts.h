#pragma once

#include "AuthorCourse.h"

#include <QList>

namespace kelvora {

// A text of the course as translators and the checker see it: its context ("title", "prestart",
// "prestart/title", "prestart/battery", "prestart/sequence", "prestart/throttle/half", "captions/continue"),
// the ids of its screen and step or group (empty where none), its text per language, and whether the
// explanation label shows it.
struct AuthorText {
    QString context;
    QString screen;
    QString step;
    Texts texts;
    bool explanation = false;
};

// Every text map of the course in the order an author reads them: the title, then screen by screen its
// title, its text, its steps' texts, its sequence's and its throttle's captions. The languages' captions of
// the trainer's own words are not text maps; see captionTexts().
QList<AuthorText> authorTexts(const AuthorCourse &course);

// Every text field of the course in the same order, also those with no text yet (an editor offers them all).
QList<AuthorText> authorTextFields(const AuthorCourse &course);
// Sets the text of that context in one language, also in a field with no text yet; an empty text removes the
// language's text. False when the course has no such field.
bool editAuthorText(AuthorCourse &course, const QString &context, const QString &tag, const QString &text);

// Sets the text of that context in one language; false when the course has no text of that context.
bool setAuthorText(AuthorCourse &course, const QString &context, const QString &tag, const QString &text);

// The trainer's captions of one language as contexts "captions/start" ... "captions/credit", each with the
// course's caption, or the trainer's own where the course gives none.
QList<std::pair<QString, QString>> captionTexts(const AuthorCourse &course, const QString &tag);
// Sets a caption of that context ("captions/continue"); false when there is no such caption or language.
bool setCaptionText(AuthorCourse &course, const QString &context, const QString &tag, const QString &text);

} // namespace kelvora
