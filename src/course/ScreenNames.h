#pragma once

#include "CourseNode.h"

#include <QHash>
#include <QSet>

namespace kelvora {

// The names one screen of a course gives its controls: the template's, its
// marks and timers, and those its kinds add. Steps and actions may name only
// these; a name given twice fails (members of a mark group share theirs).
class ScreenNames {
public:
    explicit ScreenNames(const CourseNode &screen);

    void addMark(const QString &name, int index, const CourseNode &at);
    void addTimer(const QString &name, const CourseNode &at);
    void addControl(const QString &name, const CourseNode &at);
    // The controls, marks and timers a kind adds to the screen.
    void addKind(const QString &kind, const CourseNode &at);

    void checkMark(const QString &name, const CourseNode &at, const char *field) const;
    void checkTimer(const QString &name, const CourseNode &at, const char *field) const;
    void checkControl(const QString &name, const CourseNode &at, const char *field) const;

private:
    QSet<QString> m_controls;
    QSet<QString> m_marks;
    QSet<QString> m_timers;
    QHash<QString, QSet<int>> m_groupIndices;
};

} // namespace kelvora
