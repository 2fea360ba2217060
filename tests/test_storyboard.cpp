#include "course/BuiltInTargetLabels.h"
#include "course/CourseLoader.h"
#include "screens/LessonChain.h"
#include "screens/Run.h"
#include "screens/Screen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kelvora;

namespace {
// States a trainee passes through on each lesson screen: after load, after each
// press, each tick of the timed sequences and each place of the throttle knob.
const QMap<int, int> StatesPerScreen{
    {1, 1},   // continue mark live at load
    {2, 2},   // one step
    {3, 9},   // eight steps
    {4, 2},   // one step
    {5, 8},   // one step, the delayed view, four photographs and the finish
    {6, 34},  // step 1 with ten knob places, step 2, step 3 with ten knob places, the delayed view, eight photographs and the finish
    {7, 9},   // eight steps
    {8, 5},   // four steps
    {9, 1},   // pointer marks only
    {10, 7},  // six presses on one switch
    {11, 10}, // nine steps
    {12, 4},  // three steps
    {13, 2},  // one step
    {14, 1},  {15, 1}, {16, 1}, // pointer marks only
    {17, 2},  // one step
    {18, 4},  // three steps
};
} // namespace

class TestStoryboard : public QObject {
    Q_OBJECT

private slots:
    void rendersEveryStateOfEveryScreenAndAContactSheet()
    {
        QTemporaryDir out;
        QProcess storyboard;
        storyboard.setProcessChannelMode(QProcess::ForwardedChannels);
        storyboard.start(QStringLiteral(KELVORA_STORYBOARD),
                         {QStringLiteral(KELVORA_DIST_DIR), out.path(), QStringLiteral("--language"), QStringLiteral("2")});
        QVERIFY(storyboard.waitForFinished(300000));
        QCOMPARE(storyboard.exitCode(), 0);

        const QImage sheet = QImageReader(out.filePath(QStringLiteral("contact-sheet-lang2.png"))).read();
        QVERIFY(!sheet.isNull());

        // Screens still missing from the lesson chain are skipped by the tool.
        QMap<int, int> expected;
        Run run(loadBuiltInCourse());
        for (auto [screen, states] : StatesPerScreen.asKeyValueRange()) {
            if (std::unique_ptr<Screen>(createLessonScreen(run, screen)))
                expected[screen] = states;
        }
        QFile index(out.filePath(QStringLiteral("lang2/states.tsv")));
        QVERIFY(index.open(QIODevice::ReadOnly | QIODevice::Text));
        index.readLine(); // the heading
        QMap<int, int> rendered;
        while (!index.atEnd())
            ++rendered[index.readLine().split('\t').value(1).toInt()];
        QCOMPARE(rendered, expected);

        int total = 0;
        for (int states : expected)
            total += states;
        QCOMPARE(QDir(out.filePath(QStringLiteral("lang2"))).entryList({QStringLiteral("*.png")}, QDir::Files).size(), total);
    }

    // A blink timer of any name is pressed through, not ticked as a sequence; a screen
    // whose last step shows no way on is reported.
    void pressesThroughTimersOfAnyNameAndReportsADeadEnd()
    {
        QTemporaryDir dir;
        QDir course(dir.path());
        QVERIFY(course.mkpath(QStringLiteral("images")) && course.mkpath(QStringLiteral("sounds")));
        QFile exitClick(course.filePath(QStringLiteral("sounds/dugme3.wav"))); // the storyboard plays nothing
        QVERIFY(exitClick.open(QIODevice::WriteOnly));
        exitClick.close();
        QImage picture(1024, 768, QImage::Format_RGB32);
        picture.fill(Qt::darkGray);
        QVERIFY(picture.save(course.filePath(QStringLiteral("images/000.jpg"))) &&
                picture.save(course.filePath(QStringLiteral("images/001.jpg"))));
        QVERIFY(picture.scaled(207, 221).save(course.filePath(QStringLiteral("images/inset.bmp"))));
        QFile lines(course.filePath(QStringLiteral("Lang.txt")));
        QVERIFY(lines.open(QIODevice::WriteOnly));
        lines.write("Press the switch.\r\nDone.\r\n");
        lines.close();
        QFile file(course.filePath(QStringLiteral("course.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"title": "Names", "languages": [{"name": "English", "startCaption": "Start", "file": "Lang.txt"}],
            "screens": [{"inset": "images/inset.bmp", "photograph": "images/001.jpg",
              "marks": [{"name": "Switch", "rect": [400, 400, 50, 50]}],
              "timers": [{"name": "Blinker", "running": true, "blinks": ["Switch"]}],
              "steps": [{"activeWhile": "Blinker", "mark": "Switch", "nextLine": true}]}]})");
        file.close();

        QProcess storyboard;
        storyboard.start(QStringLiteral(KELVORA_STORYBOARD), {QStringLiteral("--course"), file.fileName(),
                                                              QStringLiteral("--language"), QStringLiteral("1"),
                                                              course.filePath(QStringLiteral("board"))});
        QVERIFY(storyboard.waitForFinished(60000));
        const QString errors = QString::fromUtf8(storyboard.readAllStandardError());
        QCOMPARE(storyboard.exitCode(), 1);
        QVERIFY2(errors.contains(QStringLiteral("screen 1: a dead end")), qPrintable(errors));
        QFile index(course.filePath(QStringLiteral("board/lang1/states.tsv")));
        QVERIFY(index.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(index.readAll().count('\n'), 3); // the heading, load, step 1
    }

    // A sequence may hold one photograph for many ticks; it ends on the continue mark as in the trainer.
    void aSequenceOfOnePhotographThroughoutLeadsOnToContinue()
    {
        QTemporaryDir dir;
        QDir course(dir.path());
        QVERIFY(course.mkpath(QStringLiteral("images")));
        QImage picture(1024, 768, QImage::Format_RGB32);
        picture.fill(Qt::darkGray);
        QVERIFY(picture.save(course.filePath(QStringLiteral("images/panel.jpg"))));
        QStringList still;
        for (int i = 0; i < 40; ++i)
            still << QStringLiteral("\"images/panel.jpg\"");
        QFile file(course.filePath(QStringLiteral("course.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(R"({"format": 2, "id": "urn:example:courses:still", "title": {"en": "Still"},
            "languages": [{"tag": "en", "name": "English"}],
            "screens": [{"id": "wait", "title": {"en": "Wait"}, "photograph": "images/panel.jpg",
              "text": {"en": "Press the switch."},
              "steps": [{"id": "switch", "target": {"rectangle": [400, 400, 50, 50]}}],
              "sequence": {"periodMs": 1000, "photographs": [%1]}}]})")
                       .arg(still.join(QStringLiteral(", ")))
                       .toUtf8());
        file.close();

        QProcess storyboard;
        storyboard.start(QStringLiteral(KELVORA_STORYBOARD), {QStringLiteral("--course"), file.fileName(), QStringLiteral("--hashes"),
                                                              QStringLiteral("--language"), QStringLiteral("1"),
                                                              course.filePath(QStringLiteral("board"))});
        QVERIFY(storyboard.waitForFinished(60000));
        QVERIFY2(storyboard.exitCode() == 0, storyboard.readAllStandardError().constData());
    }
};

QTEST_MAIN(TestStoryboard)
#include "test_storyboard.moc"
