#include "Storyboard.h"

#include "content/RegularFile.h"
#include "course/ControlNames.h"
#include "screens/LessonChain.h"
#include "screens/Run.h"
#include "screens/PictureBox.h"
#include "screens/Screen.h"
#include "screens/Shape.h"
#include "screens/Timer.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QBuffer>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

namespace kelvora {

namespace {
constexpr QSize ThumbnailSize{256, 192};
// Far more states than the longest screen goes through: a screen that never settles is a fault.
constexpr int StateLimit = 300;
// Ticks in a row that change nothing before a timer counts as idle: a sequence may show a photograph twice.
constexpr int IdleTickLimit = 20;

// A timed sequence may show one photograph for all its ticks: until it has run its course, its timer is not idle.
int idleTickLimitOf(const Course &course, int screen)
{
    const std::optional<TimedSequenceDesign> &sequence = course.screens[size_t(screen - 1)].timedSequence;
    return sequence ? std::max(IdleTickLimit, sequence->lastTick + 1) : IdleTickLimit;
}

int firstLineOf(const Course &course, int screen)
{
    for (int line = 1; line <= course.linesRead(); ++line) {
        if (course.screenOfLine(line) == screen)
            return line;
    }
    return 1;
}

QByteArray pixelHash(const QImage &image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < pixels.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(pixels.constScanLine(y)), pixels.width() * 4));
    return hash.result().toHex();
}

QString slug(const QString &state)
{
    static const QRegularExpression separators(QStringLiteral("[^a-z0-9]+"));
    return state.toLower().replace(separators, QStringLiteral("-")).remove(QRegularExpression(QStringLiteral("^-|-$")));
}
} // namespace

Storyboard::Storyboard(Run &run, const QString &outFolder, bool picturesToo)
    : m_run(run), m_outFolder(outFolder), m_picturesToo(picturesToo)
{
    QDir().mkpath(m_outFolder);
    run.setVoice(&m_sound);
    run.onError = [this](const RuntimeError &error) {
        m_errors << QStringLiteral("screen %1: %2").arg(m_screenNumber).arg(error.message());
    };
    run.onEnd = [this](int status) {
        m_errors << QStringLiteral("screen %1: the program ended with status %2").arg(m_screenNumber).arg(status);
    };
    qApp->installEventFilter(this);
}

Storyboard::~Storyboard()
{
    qApp->removeEventFilter(this);
    m_run.onEnd = {};
    m_run.onError = {};
    m_run.setVoice(nullptr);
}

bool Storyboard::renderScreen(int number)
{
    Screen *screen = createLessonScreen(m_run, number);
    if (!screen)
        return false;
    m_screen = screen;
    m_screenNumber = number;
    m_run.explanationCursor = firstLineOf(m_run.course(), number) - 1; // as if the run had come this far
    m_sound.take();
    const qsizetype errorsBefore = m_errors.size();
    try {
        screen->open();
        snapshot(QStringLiteral("load"));
        walk();
    } catch (const RuntimeError &error) {
        m_errors << QStringLiteral("screen %1: %2").arg(number).arg(error.message());
    }
    if (m_errors.size() > errorsBefore)
        m_errors << QStringLiteral("screen %1: stopped after %2").arg(number).arg(m_frames.isEmpty() ? QString() : m_frames.last().state);
    screen->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_screen = nullptr;
    return true;
}

// Presses the active mark while a press changes something, then lets the
// delay and sequence timers run out, until only the continue mark is left.
void Storyboard::walk()
{
    QSet<Timer *> inert; // blinking pointer and watch marks, idle timers: they change nothing
    QHash<Timer *, int> idleTicks;
    const int idleTickLimit = idleTickLimitOf(m_run.course(), m_screenNumber);
    const qsizetype errorsBefore = m_errors.size();
    while (m_errors.size() == errorsBefore && m_screen->isVisible()) {
        if (statesSoFar({}) >= StateLimit) {
            m_errors << QStringLiteral("screen %1: still not settled after %2 states, the last %3: stopped")
                            .arg(m_screenNumber).arg(StateLimit).arg(m_frames.last().state);
            return;
        }
        const QList<Timer *> steps = enabledTimers(true);
        const auto active = std::find_if(steps.begin(), steps.end(),
                                         [&](Timer *timer) { return isStepTimer(timer) && !inert.contains(timer); });
        if (active != steps.end()) {
            pressStep(*active, inert);
            continue;
        }
        QList<Timer *> sequence = enabledTimers(false);
        sequence.removeIf([&](Timer *timer) { return inert.contains(timer); });
        if (sequence.isEmpty())
            break;
        Timer *timer = sequence.first();
        const QString before = signature();
        timer->tick();
        if (signature() == before && m_sound.pending() == 0) {
            if (++idleTicks[timer] >= idleTickLimit)
                inert << timer;
            continue;
        }
        idleTicks.remove(timer);
        snapshot(tickState(timer));
    }
    if (m_errors.size() == errorsBefore && m_screen->isVisible() && !timer(names::ContinueTimer)->isEnabled() &&
        m_screen->control<QWidget>(names::ContinueLabel)->isHidden())
        m_errors << QStringLiteral("screen %1: a dead end: after its last state neither the continue mark blinks nor its "
                                   "label shows").arg(m_screenNumber);
}

void Storyboard::pressStep(Timer *timer, QSet<Timer *> &inert)
{
    const QList<Shape *> marks = blinkedBy(timer);
    if (marks.isEmpty()) {
        inert << timer;
        return;
    }
    Shape *mark = marks.first();
    // A mark may reach past the window's edge: press the middle of its part on the window.
    const QRect onWindow = QRect(mark->mapTo(m_screen, QPoint(0, 0)), mark->size()) & m_screen->rect();
    const QString before = signature();
    press(onWindow.center());
    if (!m_screen->isVisible()) {
        m_errors << QStringLiteral("screen %1: a press on %2 left the screen").arg(m_screenNumber).arg(mark->objectName());
        return;
    }
    if (signature() == before) {
        inert << timer;
        return;
    }
    snapshot(stepState(timer));
}

// A step is named by the author's id where the course has one ("battery: pressed"), else by its place; one
// that stays active after its press (a press counter) by its presses.
QString Storyboard::stepState(Timer *timer) const
{
    const SourcePlace *place = m_run.course().source.place(m_screenNumber, timer->objectName());
    if (place && place->kind == SourcePlace::Kind::Throttle) {
        static const QHash<QString, QString> throttle{{QStringLiteral("throttle-pull"), QStringLiteral("throttle: lever at OFF")},
                                                      {QStringLiteral("throttle-lift"), QStringLiteral("throttle: finger lift raised")},
                                                      {QStringLiteral("throttle-push"), QStringLiteral("throttle: lever at IDLE")}};
        return throttle.value(place->id, QStringLiteral("throttle: ") + place->id);
    }
    const QString step = place ? place->id : QStringLiteral("step %1").arg(blinkTimerNumber(timer));
    const QString press = place ? QStringLiteral("%1: press").arg(step) : step + QStringLiteral(" press");
    const int presses = statesSoFar(press);
    if (presses == 0 && !timer->isEnabled())
        return place ? step + QStringLiteral(": pressed") : step;
    return QStringLiteral("%1 %2").arg(press).arg(presses + 1);
}

// A timer's tick that changed the page: the sequence by the photograph it shows ("sequence: photograph 3 of 4").
QString Storyboard::tickState(Timer *timer) const
{
    const Course &course = m_run.course();
    const SourcePlace *place = course.source.place(m_screenNumber, timer->objectName());
    const auto &sequence = course.screens[size_t(m_screenNumber - 1)].timedSequence;
    if (place && place->kind == SourcePlace::Kind::Sequence && place->part.isEmpty() && sequence) {
        // Tick n shows photograph n + 1; the last ends the sequence.
        const QString first = QStringLiteral("sequence: photograph 1 of %1").arg(sequence->lastTick);
        const int tick = statesSoFar(QStringLiteral("sequence: photograph")) - statesSoFar(first) + 1;
        return tick < sequence->lastTick ? QStringLiteral("sequence: photograph %1 of %2").arg(tick + 1).arg(sequence->lastTick)
                                         : QStringLiteral("sequence: done");
    }
    if (place && place->kind == SourcePlace::Kind::Sequence && place->part == QLatin1String("start") && sequence)
        return QStringLiteral("sequence: photograph 1 of %1").arg(sequence->lastTick);
    const QString ticks = course.source.authorName(m_screenNumber, timer->objectName()) + QLatin1String(" tick");
    return QStringLiteral("%1 %2").arg(ticks).arg(statesSoFar(ticks) + 1);
}

// As a trainee's press: the visible control under the point takes it (marks let
// it through), else the window. It goes through the application, so run-time
// errors are caught and reported as in the trainer.
void Storyboard::press(QPoint point)
{
    QWidget *target = m_screen->childAt(point);
    if (!target)
        target = m_screen;
    const QPointF local = target->mapFrom(m_screen, point);
    const QPointF global = target->mapToGlobal(local);
    QMouseEvent down(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent up(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    m_pressing = true;
    QApplication::sendEvent(target, &down);
    if (m_screen->isVisible())
        QApplication::sendEvent(target, &up);
    m_pressing = false;
}

// Renders the screen with every blinking mark in its shown phase.
void Storyboard::snapshot(const QString &state)
{
    QList<Timer *> flipped;
    for (Timer *timer : enabledTimers(true)) {
        const QList<Shape *> marks = blinkedBy(timer);
        if (!marks.isEmpty() && marks.first()->isHidden()) {
            timer->tick();
            flipped << timer;
        }
    }
    const QImage image = m_screen->grab().toImage();
    for (Timer *timer : flipped)
        timer->tick();

    const int index = statesSoFar({});
    StoryFrame frame{.screen = m_screenNumber,
                     .state = state,
                     .file = QStringLiteral("%1-%2-%3.png").arg(m_screenNumber, 2, 10, QLatin1Char('0')).arg(index, 2, 10, QLatin1Char('0')).arg(slug(state)),
                     .explanation = m_screen->control<QLabel>(names::Explain)->text(),
                     .sounds = m_sound.take(),
                     .pixelHash = pixelHash(image),
                     .thumbnail = {}};
    if (!m_picturesToo) {
        m_frames << frame;
        return;
    }
    frame.thumbnail = image.scaled(ThumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (const QString error = savePng(image, QDir(m_outFolder).filePath(frame.file)); !error.isEmpty())
        m_errors << error;
    m_frames << frame;
}

// States of the screen on display so far whose name is `prefix` or starts with it and a blank.
int Storyboard::statesSoFar(const QString &prefix) const
{
    return int(std::count_if(m_frames.begin(), m_frames.end(), [&](const StoryFrame &frame) {
        return frame.screen == m_screenNumber &&
               (prefix.isEmpty() || frame.state == prefix || frame.state.startsWith(prefix + u' '));
    }));
}

// The marks a blink timer flips, found by letting it tick twice.
QList<Shape *> Storyboard::blinkedBy(Timer *timer) const
{
    const QList<Shape *> shapes = m_screen->findChildren<Shape *>();
    QList<bool> hidden;
    for (Shape *shape : shapes)
        hidden << shape->isHidden();
    timer->tick();
    QList<Shape *> marks;
    for (qsizetype i = 0; i < shapes.size(); ++i) {
        if (shapes.at(i)->isHidden() != hidden.at(i))
            marks << shapes.at(i);
    }
    timer->tick();
    return marks;
}

QList<Timer *> Storyboard::enabledTimers(bool blinking) const
{
    QList<Timer *> timers;
    for (Timer *timer : m_screen->findChildren<Timer *>()) {
        if (timer->isEnabled() && (blinkTimerNumber(timer) >= 0) == blinking)
            timers << timer;
    }
    std::stable_sort(timers.begin(), timers.end(),
                     [this](Timer *a, Timer *b) { return blinkTimerNumber(a) < blinkTimerNumber(b); });
    return timers;
}

// The course's blink timers by their place in the screen's design, 1 first;
// the continue mark's 0; every other timer (a kind's delay or sequence) -1.
int Storyboard::blinkTimerNumber(const Timer *timer) const
{
    const QString name = timer->objectName();
    if (name.compare(names::ContinueTimer, Qt::CaseInsensitive) == 0)
        return 0;
    const std::vector<BlinkTimerDesign> &timers = m_run.course().screens[size_t(m_screenNumber - 1)].blinkTimers;
    for (size_t i = 0; i < timers.size(); ++i) {
        if (timers[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i) + 1;
    }
    return -1;
}

bool Storyboard::isStepTimer(const Timer *timer) const
{
    return blinkTimerNumber(timer) > 0;
}

Timer *Storyboard::timer(const QString &name) const
{
    return m_screen->control<Timer>(name);
}

// What a press can change: pictures, texts, which controls show and where, which timers run.
QString Storyboard::signature() const
{
    QStringList parts{m_screen->pictureName()};
    for (QObject *child : m_screen->findChildren<QObject *>()) {
        QString part = child->objectName();
        if (auto *timer = qobject_cast<Timer *>(child))
            part += timer->isEnabled() ? QLatin1String(" on") : QLatin1String(" off");
        if (auto *widget = qobject_cast<QWidget *>(child))
            part += QStringLiteral(" %1 %2,%3").arg(widget->isHidden()).arg(widget->x()).arg(widget->y());
        if (auto *label = qobject_cast<QLabel *>(child))
            part += u' ' + label->text();
        if (auto *box = qobject_cast<PictureBox *>(child))
            part += u' ' + box->pictureName();
        parts << part;
    }
    return parts.join(u'\n');
}

bool Storyboard::eventFilter(QObject *watched, QEvent *event)
{
    // The window timers would blink marks at random moments; ticks come from walk() only.
    if (event->type() == QEvent::Timer && qobject_cast<QTimer *>(watched))
        return true;
    // A control moving inside a press handler (the throttle knob): render each place.
    if (event->type() == QEvent::Move && m_pressing && m_screen) {
        auto *shape = qobject_cast<Shape *>(watched);
        if (shape && m_screen->isAncestorOf(shape) && shape->isVisibleTo(m_screen))
            snapshot(QStringLiteral("%1 at %2, %3")
                         .arg(m_run.course().source.authorName(m_screenNumber, shape->objectName()))
                         .arg(shape->x())
                         .arg(shape->y()));
    }
    return QObject::eventFilter(watched, event);
}

QString savePng(const QImage &image, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return QStringLiteral("%1: not written (the picture could not be encoded)").arg(path);
    return saveWholeFile(path, bytes);
}

} // namespace kelvora
