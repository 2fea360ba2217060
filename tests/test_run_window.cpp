// The run window: presses belong to the page they were made on, however long
// they waited in the queue, and the hit test holds at any scale of the window.
#include "LessonProbe.h"
#include "TestRun.h"
#include "screens/RunState.h"
#include "app/TrainerApplication.h"
#include "course/CourseLoader.h"
#include "course/CurrentCourse.h"
#include "screens/LessonScreen.h"
#include "screens/RunWindow.h"

#include <QApplication>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
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

LessonScreen *startLesson(RunWindow &window, int number)
{
    LessonScreen *lesson = lessonScreen(number);
    ExplanationCursor = 20; // as if the run had come this far
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
            LessonScreen *lesson = startLesson(window, screen);
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
            return Outcome{page->objectName(), page->pictureName(), ExplanationCursor, existingPages().size(),
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
        startLesson(window, 14);
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

    void theCounterCountsBothClicksOfADoubleClick()
    {
        TestRun run(2);
        RunWindow window;
        startLesson(window, 10);
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
        startLesson(window, 10);
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
        LessonScreen *lesson = startLesson(window, screen);
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
        QFile file(dir.filePath(QStringLiteral("course.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"title": "T", "languages": [{"name": "English", "startCaption": "Start", "file": "Lang2.txt"}],
                      "screens": [{"inset": "images\\KokpitD.bmp", "photograph": "images\\001.jpg",
                                   "layout": {"continueMarkShown": true, "continueLabelShown": true}}]})");
        file.close();
        const Course startUp = currentCourse();
        setCurrentCourse(loadCourse(file.fileName()));
        const auto restore = qScopeGuard([&] { setCurrentCourse(startUp); });
        RunWindow window;
        press(startLesson(window, 1), OnContinueLabel);
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
        startLesson(window, 2);
        window.resize((QSizeF(RunWindow::DesignSize) * scale).toSize());
        QCOMPARE(window.transform().m11(), scale);
        Input input(window);
        input.clickAt(pixel);
        Input::deliver();
        QCOMPARE(window.page()->pictureName(), hits ? QStringLiteral("Images\\003.jpg") : QStringLiteral("images\\002.jpg"));
    }
};

KELVORA_TEST_MAIN(RunWindowTest)
#include "test_run_window.moc"
