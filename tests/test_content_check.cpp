#include "ContentCheck.h"
#include "CourseCheck.h"
#include "LessonFlow.h"
#include "SoundDecode.h"
#include "AssetCatalogue.h"
#include "course/CourseAssets.h"
#include "course/CourseLoader.h"
#include "platform/RuntimeError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QPainter>
#include <QTest>

#include <functional>
#include <memory>
#include <sys/stat.h>

using namespace kelvora;

using Breakage = std::function<void(QDir pack)>;
Q_DECLARE_METATYPE(Breakage)
using CourseEdit = std::function<void(QJsonObject &course, QDir folder)>;
Q_DECLARE_METATYPE(CourseEdit)

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Rewrites a language file's CR LF lines: edit gets them and changes them.
void editLines(const QString &path, const std::function<void(QList<QByteArray> &)> &edit)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    if (lines.last().isEmpty())
        lines.removeLast();
    edit(lines);
    writeFile(path, lines.join('\n') + '\n');
}

QJsonObject json(const char *text)
{
    return QJsonDocument::fromJson(text).object();
}

// A click: a tenth of a second of 8 kHz mono PCM.
QByteArray wav()
{
    const QByteArray samples(1600, '\x10');
    QByteArray bytes("RIFF");
    auto add32 = [&bytes](quint32 v) { bytes.append(reinterpret_cast<const char *>(&v), 4); };
    auto add16 = [&bytes](quint16 v) { bytes.append(reinterpret_cast<const char *>(&v), 2); };
    add32(36 + quint32(samples.size()));
    bytes += "WAVEfmt ";
    add32(16), add16(1), add16(1), add32(8000), add32(16000), add16(2), add16(16);
    bytes += "data";
    add32(quint32(samples.size()));
    return bytes + samples;
}

// A sound course in English and German: one screen, a 512 x 384 photograph shown at twice its size, two steps.
const char *SoundCourse = R"({
  "format": 2, "id": "urn:example:courses:check", "title": {"en": "Check", "de": "Kontrolle"},
  "languages": [{"tag": "en", "name": "English"}, {"tag": "de", "name": "Deutsch"}],
  "screens": [{
    "id": "prestart", "photograph": "images/panel.jpg",
    "text": {"en": "Switch the battery on.", "de": "Batterie einschalten."},
    "steps": [
      {"id": "battery", "target": {"rectangle": [200, 150, 40, 30]}, "sound": "sounds/click.wav",
       "photograph": "images/panel-on.jpg", "text": {"en": "Now the pump.", "de": "Jetzt die Pumpe."}},
      {"id": "pump", "target": {"circle": [300, 200, 20]}, "text": {"en": "Done.", "de": "Fertig."}}
    ]
  }]
})";

QJsonObject step(const QJsonObject &course, int i)
{
    return course["screens"][0]["steps"][i].toObject();
}

void setStep(QJsonObject &course, int i, const QJsonObject &step)
{
    QJsonObject screen = course["screens"][0].toObject();
    QJsonArray steps = screen["steps"].toArray();
    steps[i] = step;
    screen["steps"] = steps;
    course["screens"] = QJsonArray{screen};
}
} // namespace

class TestContentCheck : public QObject {
    Q_OBJECT

    // The sound course, edited, in the folder course/ of a folder of its own; returns the course file.
    QString writeSoundCourse(const CourseEdit &edit)
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir folder(m_dir->filePath("course"));
        if (!folder.mkpath("images") || !folder.mkpath("sounds"))
            return {};
        QImage photograph(512, 384, QImage::Format_RGB32);
        photograph.fill(Qt::darkGray);
        photograph.save(folder.filePath("images/panel.jpg"));
        photograph.save(folder.filePath("images/Panel-On.JPG"));
        writeFile(folder.filePath("sounds/click.wav"), wav());
        QJsonObject course = json(SoundCourse);
        edit(course, folder);
        writeFile(folder.filePath("course.json"), QJsonDocument(course).toJson());
        return folder.filePath("course.json");
    }
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void reportsEachProblemWithItsFileAndLine_data()
    {
        QTest::addColumn<Breakage>("breakage");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("the generated pack passes") << Breakage([](const QDir &) {}) << QStringList();
        QTest::newRow("a file in another letter case is found")
            << Breakage([](QDir pack) { QVERIFY(pack.rename("images/KokpitB.bmp", "images/kokpitb.BMP")); })
            << QStringList();
        QTest::newRow("a missing photograph is named")
            << Breakage([](QDir pack) { QVERIFY(pack.remove("images/019.jpg")); })
            << QStringList{"images/019.jpg: missing"};
        QTest::newRow("a language file one line short of a run is reported")
            << Breakage([](QDir pack) {
                   editLines(pack.filePath("Lang2.txt"), [](QList<QByteArray> &lines) { lines.resize(49); });
               })
            << QStringList{"Lang2.txt: has 49 lines; a complete run reads 50"};
        QTest::newRow("a line too long for its screen's label is reported with its line number")
            << Breakage([](QDir pack) {
                   editLines(pack.filePath("Lang3.txt"), [](QList<QByteArray> &lines) {
                       lines[11] = QByteArray("Check the fuel valve and the ignition switch. ").repeated(8) + '\r';
                   });
               })
            << QStringList{"Lang3.txt:12: does not fit the label of screen 5"};
        QTest::newRow("a picture of the wrong size is reported with both sizes")
            << Breakage([](QDir pack) {
                   QImage small(800, 600, QImage::Format_RGB32);
                   small.fill(Qt::gray);
                   QVERIFY(small.save(pack.filePath("images/030.jpg")));
               })
            << QStringList{"images/030.jpg: is 800 x 600 pixels, the screens expect 1024 x 768"};
        QTest::newRow("pictures cut short are reported")
            << Breakage([](QDir pack) {
                   for (const char *name : {"images/019.jpg", "images/KokpitB.bmp"}) {
                       QFile file(pack.filePath(QLatin1String(name)));
                       QVERIFY(file.resize(file.size() / 2));
                   }
               })
            << QStringList{"images/019.jpg: does not decode as a picture", "images/KokpitB.bmp: does not decode as a picture"};
        QTest::newRow("a sound that does not decode and a missing inset are both reported")
            << Breakage([](QDir pack) {
                   writeFile(pack.filePath("Sounds/JFS20.wav"), "RIFF, but no sound in it");
                   QVERIFY(pack.remove("images/KokpitG.bmp"));
               })
            << QStringList{"images/KokpitG.bmp: missing", "Sounds/JFS20.wav: does not decode as a sound"};
    }

    void reportsEachProblemWithItsFileAndLine()
    {
        QFETCH(Breakage, breakage);
        QFETCH(QStringList, expected);
        expected.sort();

        QTemporaryDir copy;
        QDir pack(copy.path());
        for (const PackFile &file : packFiles()) {
            pack.mkpath(QFileInfo(file.path).path());
            QVERIFY2(QFile::copy(QStringLiteral(KELVORA_DIST_DIR "/") + file.path, pack.filePath(file.path)),
                     qPrintable(file.path + QStringLiteral(" is not in the generated pack")));
        }
        breakage(pack);

        ContentCheck check(pack.path(), pack.path(), loadCourse(BuiltInCourseFile));
        const QList<ContentProblem> problems = check.run();
        QStringList reported;
        for (const ContentProblem &problem : problems)
            reported << problem.toString();
        QCOMPARE(check.filesChecked(), int(packFiles().size()));
        QVERIFY2(reported.size() == expected.size(), qPrintable(reported.join(u'\n')));
        std::sort(reported.begin(), reported.end());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QVERIFY2(reported.at(i).startsWith(expected.at(i)), qPrintable(reported.at(i)));
    }

    void findsWhatAnAuthorGotWrongInACourse_data()
    {
        QTest::addColumn<CourseEdit>("edit");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("a sound course has no findings") << CourseEdit([](QJsonObject &, QDir) {}) << QStringList();
        QTest::newRow("a text missing in one language is named by language, screen and step")
            << CourseEdit([](QJsonObject &course, QDir) {
                   QJsonObject battery = step(course, 0);
                   battery["text"] = json(R"({"en": "Now the pump."})");
                   setStep(course, 0, battery);
               })
            << QStringList{"de: prestart/battery: missing"};
        QTest::newRow("a text too long for the explanation label in one language")
            << CourseEdit([](QJsonObject &course, QDir) {
                   QJsonObject screen = course["screens"][0].toObject();
                   screen["text"] = QJsonObject{{"en", "Switch the battery on."},
                                                {"de", QString("Schalten Sie die Batterie ein und warten Sie. ").repeated(12)}};
                   course["screens"] = QJsonArray{screen};
               })
            << QStringList{"de: prestart: does not fit the explanation label"};
        QTest::newRow("a target is placed on the page as its photograph is fitted, here under Exit")
            << CourseEdit([](QJsonObject &course, QDir) {
                   QJsonObject battery = step(course, 0);
                   battery["target"] = json(R"({"rectangle": [490, 4, 20, 12]})");
                   setStep(course, 0, battery);
               })
            << QStringList{"prestart/battery: target lies under the trainer's Exit button"};
        QTest::newRow("a circle wholly beside its photograph")
            << CourseEdit([](QJsonObject &course, QDir) {
                   QJsonObject pump = step(course, 1);
                   pump["target"] = json(R"({"circle": [560, 200, 30]})");
                   setStep(course, 1, pump);
               })
            << QStringList{"prestart/pump: target: lies outside the photograph (512 x 384 px)"};
        QTest::newRow("two steps with one id are named")
            << CourseEdit([](QJsonObject &course, QDir) {
                   QJsonObject pump = step(course, 1);
                   pump["id"] = "battery";
                   setStep(course, 1, pump);
               })
            << QStringList{"prestart/battery: two steps or point-at groups have the id battery"};
        QTest::newRow("a missing photograph and a sound that does not decode are named with their step")
            << CourseEdit([](QJsonObject &, QDir folder) {
                   QVERIFY(folder.remove("images/Panel-On.JPG"));
                   writeFile(folder.filePath("sounds/click.wav"), "RIFF, but no sound in it");
               })
            << QStringList{"prestart/battery: images/panel-on.jpg: missing",
                           "prestart/battery: sounds/click.wav: does not decode as a sound"};
        QTest::newRow("words on a bright patch too small to plate the label are named in each language")
            << CourseEdit([](QJsonObject &, QDir folder) {
                   QImage photograph(512, 384, QImage::Format_RGB32);
                   photograph.fill(QColor(30, 30, 30));
                   QPainter(&photograph).fillRect(QRect(6, 3, 24, 10), Qt::white);
                   QVERIFY(photograph.save(folder.filePath("images/Panel-On.JPG"), nullptr, 100));
               })
            << QStringList{"de: prestart/battery: the explanation reads at 1.1:1 on images/panel-on.jpg, below 4.5:1, and the "
                           "trainer puts no plate behind it",
                           "de: prestart/pump: the explanation reads at 1.1:1", "en: prestart/battery: the explanation reads at 1.1:1",
                           "en: prestart/pump: the explanation reads at 1.1:1"};
    }

    void findsWhatAnAuthorGotWrongInACourse()
    {
        QFETCH(CourseEdit, edit);
        QFETCH(QStringList, expected);

        QTemporaryDir dir;
        QDir folder(dir.path());
        QVERIFY(folder.mkpath("images") && folder.mkpath("sounds"));
        QImage photograph(512, 384, QImage::Format_RGB32);
        photograph.fill(Qt::darkGray);
        QVERIFY(photograph.save(folder.filePath("images/panel.jpg")) && photograph.save(folder.filePath("images/Panel-On.JPG")));
        writeFile(folder.filePath("sounds/click.wav"), wav());
        QJsonObject course = json(SoundCourse);
        edit(course, folder);
        writeFile(folder.filePath("course.json"), QJsonDocument(course).toJson());

        QStringList reported;
        for (const CourseFinding &finding : checkCourse(folder.filePath("course.json")))
            reported << finding.toString();
        QVERIFY2(reported.size() == expected.size(), qPrintable(reported.join(u'\n')));
        std::sort(reported.begin(), reported.end());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QVERIFY2(reported.at(i).startsWith(expected.at(i)), qPrintable(reported.at(i)));
    }

    // Courses the trainer cannot run: the checker reports each, and the trainer refuses it with the same words.
    void theCheckerAndTheTrainerRefuseTheSameCourses_data()
    {
        QTest::addColumn<CourseEdit>("edit");
        QTest::addColumn<QString>("expected");
        auto photographOfBattery = [](const char *name) {
            return [name](QJsonObject &course) {
                QJsonObject battery = step(course, 0);
                battery["photograph"] = QLatin1String(name);
                setStep(course, 0, battery);
            };
        };
        QTest::newRow("a target of a page pixel or two can never be pressed")
            << CourseEdit([](QJsonObject &course, QDir) {
                   QJsonObject battery = step(course, 0);
                   battery["target"] = json(R"({"rectangle": [200, 150, 1, 1]})");
                   setStep(course, 0, battery);
               })
            << "prestart/battery: target: cannot take a press at the page's scale";
        QTest::newRow("a sound named as a photograph is no picture")
            << CourseEdit([=](QJsonObject &course, QDir) { photographOfBattery("sounds/click.wav")(course); })
            << "prestart/battery: sounds/click.wav: is not a picture";
        QTest::newRow("an empty name among a sequence's photographs")
            << CourseEdit([](QJsonObject &course, QDir) {
                   QJsonObject screen = course["screens"][0].toObject();
                   screen["sequence"] = json(R"({"periodMs": 500, "photographs": ["images/panel.jpg", ""]})");
                   course["screens"] = QJsonArray{screen};
               })
            << "prestart: sequence: photographs: item 2 names no file";
        QTest::newRow("a FIFO is said to be one, not missing")
            << CourseEdit([=](QJsonObject &course, QDir folder) {
                   QVERIFY(::mkfifo(QFile::encodeName(folder.filePath("images/pipe.jpg")).constData(), 0600) == 0);
                   photographOfBattery("images/pipe.jpg")(course);
               })
            << "prestart/battery: images/pipe.jpg: is a FIFO, not a file";
        QTest::newRow("a link to a device is said to be one")
            << CourseEdit([=](QJsonObject &course, QDir folder) {
                   QVERIFY(QFile::link("/dev/zero", folder.filePath("images/zero.jpg")));
                   photographOfBattery("images/zero.jpg")(course);
               })
            << "prestart/battery: images/zero.jpg: is a character device, not a file";
        QTest::newRow("a link leading out of the course's folder is refused as .. is")
            << CourseEdit([=](QJsonObject &course, QDir folder) {
                   QVERIFY(QImage(8, 6, QImage::Format_RGB32).save(folder.filePath("../outside.jpg")));
                   QVERIFY(QFile::link("../../outside.jpg", folder.filePath("images/outside.jpg")));
                   photographOfBattery("images/outside.jpg")(course);
               })
            << "prestart/battery: images/outside.jpg: is a link leading out of the course's folder";
        QTest::newRow("a course id that is not an IRI")
            << CourseEdit([](QJsonObject &course, QDir) { course["id"] = "battery check"; })
            << "field id: \"battery check\" is not an IRI";
    }
    void theCheckerAndTheTrainerRefuseTheSameCourses()
    {
        QFETCH(CourseEdit, edit);
        QFETCH(QString, expected);
        const QString file = writeSoundCourse(edit);
        QVERIFY(!file.isEmpty());

        QStringList reported;
        for (const CourseFinding &finding : checkCourse(file))
            reported << finding.toString();
        QVERIFY2(std::any_of(reported.begin(), reported.end(), [&](const QString &f) { return f.contains(expected); }),
                 qPrintable(reported.join(u'\n')));
        try {
            checkCourseFiles(loadCourse(file));
            QFAIL("the trainer took the course");
        } catch (const RuntimeError &error) {
            QVERIFY2(error.message().contains(expected), qPrintable(error.message()));
        }
    }

    // Format 1 names the template's controls itself; leaving one out used to pass unnoticed.
    void findsStepsThatCanNeverBeActiveAndDeadEnds_data()
    {
        QTest::addColumn<QByteArray>("steps");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("a last step that leaves the continue mark hidden is a dead end")
            << QByteArray(R"([{"activeWhile": "Timer1", "mark": "Shape1", "followUp": ["start Timer2"]},
                              {"activeWhile": "Timer2", "mark": "Shape2"}])")
            << QStringList{"screen 1: can never lead on"};
        QTest::newRow("a step whose timer nothing starts can never become active")
            << QByteArray(R"([{"activeWhile": "Timer1", "mark": "Shape1", "followUp": ["start TimerDVM"]},
                              {"activeWhile": "Timer2", "mark": "Shape2", "followUp": ["show LabelDVM"]}])")
            << QStringList{"screen 1, step 2: can never become active"};
    }

    void findsStepsThatCanNeverBeActiveAndDeadEnds()
    {
        QFETCH(QByteArray, steps);
        QFETCH(QStringList, expected);

        QTemporaryDir dir;
        const QString file = QDir(dir.path()).filePath("course.json");
        writeFile(file, R"({"title": "Flow", "languages": [{"name": "English", "startCaption": "Start", "file": "Lang2.txt"}],
            "screens": [{"inset": "images\\KokpitA.bmp", "photograph": "images\\001.jpg",
              "marks": [{"name": "Shape1", "rect": [100, 100, 50, 50]}, {"name": "Shape2", "rect": [300, 100, 50, 50]}],
              "timers": [{"name": "Timer1", "running": true}, {"name": "Timer2"}],
              "steps": )" + steps + "}]}");
        QStringList reported;
        for (const CourseFinding &finding : lessonFlowFindings(loadCourse(file)))
            reported << finding.toString();
        QVERIFY2(reported.size() == expected.size(), qPrintable(reported.join(u'\n')));
        for (qsizetype i = 0; i < expected.size(); ++i)
            QVERIFY2(reported.at(i).startsWith(expected.at(i)), qPrintable(reported.at(i)));
    }

    // Put there after the course's files were looked at, a FIFO would hold a decoder that opens by name for ever.
    void forAKeyboardRunATargetWithoutALabelIsNoted()
    {
        const QString file = writeSoundCourse([](QJsonObject &course, QDir) {
            QJsonObject battery = step(course, 0);
            battery["label"] = json(R"({"en": "Battery switch"})");
            setStep(course, 0, battery);
        });
        const auto notes = [&file](bool keyboard) {
            CourseCheck check(file);
            check.setKeyboard(keyboard);
            QStringList notes;
            for (const CourseFinding &finding : check.run())
                notes << finding.toString();
            std::sort(notes.begin(), notes.end());
            return notes;
        };
        // The label lacking in one language is missing there, keyboard or not; a step with none is only noted.
        const QString missing = QStringLiteral("de: prestart/battery: label: missing");
        QCOMPARE(notes(false), QStringList{missing});
        QCOMPARE(notes(true),
                 (QStringList{missing, "note: prestart/pump: no label: from the keyboard or a screen reader the target is \"Pump\""}));
    }

    void aFifoNamedLikeASoundIsNotOpened()
    {
        QTemporaryDir dir;
        const QString fifo = QDir(dir.path()).filePath("click.wav");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(soundProblem(fifo), QStringLiteral("is not a regular file"));
    }

    // Rechecked after every edit in the editor: a sound is decoded again only when its file changed.
    void aSoundIsDecodedAgainOnlyWhenItsFileChanged()
    {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath("click.wav");
        writeFile(path, wav());
        SoundChecks checks;
        QCOMPARE(checks.check(path), QString());
        const QDateTime stamp = QFileInfo(path).lastModified();
        writeFile(path, QByteArray("RIFF, but no sound in it").leftJustified(wav().size(), ' '));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(stamp, QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(checks.check(path), QString()); // same time and size: not decoded again
        QVERIFY(QFile::resize(path, wav().size() - 1));
        QVERIFY(checks.check(path).startsWith(QLatin1String("does not decode as a sound")));
    }
};

QTEST_MAIN(TestContentCheck)
#include "test_content_check.moc"
