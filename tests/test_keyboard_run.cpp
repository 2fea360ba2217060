// A trainee without a mouse: the built-in course, the shipped shutdown course and the README's example walked
// with Tab, Space and Enter alone, guided and in check mode, to the normal end.
#include "LessonProbe.h"
#include "LessonWalker.h"
#include "TestRun.h"
#include "app/TrainerApplication.h"
#include "course/ControlNames.h"
#include "screens/TargetButton.h"

#include <QFile>

using namespace kelvora;
using namespace kelvora::test;

class KeyboardRunTest : public QObject {
    Q_OBJECT
private slots:
    void aTraineeFinishesTheCourseFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("courseFile"); // empty: the built-in course
        QTest::addColumn<bool>("checking");
        const QString example = QStringLiteral(KELVORA_EXAMPLE_COURSE);
        const QString shutdown = QStringLiteral(KELVORA_SHUTDOWN_COURSE);
        QTest::newRow("the built-in course, guided") << QString() << false;
        QTest::newRow("the built-in course, in check mode") << QString() << true;
        QTest::newRow("the shutdown course, guided") << shutdown << false;
        QTest::newRow("the README's example, guided") << example << false;
        QTest::newRow("the README's example, in check mode") << example << true;
    }
    void aTraineeFinishesTheCourseFromTheKeyboard()
    {
        QFETCH(QString, courseFile);
        QFETCH(bool, checking);
        TestRun run(courseFile.isEmpty() ? 2 : 1);
        run.setAccess({.keyboard = true});
        run.setMode(checking ? RunMode::Check : RunMode::Guided);
        if (!courseFile.isEmpty()) {
            QFile file(courseFile);
            QVERIFY(file.open(QIODevice::ReadOnly));
            // Photographs of the size each course was drawn on: phone photographs, and the shutdown course's.
            const QSize photographs = courseFile.contains(QLatin1String("shutdown")) ? QSize(1600, 1200) : QSize(4032, 3024);
            run.useCourseFile(run.writeCourse(file.readAll(), photographs));
        }
        run.language = 1;
        run.explanationCursor = 0;
        lessonScreen(run, 1)->open();

        const LessonWalker walker(false);
        int keys = 0;
        for (; !run.endStatus && run.errors.isEmpty() && keys < 4000; ++keys) {
            auto *screen = qobject_cast<LessonScreen *>(TestRun::currentScreen());
            QVERIFY2(screen, "no lesson on display");
            QWidget *focus = screen->focusWidget() ? screen->focusWidget() : screen;
            if (qobject_cast<TargetButton *>(focus)) {
                QTest::keyClick(focus, keys % 2 ? Qt::Key_Space : Qt::Key_Return);
                // A check run keeps the focus where it was, right or wrong: the trainee tabs on.
                if (checking && TestRun::currentScreen() == screen)
                    QTest::keyClick(focus, Qt::Key_Tab);
            } else if (!walker.runSequence(*screen)) {
                QTest::keyClick(focus, Qt::Key_Tab); // Exit is never pressed: it would end the run
            }
            TestRun::settle();
        }
        QVERIFY2(run.errors.isEmpty(), run.errors.isEmpty() ? "" : qPrintable(run.errors.first().message()));
        if (!run.endStatus) {
            Screen *screen = TestRun::currentScreen();
            QWidget *focus = screen ? screen->focusWidget() : nullptr;
            qInfo("stuck on %s at line %d, the focus on %s", screen ? qPrintable(screen->objectName()) : "nothing",
                  run.explanationCursor, focus ? qPrintable(focus->objectName()) : "nothing");
        }
        QCOMPARE(run.endStatus, std::optional<int>(0));
        QCOMPARE(run.explanationCursor, run.course().linesRead()); // every line read: the end, not Exit
    }

    // Tab reaches every target of a check run, the right one or not, while their marks stay hidden.
    void aCheckRunNeitherShowsNorGivesAwayTheRightTarget()
    {
        TestRun run;
        run.setAccess({.keyboard = true});
        run.setMode(RunMode::Check);
        LessonScreen *screen = openLessonAtLine(run, 3, 3); // six steps, one after another
        const QList<TargetButton *> targets = screen->findChildren<TargetButton *>();
        QWidget *first = screen->focusWidget();
        QVERIFY(qobject_cast<TargetButton *>(first));
        QSet<QWidget *> reached;
        for (QWidget *focus = first; !reached.contains(focus); focus = screen->focusWidget()) {
            reached << focus;
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        // Every target but Continue's, which leads on only once the steps are done; and Exit.
        QCOMPARE(reached.size(), targets.size());
        QVERIFY(reached.contains(screen->control<QWidget>(QLatin1String(names::Exit))));
        for (Shape *mark : screen->findChildren<Shape *>())
            QVERIFY2(mark->isHidden() || mark->objectName() == QLatin1String(names::ContinueMark), qPrintable(mark->objectName()));
    }
};

KELVORA_TEST_MAIN(KeyboardRunTest)
#include "test_keyboard_run.moc"
