// The shutdown course, read from the files the build writes: a trainee walks it
// end to end with the author's aid on, which must not change what a press does.
#include "LessonProbe.h"
#include "LessonWalker.h"
#include "TestRun.h"
#include "app/TrainerApplication.h"
#include "course/CourseJson.h"
#include "screens/AuthorView.h"

#include <QJsonDocument>
#include <QMouseEvent>

using namespace kelvora;
using namespace kelvora::test;

namespace {
LessonScreen *onDisplay()
{
    TestRun::settle();
    return qobject_cast<LessonScreen *>(TestRun::currentScreen());
}

} // namespace

class SecondCourseTest : public QObject {
    Q_OBJECT
private slots:
    void aTraineeWalksTheShutdownCourseInGerman()
    {
        TestRun run(4);
        QFile file(QStringLiteral(KELVORA_SHUTDOWN_COURSE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray json = file.readAll();
        QCOMPARE(canonicalCourseJson(QJsonDocument::fromJson(json).object()), json); // as the editor writes it
        run.useCourseFile(QStringLiteral(KELVORA_SHUTDOWN_COURSE));
        run.setAuthorMode(true);

        LessonScreen *screen = lessonScreen(run, 1);
        screen->open();
        QCOMPARE(screen->windowTitle(), QStringLiteral("KELVORA Abschaltung - 1 / 5"));
        QVERIFY(screen->findChild<AuthorView *>());
        QMouseEvent move(QEvent::MouseMove, QPointF(412, 300), QPointF(412, 300), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(screen, &move);
        QCOMPARE(screen->windowTitle(), QStringLiteral("KELVORA Abschaltung - 1 / 5 · 412, 300"));
        QCOMPARE(screen->findChildren<Shape *>(QStringLiteral("Shape1")).size(), 3); // the pointer group
        // 1600 x 1200 photographs: a target's photograph pixels times 0.64 on the page.
        QCOMPARE(screen->findChildren<Shape *>(QStringLiteral("Shape1")).last()->geometry(), QRect(668, 42, 191, 87));
        QVERIFY(LessonWalker::pressContinue(*screen));

        screen = onDisplay();
        QCOMPARE(screen->number(), 2);
        for (const char *mark : {"Shape1", "Shape2", "Shape3", "Shape4"})
            press(screen, centreOnWindow(*screen->mark(QLatin1String(mark))));
        QCOMPARE(screen->pictureName(), QStringLiteral("images/006.jpg"));
        QCOMPARE(explainText(screen), run.course().lines[3].at(4));
        QVERIFY(LessonWalker::pressContinue(*screen));

        screen = onDisplay();
        QCOMPARE(screen->number(), 3);
        QVERIFY(!LessonWalker::pressContinue(*screen)); // Continue follows the step
        press(screen, centreOnWindow(*screen->mark(QStringLiteral("Shape1"))));
        QVERIFY(LessonWalker::pressContinue(*screen));

        screen = onDisplay();
        QCOMPARE(screen->number(), 4);
        press(screen, centreOnWindow(*screen->mark(QStringLiteral("Shape1"))));
        QVERIFY(running(screen, QStringLiteral("Timerkokpitbekle")));
        tickQueued(screen->timer(QStringLiteral("Timerkokpitbekle")));
        QCOMPARE(screen->pictureName(), QStringLiteral("images/011.jpg"));
        for (int tick = 1; tick <= 4; ++tick)
            tickQueued(screen->timer(QStringLiteral("TimerDVMBekle")));
        QCOMPARE(screen->pictureName(), QStringLiteral("images/014.jpg"));
        QVERIFY(!shown(screen, QStringLiteral("Shape2")));
        QCOMPARE(run.sound.requests.last(), (SoundRequest{"Sounds/70to0.wav", 1, 1}));
        QVERIFY(LessonWalker::pressContinue(*screen));

        screen = onDisplay();
        QCOMPARE(screen->number(), 5);
        QVERIFY(explainText(screen).startsWith(QStringLiteral("Schalten Sie die Batterie AUS")));
        press(screen, centreOnWindow(*screen->mark(QStringLiteral("Shape1"))));
        QCOMPARE(run.explanationCursor, run.course().linesRead());
        QVERIFY(LessonWalker::pressContinue(*screen));

        QVERIFY2(run.errors.isEmpty(), run.errors.isEmpty() ? "" : qPrintable(run.errors.first().message()));
        QCOMPARE(run.endStatus, std::optional<int>(0));
        QCOMPARE(run.sound.requests.last(), (SoundRequest{"Sounds/Dugme1.wav", 1, 0}));
    }
};

KELVORA_TEST_MAIN(SecondCourseTest)
#include "test_second_course.moc"
