// The record of a run and the check mode: what the instructor reads afterwards.
#include "LessonProbe.h"
#include "TestRun.h"
#include "app/TrainerApplication.h"
#include "course/author/AuthorCompiler.h"
#include "record/RecordFile.h"
#include "record/RecordOptions.h"
#include "record/ResultsScreen.h"
#include "record/RunClock.h"
#include "record/RunRecorder.h"
#include "record/RunSummary.h"
#include "record/XapiStatements.h"

#include <QAccessible>
#include <QFileInfo>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QTableWidget>
#include <QUrl>
#include <QTimeZone>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    RecordedRun(Run &run, RunMode mode, bool toFile = false)
        : run(run), recorder(clock, QStringLiteral("startup"), QStringLiteral("alice"), modeName(mode),
                   {toFile ? folder.filePath(QStringLiteral("run.json")) : QString(), folder.path()})
    {
        run.setMode(mode);
        run.setObserver(&recorder);
        run.setResultsPage([this](Run &run) { return new ResultsScreen(run, recorder.record()); });
    }
    ~RecordedRun() { run.setObserver(nullptr); }

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

    Run &run;
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

// Lowers the largest file size this process may write, as a full disk would;
// writes past it fail with EFBIG instead of ending the process.
auto fileSizeLimit(rlim_t bytes)
{
    struct rlimit previous = {};
    getrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit lowered = previous;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
    return qScopeGuard([previous] { setrlimit(RLIMIT_FSIZE, &previous); });
}

// In whatever language the run was in.
QString activityName(const QJsonValue &statement)
{
    const QJsonObject names = statement["object"]["definition"]["name"].toObject();
    return names.isEmpty() ? QString() : names.begin().value().toString();
}

} // namespace

class TestRunRecord : public QObject {
    Q_OBJECT
private slots:
    void checkRunRecordsMissesHintsAndDurations();
    void endedRunsAreRecorded_data();
    void endedRunsAreRecorded();
    void aRunStartedFurtherOnIsNotCompleted();
    void theResultsPageSpeaksTheLanguageOfItsTag_data();
    void theResultsPageSpeaksTheLanguageOfItsTag();
    void aRecordAppearsWholeOrNotAtAll();
    void runsEndingAtOnceLeaveEveryRecord();
    void whatAnEndedRunLeftBehindIsMadeGoodAndPrivate();
    void aLongNameIsCutInTheFileNameOnly();
    void aRecordGoesOnlyIntoARegularFile_data();
    void aRecordGoesOnlyIntoARegularFile();
    void activityIdsAreIrisAndNamesAreTheCourses_data();
    void activityIdsAreIrisAndNamesAreTheCourses();
    void anAuthorsStepKeepsItsIdWhenAScreenIsInsertedBeforeIt();
};

void TestRunRecord::checkRunRecordsMissesHintsAndDurations()
{
    TestRun run;
    RecordedRun recorded(run, RunMode::Check);
    // Records name the language by the course's tag for it, whatever its place on the start screen.
    Course tagged = run.course();
    tagged.languages[1].tag = QStringLiteral("en-GB");
    run.setCourse(tagged);
    auto *form = openLessonAtLine(run, 18, 48);

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
    // Only step 3 went without a miss or hint: a third, below the pass mark of 0.8.
    const QJsonObject score = statements.last()["result"]["score"].toObject();
    QCOMPARE(score["raw"].toInt(), 1);
    QCOMPARE(score["max"].toInt(), 3);
    QVERIFY(qFuzzyCompare(score["scaled"].toDouble(), 1.0 / 3));
    QCOMPARE(statements.last()["result"]["success"], QJsonValue(false));

    // The results page: screen 18's row and the total, then Close ends the program.
    auto *results = qobject_cast<ResultsScreen *>(TestRun::currentScreen());
    QVERIFY(results);
    QVERIFY(!run.endStatus);
    QCOMPARE(results->control<QLabel>("Title")->text(), QStringLiteral("Results"));
    const auto *table = results->control<QTableWidget>("Table");
    // A screen reader reads each number with its column's header.
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(const_cast<QTableWidget *>(table));
    QVERIFY(access && access->role() == QAccessible::Table && access->tableInterface());
    const QList<QAccessibleInterface *> headers = access->tableInterface()->cellAt(1, 2)->tableCellInterface()->columnHeaderCells();
    // Qt makes the header cells for the asker and keeps no hold of them: handed to its cache, they go with it.
    const auto forget = qScopeGuard([&headers] {
        for (QAccessibleInterface *header : headers)
            QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));
    });
    QCOMPARE(headers.size(), 1);
    QCOMPARE(headers.first()->text(QAccessible::Name), QStringLiteral("Misses"));
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("18"));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("5"));
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("2"));
    QCOMPARE(results->control<QLabel>("Score")->text(), QStringLiteral("Score: 33 % (1/3), not passed"));
    // Beside the table, screen 18 with the trainee's misses: the first one where it was pressed.
    const QImage map = results->control<QLabel>("MissMap")->pixmap().toImage();
    const QColor atMiss = map.pixelColor((QPointF(Nowhere[0]) * map.width() / 1024.0).toPoint());
    QVERIFY2(atMiss.red() > 150 && atMiss.green() < 100, qPrintable(atMiss.name()));
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
    RecordedRun recorded(run, RunMode::Guided, toFile);
    if (byError) {
        run.removeContent(QStringLiteral("images/005.jpg"));
        auto *form = openLessonAtLine(run, 3, 3);
        press(form, {80, 182});
        QCOMPARE(run.errors.size(), 1);
    } else {
        auto *form = openLessonAtLine(run, 4, 10);
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

// A check of one screen (--screen 18) that reaches the end says where it started,
// in the statement and in the listing, and is not counted as completed.
void TestRunRecord::aRunStartedFurtherOnIsNotCompleted()
{
    TestRun run;
    RecordedRun recorded(run, RunMode::Guided);
    run.startedAt = 18;
    run.ended(RunResult::completed());
    const QJsonValue end = recorded.statements().last();
    QCOMPARE(end["verb"]["id"].toString().section('/', -1), QStringLiteral("exited"));
    QCOMPARE(end["result"]["completion"].toBool(true), false);
    QCOMPARE(recorded.summary().value(3), QStringLiteral("finished, started at screen 18"));
}

void TestRunRecord::theResultsPageSpeaksTheLanguageOfItsTag_data()
{
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("startedAt");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("startedAtText"); // empty: none shown
    QTest::newRow("German first: a German trainee reads German, and where the run started")
        << QStringList{"de", "en", "fr"} << 1 << 18 << "Ergebnisse" << "Begonnen bei Bildschirm 18";
    QTest::newRow("Turkish in the third place reads Turkish")
        << QStringList{"en", "fr", "tr"} << 3 << 1 << QString::fromUtf8("Sonuçlar") << "";
    QTest::newRow("a language the trainer has no words for reads English")
        << QStringList{"pt-BR", "en", "fr"} << 1 << 2 << "Results" << "Started at screen 2";
}

void TestRunRecord::theResultsPageSpeaksTheLanguageOfItsTag()
{
    QFETCH(QStringList, tags);
    QFETCH(int, language);
    QFETCH(int, startedAt);
    QFETCH(QString, title);
    QFETCH(QString, startedAtText);
    TestRun run(language);
    Course course = run.course();
    for (int i = 0; i < 3; ++i)
        course.languages[size_t(i)].tag = tags[i];
    course.titles = {QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")};
    run.setCourse(course);
    run.startedAt = startedAt;
    auto *results = new ResultsScreen(run, nullptr);
    results->open();
    QCOMPARE(results->control<QLabel>("Title")->text(), title);
    QCOMPARE(results->windowTitle(), course.titles[language - 1] + QStringLiteral(" - ") + title);
    auto *started = results->findChild<QLabel *>(QStringLiteral("StartedAt"));
    QCOMPARE(started ? started->text() : QString(), startedAtText);
    delete results;
}

void TestRunRecord::aRecordAppearsWholeOrNotAtAll()
{
    QTemporaryDir folder;
    const auto contents = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const auto entries = [&folder] {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    };
    QString error;
    const QString first = saveNewRecord(folder.path(), "run", "first", &error);
    QCOMPARE(first, folder.filePath("run.json"));

    {
        // The disk fills up: files may grow no further than a few bytes, as on a full disk.
        const auto restore = fileSizeLimit(16);
        QVERIFY(saveNewRecord(folder.path(), "run", QByteArray(4096, 'x'), &error).isEmpty());
        QVERIFY(!saveRecordAs(first, QByteArray(4096, 'x'), &error));
    }
    QVERIFY2(error.startsWith("cannot write " + first + ": "), qPrintable(error));
    QCOMPARE(entries(), QStringList{"run.json"});
    QCOMPARE(contents(first), QByteArray("first"));

    // The same name again: a new file beside the earlier one.
    QCOMPARE(saveNewRecord(folder.path(), "run", "second", &error), folder.filePath("run-2.json"));
    QCOMPARE(entries(), (QStringList{"run-2.json", "run.json"}));
    QCOMPARE(contents(first), QByteArray("first"));
}

// A run ended while it put its record in place, and a umask that would let every user read it.
void TestRunRecord::whatAnEndedRunLeftBehindIsMadeGoodAndPrivate()
{
    QTemporaryDir home;
    const QString folder = home.filePath("records/2026");
    const mode_t mask = ::umask(0);
    QString error;
    const QString written = saveNewRecord(folder, "20261207-090000-alice", "[]", &error);
    ::umask(mask);
    QVERIFY2(!written.isEmpty(), qPrintable(error));
    const auto modeOf = [](const QString &path) {
        struct stat status = {};
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777) : -1;
    };
    QCOMPARE(modeOf(written), 0600);
    QCOMPARE(modeOf(folder), 0700);
    QCOMPARE(modeOf(home.filePath("records")), 0700);

    const auto leave = [&](const QString &name, const QByteArray &bytes) {
        QFile part(QDir(folder).filePath(name));
        QVERIFY(part.open(QIODevice::WriteOnly) && part.write(bytes) == bytes.size());
    };
    leave(".20261207-090000-alice.Ab12Cd", "[{\"id\": \"a\"}]"); // whole, under a taken name
    leave(".20261207-091500-bob.Xy34Zw", "[{\"id\": \"b\"");     // cut short
    leave(".notes.txt", "an editor's file");
    QCOMPARE(recoverPartFiles(folder), QStringList{QDir(folder).filePath("20261207-090000-alice-2.json")});
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{".notes.txt", "20261207-090000-alice-2.json", "20261207-090000-alice.json"}));
}

void TestRunRecord::runsEndingAtOnceLeaveEveryRecord()
{
    // Twelve trainers that end in the same second, as in a classroom: twelve processes let go at once,
    // again and again, since they meet only now and then on the same name at the same instant.
    constexpr int Runs = 12;
    for (int round = 0; round < 40; ++round) {
        QTemporaryDir folder;
        int gate[2];
        QCOMPARE(::pipe(gate), 0);
        for (int i = 0; i < Runs; ++i) {
            if (::fork() == 0) {
                ::close(gate[1]);
                char none;
                [[maybe_unused]] const ssize_t opened = ::read(gate[0], &none, 1);
                QString error;
                ::_exit(saveNewRecord(folder.path(), "20261207-090000-alice", QByteArray::number(i), &error).isEmpty());
            }
        }
        ::close(gate[0]);
        ::close(gate[1]);
        int failed = 0;
        for (int status = 0; ::wait(&status) > 0;)
            failed += !WIFEXITED(status) || WEXITSTATUS(status) != 0;
        QCOMPARE(failed, 0);

        QSet<QByteArray> written;
        const QDir dir(folder.path());
        const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : names) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            written << file.readAll();
        }
        QCOMPARE(names.size(), Runs);
        QCOMPARE(written.size(), Runs);
    }
}

void TestRunRecord::aLongNameIsCutInTheFileNameOnly()
{
    TestRun run;
    QTemporaryDir folder;
    const QString name = QString(300, QChar(0x015F)) + QStringLiteral(" Demir"); // "ş": two bytes each
    TickClock clock;
    RunRecorder recorder(clock, QStringLiteral("startup"), name, QStringLiteral("guided"), {{}, folder.path()});
    recorder.runEnded(RunResult::left());
    const QString fileName = QFileInfo(recorder.writtenPath()).fileName();
    QVERIFY2(!fileName.isEmpty(), "no record");
    QVERIFY(fileName.toUtf8().size() < 220);
    QVERIFY(fileName.startsWith(QStringLiteral("20261207-090000-") + QChar(0x015F)));
    QCOMPARE(QString::fromUtf8(fileName.toUtf8()), fileName); // cut between letters
    QFile file(recorder.writtenPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QJsonDocument::fromJson(file.readAll()).array().last()["actor"]["name"].toString(), name);
}

void TestRunRecord::aRecordGoesOnlyIntoARegularFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a device, which a root run would replace") << "/dev/null";
}

void TestRunRecord::aRecordGoesOnlyIntoARegularFile()
{
    QFETCH(QString, target);
    QTemporaryDir folder;
    if (target == QLatin1String("fifo")) {
        target = folder.filePath(target);
        QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    }
    struct stat before = {};
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &before), 0);
    QString error;
    QCOMPARE(recordFileProblem(target), target + QStringLiteral(" is not a regular file"));
    QVERIFY(!saveRecordAs(target, "record", &error));
    struct stat after = {};
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_rdev, before.st_rdev);
}

void TestRunRecord::activityIdsAreIrisAndNamesAreTheCourses_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("courseId");
    QTest::addColumn<QString>("expectedId");
    QTest::newRow("a folder name with a space") << "my course" << "" << "https://kelvora.invalid/courses/my%20course";
    QTest::newRow("a folder name with a percent sign") << "50%" << "" << "https://kelvora.invalid/courses/50%25";
    QTest::newRow("a course with an id of its own")
        << "my course" << "urn:example:courses:preflight" << "urn:example:courses:preflight";
}

void TestRunRecord::activityIdsAreIrisAndNamesAreTheCourses()
{
    QFETCH(QString, folder);
    QFETCH(QString, courseId);
    QFETCH(QString, expectedId);
    TestRun run;
    QTemporaryDir records;
    TickClock clock;
    RunRecorder recorder(clock, folder, "alice", "guided", {{}, records.path()}, "https://lms.example.org");
    Course course;
    course.id = courseId;
    course.title = QStringLiteral("Battery check");
    course.screens.resize(2);
    course.screens[0].name = QStringLiteral("Battery on");
    recorder.describeCourse(course);
    recorder.screenShown(1);
    recorder.screenShown(2);
    recorder.runEnded(RunResult::left());

    QFile file(recorder.writtenPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray statements = QJsonDocument::fromJson(file.readAll()).array();
    QCOMPARE(statements.size(), 4);
    QCOMPARE(statements[0]["object"]["id"].toString(), expectedId);
    QCOMPARE(activityName(statements[0]), QStringLiteral("Battery check"));
    QCOMPARE(statements[1]["object"]["id"].toString(), expectedId + "/screens/1");
    QCOMPARE(activityName(statements[1]), QStringLiteral("Battery on"));
    QCOMPARE(activityName(statements[2]), QStringLiteral("Screen 2"));
    QCOMPARE(statements[3]["actor"]["account"]["homePage"].toString(), QStringLiteral("https://lms.example.org"));
    for (const QJsonValue &statement : statements) {
        const QString id = statement["object"]["id"].toString();
        QVERIFY2(QUrl(id, QUrl::StrictMode).isValid() && !id.contains(' '), qPrintable(id));
    }
}

// The statements of a run that shows screen `screen` and takes its first step.
QJsonArray stepTaken(const AuthorCourse &author, int screen)
{
    QTemporaryDir records;
    TickClock clock;
    RunRecorder recorder(clock, QStringLiteral("battery"), "alice", "guided", {{}, records.path()}, {});
    recorder.describeCourse(compileAuthorCourse(author));
    recorder.screenShown(screen);
    recorder.stepActive(screen, 1, QStringLiteral("Shape1")); // the compiled name of a screen's first step
    recorder.stepHit(screen, 1);
    recorder.runEnded(RunResult::left());
    QFile file(recorder.writtenPath());
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).array() : QJsonArray();
}

void TestRunRecord::anAuthorsStepKeepsItsIdWhenAScreenIsInsertedBeforeIt()
{
    TestRun run;
    AuthorCourse author;
    author.id = QStringLiteral("urn:example:courses:battery");
    author.title = {{"en", "Battery check"}, {"de", "Batterieprüfung"}};
    author.languages = {{"en", "English", {}}, {"de", "Deutsch", {}}};
    AuthorScreen panel{.id = "panel", .title = {{"en", "Panel"}, {"de", "Schalttafel"}}, .photograph = "images/a.jpg"};
    panel.steps.push_back({.id = "master", .target = Target{Target::Shape::Rectangle, QRect(10, 10, 40, 40)}});
    author.screens = {panel};
    const QJsonArray before = stepTaken(author, 1);
    author.screens.insert(author.screens.begin(), AuthorScreen{.id = "welcome", .photograph = "images/b.jpg"});
    const QJsonArray after = stepTaken(author, 2);

    QCOMPARE(before.size(), 4); // initialized, experienced, interacted, exited
    QCOMPARE(after.size(), 4);
    for (int i : {1, 2})
        QCOMPARE(after[i]["object"]["id"], before[i]["object"]["id"]);
    QCOMPARE(before[2]["object"]["id"].toString(), "urn:example:courses:battery/screens/panel/steps/master");
    const QJsonObject stepNames = before[2]["object"]["definition"]["name"].toObject();
    QCOMPARE(stepNames.value("en").toString(), "Panel: master");
    QCOMPARE(stepNames.value("de").toString(), "Schalttafel: master");
    QCOMPARE(before[0]["object"]["definition"]["name"]["de"].toString(), "Batterieprüfung");
}

KELVORA_TEST_MAIN(TestRunRecord)
#include "test_run_record.moc"
