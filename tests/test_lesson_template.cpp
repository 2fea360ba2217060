#include "TestRun.h"
#include "screens/Run.h"
#include "app/TrainerApplication.h"
#include "LessonProbe.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using namespace kelvora;
using namespace kelvora::test;

namespace {
// Opens a lesson as the chain reaches it: screen 2 after the one line of screen 1.
LessonScreen *openLesson(Run &run, int screen)
{
    return openLessonAtLine(run, screen, screen);
}
} // namespace

class LessonTemplateTest : public QObject {
    Q_OBJECT
private slots:
    void theFirstLessonStartsTheExplanations()
    {
        TestRun run(2);
        run.explanationCursor = 17; // whatever happened before
        auto *form = lessonScreen(run, 1);
        form->open();
        QCOMPARE(run.explanationCursor, 1);
        QCOMPARE(explainText(form), QStringLiteral("E1"));
        QCOMPARE(form->pictureName(), QStringLiteral("images\\001.jpg"));
        QCOMPARE(form->control<QWidget>(QStringLiteral("Picture1"))->geometry(), QRect(12, 34, 207, 221));
        QCOMPARE(form->control<QWidget>(QStringLiteral("Explain"))->geometry(), QRect(12, 6, 741, 27));
        QCOMPARE(form->size(), QSize(1024, 768));
        QCOMPARE(form->windowTitle(), QStringLiteral("KELVORA Training - 1 / 18"));
        QVERIFY(shown(form, "ShapeDVM") && shown(form, "LabelDVM") && running(form, "TimerDVM"));
        QVERIFY(!shown(form, "Command1") && !shown(form, "Command3"));
        QCOMPARE(form->control<QLabel>(QStringLiteral("LabelDVM"))->text(), QStringLiteral("Continue"));
    }

    void exitHoldsTheFocusWhenALessonOpens()
    {
        TestRun run;
        LessonScreen *form = openLesson(run, 2);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(QApplication::focusWidget(), form->control<QWidget>(QStringLiteral("Command2")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(run.endStatus, 0);
    }

    void theContinueMarkOfTheFirstLesson_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("leadsOn");
        QTest::newRow("on the mark's left edge") << QPoint(858, 730) << false;
        QTest::newRow("one pixel inside the left edge") << QPoint(859, 730) << true;
        QTest::newRow("one pixel inside the top edge") << QPoint(900, 713) << true;
        QTest::newRow("on the top edge") << QPoint(900, 712) << false;
        QTest::newRow("on the label") << QPoint(950, 740) << true;
        QTest::newRow("elsewhere on the photograph") << QPoint(500, 400) << false;
    }
    void theContinueMarkOfTheFirstLesson()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, leadsOn);
        TestRun run(2);
        QPointer<LessonScreen> form = openLesson(run, 1);
        press(form, point);
        TestRun::settle();
        QCOMPARE(form.isNull(), leadsOn);
        if (leadsOn) {
            QCOMPARE(run.currentScreen()->objectName(), QStringLiteral("Form002"));
            QCOMPARE(explainText(run.currentScreen()), QStringLiteral("E2"));
        }
        QVERIFY(run.sound.requests.isEmpty());
    }

    void theContinueMarkLeadsOnInItsDarkPhase()
    {
        TestRun run;
        QPointer<LessonScreen> form = openLesson(run, 1);
        form->timer(QStringLiteral("TimerDVM"))->tick();
        QVERIFY(!shown(form, "ShapeDVM"));
        QVERIFY(shown(form, "LabelDVM")); // the label stays steady
        press(form, {900, 716});
        TestRun::settle();
        QVERIFY(form.isNull());
    }

    void theStepOfTheSecondLesson_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("hits");
        QTest::newRow("centre") << QPoint(326, 250) << int(Qt::LeftButton) << true;
        QTest::newRow("one pixel inside the left edge") << QPoint(293, 250) << int(Qt::LeftButton) << true;
        QTest::newRow("one pixel inside the right edge") << QPoint(360, 250) << int(Qt::LeftButton) << true;
        QTest::newRow("one pixel inside the top edge") << QPoint(326, 207) << int(Qt::LeftButton) << true;
        QTest::newRow("one pixel inside the bottom edge") << QPoint(326, 294) << int(Qt::LeftButton) << true;
        QTest::newRow("on the left edge") << QPoint(292, 250) << int(Qt::LeftButton) << false;
        QTest::newRow("on the right edge") << QPoint(361, 250) << int(Qt::LeftButton) << false;
        QTest::newRow("on the top edge") << QPoint(326, 206) << int(Qt::LeftButton) << false;
        QTest::newRow("on the bottom edge") << QPoint(326, 295) << int(Qt::LeftButton) << false;
        QTest::newRow("a corner outside the drawn circle") << QPoint(294, 208) << int(Qt::LeftButton) << true;
        QTest::newRow("the right button") << QPoint(326, 250) << int(Qt::RightButton) << true;
        QTest::newRow("the middle button") << QPoint(326, 250) << int(Qt::MiddleButton) << true;
    }
    void theStepOfTheSecondLesson()
    {
        QFETCH(QPoint, point);
        QFETCH(int, button);
        QFETCH(bool, hits);
        TestRun run;
        LessonScreen *form = openLesson(run, 2);
        press(form, point, Qt::MouseButton(button));
        if (!hits) {
            QVERIFY(run.sound.requests.isEmpty());
            QCOMPARE(form->pictureName(), QStringLiteral("images\\002.jpg"));
            QVERIFY(running(form, "Timer1"));
            return;
        }
        QCOMPARE(run.sound.requests, (QList<SoundRequest>{{"Sounds\\Dugme1.wav", 1, 0}}));
        QCOMPARE(form->pictureName(), QStringLiteral("Images\\003.jpg"));
        QVERIFY(!running(form, "Timer1") && !shown(form, "shape1"));
        QVERIFY(shown(form, "ShapeDVM") && running(form, "TimerDVM") && shown(form, "LabelDVM"));
        QCOMPARE(explainText(form), QStringLiteral("E2")); // the step reads no line
        QCOMPARE(run.explanationCursor, 2);
    }

    void aStepCountsWhileItsMarkIsBlinkedOff()
    {
        TestRun run;
        LessonScreen *form = openLesson(run, 2);
        form->timer(QStringLiteral("Timer1"))->tick();
        QVERIFY(!shown(form, "shape1"));
        press(form, {326, 250});
        QCOMPARE(form->pictureName(), QStringLiteral("Images\\003.jpg"));
    }

    void theContinueMarkWaitsForTheStep()
    {
        TestRun run;
        QPointer<LessonScreen> form = openLesson(run, 2);
        QVERIFY(!shown(form, "LabelDVM"));
        press(form, {900, 710}); // inside the mark, above the hidden label
        press(form, {900, 730}); // where the label will be
        TestRun::settle();
        QVERIFY(!form.isNull());
        QVERIFY(!run.endStatus);

        press(form, {326, 250});
        press(form, {326, 250}); // the step is done: a second press does nothing
        QCOMPARE(run.sound.requests.size(), 1);
        form->timer(QStringLiteral("TimerDVM"))->tick(); // dark phase
        press(form, {900, 710});
        TestRun::settle();
        QVERIFY(form.isNull() || run.endStatus == 0);
    }

    void theLabelIsInFrontOfTheMarkOnTheSecondLesson()
    {
        TestRun run;
        LessonScreen *form = openLesson(run, 2);
        const QObjectList &children = form->children();
        QVERIFY(children.indexOf(form->control<QWidget>(QStringLiteral("LabelDVM")))
                > children.indexOf(form->control<QWidget>(QStringLiteral("ShapeDVM"))));
    }

    void aPressDuringTheCueIsTestedAfterTheStep()
    {
        TestRun run;
        QPointer<LessonScreen> form = openLesson(run, 2);
        run.sound.whilePlayingSync = [&](const SoundRequest &) {
            const QPointF point(900, 710);
            QCoreApplication::postEvent(form, new QMouseEvent(QEvent::MouseButtonPress, point, form->mapToGlobal(point),
                                                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        };
        press(form, {326, 250});
        QVERIFY(running(form, "TimerDVM"));
        QCoreApplication::sendPostedEvents();
        TestRun::settle();
        QVERIFY(form.isNull() || run.endStatus == 0);
    }

    void exitRequests_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QList<SoundRequest>>("requests");
        const SoundRequest click{"sounds\\dugme3.wav", 1, 1};
        const SoundRequest silence{"", 1, 1};
        QTest::newRow("screen 1: the click only") << 1 << QList<SoundRequest>{click};
        QTest::newRow("screen 2: the click, then an empty name") << 2 << QList<SoundRequest>{click, silence};
    }
    void exitRequests()
    {
        QFETCH(int, screen);
        QFETCH(QList<SoundRequest>, requests);
        TestRun run;
        LessonScreen *form = screen == 1 ? openLesson(run, 1) : openLesson(run, 2);
        form->timer(QStringLiteral("TimerDVM"))->tick();
        QTest::mouseClick(form->control<QPushButton>(QStringLiteral("Command2")), Qt::LeftButton);
        QCOMPARE(run.sound.requests, requests);
        QCOMPARE(run.endStatus, 0);
    }

    void aMissingPhotographEndsTheRunAfterTheCue()
    {
        TestRun run;
        LessonScreen *form = openLesson(run, 2);
        run.removeContent(QStringLiteral("images/003.jpg"));
        press(form, {326, 250});
        QCOMPARE(run.sound.requests.size(), 1);
        QCOMPARE(run.errors.size(), 1);
        QCOMPARE(run.errors.first().kind(), RuntimeError::Kind::FileNotFound);
        QCOMPARE(run.errors.first().subject(), QStringLiteral("Images\\003.jpg"));
        QVERIFY(run.errors.first().message().contains(run.contentFolder()));
    }

    void aMissingLanguageFileEndsTheFirstLesson()
    {
        TestRun run(2, 0);
        auto *form = lessonScreen(run, 1);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, form->open());
        QCOMPARE(run.explanationCursor, 1);
        delete form;
    }
};

KELVORA_TEST_MAIN(LessonTemplateTest)
#include "test_lesson_template.moc"
