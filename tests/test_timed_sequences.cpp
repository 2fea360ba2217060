#include "LessonProbe.h"
#include "TestRun.h"
#include "app/TrainerApplication.h"
#include "screens/ThrottleQuadrant.h"
#include "screens/PictureBox.h"

#include <QPointer>

using namespace kelvora;
using namespace kelvora::test;

namespace {
const QPoint QuadrantMark{74, 193}; // inside Shape1 and Shape3, in the quadrant's own coordinates

LessonScreen *openScreen(Run &run, int screen)
{
    return openLessonAtLine(run, screen, screen == 5 ? 11 : 13);
}

// Everything the user does before the screen's sequence starts.
void runSteps(LessonScreen *form)
{
    if (auto *quadrant = form->findChild<ThrottleQuadrant *>()) {
        press(quadrant->canvas(), QuadrantMark);
        press(form, {0, 650});
        press(quadrant->canvas(), QuadrantMark);
    } else {
        press(form, {829, 310});
    }
}

QString insetName(const LessonScreen *form)
{
    return form->control<PictureBox>(QStringLiteral("Picture1"))->pictureName();
}

// Presses that must change nothing while the screen plays its sequence.
void pressEverywhere(LessonScreen *form, const QList<QPoint> &points)
{
    for (const QPoint &point : points)
        press(form, point);
}
} // namespace

class TimedSequencesTest : public QObject {
    Q_OBJECT
private slots:
    void theSequenceRunsTickByTick_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QList<SoundRequest>>("stepRequests");
        QTest::addColumn<QString>("viewPhotograph");
        QTest::addColumn<SoundRequest>("viewSound");
        QTest::addColumn<QString>("viewLine");
        QTest::addColumn<QString>("watchMark");
        QTest::addColumn<int>("period");
        QTest::addColumn<QStringList>("tickPhotographs");
        QTest::addColumn<SoundRequest>("loopSound");
        QTest::addColumn<QString>("lastLine");
        QTest::addColumn<QList<QPoint>>("ignoredPresses");

        QTest::newRow("the engine start shows 018 to 021 every 5.4 s and ends in the idle loop")
            << 5 << QList<SoundRequest>{{"Sounds\\Dugme3.wav", 1, 0}} << "images\\017.jpg"
            << SoundRequest{"sounds\\JFS20.wav", 1, 1} << "E12" << "Shape2" << 5400
            << QStringList{"images\\018.jpg", "images\\019.jpg", "images\\020.jpg", "images\\021.jpg"}
            << SoundRequest{"sounds\\20loop.wav", 0, 9} << "E12"
            << QList<QPoint>{{829, 310}, {922, 400}, {930, 716}, {930, 740}, {500, 400}};
        QTest::newRow("the run-up shows 026 to 033 every 3.25 s, ends in the engine loop and reads a line")
            << 6 << QList<SoundRequest>{{"sounds\\Dugme3.wav", 1, 16}} << "images\\025.jpg"
            << SoundRequest{"sounds\\20to70.wav", 1, 1} << "E14" << "Shape4" << 3250
            << QStringList{"images\\026.jpg", "images\\027.jpg", "images\\028.jpg", "images\\029.jpg",
                           "images\\030.jpg", "images\\031.jpg", "images\\032.jpg", "images\\033.jpg"}
            << SoundRequest{"sounds\\70loop.wav", 0, 9} << "E15"
            << QList<QPoint>{{0, 650}, {100, 483}, {922, 400}, {930, 716}, {930, 740}};
    }
    void theSequenceRunsTickByTick()
    {
        QFETCH(int, screen);
        QFETCH(QList<SoundRequest>, stepRequests);
        QFETCH(QString, viewPhotograph);
        QFETCH(SoundRequest, viewSound);
        QFETCH(QString, viewLine);
        QFETCH(QString, watchMark);
        QFETCH(int, period);
        QFETCH(QStringList, tickPhotographs);
        QFETCH(SoundRequest, loopSound);
        QFETCH(QString, lastLine);
        QFETCH(QList<QPoint>, ignoredPresses);
        const QString watchTimer = QStringLiteral("Timer") + watchMark.right(1);

        TestRun run;
        QPointer<LessonScreen> form = openScreen(run, screen);
        runSteps(form);
        QCOMPARE(run.sound.requests, stepRequests);
        Timer *delay = form->timer(QStringLiteral("Timerkokpitbekle"));
        Timer *sequence = form->timer(QStringLiteral("TimerDVMBekle"));
        QVERIFY(delay->isEnabled());
        QCOMPARE(delay->interval(), 750);
        QCOMPARE(sequence->interval(), period);
        const QString stepPhotograph = form->pictureName();
        pressEverywhere(form, ignoredPresses);
        QCOMPARE(run.sound.requests, stepRequests);
        QCOMPARE(form->pictureName(), stepPhotograph);

        delay->tick();
        QVERIFY(!delay->isEnabled());
        QVERIFY(sequence->isEnabled());
        QCOMPARE(form->pictureName(), viewPhotograph);
        QCOMPARE(insetName(form), QStringLiteral("images\\KokpitD.bmp"));
        QCOMPARE(explainText(form), viewLine);
        QCOMPARE(run.sound.requests, stepRequests + QList<SoundRequest>{viewSound});
        QVERIFY(shown(form, watchMark) && running(form, watchTimer));

        for (const QString &photograph : tickPhotographs) {
            sequence->tick();
            QCOMPARE(form->pictureName(), photograph);
            pressEverywhere(form, ignoredPresses);
            QVERIFY(!form.isNull());
            QCOMPARE(form->pictureName(), photograph);
            QCOMPARE(run.sound.requests.size(), stepRequests.size() + 1);
            QVERIFY(!running(form, "TimerDVM") && !shown(form, "LabelDVM"));
        }
        QCOMPARE(explainText(form), viewLine);

        sequence->tick(); // the last tick shows the continue mark instead of a photograph
        QCOMPARE(form->pictureName(), tickPhotographs.last());
        QCOMPARE(run.sound.requests, stepRequests + (QList<SoundRequest>{viewSound, loopSound}));
        QCOMPARE(explainText(form), lastLine);
        QVERIFY(!sequence->isEnabled());
        QVERIFY(!shown(form, watchMark) && !running(form, watchTimer));
        QVERIFY(running(form, "TimerDVM") && shown(form, "LabelDVM") && shown(form, "ShapeDVM"));
        QVERIFY(run.errors.isEmpty());

        // Leaving does not stop the loop: the next screen makes no request at load.
        press(form, {930, 716});
        TestRun::settle();
        QVERIFY(form.isNull() || run.endStatus == 0); // screen 7 may not be in the chain yet
        QCOMPARE(run.sound.requests.last(), loopSound);
    }

    void aMissingPhotographEndsTheRunAtItsTick()
    {
        TestRun run;
        run.removeContent(QStringLiteral("images/019.jpg"));
        LessonScreen *form = openScreen(run, 5);
        runSteps(form);
        form->timer(QStringLiteral("Timerkokpitbekle"))->tick();
        Timer *sequence = form->timer(QStringLiteral("TimerDVMBekle"));
        tickQueued(sequence);
        QVERIFY(run.errors.isEmpty());
        tickQueued(sequence);
        QCOMPARE(run.errors.size(), 1);
        QCOMPARE(run.errors.first().kind(), RuntimeError::Kind::FileNotFound);
        QCOMPARE(run.errors.first().subject(), QStringLiteral("images\\019.jpg"));
    }

    void theStepOfTheEngineStart_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("hits");
        QTest::newRow("one pixel inside the left edge") << QPoint(783, 310) << true;
        QTest::newRow("one pixel inside the bottom edge") << QPoint(829, 354) << true;
        QTest::newRow("on the left edge") << QPoint(782, 310) << false;
        QTest::newRow("on the right edge") << QPoint(877, 310) << false;
        QTest::newRow("on the bottom edge") << QPoint(829, 355) << false;
        QTest::newRow("inside the watch mark") << QPoint(922, 400) << false;
    }
    void theStepOfTheEngineStart()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, hits);
        TestRun run;
        LessonScreen *form = openScreen(run, 5);
        QCOMPARE(explainText(form), QStringLiteral("E11"));
        QCOMPARE(insetName(form), QStringLiteral("images\\Kokpitb.bmp"));
        QCOMPARE(form->pictureName(), QStringLiteral("images\\015.jpg"));
        press(form, point);
        QCOMPARE(form->pictureName(), hits ? QStringLiteral("Images\\016.jpg") : QStringLiteral("images\\015.jpg"));
        QCOMPARE(running(form, "Timerkokpitbekle"), hits);
        QCOMPARE(running(form, "Timer1"), !hits);
        QCOMPARE(run.explanationCursor, 11); // the step itself reads no line
        press(form, point);
        QCOMPARE(run.sound.requests.size(), hits ? 1 : 0);
    }
};

KELVORA_TEST_MAIN(TimedSequencesTest)
#include "test_timed_sequences.moc"
