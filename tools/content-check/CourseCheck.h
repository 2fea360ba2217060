#pragma once

#include <QList>
#include <QString>

namespace kelvora {

// One thing an author got wrong in a course. screen and step are the course's
// own ids (empty where the finding is about the course or one of its files),
// language the tag of the language it concerns (empty where it concerns all).
struct CourseFinding {
    QString screen;
    QString step;
    QString language;
    QString message;
    // Advice, not a fault: the course runs as it is (a file in its folder it does not use).
    bool note = false;

    // "de: prestart/battery: missing", "prestart: can never lead on",
    // "images/panel.jpg: missing (looked for it in ...)".
    QString toString() const;
};

// The check of one course file, for the command line: its findings and how
// many files it looked at.
class CourseCheck {
public:
    explicit CourseCheck(QString courseFile);

    QList<CourseFinding> run();
    // Also note what a trainee working from the keyboard would miss (see Format2Check::setKeyboard).
    void setKeyboard(bool keyboard) { m_keyboard = keyboard; }
    int filesChecked() const { return m_filesChecked; }

private:
    void report(const QString &message);

    QString m_file;
    QList<CourseFinding> m_findings;
    int m_filesChecked = 0;
    bool m_keyboard = false;
};

// Checks a course file of either format and everything it names: the files
// (present in any letter case, decoding), the texts (present in every language,
// fitting their label), the targets (on their photograph, clear of the
// trainer's own controls), the ids (none twice), and the flow of each screen
// (every step can become active, the screen can lead on). Reports every finding,
// not only the first; an empty list means the course is sound. Needs a
// QGuiApplication for the fonts.
QList<CourseFinding> checkCourse(const QString &courseFile);

} // namespace kelvora
