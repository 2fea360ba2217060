#pragma once

#include "AuthorCourse.h"

#include <QHash>
#include <QList>

#include <functional>

namespace kelvora {

// What is wrong with an author's course, and where: the screen's and step's (or group's) ids, the language's
// tag, each empty where it does not apply.
struct AuthorProblem {
    enum class Severity {
        Refused, // the trainer does not run the course
        Advice,  // it runs, but a trainee would meet the fault (a text missing in a language ...)
    };
    Severity severity = Severity::Refused;
    QString screen;
    QString step;
    QString language;
    QString message;

    // "de: prestart/battery: target: has no area"
    QString toString() const;
};

struct AuthorValidationOptions {
    // The course's own rules: ids, required fields, texts in taught languages, counts.
    bool rules = true;
    // The files it names: in the course's folder, regular files of their kind, and the targets on their
    // photographs, large enough to press at the page's scale.
    bool files = true;
    // Read every picture whole, not only its header, and say why a sound does not play (the checker's
    // thoroughness; the trainer reads each when it shows it).
    bool decodeFiles = false;
    // Why the sound file at the path does not play, or ""; used with decodeFiles.
    std::function<QString(const QString &path)> soundProblem;
    // Files the course names that are not in its folder yet (an editor's picks before saving), by name:
    // where they are now.
    QHash<QString, QString> filesElsewhere = {};
};

// The one validation of an author's course, used by the trainer's loader (it refuses a course with any
// problem of severity Refused and names the first) and by the checker (it reports them all). Files are
// looked for in the course's folder: a name leading out of it (`..`, or a link to elsewhere) is refused, as
// is anything that is not a regular file, said as what it is.
QList<AuthorProblem> validateAuthorCourse(const AuthorCourse &course, const AuthorValidationOptions &options = {});

// A screen's, step's or group's id: letters, digits, '-', '_' and '.' only.
bool isWellFormedId(const QString &id);

// The size of the author's photograph as the trainer shows it (EXIF orientation applied); invalid when it
// cannot be read.
QSize authorPhotographSize(const QString &path);

// The smallest target a press can take: its mark on the page at least this many page pixels each way.
inline constexpr int SmallestPressablePixels = 4;

} // namespace kelvora
