#pragma once

#include "course/LanguageCaptions.h"

#include <QMap>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kelvora {

// The author's course as the author writes it ("format": 2): screens of photographs with steps to press,
// groups to point at, a timed sequence or a throttle, and every text in each of the course's languages.
// Plain values: the editor copies, changes and compares them; the reader (AuthorReader.h) builds them from a
// file, the writer (AuthorWriter.h) writes them in the one canonical form, the validation
// (AuthorValidation.h) says what the trainer refuses and what the checker advises, and the compiler
// (AuthorCompiler.h) turns them into the lesson design the engine runs, keeping a source map.
//
// A field of the file that is absent is an empty value here (an empty text, list or map, or nullopt), so
// reading and writing a course gives back its bytes. Adding a field: a member here, one line in the
// object's field list in AuthorFields.h; the reader, the writer and the translation round trip follow from
// it.

// One text in each language: {"en": "...", "de": "..."}, by language tag. Empty: the field is absent.
using Texts = QMap<QString, QString>;

// A place on the author's photograph, in the photograph's own pixels (after its EXIF orientation).
struct Target {
    enum class Shape { Rectangle, Oval, Circle };
    Shape shape = Shape::Rectangle;
    QRect box; // a rectangle or an oval as written; a circle's bounding square

    static Target circle(QPoint centre, int radius)
    {
        return {Shape::Circle, QRect(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius)};
    }
    QPoint centre() const { return {box.x() + box.width() / 2, box.y() + box.height() / 2}; }
    int radius() const { return box.width() / 2; }
    friend bool operator==(const Target &, const Target &) = default;
};

struct AuthorLanguage {
    QString tag;  // "en", "pt-BR"
    QString name; // on the start screen
    LanguageCaptions captions; // a caption left empty is the trainer's own for the tag
    friend bool operator==(const AuthorLanguage &, const AuthorLanguage &) = default;
};

struct AuthorInset {
    QString picture;
    QString place; // "left" (also when empty) or "right"
    Texts description; // what the picture shows, for a screen reader
    friend bool operator==(const AuthorInset &, const AuthorInset &) = default;
};

// A press on a target. With `presses`, the step counts that many presses, leaving one of `photographs`
// after each; without, one press leaves `photograph` (if any).
struct AuthorStep {
    QString id;
    std::optional<Target> target;
    QString sound;
    QString photograph;
    std::optional<int> presses;
    QStringList photographs;
    Texts text;
    Texts label;     // what the target is called, for a screen reader and the keyboard; else the id made readable
    Texts caption;   // the sound's caption ("[click]")
    Texts narration; // the text recorded, a WAV or OGG file per language, spoken instead of synthesised speech
    friend bool operator==(const AuthorStep &, const AuthorStep &) = default;
};

// Places the screen points at without asking for a press.
struct AuthorGroup {
    QString id;
    std::vector<Target> targets;
    friend bool operator==(const AuthorGroup &, const AuthorGroup &) = default;
};

// Photographs shown one after another once the steps are done, optionally watching one target.
struct AuthorSequence {
    std::optional<int> periodMs;
    QStringList photographs;
    QString sound;
    std::optional<Target> watch;
    Texts text;
    Texts caption;   // the sound's
    Texts narration; // the text's recording
    friend bool operator==(const AuthorSequence &, const AuthorSequence &) = default;
};

// The throttle's captions on the lever's way: at half and at IDLE.
struct ThrottleCaptions {
    Texts half;
    Texts idle;
    friend bool operator==(const ThrottleCaptions &, const ThrottleCaptions &) = default;
};

// Pull the lever to OFF on its picture, lift the finger lift on the photograph, push it to IDLE.
struct AuthorThrottle {
    QString picture;
    QString place; // "left" (also when empty) or "right"
    std::optional<Target> lift;
    QString sound;
    ThrottleCaptions captions;
    friend bool operator==(const AuthorThrottle &, const AuthorThrottle &) = default;
};

struct AuthorScreen {
    QString id;
    Texts title;
    QString photograph;
    std::optional<AuthorInset> inset;
    QString loop;
    Texts text;
    Texts description; // what the photograph shows, for a screen reader
    Texts loopCaption; // the loop's caption ("[engine running]")
    Texts narration;   // the text's recording
    std::vector<AuthorStep> steps;
    std::vector<AuthorGroup> pointAt;
    std::optional<AuthorSequence> sequence;
    std::optional<AuthorThrottle> throttle;
    friend bool operator==(const AuthorScreen &, const AuthorScreen &) = default;
};

struct AuthorCourse {
    QString id; // an IRI: "urn:example:courses:preflight"
    Texts title;
    std::vector<AuthorLanguage> languages;
    std::vector<AuthorScreen> screens;

    QString file;   // where it was read from ("" for a new course), for messages
    QString folder; // the folder its file names are relative to

    QStringList tags() const;
    const AuthorLanguage *language(const QString &tag) const;
    // The text in that language, else in the first language, else any; "" when the map is empty.
    QString textIn(const Texts &texts, const QString &tag) const;
    int screenIndex(const QString &screenId) const; // -1 when none has it

    friend bool operator==(const AuthorCourse &a, const AuthorCourse &b)
    {
        return a.id == b.id && a.title == b.title && a.languages == b.languages && a.screens == b.screens;
    }
};

} // namespace kelvora
