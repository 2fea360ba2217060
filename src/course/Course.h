#pragma once

#include "LanguageCaptions.h"
#include "LessonDesign.h"
#include "SourceMap.h"
#include "content/ContentPath.h"

#include <QStringList>

#include <QString>
#include <memory>
#include <vector>

namespace kelvora {

struct AuthorCourse;

// A language a course is taught in: its name on the start screen, its file of
// explanation lines (none where the course holds its texts), the tag that names
// it in records ("en", "pt-BR"; empty when a first-format course gives none),
// and the trainer's captions in it.
struct CourseLanguage {
    QString name;
    QString file;
    QString tag;
    LanguageCaptions captions = {};
};

// A procedure taught screen by screen: what the lesson template shows on each.
struct Course {
    // How its pictures are shown: at their design size, or of any size fitted whole into their places (the
    // start screen's photograph too).
    bool fitsPictures = false;
    // The engine plays the Exit button's click itself; an author's course plays only what it names.
    bool playsExitClick = true;
    // The start screen's Exit speaks the chosen language; the first format keeps the start screen's own words
    // the same in every language.
    bool startExitInLanguage = false;
    QString id;     // the course's URI or URN; empty in the first format
    QString startPicture = StartPicture; // the start screen's photograph; empty: none
    QString title;  // in the first language
    QStringList titles; // by language, first language first; empty in the first format
    QString file;   // where it was read from, for messages
    QString folder; // its content folder: images/, Sounds/ and the language files
    std::vector<CourseLanguage> languages;
    std::vector<LessonDesign> screens; // screen 1 first
    // Explanation line n of language k at lines[k - 1][n - 1], where the course holds its texts;
    // empty where they are read from the language files.
    std::vector<QStringList> lines;
    // The recording of explanation line n in language k at narrations[k - 1][n - 1] ("" where none is
    // given); empty where no line has one.
    std::vector<QStringList> narrations;
    SourceMap source; // back to the author's course; empty where the design is the file itself
    std::shared_ptr<const AuthorCourse> author; // what it was compiled from; null where the design is the file

    int lessonCount() const { return int(screens.size()); }
    // The language of that code (1 first), or nullptr.
    const CourseLanguage *language(int code) const
    {
        return code >= 1 && code <= int(languages.size()) ? &languages[size_t(code - 1)] : nullptr;
    }
    // The title in that language (1 first), else the title.
    QString titleIn(int code) const
    {
        return code >= 1 && code <= int(titles.size()) ? titles.at(code - 1) : title;
    }
    // The recording of explanation line n (1-based) in language code (1-based), or "".
    QString narrationOf(int code, int line) const
    {
        return code >= 1 && code <= int(narrations.size()) ? narrations[size_t(code - 1)].value(line - 1) : QString();
    }
    // The explanation lines a complete run of the screen reads.
    static int linesRead(const LessonDesign &screen);
    // The lines a complete run reads, and the screen (1-based) that shows line n (1-based).
    int linesRead() const;
    int screenOfLine(int line) const;
};

} // namespace kelvora
