#pragma once

#include "Course.h"
#include "CourseNode.h"
#include "content/Letterbox.h"

#include <QSet>

namespace kelvora {

// The page's layout on every screen of an author's course: the explanation label with room for three rows, and
// the inset below it on the "left" or "right".
LessonLayout authorsLayout(const QString &insetPlace = QStringLiteral("left"));

// Compiles one screen of an author's course into the lesson design the template runs, generating the names of
// its marks and timers: step n is taken on mark Shape<n> while Timer<n> runs, and each step's press starts the
// next step's timer; the point-at groups, the watch of the timed sequence and the throttle's steps follow. The
// screen's texts are appended to the course's table of lines in the order the run reads them.
class Format2Screen {
public:
    Format2Screen(const CourseNode &node, int number, Course &course);

    LessonDesign compile();

private:
    struct Target {
        QRect rect; // on the page
        MarkKind kind;
    };

    void readSteps();
    void readPointAt();
    void readSequence();
    void readThrottle();
    // What follows the press of step n (1 first): the next step, else the sequence, else Continue.
    Actions after(int step) const;
    Actions leadOn() const;
    Target target(const CourseNode &node, const char *field) const;
    Target target(const CourseNode &shape) const;
    void addMark(const QString &name, int index, const Target &target, const QColor &colour);
    // Adds the node's text as the next line the run reads; false when it has none.
    bool addLine(const CourseNode &node, const char *field);

    const CourseNode &m_node;
    Course &m_course;
    LessonDesign m_design;
    QSize m_photographSize; // invalid while the photograph is not there
    Letterbox m_fit;
    QSet<QString> m_ids; // of steps and point-at groups
    int m_steps = 0;   // steps, the throttle's three included
    int m_marks = 0;   // marks and timers numbered so far
};

} // namespace kelvora
