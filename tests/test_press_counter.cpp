#include "LessonProbe.h"
#include "TestRun.h"
#include "app/TrainerApplication.h"
#include "screens/kinds/PressCounter.h"

#include <QPointer>

using namespace kelvora;
using namespace kelvora::test;

namespace {
const QPoint Switch{368, 424};
const QPoint ContinueMark{930, 716};
const SoundRequest Click{"sounds\\dugme5.wav", 0, 0};
const SoundRequest EngineLoop{"sounds\\70loop.wav", 0, 9};

int pressCount(const LessonScreen *form)
{
    return form->findChild<PressCounter *>()->pressCount();
}
} // namespace

class PressCounterTest : public QObject {
    Q_OBJECT
private slots:
    void sixPressesWalkThePhotographs()
    {
        TestRun run;
        QPointer<LessonScreen> form = openLessonAtLine(run, 10, 29);
        QCOMPARE(explainText(form), QStringLiteral("E29"));
        QCOMPARE(form->pictureName(), QStringLiteral("images\\049.jpg"));

        QString pictureDuringClick;
        run.sound.whilePlayingSync = [&](const SoundRequest &) { pictureDuringClick = form->pictureName(); };
        const QStringList photographs{"images\\050.jpg", "images\\051.jpg", "images\\052.jpg",
                                      "images\\053.jpg", "images\\054.jpg", "images\\055.jpg"};
        QList<SoundRequest> expected;
        for (int press = 1; press <= 6; ++press) {
            const QString before = form->pictureName();
            kelvora::test::press(form, Switch);
            expected << Click << EngineLoop;
            QCOMPARE(run.sound.requests, expected);
            QCOMPARE(pictureDuringClick, before); // the photograph changes after the click has played
            QCOMPARE(form->pictureName(), photographs[press - 1]);
            QCOMPARE(pressCount(form), press);
            const bool counting = press < 6;
            QCOMPARE(running(form, "Timer1"), counting);
            QCOMPARE(running(form, "TimerDVM"), !counting);
            QCOMPARE(shown(form, "LabelDVM"), !counting);
            QCOMPARE(shown(form, "ShapeDVM"), !counting);
            if (counting) {
                kelvora::test::press(form, ContinueMark); // not live while counting
                TestRun::settle();
                QVERIFY(!form.isNull());
                form->timer(QStringLiteral("Timer1"))->tick(); // the dark phase counts too
            }
        }
        QVERIFY(!shown(form, "Shape1"));
        QCOMPARE(run.explanationCursor, 29);

        kelvora::test::press(form, Switch); // a seventh press does nothing and plays nothing
        QCOMPARE(run.sound.requests.size(), 12);
        QCOMPARE(form->pictureName(), QStringLiteral("images\\055.jpg"));
        QCOMPARE(pressCount(form), 6);

        kelvora::test::press(form, ContinueMark);
        TestRun::settle();
        QVERIFY(form.isNull() || run.endStatus == 0); // screen 11 may not be in the chain yet
    }

    void pressesOnTheEdgesDoNotCount_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("counts");
        QTest::newRow("one pixel inside the left edge") << QPoint(339, 424) << true;
        QTest::newRow("one pixel inside the right edge") << QPoint(398, 424) << true;
        QTest::newRow("one pixel inside the top edge") << QPoint(368, 375) << true;
        QTest::newRow("one pixel inside the bottom edge") << QPoint(368, 474) << true;
        QTest::newRow("on the left edge") << QPoint(338, 424) << false;
        QTest::newRow("on the right edge") << QPoint(399, 424) << false;
        QTest::newRow("on the top edge") << QPoint(368, 374) << false;
        QTest::newRow("on the bottom edge") << QPoint(368, 475) << false;
    }
    void pressesOnTheEdgesDoNotCount()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, counts);
        TestRun run;
        LessonScreen *form = openLessonAtLine(run, 10, 29);
        press(form, point, Qt::RightButton);
        QCOMPARE(pressCount(form), counts ? 1 : 0);
        QCOMPARE(run.sound.requests.size(), counts ? 2 : 0);
    }
};

KELVORA_TEST_MAIN(PressCounterTest)
#include "test_press_counter.moc"
