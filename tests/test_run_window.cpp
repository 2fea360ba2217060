// The run window: presses belong to the page they were made on, however long
// they waited in the queue, and the hit test holds at any scale of the window.
#include "LessonProbe.h"
#include "TestRun.h"
#include "screens/Run.h"
#include "app/TrainerApplication.h"
#include "course/CourseLoader.h"
#include "screens/LessonScreen.h"
#include "screens/RunWindow.h"
#include "screens/Timer.h"

#include <QApplication>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleHints>
#include <QPlatformSurfaceEvent>
#include <QTimer>
#include <QWindow>

using namespace kelvora;
using namespace kelvora::test;

namespace {
constexpr QPoint OnContinueLabel{930, 740};

// Input as the window system queues it: posted to the run window's native window.
class Input {
public:
    explicit Input(RunWindow &window) : m_window(window) {}

    void post(QEvent::Type type, QPointF windowPosition, quint64 at)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        auto *event = new QMouseEvent(type, windowPosition, m_window.mapToGlobal(windowPosition), Qt::LeftButton,
                                      held, Qt::NoModifier);
        event->setTimestamp(at);
        QCoreApplication::postEvent(m_window.windowHandle(), event);
    }
    // A click at a point of the page, in design units, `gap` ms after the last one.
    void click(QPoint design, quint64 gap = 1000)
    {
        clickAt(m_window.mapFromScene(design), gap);
    }
    void clickAt(QPointF windowPosition, quint64 gap = 1000)
    {
        m_time += gap;
        post(QEvent::MouseButtonPress, windowPosition, m_time);
        post(QEvent::MouseButtonRelease, windowPosition, m_time + 1);
    }
    // The second click of a double click: widgets get a double-click event instead of a press.
    void secondClickOfDouble(QPoint design, quint64 gap)
    {
        const QPointF at = m_window.mapFromScene(design);
        m_time += gap;
        post(QEvent::MouseButtonDblClick, at, m_time);
        post(QEvent::MouseButtonRelease, at, m_time + 1);
    }
    static void deliver()
    {
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::processEvents();
        TestRun::settle();
    }

private:
    RunWindow &m_window;
    quint64 m_time = 1000;
};

// Runs the course written in the file for as long as the guard lives.
auto runCourse(Run &run, const QString &path, const QByteArray &json)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    const Course startUp = run.course();
    run.setCourse(loadCourse(path));
    return qScopeGuard([&run, startUp] { run.setCourse(startUp); });
}

// Each kind's screen, its continue label live from load; each press on the step pauses
// (a cue, the knob's slide) and starts a timer after the pause.
const QByteArray LeavableAtLoad = R"({"title": "T", "languages": [{"name": "English", "startCaption": "Start", "file": "Lang2.txt"}],
  "screens": [
    {"inset": "images\\KokpitA.bmp", "photograph": "images\\001.jpg", "layout": {"continueLabelShown": true},
     "marks": [{"name": "Shape1", "rect": [300, 300, 100, 100]}], "timers": [{"name": "Timer1", "running": true}],
     "steps": [{"activeWhile": "Timer1", "mark": "Shape1", "cue": "Dugme1", "photograph": "images\\002.jpg",
                "followUp": ["start Timerkokpitbekle"]}],
     "kinds": [{"kind": "timedSequence", "periodMs": 1000, "lastTick": 3, "photographOffset": 10,
                "view": ["start TimerDVMBekle"], "finish": []}]},
    {"inset": "images\\KokpitA.bmp", "photograph": "images\\001.jpg", "layout": {"continueLabelShown": true},
     "marks": [{"name": "Shape2", "rect": [600, 300, 100, 100]}],
     "timers": [{"name": "Timer1", "running": true}, {"name": "Timer2"}, {"name": "Timer3"}],
     "kinds": [{"kind": "throttleQuadrant", "rect": [20, 300, 173, 253], "picture": "images\\cougar.jpg",
                "pullTimer": "Timer1", "liftMark": "Shape2", "liftTimer": "Timer2", "liftClick": "sounds\\Dugme3.wav",
                "pushTimer": "Timer3", "atIdle": []}]},
    {"inset": "images\\KokpitA.bmp", "photograph": "images\\001.jpg", "layout": {"continueLabelShown": true},
     "marks": [{"name": "Shape1", "rect": [300, 300, 100, 100]}], "timers": [{"name": "Timer1", "running": true}],
     "kinds": [{"kind": "pressCounter", "timer": "Timer1", "mark": "Shape1", "presses": 1, "click": "sounds\\dugme5.wav",
                "photographOffset": 10, "done": ["start TimerDVM"]}]},
    {"inset": "images\\KokpitA.bmp", "photograph": "images\\001.jpg", "layout": {"continueLabelShown": true},
     "marks": [{"name": "Shape1", "rect": [300, 300, 100, 100]}, {"name": "Shape2", "rect": [600, 300, 100, 100]}],
     "timers": [{"name": "Timer1", "running": true}, {"name": "Timer2"}],
     "steps": [{"activeWhile": "Timer1", "mark": "Shape1", "cue": "Dugme1", "followUp": ["start Timer2"]}]},
    {"inset": "images\\KokpitA.bmp", "photograph": "images\\001.jpg", "layout": {"continueLabelShown": true},
     "marks": [{"name": "Shape1", "rect": [300, 300, 100, 100]}, {"name": "Shape2", "rect": [600, 300, 100, 100]}],
     "timers": [{"name": "Timer1", "running": true}, {"name": "Timer2"}],
     "steps": [{"activeWhile": "Timer1", "mark": "Shape1", "cue": "Dugme1", "followUp": ["start Timer2"]}],
     "kinds": [{"kind": "runEnding", "cue": "Dugme2"}]}
  ]})";

LessonScreen *startLesson(Run &run, RunWindow &window, int number)
{
    LessonScreen *lesson = lessonScreen(run, number);
    run.explanationCursor = 20; // as if the run had come this far
    window.start(*lesson);
    QCoreApplication::processEvents(); // the window settles on the desktop
    return lesson;
}

QList<Screen *> existingPages()
{
    QList<Screen *> pages;
    for (QWidget *widget : QApplication::allWidgets()) {
        if (auto *screen = qobject_cast<Screen *>(widget))
            pages << screen;
    }
    return pages;
}

struct Outcome {
    QString page;
    QString photograph;
    int cursor;
    qsizetype pages;
    qsizetype soundRequests;
    bool operator==(const Outcome &) const = default;
};

// Counts the presses that reach a page itself, rather than a control on it.
class PressesOnPage : public QObject {
public:
    explicit PressesOnPage(QWidget *page) : m_page(page) { page->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_page && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick))
            ++count;
        return false;
    }

private:
    QWidget *m_page;
};

// Counts the windows the window system is asked for meanwhile.
class WindowsCreated : public QObject {
public:
    WindowsCreated() { QCoreApplication::instance()->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType() == QPlatformSurfaceEvent::SurfaceCreated)
            ++count;
        return false;
    }
};

char *toString(const Outcome &outcome)
{
    return QTest::toString(QStringLiteral("%1 %2, line %3, %4 page(s), %5 sound request(s)")
                               .arg(outcome.page, outcome.photograph)
                               .arg(outcome.cursor)
                               .arg(outcome.pages)
                               .arg(outcome.soundRequests));
}
} // namespace

class RunWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Presses queued while a cue plays (or while the page leads on) on the place where
    // the continue label is, or is about to be: one Next, whatever the number of presses.
    void pressesQueuedForALeavingPageAreDropped_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QList<QPoint>>("walk"); // presses that lead to the last one, which plays a cue
        QTest::addColumn<int>("nextScreen");
        QTest::newRow("a step screen, whose next screen's label is live at load") << 13 << QList<QPoint>{{239, 189}} << 14;
        QTest::newRow("the label live at load, during the step's cue") << 4 << QList<QPoint>{{837, 269}} << 5;
        QTest::newRow("the label live at load, no cue") << 14 << QList<QPoint>{} << 15;
        QTest::newRow("the press counter's last press")
            << 10 << QList<QPoint>(6, QPoint(368, 424)) << 11;
        QTest::newRow("the last screen's ending")
            << 18 << QList<QPoint>{{218, 556}, {170, 608}, {769, 383}} << 18;
    }
    void pressesQueuedForALeavingPageAreDropped()
    {
        QFETCH(int, screen);
        QFETCH(QList<QPoint>, walk);
        QFETCH(int, nextScreen);
        auto outcomeOf = [&](int queuedPresses) {
            TestRun run(2);
            RunWindow window;
            LessonScreen *lesson = startLesson(run, window, screen);
            Input input(window);
            auto queue = [&] {
                for (int k = 0; k < queuedPresses; ++k)
                    input.click(OnContinueLabel);
            };
            for (qsizetype k = 0; k + 1 < walk.size(); ++k)
                press(lesson, walk[k]);
            if (walk.isEmpty()) {
                queue();
            } else {
                run.sound.whilePlayingSync = [&](const SoundRequest &) {
                    run.sound.whilePlayingSync = nullptr;
                    queue();
                };
                press(lesson, walk.last());
            }
            Input::deliver();
            Screen *page = window.page();
            return Outcome{page->objectName(), page->pictureName(), run.explanationCursor, existingPages().size(),
                           run.sound.requests.size()};
        };
        const Outcome once = outcomeOf(1);
        QCOMPARE(once.page, QStringLiteral("Form%1").arg(nextScreen, 3, 10, QLatin1Char('0')));
        QCOMPARE(once.pages, 1);
        QCOMPARE(outcomeOf(3), once);
    }

    // A double click on the label that leads on: the second click stays on the new
    // page; a click after the double-click interval is a press of its own.
    void theSecondClickOfADoubleClickDoesNotLeadOn_data()
    {
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<QString>("page");
        const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        QTest::newRow("within the double-click interval") << interval / 4 << QStringLiteral("Form015");
        QTest::newRow("after it") << interval + 50 << QStringLiteral("Form016");
    }
    void theSecondClickOfADoubleClickDoesNotLeadOn()
    {
        QFETCH(int, gapMs);
        QFETCH(QString, page);
        TestRun run(2);
        RunWindow window;
        startLesson(run, window, 14);
        Input input(window);
        input.click(OnContinueLabel);
        Input::deliver();
        QCOMPARE(window.page()->objectName(), QStringLiteral("Form015"));
        if (gapMs < QGuiApplication::styleHints()->mouseDoubleClickInterval())
            input.secondClickOfDouble(OnContinueLabel, quint64(gapMs));
        else
            input.click(OnContinueLabel, quint64(gapMs));
        Input::deliver();
        QCOMPARE(window.page()->objectName(), page);
    }

    // Only the press right after the one that led on can be its second click: any press
    // between them ends that.
    void aPressBetweenEndsTheDoubleClick()
    {
        TestRun run(2);
        RunWindow window;
        startLesson(run, window, 14);
        Input input(window);
        input.click(OnContinueLabel);
        Input::deliver();
        input.click({500, 300}, 50);
        input.click(OnContinueLabel, 50);
        Input::deliver();
        QCOMPARE(window.page()->objectName(), QStringLiteral("Form016"));
    }

    // A pause inside a handler (a cue, the knob's slide) handles pending events, so the continue
    // label pressed meanwhile hands the screen over under that handler: the next screen shows, nothing
    // further happens on the one left, and it is gone once the handler has returned.
    void aScreenHandedOverDuringAPauseStaysLeft_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QPoint>("step");
        QTest::addColumn<QString>("follows");
        QTest::newRow("the timed sequence's step, during its cue") << 1 << QPoint(350, 350) << QStringLiteral("Form002");
        QTest::newRow("the throttle pulled to off, during the knob's pauses") << 2 << QPoint(96, 495) << QStringLiteral("Form003");
        QTest::newRow("the press counter's press, during its click") << 3 << QPoint(350, 350) << QStringLiteral("Form004");
        QTest::newRow("a plain step, during its cue") << 4 << QPoint(350, 350) << QStringLiteral("Form005");
        QTest::newRow("the run ending's step, during its cue") << 5 << QPoint(350, 350) << QString();
    }
    void aScreenHandedOverDuringAPauseStaysLeft()
    {
        QFETCH(int, screen);
        QFETCH(QPoint, step);
        QFETCH(QString, follows);
        TestRun run(2);
        QTemporaryDir dir;
        const auto course = runCourse(run, dir.filePath(QStringLiteral("course.json")), LeavableAtLoad);
        RunWindow window;
        const QPointer<LessonScreen> left = startLesson(run, window, screen);
        int timersStarted = 0;
        for (Timer *timer : left->findChildren<Timer *>())
            connect(timer, &Timer::started, [&timersStarted] { ++timersStarted; });
        // The label is pressed as soon as events are handled: in the pause. A cue handles them
        // meanwhile here, as the knob's pauses do.
        run.sound.whilePlayingSync = [](const SoundRequest &) { QCoreApplication::processEvents(); };
        QTimer::singleShot(0, left, [&] { press(left, OnContinueLabel); });
        press(left, step);
        TestRun::settle();

        QVERIFY2(run.errors.isEmpty(), run.errors.isEmpty() ? "" : qPrintable(run.errors.first().message()));
        QCOMPARE(timersStarted, 0);
        if (follows.isEmpty()) {
            QCOMPARE(run.endStatus, std::optional<int>(0));
        } else {
            QCOMPARE(window.page()->objectName(), follows);
            QVERIFY(!left);
            QCOMPARE(existingPages().size(), 1);
        }
    }

    void theCounterCountsBothClicksOfADoubleClick()
    {
        TestRun run(2);
        RunWindow window;
        startLesson(run, window, 10);
        Input input(window);
        input.click({368, 424});
        input.secondClickOfDouble({368, 424}, 100);
        Input::deliver();
        QCOMPARE(window.page()->pictureName(), QStringLiteral("images\\051.jpg"));
    }

    // The author view writes the pointer's place into the page's caption while it is shown.
    void theCaptionFollowsThePage()
    {
        TestRun run(2);
        RunWindow window;
        startLesson(run, window, 10);
        window.page()->setWindowTitle(QStringLiteral("KELVORA Training - 10 / 18 · 368, 424"));
        QCOMPARE(window.windowTitle(), window.page()->windowTitle());
    }

    // A press on a button, a label or a picture box, whichever the mouse button,
    // goes to that control and never to the page below it.
    void aPressOnAControlStaysOnIt_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("button");
        QTest::newRow("Exit, right button") << 2 << QPoint(1000, 20) << int(Qt::RightButton);
        QTest::newRow("Exit, middle button") << 2 << QPoint(1000, 20) << int(Qt::MiddleButton);
        QTest::newRow("the explanation, right button") << 2 << QPoint(100, 20) << int(Qt::RightButton);
        QTest::newRow("the inset, middle button") << 2 << QPoint(100, 100) << int(Qt::MiddleButton);
        QTest::newRow("the throttle quadrant's frame") << 6 << QPoint(25, 400) << int(Qt::LeftButton);
        QTest::newRow("the throttle quadrant's frame, right button") << 6 << QPoint(25, 400) << int(Qt::RightButton);
    }
    void aPressOnAControlStaysOnIt()
    {
        QFETCH(int, screen);
        QFETCH(QPoint, point);
        QFETCH(int, button);
        TestRun run(2);
        RunWindow window;
        LessonScreen *lesson = startLesson(run, window, screen);
        PressesOnPage onPage(lesson);
        press(lesson, point, Qt::MouseButton(button));
        QCOMPARE(onPage.count, 0);
    }

    // A course whose last screen has no ending of its own: Next from it is a
    // run-time error, not the normal end of a run.
    void nextWithNoScreenToFollowIsAnError()
    {
        TestRun run(2);
        QTemporaryDir dir;
        const auto course = runCourse(run, dir.filePath(QStringLiteral("course.json")),
                                      R"({"title": "T", "languages": [{"name": "English", "startCaption": "Start", "file": "Lang2.txt"}],
                      "screens": [{"inset": "images\\KokpitD.bmp", "photograph": "images\\001.jpg",
                                   "layout": {"continueMarkShown": true, "continueLabelShown": true}}]})");
        RunWindow window;
        press(startLesson(run, window, 1), OnContinueLabel);
        QCOMPARE(run.errors.size(), 1);
        QCOMPARE(run.errors.first().kind(), RuntimeError::Kind::ScreenNotFound);
        QVERIFY(!run.endStatus);
    }

    // screen 2's step mark spans x 292..361 and y 206..295 in design units: a press
    // counts strictly inside, mapped back from window pixels at the window's scale.
    void theHitTestHoldsAtAnyScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("hits");
        const struct {
            double scale;
            int left, right, top, bottom, midX, midY; // the edges in window pixels
        } scales[] = {
            {1.0, 292, 361, 206, 295, 326, 250},
            {2.0, 584, 722, 412, 590, 652, 500},
            // 219 is the left edge exactly; the other edges fall inside the pixels past them
            {0.75, 219, 271, 154, 222, 244, 187},
        };
        for (const auto &s : scales) {
            const QByteArray at = "at scale " + QByteArray::number(s.scale);
            QTest::newRow(at + ", on the left edge") << s.scale << QPoint(s.left, s.midY) << false;
            QTest::newRow(at + ", a pixel right of it") << s.scale << QPoint(s.left + 1, s.midY) << true;
            QTest::newRow(at + ", on the right edge") << s.scale << QPoint(s.right, s.midY) << false;
            QTest::newRow(at + ", a pixel left of it") << s.scale << QPoint(s.right - 1, s.midY) << true;
            QTest::newRow(at + ", on the top edge") << s.scale << QPoint(s.midX, s.top) << false;
            QTest::newRow(at + ", a pixel below it") << s.scale << QPoint(s.midX, s.top + 1) << true;
            QTest::newRow(at + ", on the bottom edge") << s.scale << QPoint(s.midX, s.bottom) << false;
            QTest::newRow(at + ", a pixel above it") << s.scale << QPoint(s.midX, s.bottom - 1) << true;
        }
    }
    void theHitTestHoldsAtAnyScale()
    {
        QFETCH(double, scale);
        QFETCH(QPoint, pixel);
        QFETCH(bool, hits);
        TestRun run(2);
        RunWindow window;
        startLesson(run, window, 2);
        window.resize((QSizeF(RunWindow::DesignSize) * scale).toSize());
        QCOMPARE(window.transform().m11(), scale);
        Input input(window);
        input.clickAt(pixel);
        Input::deliver();
        QCOMPARE(window.page()->pictureName(), hits ? QStringLiteral("Images\\003.jpg") : QStringLiteral("images\\002.jpg"));
    }

    // Scaled, the first paint after a change draws the photograph scaled and
    // later ones copy from a scaled copy, in device pixels: both give the same
    // pixels, bars and all, in the window and in a picture of it.
    void aScaledPageRepaintsTheSamePixels()
    {
        TestRun run(2);
        RunWindow window;
        startLesson(run, window, 2);
        window.resize(1600, 1000);
        QCoreApplication::processEvents();
        const QImage first = window.viewport()->grab().toImage();
        const QImage later = window.viewport()->grab().toImage();
        QCOMPARE(later, first);
        QCOMPARE(QColor(first.pixel(10, 500)), QColor(Qt::black));
        QVERIFY(QColor(first.pixel(window.mapFromScene(QPointF(2, 2)))) != QColor(Qt::black));
    }

    // The page's text keeps its colours wherever its stage sits: in the scene
    // while scaled, in the window's viewport at design size.
    void aPageKeepsItsColoursAtAnyScale()
    {
        TestRun run(2);
        RunWindow window;
        startLesson(run, window, 2);
        const auto colours = [&window] {
            QList<QColor> seen;
            for (const QLabel *label : window.page()->findChildren<QLabel *>())
                seen << label->palette().color(label->foregroundRole());
            return seen;
        };
        window.resize(RunWindow::DesignSize * 2);
        const QList<QColor> scaled = colours();
        window.resize(RunWindow::DesignSize);
        QVERIFY(window.transform().isIdentity());
        QCOMPARE(colours(), scaled);
    }

    // The next page is taken in without a window of its own in the window system,
    // nor does scaling the page and back make one, and keys typed to the run
    // window reach the new page: H shows a step's mark in the check run.
    void aPageChangeCreatesNoWindowAndKeysReachTheNewPage()
    {
        TestRun run(2);
        run.setMode(RunMode::Check);
        RunWindow window;
        startLesson(run, window, 1);
        WindowsCreated created;
        for (const QSize size : {RunWindow::DesignSize * 2, RunWindow::DesignSize}) {
            window.resize(size);
            QCoreApplication::processEvents();
        }
        Input input(window);
        input.click(OnContinueLabel);
        Input::deliver();
        QCOMPARE(window.page()->objectName(), QStringLiteral("Form002"));
        QCOMPARE(created.count, 0);
        const Shape *mark = static_cast<LessonScreen *>(window.page())->mark(QStringLiteral("shape1"));
        QVERIFY(mark->isHidden());
        QTest::keyClick(window.windowHandle(), Qt::Key_H);
        QVERIFY(mark->isVisible());
    }
};

KELVORA_TEST_MAIN(RunWindowTest)
#include "test_run_window.moc"
