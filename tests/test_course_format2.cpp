// Courses of the author's format, compiled into lessons and walked: each behaviour from a small course file.
#include "LessonProbe.h"
#include "LessonWalker.h"
#include "TestRun.h"
#include "app/Form000.h"
#include "app/TrainerApplication.h"
#include "course/CourseJson.h"

#include "screens/PictureBox.h"
#include "screens/Shape.h"

#include <QJsonDocument>
#include <QPushButton>

using namespace kelvora;
using namespace kelvora::test;

namespace {
const QByteArray Languages = R"("languages": [{"tag": "en", "name": "English"}, {"tag": "de", "name": "Deutsch"}])";

QByteArray course(const QByteArray &screens, const QByteArray &languages = Languages)
{
    return R"({"format": 2, "id": "urn:test:course", "title": {"en": "Test", "de": "Probe"}, )" + languages +
           R"(, "screens": [)" + screens + "]}";
}

LessonScreen *openFirst(TestRun &run, const QByteArray &json, QSize photographs = {1024, 768})
{
    try {
        run.useCourseFile(run.writeCourse(json, photographs));
    } catch (const RuntimeError &error) {
        qFatal("%s", qPrintable(error.message()));
    }
    return openLessonAtLine(run, 1, 1);
}

QStringList shownMarks(const LessonScreen &screen)
{
    QStringList names;
    for (const Shape *shape : screen.findChildren<Shape *>()) {
        if (!shape->isHidden())
            names << shape->objectName();
    }
    return names;
}

bool continueLeadsOn(const LessonScreen *screen)
{
    return running(screen, QStringLiteral("TimerDVM")) && shown(screen, QStringLiteral("LabelDVM"));
}
} // namespace

class TestCourseFormat2 : public QObject {
    Q_OBJECT
private slots:
    void stepsBlinkOneAfterAnotherAndContinueFollowsTheLast()
    {
        TestRun run(2);
        LessonScreen *screen = openFirst(run, course(R"({"id": "s", "photograph": "images/a.jpg", "text": {"en": "Load", "de": "Laden"},
            "steps": [{"id": "one", "target": {"rectangle": [100, 100, 50, 50]}, "sound": "sounds/click.wav",
                       "photograph": "images/b.jpg", "text": {"en": "After one", "de": "Nach eins"}},
                      {"id": "two", "target": {"oval": [300, 100, 60, 40]}}]})"));
        QCOMPARE(explainText(screen), QStringLiteral("Laden"));
        LessonWalker walker(false);
        QCOMPARE(walker.blinkingStepMark(*screen)->geometry(), QRect(100, 100, 50, 50));
        QVERIFY(!continueLeadsOn(screen));
        press(screen, {125, 125});
        QCOMPARE(run.sound.requests.first(), (SoundRequest{"sounds/click.wav", 1, 0}));
        QCOMPARE(screen->pictureName(), QStringLiteral("images/b.jpg"));
        QCOMPARE(explainText(screen), QStringLiteral("Nach eins"));
        QCOMPARE(walker.blinkingStepMark(*screen)->geometry(), QRect(300, 100, 60, 40));
        press(screen, {125, 125}); // the first step is done: nothing
        QVERIFY(!continueLeadsOn(screen));
        press(screen, {330, 120});
        QVERIFY(continueLeadsOn(screen));
        QCOMPARE(explainText(screen), QStringLiteral("Nach eins")); // a step without text leaves the line
    }

    void aStepPressedSeveralTimesShowsItsPhotographsInTurn()
    {
        TestRun run(1);
        LessonScreen *screen = openFirst(run, course(R"({"id": "s", "photograph": "images/a.jpg",
            "steps": [{"id": "pump", "target": {"circle": [500, 400, 30]}, "presses": 3,
                       "photographs": ["images/p1.jpg", "images/p2.jpg", "images/p3.jpg"], "text": {"en": "Pumped"}}]})"));
        for (const char *photograph : {"images/p1.jpg", "images/p2.jpg"}) {
            press(screen, {500, 400});
            QCOMPARE(screen->pictureName(), QLatin1String(photograph));
            QVERIFY(!continueLeadsOn(screen));
        }
        press(screen, {500, 400});
        QCOMPARE(screen->pictureName(), QStringLiteral("images/p3.jpg"));
        QVERIFY(continueLeadsOn(screen));
        QCOMPARE(explainText(screen), QStringLiteral("Pumped"));
    }

    void aTimedSequenceRunsAfterTheLastStepWithItsWatchAndText()
    {
        TestRun run(1);
        LessonScreen *screen = openFirst(run, course(R"({"id": "s", "photograph": "images/a.jpg", "loop": "sounds/idle.wav",
            "steps": [{"id": "start", "target": {"rectangle": [10, 100, 50, 50]}}],
            "sequence": {"periodMs": 2000, "photographs": ["images/r1.jpg", "images/r2.jpg", "images/r3.jpg"],
                         "sound": "sounds/spool.wav", "watch": {"oval": [600, 300, 100, 80]}, "text": {"en": "Watch"}}})"));
        QCOMPARE(run.sound.requests.first(), (SoundRequest{"sounds/idle.wav", 0, 9}));
        press(screen, {30, 120});
        QVERIFY(running(screen, QStringLiteral("Timerkokpitbekle")));
        tickQueued(screen->timer(QStringLiteral("Timerkokpitbekle")));
        QCOMPARE(screen->pictureName(), QStringLiteral("images/r1.jpg"));
        QCOMPARE(explainText(screen), QStringLiteral("Watch"));
        QCOMPARE(run.sound.requests.last(), (SoundRequest{"sounds/spool.wav", 1, 1}));
        QVERIFY(running(screen, QStringLiteral("Timer2"))); // the watch blinks
        tickQueued(screen->timer(QStringLiteral("TimerDVMBekle")));
        tickQueued(screen->timer(QStringLiteral("TimerDVMBekle")));
        QCOMPARE(screen->pictureName(), QStringLiteral("images/r3.jpg"));
        QVERIFY(!continueLeadsOn(screen));
        tickQueued(screen->timer(QStringLiteral("TimerDVMBekle")));
        QVERIFY(continueLeadsOn(screen));
        QVERIFY(!shownMarks(*screen).contains(QStringLiteral("Shape2")));
        QCOMPARE(run.sound.requests.last(), (SoundRequest{"sounds/idle.wav", 0, 9})); // the loop again
    }

    void aLookOnlyScreenBlinksItsGroupTogetherAndLeadsOnAtLoad()
    {
        TestRun run(1);
        LessonScreen *screen = openFirst(run, course(R"({"id": "look", "photograph": "images/a.jpg",
            "pointAt": [{"id": "gauges", "targets": [{"circle": [200, 300, 50]}, {"circle": [600, 300, 50]}]}]})"));
        QVERIFY(continueLeadsOn(screen));
        const QStringList before = shownMarks(*screen);
        screen->timer(QStringLiteral("Timer1"))->tick();
        const QStringList after = shownMarks(*screen);
        QCOMPARE(after.count(QStringLiteral("Shape1")) + before.count(QStringLiteral("Shape1")), 2);
        QVERIFY(after.count(QStringLiteral("Shape1")) != 1);
    }

    void captionsComeFromTheCourseWithDefaultsForKnownTags_data()
    {
        QTest::addColumn<QByteArray>("languages");
        QTest::addColumn<QString>("error"); // empty: loads, and language 2's Exit reads "Sair"
        const QByteArray portuguese = R"("captions": {"start": "Iniciar", "continue": "Continuar", "next": "Próximo", )"
                                      R"("exit": "Sair", "currentLanguage": "Idioma atual:")";
        QTest::newRow("a language with every caption is taught")
            << QByteArray(R"("languages": [{"tag": "de", "name": "Deutsch"}, {"tag": "pt-BR", "name": "Português", )" +
                          portuguese + R"(, "credit": "Material"}}])")
            << QString();
        QTest::newRow("a missing caption of a language without defaults is a load error naming both")
            << QByteArray(R"("languages": [{"tag": "de", "name": "Deutsch"}, {"tag": "pt-BR", "name": "Português", )" +
                          portuguese + "}}]")
            << QStringLiteral("pt-BR: captions/credit: is missing");
    }
    void captionsComeFromTheCourseWithDefaultsForKnownTags()
    {
        QFETCH(QByteArray, languages);
        QFETCH(QString, error);
        TestRun run(2);
        const QString file = run.writeCourse(R"({"format": 2, "id": "urn:test:captions", "title": {"de": "Probe"}, )" + languages +
                                                 R"(, "screens": [{"id": "s", "photograph": "images/a.jpg"}]})",
                                             {64, 48});
        try {
            run.useCourseFile(file);
            QVERIFY2(error.isEmpty(), "loaded");
        } catch (const RuntimeError &e) {
            QVERIFY2(e.message().contains(error) && !error.isEmpty(), qPrintable(e.message()));
            return;
        }
        Form000 start(run); // speaks the first language until one is chosen
        start.open();
        QCOMPARE(start.findChild<QLabel *>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Schulungsmaterial des KELVORA-Schulungsteams"));
        start.chooseLanguage(2);
        QCOMPARE(start.findChild<QPushButton *>(QStringLiteral("BtnStart"))->text(), QStringLiteral("Iniciar"));
        QCOMPARE(start.findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("Material"));
        start.unload();
        LessonScreen *screen = openLessonAtLine(run, 1, 1);
        QCOMPARE(screen->control<QPushButton>(QStringLiteral("Command2"))->text(), QStringLiteral("Sair"));
        QCOMPARE(screen->control<QLabel>(QStringLiteral("LabelDVM"))->text(), QStringLiteral("Continuar"));
    }

    void photographsAreLetterboxedAndTargetsFollowThem()
    {
        TestRun run(1);
        // 1280 x 720 in a 1024 x 768 page: scale 0.8, 96-pixel bars above and below.
        LessonScreen *screen = openFirst(run, course(R"({"id": "s", "photograph": "images/wide.png",
            "inset": {"picture": "images/inset.png", "place": "right"},
            "steps": [{"id": "a", "target": {"rectangle": [640, 360, 100, 50]}},
                      {"id": "b", "target": {"circle": [100, 100, 50]}}]})"),
                                         {1280, 720});
        QCOMPARE(screen->mark(QStringLiteral("Shape1"))->geometry(), QRect(512, 384, 80, 40));
        QCOMPARE(screen->mark(QStringLiteral("Shape2"))->geometry(), QRect(40, 136, 80, 80));
        QCOMPARE(screen->control<QWidget>(QStringLiteral("Picture1"))->geometry().right(), 1024 - 16 - 1);
        const QImage page = screen->grab().toImage();
        QCOMPARE(QColor(page.pixel(400, 40)), QColor(Qt::black));
        QCOMPARE(QColor(page.pixel(400, 740)), QColor(Qt::black));
        QVERIFY(QColor(page.pixel(400, 300)).red() > 150);
    }

    void textsFollowTheChosenLanguageAndFallBackToTheFirst()
    {
        TestRun run(2);
        LessonScreen *screen = openFirst(run, course(R"({"id": "s", "photograph": "images/a.jpg", "text": {"en": "Hello", "de": "Hallo"},
            "steps": [{"id": "a", "target": {"rectangle": [100, 100, 50, 50]}, "text": {"en": "Only English"}}]},
            {"id": "t", "photograph": "images/a.jpg", "text": {"de": "Zwei", "en": "Two"}})"));
        QCOMPARE(explainText(screen), QStringLiteral("Hallo"));
        press(screen, {125, 125});
        QCOMPARE(explainText(screen), QStringLiteral("Only English"));
        QCOMPARE(run.course().lines[1], (QStringList{"Hallo", "Only English", "Zwei"}));
        QCOMPARE(run.course().screens[1].name, QStringLiteral("t"));
    }

    void theThrottleIsPulledLiftedAndPushedThenContinueFollows()
    {
        TestRun run(1);
        LessonScreen *screen = openFirst(run, course(R"({"id": "s", "photograph": "images/a.jpg",
            "throttle": {"picture": "images/quadrant.png", "place": "right", "lift": {"rectangle": [100, 600, 60, 60]},
                         "sound": "sounds/lift.wav", "captions": {"half": {"en": "Half"}, "idle": {"en": "Idle"}}}})"),
                                         {2048, 1536});
        auto *quadrant = screen->control<PictureBox>(QStringLiteral("Picture2"));
        QCOMPARE(quadrant->geometry(), QRect(1024 - 16 - 173, 300, 173, 253));
        QCOMPARE(screen->control<QLabel>(QStringLiteral("LabelTHRTL"))->text(), QStringLiteral("Half"));
        const QPoint lever = screen->mark(QStringLiteral("Shape1"))->geometry().center();
        press(quadrant->canvas(), lever);
        QVERIFY(running(screen, QStringLiteral("Timer2")) && quadrant->isHidden());
        press(screen, {65, 315}); // the lift, at half the photograph's scale
        QCOMPARE(run.sound.requests.last().name, QStringLiteral("sounds/lift.wav"));
        QCOMPARE(screen->control<QLabel>(QStringLiteral("LabelTHRTL"))->text(), QStringLiteral("Idle"));
        press(quadrant->canvas(), lever);
        QVERIFY(continueLeadsOn(screen));
    }

    // A screen's loop is its own: the same loop on the next screen plays on, a screen without one is quiet, and
    // the lift's click is heard with the loop resuming after it.
    void aLoopBelongsToItsScreenAndTheLiftClickIsHeard()
    {
        const QByteArray look = R"("photograph": "images/a.jpg", "pointAt": [{"id": "g", "targets": [{"circle": [200, 300, 50]}]}])";
        TestRun run(1);
        LessonScreen *screen = openFirst(run, course(R"({"id": "one", "loop": "sounds/idle.wav", )" + look + R"(},
            {"id": "two", "loop": "sounds/idle.wav", )" + look + R"(}, {"id": "three", )" + look + R"(},
            {"id": "four", "photograph": "images/a.jpg", "loop": "sounds/run.wav",
             "throttle": {"picture": "images/quadrant.png", "place": "right", "lift": {"rectangle": [100, 600, 60, 60]},
                          "sound": "sounds/lift.wav", "captions": {"half": {"en": "Half"}, "idle": {"en": "Idle"}}}})"));
        const SoundRequest idle{"sounds/idle.wav", 0, 9}, quiet{"", 0, 1}, engine{"sounds/run.wav", 0, 9};
        QCOMPARE(run.sound.requests, QList<SoundRequest>{idle});
        const auto following = [&run](LessonScreen *from) {
            if (!LessonWalker::pressContinue(*from))
                qFatal("Continue did not lead on from screen %d", from->number());
            TestRun::settle();
            return qobject_cast<LessonScreen *>(TestRun::currentScreen());
        };
        screen = following(screen);
        QCOMPARE(run.sound.requests, QList<SoundRequest>{idle});
        screen = following(screen);
        QCOMPARE(run.sound.requests, (QList<SoundRequest>{idle, quiet}));
        screen = following(screen);
        QCOMPARE(run.sound.requests, (QList<SoundRequest>{idle, quiet, engine}));
        press(screen->control<PictureBox>(QStringLiteral("Picture2"))->canvas(),
              screen->mark(QStringLiteral("Shape1"))->geometry().center());
        press(screen, {130, 630});
        QCOMPARE(run.sound.requests, (QList<SoundRequest>{idle, quiet, engine, {"sounds/lift.wav", 1, 0}, engine}));
        QVERIFY(run.errors.isEmpty());
    }

    // The README's example, as a new author would run it: phone photographs, walked to the normal end.
    void theReadmeExampleRunsFromItsFirstScreenToTheEnd()
    {
        QFile readme(QStringLiteral(KELVORA_SOURCE_DIR "/README.md"));
        QFile example(QStringLiteral(KELVORA_SOURCE_DIR "/content/courses/example/course.json"));
        QVERIFY(readme.open(QIODevice::ReadOnly) && example.open(QIODevice::ReadOnly));
        const QByteArray text = readme.readAll();
        const qsizetype block = text.indexOf("```json\n", text.indexOf("## Writing a course")) + 8;
        const QByteArray json = example.readAll();
        QCOMPARE(text.mid(block, text.indexOf("```", block) - block), json);
        QCOMPARE(canonicalCourseJson(QJsonDocument::fromJson(json).object()), json);

        TestRun run(2);
        LessonScreen *screen = openFirst(run, json, {4032, 3024});
        QCOMPARE(explainText(screen), QStringLiteral("Schalten Sie die Batterie ein."));
        const LessonWalker walker(false);
        for (int action = 0; action < 20 && !run.endStatus; ++action) {
            screen = qobject_cast<LessonScreen *>(TestRun::currentScreen());
            QVERIFY(screen && walker.act(*screen, true));
            TestRun::settle();
        }
        QVERIFY2(run.errors.isEmpty(), run.errors.isEmpty() ? "" : qPrintable(run.errors.first().message()));
        QCOMPARE(run.endStatus, std::optional<int>(0));
        QCOMPARE(run.explanationCursor, 4);
        QCOMPARE(screen->number(), 2);
    }
};

KELVORA_TEST_MAIN(TestCourseFormat2)
#include "test_course_format2.moc"
