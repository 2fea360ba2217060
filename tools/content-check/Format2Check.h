#pragma once

#include "CourseCheck.h"
#include "course/Course.h"
#include "course/author/AuthorCourse.h"

#include <QHash>
#include <QRect>
#include <QSet>
#include <QStringList>

#include <utility>

namespace kelvora {

// The checks of an author's course: the trainer's own validation (ids, required fields, every file it names
// in the course's folder and decoding, targets on their photograph and large enough to press), and what a
// trainee would meet: texts in every language and fitting their label, targets clear of the trainer's
// controls, and, on the lesson design it compiles to, every step able to become active and every screen able
// to lead on, and every explanation readable on the photographs it is shown over. What depends on the compiled
// course is left out when it does not compile.
class Format2Check {
public:
    Format2Check(const AuthorCourse &course, const Course *compiled);

    // Needs a QGuiApplication for the fonts.
    QList<CourseFinding> run();
    int filesChecked() const;
    // Files the course names that are not in its folder yet, by name: where they are now.
    void setFilesElsewhere(QHash<QString, QString> files) { m_elsewhere = std::move(files); }
    // For a course run from the keyboard: a target without a label is named by its id, made readable.
    void setKeyboard(bool keyboard) { m_keyboard = keyboard; }

private:
    void checkTexts();
    void checkFlow();
    void checkCaptions();
    void checkContrast(const AuthorScreen &screen, const LessonLayout &layout);
    void noteUnusedFiles();
    void noteUnlabelledTargets();
    void checkTargets(const AuthorScreen &screen, const LessonLayout &layout);
    void report(const QString &screen, const QString &step, const QString &language, const QString &message);

    const AuthorCourse &m_course;
    const Course *m_compiled;
    QList<CourseFinding> m_findings;
    QHash<QString, QString> m_elsewhere;
    bool m_keyboard = false;
};

} // namespace kelvora
