#include "LessonProbe.h"
#include "TestRun.h"
#include "app/TrainerApplication.h"
#include "screens/PictureBox.h"

#include <QPointer>
#include <QPushButton>

using namespace kelvora;
using namespace kelvora::test;

namespace {
// The pointer marks in the order the screen creates them.
QList<Shape *> pointers(LessonScreen *form)
{
    QList<Shape *> marks;
    for (Shape *shape : form->findChildren<Shape *>()) {
        if (shape->objectName() != QLatin1String("ShapeDVM"))
            marks << shape;
    }
    return marks;
}

QList<bool> visibility(const QList<Shape *> &marks)
{
    QList<bool> shownNow;
    for (Shape *mark : marks)
        shownNow << !mark->isHidden();
    return shownNow;
}
} // namespace

class PointerScreensTest : public QObject {
    Q_OBJECT
private slots:
    void theMarksBlinkTogetherAndTakeNoPresses_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("photograph");
        QTest::addColumn<QString>("inset");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<QRect>>("rects");
        QTest::addColumn<bool>("shownAtLoad");

        QTest::newRow("screen 9 blinks three named highlights")
            << 9 << 28 << "images\\048.jpg" << "images\\KokpitD.bmp" << QStringList{"Shape1", "Shape2", "Shape3"}
            << QList<QRect>{{142, 224, 251, 229}, {622, 228, 251, 229}, {668, 42, 191, 87}} << true;
        QTest::newRow("screen 14 blinks a group of three")
            << 14 << 44 << "images\\070.jpg" << "images\\KokpitC.bmp" << QStringList{"Shape1", "Shape1", "Shape1"}
            << QList<QRect>{{144, 452, 89, 89}, {334, 108, 89, 89}, {232, 350, 205, 51}} << false;
        QTest::newRow("screen 15 blinks a group of five")
            << 15 << 45 << "images\\071.jpg" << "images\\KokpitD.bmp"
            << QStringList{"Shape1", "Shape1", "Shape1", "Shape1", "Shape1"}
            << QList<QRect>{{110, 392, 69, 75}, {64, 484, 43, 45}, {824, 424, 205, 173}, {102, 606, 43, 45},
                            {124, 406, 131, 149}}
            << false;
        QTest::newRow("screen 16 blinks a group of one")
            << 16 << 46 << "images\\072.jpg" << "images\\KokpitE.bmp" << QStringList{"Shape1"}
            << QList<QRect>{{536, 260, 217, 183}} << false;
    }

    void theMarksBlinkTogetherAndTakeNoPresses()
    {
        QFETCH(int, screen);
        QFETCH(int, line);
        QFETCH(QString, photograph);
        QFETCH(QString, inset);
        QFETCH(QStringList, names);
        QFETCH(QList<QRect>, rects);
        QFETCH(bool, shownAtLoad);

        TestRun run;
        QPointer<LessonScreen> form = openLessonAtLine(run, screen, line);
        QCOMPARE(explainText(form), QStringLiteral("E%1").arg(line));
        QCOMPARE(form->pictureName(), photograph);
        QCOMPARE(form->control<PictureBox>(QStringLiteral("Picture1"))->pictureName(), inset);

        const QList<Shape *> marks = pointers(form);
        QCOMPARE(marks.size(), names.size());
        for (qsizetype i = 0; i < marks.size(); ++i) {
            QCOMPARE(marks[i]->objectName(), names[i]);
            QCOMPARE(marks[i]->geometry(), rects[i]);
            if (names.count(names[i]) > 1)
                QCOMPARE(marks[i]->index(), int(i));
        }

        Timer *blink = form->timer(QStringLiteral("Timer1"));
        QVERIFY(blink->isEnabled());
        bool expected = shownAtLoad;
        for (int tick = 0; tick < 4; ++tick) {
            QCOMPARE(visibility(marks), QList<bool>(marks.size(), expected));
            for (const QRect &rect : rects)
                press(form, rect.center());
            QVERIFY(!form.isNull());
            QVERIFY(run.sound.requests.isEmpty());
            QCOMPARE(form->pictureName(), photograph);
            blink->tick();
            expected = !expected;
        }
        QCOMPARE(run.explanationCursor, line);
    }

    void theContinueMarkIsLiveFromLoad_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("outlineShownAtLoad");
        QTest::addColumn<QPoint>("point");
        QTest::newRow("screen 9, the label") << 9 << 28 << true << QPoint(930, 740);
        QTest::newRow("screen 9, the mark above the label in its dark phase") << 9 << 28 << true << QPoint(930, 716);
        QTest::newRow("screen 14, the label right after load") << 14 << 44 << false << QPoint(930, 740);
        QTest::newRow("screen 15, the mark before it first shows") << 15 << 45 << false << QPoint(930, 716);
        QTest::newRow("screen 16, the label") << 16 << 46 << false << QPoint(930, 740);
    }
    void theContinueMarkIsLiveFromLoad()
    {
        QFETCH(int, screen);
        QFETCH(int, line);
        QFETCH(bool, outlineShownAtLoad);
        QFETCH(QPoint, point);
        TestRun run;
        QPointer<LessonScreen> form = openLessonAtLine(run, screen, line);
        QVERIFY(running(form, "TimerDVM") && shown(form, "LabelDVM"));
        QCOMPARE(shown(form, "ShapeDVM"), outlineShownAtLoad);
        if (outlineShownAtLoad)
            form->timer(QStringLiteral("TimerDVM"))->tick();
        press(form, {850, 716}); // on the mark's left edge, above the label
        TestRun::settle();
        QVERIFY(!form.isNull() && !run.endStatus);
        press(form, point);
        TestRun::settle();
        QVERIFY(form.isNull() || run.endStatus == 0); // the next screen may not be in the chain yet
        QVERIFY(run.sound.requests.isEmpty());
    }

    void exitMakesTwoRequests_data()
    {
        QTest::addColumn<int>("screen");
        QTest::newRow("screen 9") << 9;
        QTest::newRow("screen 14") << 14;
        QTest::newRow("screen 16") << 16;
    }
    void exitMakesTwoRequests()
    {
        QFETCH(int, screen);
        TestRun run;
        LessonScreen *form = openLessonAtLine(run, screen, 10);
        QTest::mouseClick(form->control<QPushButton>(QStringLiteral("Command2")), Qt::LeftButton);
        QCOMPARE(run.sound.requests, (QList<SoundRequest>{{"sounds\\dugme3.wav", 1, 1}, {"", 1, 1}}));
        QCOMPARE(run.endStatus, 0);
    }
};

KELVORA_TEST_MAIN(PointerScreensTest)
#include "test_pointer_screens.moc"
