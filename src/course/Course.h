#pragma once

#include "course/LessonDesign.h"

#include <QString>
#include <vector>

namespace kelvora {

// A language a course is taught in: its name, the caption of its start button,
// its file of explanation lines, and the tag that names it in records
// ("en", "pt-BR"; empty when the course gives none).
struct CourseLanguage {
    QString name;
    QString startCaption;
    QString file;
    QString tag;
};

// A procedure taught screen by screen: what the lesson template shows on each.
struct Course {
    QString title;
    QString file;   // where it was read from, for messages
    QString folder; // its content folder: images/, Sounds/ and the language files
    std::vector<CourseLanguage> languages;
    std::vector<LessonDesign> screens; // screen 1 first

    int lessonCount() const { return int(screens.size()); }
    // The language of that code (1 first), or nullptr.
    const CourseLanguage *language(int code) const
    {
        return code >= 1 && code <= int(languages.size()) ? &languages[size_t(code - 1)] : nullptr;
    }
    // The explanation lines a complete run of the screen reads.
    static int linesRead(const LessonDesign &screen);
    // The lines a complete run reads, and the screen (1-based) that shows line n (1-based).
    int linesRead() const;
    int screenOfLine(int line) const;
};

} // namespace kelvora
