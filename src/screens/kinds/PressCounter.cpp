#include "PressCounter.h"

#include "course/NumberedPhotographs.h"
#include "screens/LessonScreen.h"
#include "screens/Run.h"

namespace kelvora {

PressCounter::PressCounter(LessonScreen &screen, const PressCounterDesign &design) : LessonKind(screen), m_design(design)
{
    screen.trackStep(m_design.timer, m_design.mark);
}

// Takes the press only when it ends the counting; a counted press before that
// still reaches the continue mark.
bool PressCounter::press(QPointF position)
{
    if (!screen().timer(m_design.timer)->isEnabled() || !screen().mark(m_design.mark)->hits(position))
        return false;
    ++m_pressCount;
    screen().run().play(m_design.click.toStdString(), NoModule, SoundSync);
    if (screen().isLeaving())
        return true; // handed over while the click played
    screen().restartLoop();
    screen().setPicture(m_design.photograph(m_pressCount));
    if (m_pressCount < m_design.presses)
        return false;
    screen().runActions(m_design.done);
    return true;
}

QStringList PressCounter::photographsAhead() const
{
    QStringList ahead;
    for (int press = m_pressCount + 1; press <= m_design.presses; ++press)
        ahead.append(m_design.photograph(press));
    return ahead;
}

} // namespace kelvora
