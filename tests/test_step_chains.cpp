// The lessons that are chains of click steps: 3, 4, 7, 8, 11, 12, 13, 17 and 18.
// Every expectation here is written from the lessons' own descriptions.
#include "LessonProbe.h"
#include "TestRun.h"
#include "screens/Run.h"
#include "app/TrainerApplication.h"
#include "screens/LessonChain.h"
#include "screens/LessonScreen.h"
#include "screens/PictureBox.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <map>
#include <memory>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// Lines read before the screen loads, as a run through the chain leaves them.
const std::map<int, int> LinesBefore{{3, 2}, {4, 9}, {7, 15}, {8, 23}, {11, 29}, {12, 39}, {13, 42}, {17, 46}, {18, 47}};
const QList<int> EngineScreens{7, 8, 11, 12, 13, 17, 18};
const QPoint ContinueStrip{930, 716}; // inside ShapeDVM, above LabelDVM
const QPoint OnContinueLabel{930, 740};

struct StepRow {
    int screen;
    int step;
    QPoint centre;
    const char *cue;
    const char *photograph;
    int line;            // run.explanationCursor after the step
    const char *nextMark; // the mark that blinks next
    const char *nextTimer;
};

// clang-format off
const StepRow Steps[] = {
    {3, 1, {80, 182},  "Dugme2", "Images\\005.jpg", 4, "Shape2", "Timer2"},
    {3, 2, {209, 190}, "Dugme4", "Images\\006.jpg", 5, "Shape3", "Timer3"},
    {3, 3, {86, 470},  "Dugme1", "Images\\007.jpg", 6, "Shape4", "Timer4"},
    {3, 4, {149, 471}, "Dugme1", "Images\\008.jpg", 7, "Shape5", "Timer5"},
    {3, 5, {241, 477}, "Dugme1", "Images\\009.jpg", 8, "Shape6", "Timer6"},
    {3, 6, {173, 556}, "Dugme1", "Images\\010.jpg", 9, "Shape7", "Timer7"},
    {3, 7, {480, 269}, "Dugme1", "Images\\011.jpg", 9, "Shape8", "Timer8"},
    {3, 8, {480, 270}, "Dugme1", "Images\\012.jpg", 9, "ShapeDVM", "TimerDVM"},

    {4, 1, {837, 269}, "Dugme4", "Images\\014.jpg", 10, "ShapeDVM", "TimerDVM"},

    {7, 1, {374, 324}, "Dugme2", "Images\\035.jpg", 17, "Shape2", "Timer2"},
    {7, 2, {438, 324}, "Dugme1", "Images\\036.jpg", 18, "Shape3", "Timer3"},
    {7, 3, {504, 324}, "Dugme1", "Images\\037.jpg", 19, "Shape4", "Timer4"},
    {7, 4, {572, 326}, "Dugme1", "Images\\038.jpg", 20, "Shape5", "Timer5"},
    {7, 5, {462, 426}, "Dugme1", "Images\\039.jpg", 21, "Shape6", "Timer6"},
    {7, 6, {514, 426}, "Dugme1", "Images\\040.jpg", 22, "Shape7", "Timer7"},
    {7, 7, {568, 428}, "Dugme1", "Images\\041.jpg", 23, "Shape8", "Timer8"},
    {7, 8, {394, 410}, "Dugme4", "Images\\042.jpg", 23, "ShapeDVM", "TimerDVM"},

    {8, 1, {324, 396}, "Dugme5", "Images\\044.jpg", 25, "Shape2", "Timer2"},
    {8, 2, {334, 334}, "Dugme5", "Images\\045.jpg", 26, "Shape3", "Timer3"},
    {8, 3, {344, 278}, "Dugme5", "Images\\046.jpg", 27, "Shape4", "Timer4"},
    {8, 4, {350, 224}, "Dugme5", "Images\\047.jpg", 27, "ShapeDVM", "TimerDVM"},

    {11, 1, {448, 404}, "Dugme2", "Images\\057.jpg", 31, "Shape2", "Timer2"},
    {11, 2, {258, 404}, "Dugme1", "Images\\058.jpg", 32, "Shape3", "Timer3"},
    {11, 3, {258, 440}, "Dugme1", "Images\\059.jpg", 33, "Shape4", "Timer4"},
    {11, 4, {358, 418}, "Dugme1", "Images\\060.jpg", 34, "Shape5", "Timer5"},
    {11, 5, {388, 418}, "Dugme1", "Images\\061.jpg", 35, "Shape6", "Timer6"},
    {11, 6, {388, 473}, "Dugme4", "Images\\062.jpg", 36, "Shape7", "Timer7"},
    {11, 7, {388, 473}, "Dugme4", "Images\\063.jpg", 37, "Shape8", "Timer8"},
    {11, 8, {350, 323}, "Dugme1", "Images\\064.jpg", 38, "Shape9", "Timer9"},
    {11, 9, {201, 512}, "Dugme1", "Images\\065.jpg", 39, "ShapeDVM", "TimerDVM"},

    {12, 1, {55, 228},  "Dugme2", "images\\067.jpg", 41, "Shape2", "Timer2"},
    {12, 2, {972, 655}, "Dugme2", "images\\067.jpg", 42, "Shape1", "Timer3"},
    {12, 3, {55, 228},  "Dugme1", "images\\066.jpg", 42, "ShapeDVM", "TimerDVM"},

    {13, 1, {239, 189}, "Dugme2", "images\\069.jpg", 43, "ShapeDVM", "TimerDVM"},

    {17, 1, {239, 189}, "Dugme2", "images\\068.jpg", 47, "ShapeDVM", "TimerDVM"},

    {18, 1, {218, 556}, "Dugme2", "Images\\076.jpg", 49, "Shape2", "Timer2"},
    {18, 2, {170, 608}, "Dugme1", "Images\\077.jpg", 50, "Shape3", "Timer3"},
    {18, 3, {769, 383}, "Dugme1", "Images\\078.jpg", 50, "ShapeDVM", "TimerDVM"},
};
// clang-format on

const StepRow &stepRow(int screen, int step)
{
    for (const StepRow &row : Steps) {
        if (row.screen == screen && row.step == step)
            return row;
    }
    qFatal("no step %d on screen %d", step, screen);
}

int stepCount(int screen)
{
    return int(std::count_if(std::begin(Steps), std::end(Steps), [&](const StepRow &row) { return row.screen == screen; }));
}

LessonScreen *openLesson(Run &run, int screen)
{
    return openLessonAtLine(run, screen, LinesBefore.at(screen) + 1);
}

// Presses the marks of the steps before `step`, so that step is the active one.
void walkTo(LessonScreen *form, int step)
{
    for (int earlier = 1; earlier < step; ++earlier)
        press(form, stepRow(form->number(), earlier).centre);
}

QList<SoundRequest> stepRequests(int screen, const char *cue)
{
    QList<SoundRequest> requests{{QStringLiteral("Sounds\\%1.wav").arg(QLatin1String(cue)), 1, 0}};
    if (EngineScreens.contains(screen))
        requests.append({QStringLiteral("sounds\\70loop.wav"), 0, 9});
    return requests;
}

QStringList visibleMarks(Screen *screen)
{
    QStringList names;
    for (Shape *shape : screen->findChildren<Shape *>()) {
        if (!shape->isHidden())
            names << shape->objectName();
    }
    return names;
}

QStringList runningTimers(Screen *screen)
{
    QStringList names;
    for (Timer *timer : screen->findChildren<Timer *>()) {
        if (timer->isEnabled())
            names << timer->objectName();
    }
    return names;
}

void postPress(QWidget *widget, QPoint point)
{
    const QPointF at(point);
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonPress, at, widget->mapToGlobal(at),
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
}

} // namespace

class StepChainsTest : public QObject {
    Q_OBJECT
private slots:
    void load_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("inset");
        QTest::addColumn<QString>("photograph");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QStringList>("marks");
        QTest::newRow("screen 3 blinks at 500 ms, shape1 visible from design")
            << 3 << "images\\KokpitB.bmp" << "images\\004.jpg" << 500 << QStringList{"shape1"};
        QTest::newRow("screen 4 shows its continue mark steadily")
            << 4 << "images\\KokpitF.bmp" << "images\\013.jpg" << 300 << QStringList{"ShapeDVM"};
        QTest::newRow("screen 7") << 7 << "images\\KokpitG.bmp" << "images\\034.jpg" << 300 << QStringList{};
        QTest::newRow("screen 8") << 8 << "images\\KokpitF.bmp" << "images\\043.jpg" << 300 << QStringList{};
        QTest::newRow("screen 11") << 11 << "images\\KokpitD.bmp" << "images\\056.jpg" << 300 << QStringList{};
        QTest::newRow("screen 12") << 12 << "images\\KokpitD.bmp" << "images\\066.jpg" << 300 << QStringList{};
        QTest::newRow("screen 13") << 13 << "images\\KokpitA.bmp" << "images\\068.jpg" << 300 << QStringList{};
        QTest::newRow("screen 17") << 17 << "images\\KokpitA.bmp" << "images\\073.jpg" << 300 << QStringList{};
        QTest::newRow("screen 18") << 18 << "images\\KokpitD.bmp" << "images\\075.jpg" << 300 << QStringList{};
    }
    void load()
    {
        QFETCH(int, screen);
        QFETCH(QString, inset);
        QFETCH(QString, photograph);
        QFETCH(int, interval);
        QFETCH(QStringList, marks);
        TestRun run;
        LessonScreen *form = openLesson(run, screen);
        QCOMPARE(form->objectName(), QStringLiteral("Form%1").arg(screen, 3, 10, QLatin1Char('0')));
        QCOMPARE(form->control<PictureBox>(QStringLiteral("Picture1"))->pictureName(), inset);
        QCOMPARE(form->pictureName(), photograph);
        QCOMPARE(explainText(form), QStringLiteral("E%1").arg(LinesBefore.at(screen) + 1));
        QCOMPARE(runningTimers(form), QStringList{"Timer1"});
        QCOMPARE(form->timer(QStringLiteral("Timer1"))->interval(), interval);
        QCOMPARE(form->timer(QStringLiteral("TimerDVM"))->interval(), interval);
        QCOMPARE(visibleMarks(form), marks);
        QVERIFY(run.sound.requests.isEmpty());
    }

    void eachStep_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(Steps)); ++row) {
            const StepRow &step = Steps[row];
            QTest::newRow(qPrintable(QStringLiteral("screen %1, step %2 plays %3 and shows %4")
                                         .arg(step.screen).arg(step.step)
                                         .arg(QLatin1String(step.cue), QLatin1String(step.photograph))))
                << row;
        }
    }
    void eachStep()
    {
        QFETCH(int, row);
        const StepRow &step = Steps[row];
        TestRun run;
        LessonScreen *form = openLesson(run, step.screen);
        walkTo(form, step.step);
        run.sound.requests.clear();

        press(form, step.centre);
        QCOMPARE(run.sound.requests, stepRequests(step.screen, step.cue));
        QCOMPARE(form->pictureName(), QLatin1String(step.photograph));
        QCOMPARE(run.explanationCursor, step.line);
        QCOMPARE(explainText(form), QStringLiteral("E%1").arg(step.line));
        QCOMPARE(runningTimers(form), QStringList{step.nextTimer});
        QCOMPARE(visibleMarks(form), QStringList{step.nextMark});
        QCOMPARE(shown(form, "LabelDVM"), step.nextTimer == QLatin1String("TimerDVM") || step.screen == 4);
        form->timer(QLatin1String(step.nextTimer))->tick();
        QVERIFY2(!shown(form, step.nextMark), "the next timer blinks the next mark");
        QVERIFY(run.errors.isEmpty());
    }

    // Presses one pixel inside and on each edge of the active mark.
    void edges_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("step");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("hits");
        QTest::newRow("screen 4: on the left edge") << 4 << 1 << QPoint(768, 269) << false;
        QTest::newRow("screen 4: on the right edge") << 4 << 1 << QPoint(907, 269) << false;
        QTest::newRow("screen 4: on the top edge") << 4 << 1 << QPoint(837, 196) << false;
        QTest::newRow("screen 4: on the bottom edge") << 4 << 1 << QPoint(837, 343) << false;
        QTest::newRow("screen 4: inside the top left corner") << 4 << 1 << QPoint(769, 197) << true;
        QTest::newRow("screen 4: inside the bottom right corner") << 4 << 1 << QPoint(906, 342) << true;
        QTest::newRow("screen 8: on the left edge") << 8 << 1 << QPoint(298, 396) << false;
        QTest::newRow("screen 8: on the right edge") << 8 << 1 << QPoint(351, 396) << false;
        QTest::newRow("screen 8: on the top edge") << 8 << 1 << QPoint(324, 368) << false;
        QTest::newRow("screen 8: on the bottom edge") << 8 << 1 << QPoint(324, 425) << false;
        QTest::newRow("screen 8: inside the top left corner") << 8 << 1 << QPoint(299, 369) << true;
        QTest::newRow("screen 8: inside the bottom right corner") << 8 << 1 << QPoint(350, 424) << true;
        QTest::newRow("screen 11: x 430 misses") << 11 << 1 << QPoint(430, 404) << false;
        QTest::newRow("screen 11: x 467 misses") << 11 << 1 << QPoint(467, 404) << false;
        QTest::newRow("screen 11: y 288 misses") << 11 << 1 << QPoint(448, 288) << false;
        QTest::newRow("screen 11: y 521 misses") << 11 << 1 << QPoint(448, 521) << false;
        QTest::newRow("screen 11: x 431, y 289 hits") << 11 << 1 << QPoint(431, 289) << true;
        QTest::newRow("screen 11: x 466, y 520 hits") << 11 << 1 << QPoint(466, 520) << true;
        QTest::newRow("screen 12: x 30 misses") << 12 << 1 << QPoint(30, 228) << false;
        QTest::newRow("screen 12: x 81 misses") << 12 << 1 << QPoint(81, 228) << false;
        QTest::newRow("screen 12: y 204 misses") << 12 << 1 << QPoint(55, 204) << false;
        QTest::newRow("screen 12: y 253 misses") << 12 << 1 << QPoint(55, 253) << false;
        QTest::newRow("screen 12: x 31, y 205 hits") << 12 << 1 << QPoint(31, 205) << true;
        QTest::newRow("screen 12: x 80, y 252 hits") << 12 << 1 << QPoint(80, 252) << true;
        QTest::newRow("screen 12: Shape2 at x 1023 hits") << 12 << 2 << QPoint(1023, 655) << true;
        QTest::newRow("screen 12: Shape2's left edge misses") << 12 << 2 << QPoint(914, 655) << false;
        QTest::newRow("screen 17: x 214 misses") << 17 << 1 << QPoint(214, 189) << false;
        QTest::newRow("screen 17: x 265 misses") << 17 << 1 << QPoint(265, 189) << false;
        QTest::newRow("screen 17: y 168 misses") << 17 << 1 << QPoint(239, 168) << false;
        QTest::newRow("screen 17: y 211 misses") << 17 << 1 << QPoint(239, 211) << false;
        QTest::newRow("screen 17: x 215, y 169 hits") << 17 << 1 << QPoint(215, 169) << true;
        QTest::newRow("screen 17: x 264, y 210 hits") << 17 << 1 << QPoint(264, 210) << true;
        QTest::newRow("screen 18: Shape3 at x 688 misses") << 18 << 3 << QPoint(688, 383) << false;
        QTest::newRow("screen 18: Shape3 at x 851 misses") << 18 << 3 << QPoint(851, 383) << false;
        QTest::newRow("screen 18: Shape3 at y 366 misses") << 18 << 3 << QPoint(769, 366) << false;
        QTest::newRow("screen 18: Shape3 at y 401 misses") << 18 << 3 << QPoint(769, 401) << false;
        QTest::newRow("screen 18: Shape3 at x 689, y 367 hits") << 18 << 3 << QPoint(689, 367) << true;
        QTest::newRow("screen 18: Shape3 at x 850, y 400 hits") << 18 << 3 << QPoint(850, 400) << true;
    }
    void edges()
    {
        QFETCH(int, screen);
        QFETCH(int, step);
        QFETCH(QPoint, point);
        QFETCH(bool, hits);
        TestRun run;
        LessonScreen *form = openLesson(run, screen);
        walkTo(form, step);
        run.sound.requests.clear();
        press(form, point);
        QCOMPARE(run.sound.requests, hits ? stepRequests(screen, stepRow(screen, step).cue) : QList<SoundRequest>{});
        QCOMPARE(form->timer(QStringLiteral("Timer%1").arg(step))->isEnabled(), !hits);
    }

    void aPressOutsideTheActiveMarkDoesNothing_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("step"); // the active step; one past the last when all are done
        QTest::addColumn<QPoint>("point");
        QTest::newRow("screen 3: Shape3 while step 1 is active") << 3 << 1 << QPoint(86, 470);
        QTest::newRow("screen 3: shape1 again after step 1") << 3 << 2 << QPoint(80, 182);
        QTest::newRow("screen 3: the continue mark before step 8") << 3 << 8 << ContinueStrip;
        QTest::newRow("screen 3: where the label will be, before step 8") << 3 << 8 << OnContinueLabel;
        QTest::newRow("screen 4: the strip above the steady label") << 4 << 1 << ContinueStrip;
        QTest::newRow("screen 7: Shape3 while step 1 is active") << 7 << 1 << QPoint(504, 324);
        QTest::newRow("screen 7: Shape1 again after step 1") << 7 << 2 << QPoint(374, 324);
        QTest::newRow("screen 8: the continue mark before step 4") << 8 << 4 << ContinueStrip;
        QTest::newRow("screen 8: Shape1 after step 4") << 8 << 5 << QPoint(324, 396);
        QTest::newRow("screen 11: Shape3 while step 2 is active") << 11 << 2 << QPoint(258, 440);
        QTest::newRow("screen 11: Shape1 again after step 1") << 11 << 2 << QPoint(448, 404);
        QTest::newRow("screen 12: Shape1 while step 2 is active") << 12 << 2 << QPoint(55, 228);
        QTest::newRow("screen 12: the continue mark before step 3") << 12 << 3 << ContinueStrip;
        QTest::newRow("screen 13: the continue mark before the step") << 13 << 1 << ContinueStrip;
        QTest::newRow("screen 13: Shape1 after the step") << 13 << 2 << QPoint(239, 189);
        QTest::newRow("screen 17: Shape1 after the step") << 17 << 2 << QPoint(239, 189);
        QTest::newRow("screen 18: Shape2 while step 1 is active") << 18 << 1 << QPoint(170, 608);
        QTest::newRow("screen 18: the continue mark before step 3") << 18 << 3 << ContinueStrip;
    }
    void aPressOutsideTheActiveMarkDoesNothing()
    {
        QFETCH(int, screen);
        QFETCH(int, step);
        QFETCH(QPoint, point);
        TestRun run;
        QPointer<LessonScreen> form = openLesson(run, screen);
        walkTo(form, step);
        run.sound.requests.clear();
        const QString picture = form->pictureName();
        const int cursor = run.explanationCursor;
        const QStringList timers = runningTimers(form);

        press(form, point);
        TestRun::settle();
        QVERIFY(form);
        QVERIFY(!run.endStatus);
        QVERIFY(run.sound.requests.isEmpty());
        QCOMPARE(form->pictureName(), picture);
        QCOMPARE(run.explanationCursor, cursor);
        QCOMPARE(runningTimers(form), timers);
    }

    // One press runs one step, even where the next step's mark holds the point too.
    void aSharedPointRunsOnlyTheActiveStep_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("step");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("screen 3: Shape7 then Shape8") << 3 << 7 << QPoint(480, 270) << "Images\\011.jpg" << "Images\\012.jpg";
        QTest::newRow("screen 8: Shape3 then Shape4") << 8 << 3 << QPoint(330, 251) << "Images\\046.jpg" << "Images\\047.jpg";
        QTest::newRow("screen 11: Shape4 then Shape5") << 11 << 4 << QPoint(372, 418) << "Images\\060.jpg" << "Images\\061.jpg";
        QTest::newRow("screen 11: Shape6 then Shape7") << 11 << 6 << QPoint(360, 446) << "Images\\062.jpg" << "Images\\063.jpg";
    }
    void aSharedPointRunsOnlyTheActiveStep()
    {
        QFETCH(int, screen);
        QFETCH(int, step);
        QFETCH(QPoint, point);
        QFETCH(QString, first);
        QFETCH(QString, second);
        TestRun run;
        LessonScreen *form = openLesson(run, screen);
        walkTo(form, step);
        run.sound.requests.clear();
        press(form, point);
        QCOMPARE(form->pictureName(), first);
        QCOMPARE(run.sound.requests, stepRequests(screen, stepRow(screen, step).cue));
        press(form, point);
        QCOMPARE(form->pictureName(), second);
    }

    // The cue holds the thread; a press made meanwhile meets the state the step has left.
    void twoPressesDuringOneCue_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("step");
        QTest::addColumn<QPoint>("second");
        QTest::addColumn<QString>("photograph");
        QTest::newRow("screen 3: the second on Shape2 runs step 2") << 3 << 1 << QPoint(209, 190) << "Images\\006.jpg";
        QTest::newRow("screen 3: the second on shape1 again does nothing") << 3 << 1 << QPoint(80, 182) << "Images\\005.jpg";
        QTest::newRow("screen 7: the second on Shape2 runs step 2") << 7 << 1 << QPoint(438, 324) << "Images\\036.jpg";
        QTest::newRow("screen 11: the second on the same place runs step 7") << 11 << 6 << QPoint(388, 473) << "Images\\063.jpg";
        QTest::newRow("screen 12: the second on Shape1 runs step 3") << 12 << 2 << QPoint(55, 228) << "images\\066.jpg";
        QTest::newRow("screen 18: the second on Shape2 runs step 2") << 18 << 1 << QPoint(170, 608) << "Images\\077.jpg";
    }
    void twoPressesDuringOneCue()
    {
        QFETCH(int, screen);
        QFETCH(int, step);
        QFETCH(QPoint, second);
        QFETCH(QString, photograph);
        TestRun run;
        LessonScreen *form = openLesson(run, screen);
        walkTo(form, step);
        bool posted = false;
        run.sound.whilePlayingSync = [&](const SoundRequest &) {
            if (!std::exchange(posted, true))
                postPress(form, second);
        };
        press(form, stepRow(screen, step).centre);
        QCOMPARE(form->pictureName(), QLatin1String(stepRow(screen, step).photograph));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(form->pictureName(), photograph);
    }

    void exitMakesTwoSoundRequests_data()
    {
        QTest::addColumn<int>("screen");
        for (int screen : {3, 4, 7, 8, 11, 12, 13, 17, 18})
            QTest::newRow(qPrintable(QStringLiteral("screen %1").arg(screen))) << screen;
    }
    void exitMakesTwoSoundRequests()
    {
        QFETCH(int, screen);
        TestRun run;
        LessonScreen *form = openLesson(run, screen);
        form->timer(QStringLiteral("Timer1"))->tick();
        QTest::mouseClick(form->control<QPushButton>(QStringLiteral("Command2")), Qt::LeftButton);
        QCOMPARE(run.sound.requests,
                 (QList<SoundRequest>{{QStringLiteral("sounds\\dugme3.wav"), 1, 1}, {QString(), 1, 1}}));
        QCOMPARE(run.endStatus, 0);
    }

    // Walks a screen to its continue mark and leaves it, in the mark's dark phase or by the label.
    void walkingAScreenTakesItsLines_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("byLabel");
        QTest::newRow("screen 3 takes 7 lines") << 3 << 7 << false;
        QTest::newRow("screen 4 takes 1 line") << 4 << 1 << true;
        QTest::newRow("screen 7 takes 8 lines") << 7 << 8 << true;
        QTest::newRow("screen 8 takes 4 lines") << 8 << 4 << false;
        QTest::newRow("screen 11 takes 10 lines") << 11 << 10 << false;
        QTest::newRow("screen 12 takes 3 lines") << 12 << 3 << true;
        QTest::newRow("screen 13 takes 1 line") << 13 << 1 << false;
        QTest::newRow("screen 17 takes 1 line") << 17 << 1 << true;
    }
    void walkingAScreenTakesItsLines()
    {
        QFETCH(int, screen);
        QFETCH(int, lines);
        QFETCH(bool, byLabel);
        TestRun run;
        QPointer<LessonScreen> form = openLesson(run, screen);
        walkTo(form, stepCount(screen) + 1);
        QCOMPARE(run.explanationCursor - LinesBefore.at(screen), lines);
        QVERIFY(form->timer(QStringLiteral("TimerDVM"))->isEnabled() && shown(form, "LabelDVM"));
        form->timer(QStringLiteral("TimerDVM"))->tick();
        QVERIFY(!shown(form, "ShapeDVM"));
        run.sound.requests.clear();

        press(form, byLabel ? OnContinueLabel : ContinueStrip);
        TestRun::settle();
        QVERIFY(run.sound.requests.isEmpty());
        const std::unique_ptr<Screen> following(createLessonScreen(run, screen + 1));
        if (!following) { // the chain does not go further yet: the run ends cleanly
            QCOMPARE(run.endStatus, 0);
            return;
        }
        QVERIFY(form.isNull());
        QCOMPARE(run.currentScreen()->objectName(), following->objectName());
        QCOMPARE(explainText(run.currentScreen()), QStringLiteral("E%1").arg(LinesBefore.at(screen) + lines + 1));
    }

    void theChainRunsFromScreen2ToScreen4()
    {
        TestRun run;
        auto *form2 = static_cast<LessonScreen *>(createLessonScreen(run, 2));
        run.explanationCursor = 1;
        form2->open();
        press(form2, {326, 250});
        press(form2, {900, 730});
        TestRun::settle();
        auto *form3 = qobject_cast<LessonScreen *>(run.currentScreen());
        QVERIFY(form3);
        QCOMPARE(form3->objectName(), QStringLiteral("Form003"));
        QCOMPARE(explainText(form3), QStringLiteral("E3"));
        walkTo(form3, 9);
        press(form3, ContinueStrip);
        TestRun::settle();
        QCOMPARE(run.currentScreen()->objectName(), QStringLiteral("Form004"));
        QCOMPARE(explainText(run.currentScreen()), QStringLiteral("E10"));
    }

    // Screen 4's continue label stands from load, so it leads on before the step.
    void theLabelOfScreen4LeadsOnBeforeTheStep()
    {
        TestRun run;
        QPointer<LessonScreen> form = openLesson(run, 4);
        QVERIFY(shown(form, "LabelDVM") && shown(form, "ShapeDVM"));
        QVERIFY(!form->timer(QStringLiteral("TimerDVM"))->isEnabled());
        press(form, OnContinueLabel);
        TestRun::settle();
        QVERIFY(run.sound.requests.isEmpty());
        QVERIFY(form.isNull() || run.endStatus == 0);
        if (form)
            QCOMPARE(form->pictureName(), QStringLiteral("images\\013.jpg"));
    }

    void theLastScreenEndsTheRun_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::newRow("by the continue mark in its dark phase") << ContinueStrip;
        QTest::newRow("by the continue label") << OnContinueLabel;
    }
    void theLastScreenEndsTheRun()
    {
        QFETCH(QPoint, point);
        TestRun run;
        LessonScreen *form = openLesson(run, 18);
        walkTo(form, 4);
        QCOMPARE(run.explanationCursor, 50);
        form->timer(QStringLiteral("TimerDVM"))->tick();
        run.sound.requests.clear();
        bool endedDuringCue = true;
        run.sound.whilePlayingSync = [&](const SoundRequest &) { endedDuringCue = run.endStatus.has_value(); };

        press(form, point);
        QCOMPARE(run.sound.requests, (QList<SoundRequest>{{QStringLiteral("Sounds\\Dugme1.wav"), 1, 0}}));
        QVERIFY(!endedDuringCue);
        QCOMPARE(run.endStatus, 0);
        QCOMPARE(run.currentScreen(), form); // no further screen
        QCOMPARE(run.explanationCursor, 50);
    }

    // A missing photograph fails after the cue and the loop sound; step 2 of screen 12 needs none.
    void aMissingPhotograph_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("error");
        QTest::newRow("screen 3, step 1") << 3 << 1 << "images/005.jpg" << "Images\\005.jpg";
        QTest::newRow("screen 7, step 8") << 7 << 8 << "images/042.jpg" << "Images\\042.jpg";
        QTest::newRow("screen 12, step 3: the photograph of load") << 12 << 3 << "images/066.jpg" << "images\\066.jpg";
        QTest::newRow("screen 12, step 2 keeps its photograph") << 12 << 2 << "images/067.jpg" << QString();
        QTest::newRow("screen 17, step 1") << 17 << 1 << "images/068.jpg" << "images\\068.jpg";
    }
    void aMissingPhotograph()
    {
        QFETCH(int, screen);
        QFETCH(int, step);
        QFETCH(QString, file);
        QFETCH(QString, error);
        TestRun run;
        LessonScreen *form = openLesson(run, screen);
        walkTo(form, step);
        run.removeContent(file);
        run.sound.requests.clear();
        press(form, stepRow(screen, step).centre);
        QCOMPARE(run.sound.requests, stepRequests(screen, stepRow(screen, step).cue));
        if (error.isEmpty()) {
            QVERIFY(run.errors.isEmpty());
            return;
        }
        QCOMPARE(run.errors.size(), 1);
        QCOMPARE(run.errors.first().kind(), RuntimeError::Kind::FileNotFound);
        QCOMPARE(run.errors.first().subject(), error);
    }

    // A missing line fails after all of the step's other actions.
    void aMissingLine_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("fileLines");
        QTest::newRow("screen 3, step 6") << 3 << 6 << 8;
        QTest::newRow("screen 11, step 9") << 11 << 9 << 38;
        QTest::newRow("screen 12, step 2") << 12 << 2 << 41;
        QTest::newRow("screen 18, step 2: a file of 49 lines") << 18 << 2 << 49;
    }
    void aMissingLine()
    {
        QFETCH(int, screen);
        QFETCH(int, step);
        QFETCH(int, fileLines);
        const StepRow &row = stepRow(screen, step);
        TestRun run(2, fileLines);
        LessonScreen *form = openLesson(run, screen);
        walkTo(form, step);
        run.sound.requests.clear();
        press(form, row.centre);
        QCOMPARE(run.errors.size(), 1);
        QCOMPARE(run.errors.first().kind(), RuntimeError::Kind::InputPastEndOfFile);
        QCOMPARE(run.sound.requests, stepRequests(screen, row.cue));
        QCOMPARE(form->pictureName(), QLatin1String(row.photograph));
        QCOMPARE(visibleMarks(form), QStringList{row.nextMark});
        QCOMPARE(explainText(form), QStringLiteral("E%1").arg(fileLines));
        QCOMPARE(runningTimers(form), QStringList()); // the run stops while the error is reported
    }
};

KELVORA_TEST_MAIN(StepChainsTest)
#include "test_step_chains.moc"
