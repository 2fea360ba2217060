#include "ScreenNames.h"

#include "ControlNames.h"

namespace kelvora {

ScreenNames::ScreenNames(const CourseNode &screen)
{
    for (QLatin1StringView name : names::TemplateControls)
        m_controls.insert(QString(name).toLower());
    addMark(names::ContinueMark, -1, screen);
    addTimer(names::ContinueTimer, screen);
}

void ScreenNames::addMark(const QString &name, int index, const CourseNode &at)
{
    const QString key = name.toLower();
    if (m_controls.contains(key) && !(index >= 0 && m_groupIndices.contains(key)))
        at.fail(QStringLiteral("the name %1 is used twice").arg(name));
    if (index >= 0 && m_groupIndices[key].contains(index))
        at.fail(QStringLiteral("the mark %1 #%2 is given twice").arg(name).arg(index));
    if (index >= 0)
        m_groupIndices[key].insert(index);
    m_controls.insert(key);
    m_marks.insert(key);
}

void ScreenNames::addTimer(const QString &name, const CourseNode &at)
{
    addControl(name, at);
    m_timers.insert(name.toLower());
}

void ScreenNames::addControl(const QString &name, const CourseNode &at)
{
    if (m_controls.contains(name.toLower()))
        at.fail(QStringLiteral("the name %1 is used twice").arg(name));
    m_controls.insert(name.toLower());
}

void ScreenNames::addKind(const QString &kind, const CourseNode &at)
{
    if (kind == QLatin1String("throttleQuadrant")) {
        for (QLatin1StringView control : names::QuadrantControls)
            addControl(control, at);
        for (QLatin1StringView mark : names::QuadrantMarks)
            addMark(mark, -1, at);
    } else if (kind == QLatin1String("timedSequence")) {
        for (QLatin1StringView timer : names::SequenceTimers)
            addTimer(timer, at);
    }
}

void ScreenNames::checkMark(const QString &name, const CourseNode &at, const char *field) const
{
    if (!m_marks.contains(name.toLower()))
        at.fail(field, QStringLiteral("names the mark %1, which the screen does not have").arg(name));
}

void ScreenNames::checkTimer(const QString &name, const CourseNode &at, const char *field) const
{
    if (!m_timers.contains(name.toLower()))
        at.fail(field, QStringLiteral("names the timer %1, which the screen does not have").arg(name));
}

void ScreenNames::checkControl(const QString &name, const CourseNode &at, const char *field) const
{
    if (!m_controls.contains(name.toLower()))
        at.fail(field, QStringLiteral("names the control %1, which the screen does not have").arg(name));
}

} // namespace kelvora
