#include "ThrottleSteps.h"

#include "course/ControlNames.h"
#include "screens/LessonScreen.h"
#include "screens/Run.h"
#include "screens/StepTracker.h"
#include "screens/ThrottleQuadrant.h"

#include <QEventLoop>
#include <QTimer>

namespace kelvora {

namespace {
constexpr int IdlePauseMs = 500;
// The quadrant's own step marks.
const QString PullMark = names::QuadrantPullMark;
const QString PushMark = names::QuadrantPushMark;

} // namespace

ThrottleSteps::ThrottleSteps(LessonScreen &screen, const ThrottleQuadrantDesign &design)
    : LessonKind(screen), m_design(design), m_quadrant(new ThrottleQuadrant(&screen, design.rect))
{
    if (design.fitPicture)
        m_quadrant->fitPictures();
    connect(m_quadrant, &ThrottleQuadrant::pressed, this, &ThrottleSteps::pressQuadrant);
    screen.trackStep(m_design.pullTimer, PullMark);
    screen.trackStep(m_design.liftTimer, m_design.liftMark);
    screen.trackStep(m_design.pushTimer, PushMark);
}

void ThrottleSteps::loadInsets()
{
    m_quadrant->setPicture(m_design.picture);
}

void ThrottleSteps::loaded()
{
    showCaption(m_design.halfCaptions);
}

// Languages without a caption leave it as it is.
void ThrottleSteps::showCaption(const QStringList &captions)
{
    const int language = screen().run().language;
    if (language >= 1 && language <= captions.size())
        m_quadrant->setCaption(captions.at(language - 1));
}

void ThrottleSteps::pressQuadrant(QPointF position)
{
    const StepTracker::Press watch(screen().stepTracker(), m_quadrant->canvas(), position);
    if (screen().timer(m_design.pullTimer)->isEnabled() && screen().mark(PullMark)->hits(position))
        pullThrottleToOff();
    else if (screen().timer(m_design.pushTimer)->isEnabled() && screen().mark(PushMark)->hits(position))
        pushThrottleToIdle();
}

bool ThrottleSteps::press(QPointF position)
{
    if (!screen().timer(m_design.liftTimer)->isEnabled() || !screen().mark(m_design.liftMark)->hits(position))
        return false;
    raiseFingerLift();
    return true;
}

bool ThrottleSteps::pauseHandlingEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return !screen().isLeaving();
}

void ThrottleSteps::pullThrottleToOff()
{
    screen().timer(m_design.pullTimer)->setEnabled(false);
    screen().mark(PullMark)->hide();
    if (!m_quadrant->moveKnob(-1) || !pauseHandlingEvents(IdlePauseMs))
        return;
    screen().timer(m_design.liftTimer)->setEnabled(true);
    screen().mark(m_design.liftMark)->show();
    m_quadrant->hide();
}

void ThrottleSteps::raiseFingerLift()
{
    if (m_design.liftClickGivesWay) {
        // After the engine start its loop goes on and no click is heard.
        screen().run().play(m_design.liftClick.toStdString(), SoundModule, SoundNoStop);
    } else {
        if (!m_design.liftClick.isEmpty())
            screen().run().play(m_design.liftClick.toStdString(), SoundModule, SoundSync);
        screen().restartLoop();
    }
    screen().timer(m_design.liftTimer)->setEnabled(false);
    screen().mark(m_design.liftMark)->hide();
    screen().timer(m_design.pushTimer)->setEnabled(true);
    screen().mark(PushMark)->show();
    showCaption(m_design.idleCaptions);
    m_quadrant->show();
}

void ThrottleSteps::pushThrottleToIdle()
{
    screen().timer(m_design.pushTimer)->setEnabled(false);
    screen().mark(PushMark)->hide();
    if (!m_quadrant->moveKnob(+1))
        return;
    screen().runActions(m_design.atIdle);
    m_quadrant->hide();
}

} // namespace kelvora
