#include "course/CourseAssets.h"
#include "course/CourseLoader.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace kelvora;

namespace {
// A course of one screen: the screen's fields are given.
QByteArray courseWith(const QByteArray &screenFields)
{
    return R"({"title": "T", "languages": [{"name": "English", "startCaption": "Start", "file": "Lang2.txt"}],
               "screens": [{"inset": "images\\KokpitA.bmp", "photograph": "images\\001.jpg", )" +
           screenFields + "}]}";
}

const QByteArray Mark = R"("marks": [{"name": "Shape1", "rect": [10, 10, 40, 40]}], "timers": [{"name": "Timer1"}])";
} // namespace

class CourseLoaderTest : public QObject {
    Q_OBJECT
private slots:
    void theStartUpCourseLoads()
    {
        const Course course = loadCourse(BuiltInCourseFile);
        QCOMPARE(course.lessonCount(), 18);
        QCOMPARE(course.linesRead(), 50);
        QCOMPARE(course.screens[4].caption, QStringLiteral("KELVORA Training - 5 / 18"));
    }

    void aFaultyCourseIsNamedWithItsPlace_data()
    {
        QTest::addColumn<QByteArray>("text"); // empty: no file at all
        QTest::addColumn<QString>("expected");

        QTest::newRow("a missing file") << QByteArray() << "cannot be read";
        QTest::newRow("text that is no JSON") << QByteArray("{\"title\": ") << "at byte";
        QTest::newRow("an unknown kind")
            << courseWith(Mark + R"(, "kinds": [{"kind": "spinner"}])")
            << "screen 1, kind spinner, field kind: \"spinner\" is no kind";
        QTest::newRow("a step naming a missing mark")
            << courseWith(Mark + R"(, "steps": [{"activeWhile": "Timer1", "mark": "Shape9"}])")
            << "screen 1, step 1, field mark: names the mark Shape9, which the screen does not have";
        QTest::newRow("a step naming a missing timer")
            << courseWith(Mark + R"(, "steps": [{"activeWhile": "Timer7", "mark": "Shape1"}])")
            << "screen 1, step 1, field activeWhile: names the timer Timer7";
        QTest::newRow("an action naming a missing timer")
            << courseWith(Mark + R"(, "atLoad": ["start TimerX"])") << "screen 1, field atLoad: names the timer TimerX";
        QTest::newRow("a rectangle outside the window")
            << courseWith(R"("marks": [{"name": "Shape1", "rect": [1030, 10, 40, 40]}])")
            << "screen 1, mark Shape1, field rect: lies outside the 1024 x 768 window";
        QTest::newRow("a duplicate name")
            << courseWith(R"("marks": [{"name": "Shape1", "rect": [1, 1, 9, 9]}, {"name": "shape1", "rect": [5, 5, 9, 9]}])")
            << "screen 1, mark shape1: the name shape1 is used twice";
        QTest::newRow("a misspelt field")
            << courseWith(R"("mraks": [])") << "screen 1: unknown field \"mraks\"";
        QTest::newRow("a missing photograph field")
            << QByteArray(R"({"title": "T", "languages": [{"name": "E", "startCaption": "S", "file": "L.txt"}],
                             "screens": [{"inset": "images\\KokpitA.bmp"}]})")
            << "screen 1, field photograph: is missing";
        QTest::newRow("a language tag that is no tag")
            << QByteArray(R"({"title": "T", "languages": [{"name": "E", "startCaption": "S", "file": "L.txt", "tag": "en_GB"}],
                             "screens": [{"inset": "images\\KokpitA.bmp", "photograph": "images\\001.jpg"}]})")
            << "language E, field tag: is not a language tag";
        // Photographs numbered from a count keep to the names images\00.jpg to images\099.jpg.
        QTest::newRow("a timed sequence longer than the photographs it may name")
            << courseWith(Mark + R"(, "kinds": [{"kind": "timedSequence", "periodMs": 100, "lastTick": 101, "photographOffset": 0}])")
            << "screen 1, kind timedSequence, field lastTick: names photographs up to images\\0100.jpg";
        QTest::newRow("a press counter longer than the photographs it may name")
            << courseWith(Mark + R"(, "kinds": [{"kind": "pressCounter", "timer": "Timer1", "mark": "Shape1", "presses": 51,
                                                  "click": "sounds\\dugme5.wav", "photographOffset": 49}])")
            << "screen 1, kind pressCounter, field presses: names photographs up to images\\0100.jpg";
        QTest::newRow("a count that starts before the first photograph")
            << courseWith(Mark + R"(, "kinds": [{"kind": "pressCounter", "timer": "Timer1", "mark": "Shape1", "presses": 6,
                                                  "click": "sounds\\dugme5.wav", "photographOffset": -5}])")
            << "screen 1, kind pressCounter, field photographOffset: names images\\0-4.jpg";
        QTest::newRow("a picture the course names is not in its folder")
            << courseWith(Mark) << "screen 1: names images\\KokpitA.bmp, which is not in";
        QTest::newRow("a megabyte of a value, cut where it is shown")
            << courseWith(Mark + R"(, "kinds": [{"kind": ")" + QByteArray(1024 * 1024, 'x') + R"("}])")
            << "characters more";
    }
    void aFaultyCourseIsNamedWithItsPlace()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("course.json"));
        if (!text.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
        try {
            checkCourseFiles(loadCourse(path));
            QFAIL("the course loaded");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), RuntimeError::Kind::BadCourse);
            QVERIFY2(error.message().contains(path), qPrintable(error.message()));
            QVERIFY2(error.message().contains(expected), qPrintable(error.message().left(3000)));
            QVERIFY2(error.message().size() < 3000, "a value was shown whole");
        }
    }

    void onlyARegularFileOfBoundedSizeIsReadAsACourse_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a FIFO, which would block the read") << "fifo" << "is not a regular file";
        QTest::newRow("a device that never ends") << "device" << "is not a regular file";
        QTest::newRow("a file far larger than any course") << "huge" << "is larger than";
    }
    void onlyARegularFileOfBoundedSizeIsReadAsACourse()
    {
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("course.json"));
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("device")) {
            path = QStringLiteral("/dev/zero");
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64(1) << 30)); // sparse: no disk is used
        }
        try {
            loadCourse(path);
            QFAIL("the course loaded");
        } catch (const RuntimeError &error) {
            QVERIFY2(error.message().contains(path), qPrintable(error.message()));
            QVERIFY2(error.message().contains(expected), qPrintable(error.message()));
        }
    }
};

QTEST_GUILESS_MAIN(CourseLoaderTest)
#include "test_course_loader.moc"
