// A trainee who does not hear the lesson's sounds reads what they are on a
// caption line that hides nothing of the lesson; without the option no line.
#include "LessonProbe.h"
#include "TestRun.h"
#include "app/TrainerApplication.h"
#include "course/ControlNames.h"
#include "screens/CaptionLine.h"
#include "screens/CaptionedVoice.h"
#include "screens/Shape.h"

using namespace kelvora;
using namespace kelvora::test;

namespace {
const QByteArray HummingCourse = R"({"format": 2, "id": "urn:example:courses:hum", "title": {"en": "Hum", "de": "Brummen"},
  "languages": [{"tag": "en", "name": "English"}, {"tag": "de", "name": "Deutsch"}],
  "screens": [{"id": "power", "photograph": "images/panel.jpg", "text": {"en": "Switch on.", "de": "Einschalten."},
    "loop": "sounds/hum.wav", "loopCaption": {"en": "[engine running]", "de": "[Triebwerk läuft]"},
    "steps": [{"id": "battery", "target": {"rectangle": [40, 500, 300, 200]}, "sound": "sounds/click.wav",
               "caption": {"en": "[click]", "de": "[Klick]"}}]}]})";
} // namespace

class SoundCaptionsTest : public QObject {
    Q_OBJECT
private slots:
    void aSoundIsCaptionedWhereItHidesNothing_data()
    {
        QTest::addColumn<bool>("author");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("press");
        QTest::addColumn<QString>("caption");
        QTest::newRow("the built-in course's switch click, in French") << false << 3 << true << "[clic d'interrupteur]";
        QTest::newRow("an author's loop as the screen loads, in German") << true << 2 << false << "[Triebwerk läuft]";
        QTest::newRow("an author's click is read before its restarted loop's") << true << 2 << true << "[Klick]";
        QTest::newRow("the engine started on lesson 5 goes on on lesson 6, and so does its caption")
            << false << 2 << false << "[engine turning at 20 %]";
    }
    void aSoundIsCaptionedWhereItHidesNothing()
    {
        QFETCH(bool, author);
        QFETCH(int, language);
        QFETCH(bool, press);
        QFETCH(QString, caption);
        TestRun run(language);
        if (author)
            run.useCourseFile(run.writeCourse(HummingCourse, {1024, 768}));
        run.setAccess({.captions = true});
        CaptionedVoice voice(run, run.sound);
        run.setVoice(&voice);
        run.language = language;
        if (!author && !press) // the page before leaves its engine turning
            voice.play("sounds\\20loop.wav", NoModule, SoundAsync | SoundLoop);
        LessonScreen *screen = openLessonAtLine(run, author ? 1 : (press ? 2 : 6), 1);
        if (press) {
            test::press(screen, screen->mark(QStringLiteral("shape1"))->geometry().center());
        }
        const auto *line = screen->findChild<CaptionLine *>();
        QVERIFY(line);
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), caption);
        QVERIFY(!line->geometry().intersects(screen->control<QWidget>(names::Explain)->geometry()));
        for (const Shape *mark : screen->findChildren<Shape *>())
            QVERIFY2(!line->geometry().intersects(mark->geometry()), qPrintable(mark->objectName()));
    }

    void withoutTheOptionThereIsNoCaptionLine()
    {
        TestRun run;
        run.language = 2;
        QVERIFY(!openLessonAtLine(run, 2, 1)->findChild<CaptionLine *>());
    }
};

KELVORA_TEST_MAIN(SoundCaptionsTest)
#include "test_sound_captions.moc"
