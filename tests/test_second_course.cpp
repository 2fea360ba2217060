// The shutdown course, read from the files the build writes: a trainee walks it
// end to end with the author's aid on, which must not change what a press does.
#include "LessonProbe.h"
#include "LessonWalker.h"
#include "TestRun.h"
#include "app/TrainerApplication.h"
#include "content/LanguageFile.h"
#include "course/CurrentCourse.h"
#include "screens/AuthorView.h"

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
    void aTraineeWalksTheShutdownCourse()
    {
        TestRun run(2);
        useCourseFile(QStringLiteral(KELVORA_SHUTDOWN_COURSE));
        setAuthorMode(true);
        const QString languageFile = languageFilePath(QStringLiteral("2"));

        LessonScreen *screen = lessonScreen(1);
        screen->open();
        QCOMPARE(screen->windowTitle(), QStringLiteral("KELVORA Shutdown - 1 / 5"));
        QVERIFY(screen->findChild<AuthorView *>());
        QMouseEvent move(QEvent::MouseMove, QPointF(412, 300), QPointF(412, 300), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(screen, &move);
        QCOMPARE(screen->windowTitle(), QStringLiteral("KELVORA Shutdown - 1 / 5 · 412, 300"));
        QCOMPARE(screen->findChildren<Shape *>(QStringLiteral("Shape1")).size(), 3); // the pointer group
        QVERIFY(LessonWalker::pressContinue(*screen));

        screen = onDisplay();
        QCOMPARE(screen->number(), 2);
        for (const char *mark : {"Shape1", "Shape2", "Shape3", "Shape4"})
            press(screen, centreOnWindow(*screen->mark(QLatin1String(mark))));
        QCOMPARE(screen->pictureName(), QStringLiteral("images\\006.jpg"));
        QVERIFY(LessonWalker::pressContinue(*screen));

        screen = onDisplay();
        QCOMPARE(screen->number(), 3);
        QVERIFY(shown(screen, QStringLiteral("LabelDVM"))); // live from load
        press(screen, centreOnWindow(*screen->mark(QStringLiteral("Shape1"))));
        QVERIFY(LessonWalker::pressContinue(*screen));

        screen = onDisplay();
        QCOMPARE(screen->number(), 4);
        press(screen, centreOnWindow(*screen->mark(QStringLiteral("Shape1"))));
        QVERIFY(running(screen, QStringLiteral("Timerkokpitbekle")));
        tickQueued(screen->timer(QStringLiteral("Timerkokpitbekle")));
        QCOMPARE(screen->pictureName(), QStringLiteral("images\\011.jpg"));
        for (int tick = 1; tick <= 4; ++tick)
            tickQueued(screen->timer(QStringLiteral("TimerDVMBekle")));
        QCOMPARE(screen->pictureName(), QStringLiteral("images\\014.jpg"));
        QVERIFY(!shown(screen, QStringLiteral("Shape2")));
        QCOMPARE(run.sound.requests.last(), (SoundRequest{"sounds\\70to0.wav", 1, 1}));
        QVERIFY(LessonWalker::pressContinue(*screen));

        screen = onDisplay();
        QCOMPARE(screen->number(), 5);
        press(screen, centreOnWindow(*screen->mark(QStringLiteral("Shape1"))));
        QCOMPARE(explainText(screen), readLanguageLine(languageFile, 9));
        QCOMPARE(ExplanationCursor, currentCourse().linesRead());
        QVERIFY(LessonWalker::pressContinue(*screen));

        QVERIFY2(run.errors.isEmpty(), run.errors.isEmpty() ? "" : qPrintable(run.errors.first().message()));
        QCOMPARE(run.endStatus, std::optional<int>(0));
        QCOMPARE(run.sound.requests.last(), (SoundRequest{"Sounds\\Dugme1.wav", 1, 0}));
        setAuthorMode(false);
    }
};

KELVORA_TEST_MAIN(SecondCourseTest)
#include "test_second_course.moc"
