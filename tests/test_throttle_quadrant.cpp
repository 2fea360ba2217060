#include "LessonProbe.h"
#include "TestRun.h"
#include "app/TrainerApplication.h"
#include "screens/ThrottleQuadrant.h"
#include "screens/Line.h"

#include <QPushButton>
#include <QTimer>

using namespace kelvora;
using namespace kelvora::test;

namespace {
const QPoint QuadrantMark{74, 193}; // inside Shape1 and Shape3, in the quadrant's own coordinates
const QPoint IdleMark{0, 650};      // inside Shape2, which starts left of the window

LessonScreen *openThrottle(Run &run)
{
    return openLessonAtLine(run, 6, 13);
}

ThrottleQuadrant *quadrantOf(const LessonScreen *form)
{
    return form->findChild<ThrottleQuadrant *>();
}

void pressQuadrant(LessonScreen *form, QPoint inner)
{
    press(quadrantOf(form)->canvas(), inner);
}

QString caption(LessonScreen *form)
{
    return form->control<QLabel>(QStringLiteral("LabelTHRTL"))->text();
}

// Records every place the knob is moved to.
class MoveRecorder : public QObject {
public:
    explicit MoveRecorder(QWidget *watched) { watched->installEventFilter(this); }
    QList<int> lefts;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Move)
            lefts << static_cast<QWidget *>(watched)->x();
        return false;
    }
};

QList<int> slide(int from, int to)
{
    QList<int> lefts;
    for (int left = from; left != to;)
        lefts << (left += (to > from ? 2 : -2));
    return lefts;
}
} // namespace

class ThrottleQuadrantTest : public QObject {
    Q_OBJECT
private slots:
    void theQuadrantAsLoaded()
    {
        TestRun run;
        LessonScreen *form = openThrottle(run);
        ThrottleQuadrant *quadrant = quadrantOf(form);
        QCOMPARE(quadrant->objectName(), QStringLiteral("Picture2"));
        QCOMPARE(quadrant->geometry(), QRect(24, 288, 173, 253));
        QCOMPARE(quadrant->pictureName(), QStringLiteral("images\\cougar.jpg"));
        QCOMPARE(form->pictureName(), QStringLiteral("images\\024.jpg"));
        QCOMPARE(explainText(form), QStringLiteral("E13"));
        auto *line = form->control<Line>(QStringLiteral("Line1"));
        QCOMPARE(line->parentWidget(), quadrant->canvas());
        QCOMPARE(line->line(), QLine(46, 198, 106, 198));
        QVERIFY(line->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(form->mark(QStringLiteral("shpthr"))->geometry(), QRect(84, 188, 27, 23));
        QCOMPARE(form->mark(QStringLiteral("Shape1"))->geometry(), form->mark(QStringLiteral("Shape3"))->geometry());
        QVERIFY(shown(form, "Shape1") && !shown(form, "Shape3") && running(form, "Timer1"));
        QCOMPARE(form->mark(QStringLiteral("Shape2"))->geometry(), QRect(-46, 612, 95, 89));
    }

    // Presses on the quadrant count from its inner corner, inside its border.
    void pressesOnTheQuadrant_data()
    {
        QTest::addColumn<QPoint>("windowPoint");
        QTest::addColumn<bool>("hits");
        const QPoint inner = QPoint(24, 288) + QPoint(2, 2);
        QTest::newRow("the mark's centre") << inner + QuadrantMark << true;
        QTest::newRow("one pixel inside the mark's left edge") << inner + QPoint(33, 193) << true;
        QTest::newRow("one pixel inside the mark's bottom edge") << inner + QPoint(74, 214) << true;
        QTest::newRow("on the mark's left edge") << inner + QPoint(32, 193) << false;
        QTest::newRow("on the mark's bottom edge") << inner + QPoint(74, 215) << false;
        QTest::newRow("inside the mark if counted from the outer corner") << QPoint(24, 288) + QPoint(33, 193) << false;
        QTest::newRow("elsewhere on the quadrant") << inner + QPoint(20, 40) << false;
    }
    void pressesOnTheQuadrant()
    {
        QFETCH(QPoint, windowPoint);
        QFETCH(bool, hits);
        TestRun run;
        LessonScreen *form = openThrottle(run);
        QWidget *target = form->childAt(windowPoint);
        QVERIFY(target);
        press(target, target->mapFrom(form, windowPoint));
        QCOMPARE(running(form, "Timer2"), hits);
        QCOMPARE(running(form, "Timer1"), !hits);
        QCOMPARE(quadrantOf(form)->isHidden(), hits);
        QVERIFY(run.sound.requests.isEmpty()); // the quadrant's steps play nothing
    }

    void theKnobSlidesLeftAndBack()
    {
        TestRun run;
        LessonScreen *form = openThrottle(run);
        Shape *knob = form->mark(QStringLiteral("shpthr"));
        MoveRecorder moves(knob);

        pressQuadrant(form, QuadrantMark);
        QCOMPARE(moves.lefts, slide(84, 64));
        QVERIFY(!shown(form, "Shape1") && shown(form, "Shape2") && running(form, "Timer2"));

        pressQuadrant(form, QuadrantMark); // hidden quadrant: the press is not taken
        press(form, QPoint(24, 288) + QPoint(2, 2) + QuadrantMark); // reaches the window, outside Shape2
        QVERIFY(running(form, "Timer2"));
        QCOMPARE(knob->x(), 64);

        press(form, IdleMark);
        QVERIFY(!quadrantOf(form)->isHidden());
        QVERIFY(shown(form, "Shape3") && running(form, "Timer3") && !running(form, "Timer2"));
        QCOMPARE(knob->x(), 64);

        moves.lefts.clear();
        pressQuadrant(form, QuadrantMark);
        QCOMPARE(moves.lefts, slide(64, 84));
        QVERIFY(quadrantOf(form)->isHidden());
        QVERIFY(!running(form, "Timer3") && running(form, "Timerkokpitbekle"));
        QCOMPARE(run.sound.requests, (QList<SoundRequest>{{"sounds\\Dugme3.wav", 1, 16}}));
    }

    void theStepMarksAreTestedOnlyWhileTheirTimersRun()
    {
        TestRun run;
        LessonScreen *form = openThrottle(run);
        press(form, IdleMark); // step 2 is not active yet
        QVERIFY(running(form, "Timer1"));
        QVERIFY(run.sound.requests.isEmpty());
        form->timer(QStringLiteral("Timer1"))->tick(); // dark phase still counts
        QVERIFY(!shown(form, "Shape1"));
        pressQuadrant(form, QuadrantMark);
        QVERIFY(running(form, "Timer2"));
        press(form, IdleMark);
        pressQuadrant(form, QuadrantMark);
        pressQuadrant(form, QuadrantMark); // nothing left to take it
        QCOMPARE(form->mark(QStringLiteral("shpthr"))->x(), 84);
        QCOMPARE(run.sound.requests.size(), 1);
    }

    void theCaptionFollowsTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("atLoad");
        QTest::addColumn<QString>("atIdle");
        QTest::newRow("Turkish") << 1 << "Throttle %50" << "Throttle SIFIR";
        QTest::newRow("English") << 2 << "Throttle %50" << "Throttle to IDLE";
        QTest::newRow("French") << 3 << QString::fromUtf8("Manette à 50%") << "Manette sur idle";
        QTest::newRow("no language keeps the design caption") << 0 << "Throttle % 50 " << "Throttle % 50 ";
    }
    void theCaptionFollowsTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, atLoad);
        QFETCH(QString, atIdle);
        TestRun run(language);
        if (language == 0)
            run.writeLanguageFile(0, QByteArray("line\r\n").repeated(20));
        LessonScreen *form = openThrottle(run);
        QCOMPARE(caption(form), atLoad);
        pressQuadrant(form, QuadrantMark);
        QCOMPARE(caption(form), atLoad); // hidden quadrant, caption unchanged
        press(form, IdleMark);
        QCOMPARE(caption(form), atIdle);
    }

    // The idle click gives way to the loop still playing from the engine start.
    void theIdleClickYieldsToAPlayingSound_data()
    {
        QTest::addColumn<bool>("loopPlaying");
        QTest::addColumn<int>("clicksHeard");
        QTest::newRow("the loop plays on and no click is heard") << true << 0;
        QTest::newRow("with nothing playing the click plays to its end first") << false << 1;
    }
    void theIdleClickYieldsToAPlayingSound()
    {
        QFETCH(bool, loopPlaying);
        QFETCH(int, clicksHeard);
        TestRun run;
        LessonScreen *form = openThrottle(run);
        pressQuadrant(form, QuadrantMark);
        run.sound.playing = loopPlaying;
        int heard = 0;
        bool quadrantBackDuringClick = false;
        run.sound.whilePlayingSync = [&](const SoundRequest &) {
            ++heard;
            quadrantBackDuringClick = !quadrantOf(form)->isHidden();
        };
        press(form, IdleMark);
        QCOMPARE(run.sound.requests, (QList<SoundRequest>{{"sounds\\Dugme3.wav", 1, 16}}));
        QCOMPARE(heard, clicksHeard);
        QVERIFY(!quadrantBackDuringClick);
        QCOMPARE(run.sound.playing, loopPlaying);
        QVERIFY(!quadrantOf(form)->isHidden());
    }

    void exitMakesOneRequest_data()
    {
        QTest::addColumn<bool>("duringKnobMove");
        QTest::newRow("before any step") << false;
        QTest::newRow("while the knob slides") << true;
    }
    void exitMakesOneRequest()
    {
        QFETCH(bool, duringKnobMove);
        TestRun run;
        LessonScreen *form = openThrottle(run);
        auto *exit = form->control<QPushButton>(QStringLiteral("Command2"));
        if (duringKnobMove) {
            QTimer::singleShot(100, exit, [exit] { QTest::mouseClick(exit, Qt::LeftButton); });
            pressQuadrant(form, QuadrantMark);
        } else {
            QTest::mouseClick(exit, Qt::LeftButton);
        }
        QCOMPARE(run.endStatus, 0);
        QCOMPARE(run.sound.requests, (QList<SoundRequest>{{"sounds\\dugme3.wav", 1, 1}}));
    }
};

KELVORA_TEST_MAIN(ThrottleQuadrantTest)
#include "test_throttle_quadrant.moc"
