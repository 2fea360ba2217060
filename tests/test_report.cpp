// The instructor's report: from runs recorded by the trainer's recorder, its
// figures, the per-step CSV, the miss heat map's places, and the store reader
// against stores that page, refuse, drip and answer without end.
#include "StoreReader.h"
#include "record/MissMap.h"
#include "record/RunClock.h"
#include "record/RunRecorder.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

using namespace kelvora;

namespace {

class StepClock : public RunClock {
public:
    QDateTime now() const override { return m_now; }
    void wait(int ms) { m_now = m_now.addMSecs(ms); }
    QDateTime m_now{QDate(2026, 12, 7), QTime(9, 0), QTimeZone::utc()};
};

// A run made through the recorder as the trainer's screens drive it: each step is
// (screen, step, seconds to the press, misses at x, hints); a step with -1 seconds is never pressed.
struct Press {
    int screen;
    int step;
    int seconds;
    QList<QPointF> misses = {};
    int hints = 0;
};

void recordRun(const QString &folder, const QString &trainee, int startHour, const QList<Press> &presses, RunResult end)
{
    StepClock clock;
    clock.m_now = clock.m_now.addSecs(startHour * 3600);
    RunRecorder recorder(clock, QStringLiteral("startup"), trainee, QStringLiteral("check"), {QString(), folder});
    int shown = 0;
    for (const Press &press : presses) {
        if (press.screen != shown) {
            recorder.screenShown(shown = press.screen);
            clock.wait(2000);
        }
        recorder.stepActive(press.screen, press.step, QStringLiteral("Shape%1").arg(press.step));
        for (QPointF at : press.misses)
            recorder.missed(press.screen, press.step, at);
        for (int i = 0; i < press.hints; ++i)
            recorder.hinted(press.screen, press.step);
        clock.wait(qMax(0, press.seconds) * 1000);
        if (press.seconds >= 0)
            recorder.stepHit(press.screen, press.step);
    }
    recorder.runEnded(end);
}

QProcess::ExitStatus run(QProcess &tool, const QStringList &arguments)
{
    tool.start(QStringLiteral(KELVORA_RECORDS), arguments);
    if (!tool.waitForFinished(60000))
        tool.kill();
    return tool.exitStatus();
}

// A store on 127.0.0.1 that answers GET statements in one of a few ways.
class FakeStore : public QTcpServer {
public:
    explicit FakeStore(QString mode) : m_mode(std::move(mode))
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        });
        listen(QHostAddress::LocalHost);
    }
    StoreSettings settings() const
    {
        return {QUrl(QStringLiteral("http://127.0.0.1:%1/xapi").arg(serverPort())), QStringLiteral("u"), QStringLiteral("p")};
    }
    QStringList paths;

private:
    void answer(QTcpSocket *socket)
    {
        const QByteArray request = socket->readAll();
        paths << QString::fromLatin1(request.split(' ').value(1));
        const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\n";
        if (m_mode == QLatin1String("pages")) {
            const int page = int(paths.size());
            const QByteArray more = page < 3 ? "/xapi/statements?more=" + QByteArray::number(page) : "";
            const QByteArray body = R"({"statements":[{"id":")" + QByteArray::number(page) + R"("}],"more":")" + more + "\"}";
            socket->write(head + "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        } else if (m_mode == QLatin1String("refuses")) {
            socket->write("HTTP/1.1 401 Unauthorized\r\nContent-Length: 0\r\n\r\n");
        } else {
            // Drips a byte at a time, or pours without end.
            socket->write(head + "Content-Length: 100000000\r\n\r\n{\"statements\":[");
            auto *timer = new QTimer(socket);
            const bool drip = m_mode == QLatin1String("drips");
            connect(timer, &QTimer::timeout, socket, [socket, drip] { socket->write(drip ? QByteArray(" ") : QByteArray(65536, ' ')); });
            timer->start(drip ? 100 : 1);
        }
    }
    QString m_mode;
};

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void theReportAndTheStepRowsShowTheRecordedRuns();
    void aMissIsPaintedWhereItWasPressed();
    void theStoreIsReadWithinBounds_data();
    void theStoreIsReadWithinBounds();
};

void TestReport::theReportAndTheStepRowsShowTheRecordedRuns()
{
    QTemporaryDir records;
    // Screen 2's step 1 is the one the class misses, and always at about the same place.
    recordRun(records.path(), QStringLiteral("alice"), 0,
              {{1, 1, 4}, {1, 2, 6}, {2, 1, 9, {{300, 200}, {310, 205}}, 1}, {2, 2, 3}}, RunResult::completed());
    recordRun(records.path(), QStringLiteral("alice"), 24,
              {{1, 1, 3}, {1, 2, 4}, {2, 1, 5, {{305, 198}}}, {2, 2, 2}}, RunResult::completed());
    recordRun(records.path(), QStringLiteral("=bob"), 1,
              {{1, 1, 5}, {1, 2, 5, {{700, 600}}}, {2, 1, 7, {{298, 210}}}, {2, 2, 3}}, RunResult::completed());
    recordRun(records.path(), QStringLiteral("carol"), 2, {{5, 1, 4}, {6, 1, 6}}, RunResult::completed());
    recordRun(records.path(), QStringLiteral("dave"), 3, {{1, 1, 8}, {1, 2, -1}}, RunResult::left());

    // The store test sends the same records and compares its report with this folder's.
    if (const QString keep = qEnvironmentVariable("KELVORA_REPORT_RECORDS"); !keep.isEmpty()) {
        QDir().mkpath(keep);
        for (const QFileInfo &record : QDir(records.path()).entryInfoList({QStringLiteral("*.json")}))
            QFile::copy(record.filePath(), QDir(keep).filePath(record.fileName()));
    }

    QProcess report;
    const QString page = records.filePath(QStringLiteral("report.html"));
    run(report, {QStringLiteral("report"), records.path(), QStringLiteral("--output"), page, QStringLiteral("--trainee"),
                 QStringLiteral("alice"), QStringLiteral("--content"), QStringLiteral(KELVORA_DIST_DIR)});
    QVERIFY2(report.exitCode() == 0, report.readAllStandardError().constData());
    QFile file(page);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    // At a glance: five runs of four trainees, four completed; the full runs' median is alice's 0:00:31.
    const auto glance = [&](const char *label) {
        const qsizetype at = html.indexOf(QStringLiteral("<th scope=\"row\">%1</th>").arg(QLatin1String(label)));
        return at < 0 ? QString() : html.mid(at).section(QStringLiteral("<td class=\"n\">"), 1, 1).section(QLatin1Char('<'), 0, 0);
    };
    QCOMPARE(glance("Runs"), QStringLiteral("5"));
    QCOMPARE(glance("Trainees"), QStringLiteral("4"));
    QCOMPARE(glance("Completed"), QStringLiteral("4 / 5"));
    QCOMPARE(glance("Misses"), QStringLiteral("5"));
    QCOMPARE(glance("Hints"), QStringLiteral("1"));
    // Three of four steps clean is below the default pass mark; carol met two steps only, both clean.
    QCOMPARE(glance("Passed"), QStringLiteral("1 / 5"));
    QVERIFY2(glance("Step missed most").startsWith(QStringLiteral("Screen 2, step 1")), qPrintable(glance("Step missed most")));
    // Carol's run from screen 5 and dave's left one are listed apart; the others are not.
    const QString apart = html.mid(html.indexOf(QStringLiteral("Runs listed apart")));
    QVERIFY(apart.contains(QStringLiteral("carol")) && apart.contains(QStringLiteral("started at Screen 5")));
    QVERIFY(apart.contains(QStringLiteral("dave")) && apart.contains(QStringLiteral("left at screen 1")));
    QVERIFY(!apart.contains(QStringLiteral("alice")));
    QCOMPARE(html.count(QStringLiteral("data:image/svg+xml;base64,")), 2 + 4);
    QVERIFY(html.contains(QStringLiteral("Misses of alice")));
    QVERIFY(!html.contains(QStringLiteral("http://")) && !html.contains(QStringLiteral("https://")));

    QProcess csv;
    run(csv, {records.path(), QStringLiteral("--csv"), QStringLiteral("--steps")});
    const QStringList rows = QString::fromUtf8(csv.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 1 + 4 + 4 + 4 + 2 + 2);
    QCOMPARE(rows[0], QStringLiteral("trainee,course,run start,screen id,step id,time to press,misses,hints"));
    QVERIFY2(rows.filter(QStringLiteral("'=bob,startup,2026-12-07T10:00:00.000Z,")).size() == 4, qPrintable(rows.join('\n')));
    QVERIFY(rows.contains(QStringLiteral("alice,startup,2026-12-07T09:00:00.000Z,https://kelvora.invalid/courses/startup/screens/2,"
                                         "https://kelvora.invalid/courses/startup/screens/2/steps/1,9.000,2,1")));
    QVERIFY(rows.contains(QStringLiteral("dave,startup,2026-12-07T12:00:00.000Z,https://kelvora.invalid/courses/startup/screens/1,"
                                         "https://kelvora.invalid/courses/startup/screens/1/steps/2,,0,0")));
}

void TestReport::aMissIsPaintedWhereItWasPressed()
{
    MissMap map;
    map.photograph = QImage(1024, 768, QImage::Format_RGB32);
    map.photograph.fill(Qt::white);
    map.misses = {QPointF(800, 200)};
    map.targets = {QRect(100, 500, 200, 100)};
    const QImage painted = map.paint(512);
    QCOMPARE(painted.size(), QSize(512, 384));
    const QColor atMiss = painted.pixelColor(400, 100);
    QVERIFY2(atMiss.red() > 150 && atMiss.green() < 80 && atMiss.blue() < 80, qPrintable(atMiss.name()));
    // Half a blob's width away the heat has faded; far away the photograph shows, dimmed, not red.
    const QColor away = painted.pixelColor(400 + 20, 100);
    QVERIFY2(away.green() > 100, qPrintable(away.name()));
    const QColor elsewhere = painted.pixelColor(250, 200);
    QVERIFY2(qAbs(elsewhere.red() - elsewhere.green()) < 8 && elsewhere.red() > 120, qPrintable(elsewhere.name()));
    // The right target's outline, scaled with the page.
    const QColor outline = painted.pixelColor(50, 275);
    QVERIFY2(outline.green() > 150 && outline.red() < 120, qPrintable(outline.name()));
}

void TestReport::theStoreIsReadWithinBounds_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("statements");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a store that pages is followed to its last page") << "pages" << 3 << "";
    QTest::newRow("a store that refuses is named with its answer") << "refuses" << 0 << "answered 401";
    QTest::newRow("a store that drips is given up on in time") << "drips" << 0 << "did not answer within";
    QTest::newRow("a store that answers without end is cut off at the limit") << "pours" << 0 << "answer is larger than";
}

void TestReport::theStoreIsReadWithinBounds()
{
    QFETCH(QString, mode);
    QFETCH(int, statements);
    QFETCH(QString, problem);
    FakeStore store(mode);
    ReadLimits limits;
    limits.pageBytes = 1024 * 1024;
    limits.wholeMs = 2000;
    const StoreReading reading = readStore(store.settings(), {QStringLiteral("urn:x:course"), {}, {}}, limits);
    QCOMPARE(reading.statements.size(), statements);
    if (problem.isEmpty())
        QVERIFY2(reading.problem.isEmpty(), qPrintable(reading.problem));
    else
        QVERIFY2(reading.problem.contains(problem), qPrintable(reading.problem));
    if (mode == QLatin1String("pages")) {
        QVERIFY2(store.paths.first().contains(QStringLiteral("activity=urn%3Ax%3Acourse")), qPrintable(store.paths.first()));
        QCOMPARE(store.paths.last(), QStringLiteral("/xapi/statements?more=2"));
    }
}

QTEST_MAIN(TestReport)
#include "test_report.moc"
