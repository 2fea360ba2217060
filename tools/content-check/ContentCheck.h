#pragma once

#include "course/Course.h"

#include <QList>
#include <QSize>
#include <QString>

namespace kelvora {

// One thing wrong with a content pack: the file (as the pack names it), the
// line for language files (0 otherwise) and what is wrong.
struct ContentProblem {
    QString file;
    int line = 0;
    QString message;

    // "Lang2.txt:12: ..." or "images/019.jpg: ...", as compilers write them.
    QString toString() const;
};

// Checks a course's content against the course: every file it names present
// (names matched without regard to case), every picture decodes at the size
// the screens expect, every sound decodes, and every language file carries a
// complete run whose lines fit the explanation label of the screen that shows
// them. It reports every problem, not only the first.
class ContentCheck {
public:
    // contentFolder holds images/ and Sounds/; programFolder the language files.
    ContentCheck(const QString &contentFolder, const QString &programFolder, Course course);

    // Needs a QGuiApplication for the fonts.
    QList<ContentProblem> run();
    int filesChecked() const { return m_filesChecked; }

private:
    void checkPicture(const QString &file, const QString &path, QSize expected);
    void checkSound(const QString &file, const QString &path);
    void checkLanguageFile(const QString &file, const QString &path);
    void report(const QString &file, int line, const QString &message);

    Course m_course;
    QString m_contentFolder;
    QString m_programFolder;
    QList<ContentProblem> m_problems;
    int m_filesChecked = 0;
};

} // namespace kelvora
