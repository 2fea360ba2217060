// The record of a run and the check mode: what the instructor reads afterwards.
#include "LessonProbe.h"
#include "TestRun.h"
#include "app/TrainerApplication.h"
#include "course/CurrentCourse.h"
#include "record/RecordFile.h"
#include "record/RecordOptions.h"
#include "record/ResultsScreen.h"
#include "record/RunClock.h"
#include "record/RunRecorder.h"
#include "record/RunSummary.h"
#include "record/XapiStatements.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimeZone>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// Time moves only with the ticks a test delivers through the Timer controls.
class TickClock : public RunClock {
public:
    QDateTime now() const override { return m_start.addMSecs(m_elapsed); }
    void tick(Timer *timer, int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            m_elapsed += timer->interval();
            timer->tick();
        }
    }

private:
    QDateTime m_start{QDate(2026, 12, 7), QTime(9, 0), QTimeZone::utc()};
    qint64 m_elapsed = 0;
};

// A recorded run in a test: the recorder installed, the mode set, the records
// written into a temporary folder, or into the named file.
struct RecordedRun {
    explicit RecordedRun(RunMode mode, bool toFile = false)
        : recorder(clock, QStringLiteral("startup"), QStringLiteral("alice"), modeName(mode),
                   {toFile ? folder.filePath(QStringLiteral("run.json")) : QString(), folder.path()})
    {
        CurrentRunMode = mode;
        RunObserver::install(&recorder);
        setResultsPage([this] { return new ResultsScreen(recorder.record()); });
    }
    ~RecordedRun()
    {
        setResultsPage({});
        RunObserver::install(nullptr);
        CurrentRunMode = RunMode::Guided;
    }

    QJsonArray statements() const
    {
        QFile file(recorder.writtenPath());
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).array() : QJsonArray();
    }
    QStringList summary() const
    {
        QFile file(recorder.writtenPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const std::optional<RunSummary> read = readRunSummary(file.readAll());
        return read ? read->fields() : QStringList();
    }

    QTemporaryDir folder;
    TickClock clock;
    RunRecorder recorder;
};

// Screen 18's marks and a few places on its photograph that no mark covers.
const QPoint Shape1Centre{218, 556};
const QPoint Shape2Centre{170, 608};
const QPoint Shape3Centre{769, 383};
const QPoint ContinueStrip{930, 716};
const QPoint Nowhere[] = {{500, 300}, {520, 310}, {600, 450}};

void pressH(QWidget *screen)
{
    QTest::keyClick(screen->focusWidget() ? screen->focusWidget() : screen, Qt::Key_H);
}

bool writeHalfThenFail(QIODevice &device)
{
    device.write("[{\"half\": ");
    return false;
}

} // namespace

class TestRunRecord : public QObject {
    Q_OBJECT
private slots:
    void checkRunRecordsMissesHintsAndDurations();
    void endedRunsAreRecorded_data();
    void endedRunsAreRecorded();
    void aRecordAppearsWholeOrNotAtAll();
};

void TestRunRecord::checkRunRecordsMissesHintsAndDurations()
{
    TestRun run;
    RecordedRun recorded(RunMode::Check);
    // Records name the language by the course's tag for it, whatever its place on the start screen.
    const Course startUp = currentCourse();
    const auto restore = qScopeGuard([&] { setCurrentCourse(startUp); });
    Course tagged = startUp;
    tagged.languages[1].tag = QStringLiteral("en-GB");
    setCurrentCourse(tagged);
    auto *form = openLessonAtLine(18, 48);

    // Step 1: the mark neither shows nor blinks; two misses, then H shows it blinking.
    QVERIFY(!shown(form, "Shape1"));
    recorded.clock.tick(form->timer("Timer1"), 2);
    QVERIFY(!shown(form, "Shape1"));
    QCOMPARE(explainText(form), QStringLiteral("E48"));
    press(form, Nowhere[0]);
    press(form, Nowhere[1]);
    QVERIFY(!shown(form, "Shape1"));
    pressH(form);
    QVERIFY(shown(form, "Shape1"));
    recorded.clock.tick(form->timer("Timer1"), 2);
    QVERIFY(shown(form, "Shape1"));
    press(form, Shape1Centre);
    QVERIFY(!running(form, "Timer1"));
    QCOMPARE(explainText(form), QStringLiteral("E49"));

    // Step 2: the third miss shows the mark.
    recorded.clock.tick(form->timer("Timer2"));
    QVERIFY(!shown(form, "Shape2"));
    for (QPoint at : Nowhere)
        press(form, at);
    QVERIFY(shown(form, "Shape2"));
    press(form, Shape2Centre);

    // Step 3 without help, then the continue mark, which works as in the guided run.
    recorded.clock.tick(form->timer("Timer3"), 3);
    QVERIFY(!shown(form, "Shape3"));
    press(form, Shape3Centre);
    recorded.clock.tick(form->timer("TimerDVM"), 2);
    QVERIFY(shown(form, "ShapeDVM"));
    press(form, ContinueStrip);
    TestRun::settle();

    const RunRecord &record = *recorded.recorder.record();
    QCOMPARE(record.result.kind, RunResult::Kind::Completed);
    QCOMPARE(record.durationMs(), 3000);
    QCOMPARE(record.screens.size(), 1);
    const QList<StepRecord> &steps = record.screens[0].steps;
    QCOMPARE(steps.size(), 3);
    QCOMPARE(steps[0].durationMs(), 1200);
    QCOMPARE(steps[0].misses, (QList<QPointF>{Nowhere[0], Nowhere[1]}));
    QCOMPARE(steps[0].hints, 1);
    QCOMPARE(steps[1].durationMs(), 300);
    QCOMPARE(steps[1].misses.size(), 3);
    QCOMPARE(steps[1].hints, 1);
    QCOMPARE(steps[2].durationMs(), 900);
    QCOMPARE(steps[2].misses.size(), 0);
    QCOMPARE(steps[2].hints, 0);

    // The file holds the same as xAPI statements: step durations, and the run's totals.
    const QJsonArray statements = recorded.statements();
    QStringList stepDurations;
    for (const QJsonValue &statement : statements) {
        if (statement["verb"]["id"].toString().endsWith("/interacted"))
            stepDurations << statement["result"]["duration"].toString();
    }
    QCOMPARE(stepDurations, (QStringList{"PT1.2S", "PT0.3S", "PT0.9S"}));
    QCOMPARE(statements.last()["actor"]["name"].toString(), QStringLiteral("alice"));
    QCOMPARE(statements.last()["context"]["language"].toString(), QStringLiteral("en-GB"));
    QCOMPARE(recorded.summary(), (QStringList{"alice", "startup", "check", "completed", "0:00:03", "5", "2"}));

    // The results page: screen 18's row and the total, then Close ends the program.
    auto *results = qobject_cast<ResultsScreen *>(TestRun::currentScreen());
    QVERIFY(results);
    QVERIFY(!run.endStatus);
    QCOMPARE(results->control<QLabel>("Title")->text(), QStringLiteral("Results"));
    QCOMPARE(results->control<QLabel>("Cell1_0")->text(), QStringLiteral("18"));
    QCOMPARE(results->control<QLabel>("Cell2_2")->text(), QStringLiteral("5"));
    QCOMPARE(results->control<QLabel>("Cell2_3")->text(), QStringLiteral("2"));
    results->control<QPushButton>("Close")->click();
    QCOMPARE(run.endStatus, 0);
}

void TestRunRecord::endedRunsAreRecorded_data()
{
    QTest::addColumn<bool>("byError");
    QTest::addColumn<bool>("toFile");
    QTest::addColumn<QString>("result");
    QTest::newRow("Exit on screen 4, into the named file") << false << true << "left at screen 4";
    QTest::newRow("a missing photograph on screen 3, into the records folder")
        << true << false << "error: Run-time error: file not found: Images\\005.jpg";
}

void TestRunRecord::endedRunsAreRecorded()
{
    QFETCH(bool, byError);
    QFETCH(bool, toFile);
    QFETCH(QString, result);
    TestRun run;
    RecordedRun recorded(RunMode::Guided, toFile);
    if (byError) {
        run.removeContent(QStringLiteral("images/005.jpg"));
        auto *form = openLessonAtLine(3, 3);
        press(form, {80, 182});
        QCOMPARE(run.errors.size(), 1);
    } else {
        auto *form = openLessonAtLine(4, 10);
        recorded.clock.tick(form->timer("Timer1"));
        form->control<QPushButton>("Command2")->click();
        QCOMPARE(run.endStatus, 0);
    }
    QVERIFY(recorded.recorder.hasEnded());
    if (toFile)
        QCOMPARE(recorded.recorder.writtenPath(), recorded.folder.filePath("run.json"));
    const QStringList summary = recorded.summary();
    QCOMPARE(summary.size(), 7);
    QVERIFY2(summary[3].startsWith(result), qPrintable(summary[3]));
    QCOMPARE(summary.mid(4), (QStringList{"0:00:00", "0", "0"}));
    const QJsonValue end = recorded.statements().last();
    QCOMPARE(end["verb"]["id"].toString().section('/', -1), byError ? QStringLiteral("terminated") : QStringLiteral("exited"));
    QCOMPARE(end["result"]["extensions"][xapi::extension(xapi::Screen)].toInt(), byError ? 3 : 4);
}

void TestRunRecord::aRecordAppearsWholeOrNotAtAll()
{
    QTemporaryDir folder;
    const auto writing = [](const QByteArray &bytes) {
        return [bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); };
    };
    const auto contents = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const auto entries = [&folder] {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    };
    QString error;
    const QString first = saveNewRecord(folder.path(), "run", writing("first"), &error);
    QCOMPARE(first, folder.filePath("run.json"));

    QVERIFY(saveNewRecord(folder.path(), "run", writeHalfThenFail, &error).isEmpty());
    QVERIFY(!saveRecordAs(first, writeHalfThenFail, &error));
    QCOMPARE(entries(), QStringList{"run.json"});
    QCOMPARE(contents(first), QByteArray("first"));

    // The same name again: a new file beside the earlier one.
    QCOMPARE(saveNewRecord(folder.path(), "run", writing("second"), &error), folder.filePath("run-2.json"));
    QCOMPARE(entries(), (QStringList{"run-2.json", "run.json"}));
    QCOMPARE(contents(first), QByteArray("first"));
}

KELVORA_TEST_MAIN(TestRunRecord)
#include "test_run_record.moc"
