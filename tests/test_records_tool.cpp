// kelvora-records on a folder an instructor may be handed: names that a
// spreadsheet would run or that break lines, records of other programs, and
// *.json names that are FIFOs or devices.
#include "record/RunRecord.h"
#include "record/XapiStatements.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <sys/stat.h>

using namespace kelvora;

namespace {
QByteArray recordOf(const QString &trainee)
{
    RunRecord record;
    record.course = QStringLiteral("startup");
    record.trainee = trainee;
    record.mode = QStringLiteral("check");
    record.start = QDateTime(QDate(2026, 12, 7), QTime(9, 0), QTimeZone::utc());
    record.end = record.start.addSecs(65);
    record.result = RunResult::completed();
    return QJsonDocument(xapiStatements(record)).toJson();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct Listing {
    int status = -1;
    QStringList lines;
    QString errors;
};

Listing list(const QString &folder, const QStringList &options)
{
    QProcess tool;
    tool.start(QStringLiteral(KELVORA_RECORDS), QStringList{folder} + options);
    if (!tool.waitForFinished(10000)) {
        tool.kill();
        tool.waitForFinished();
        return {};
    }
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            QString::fromUtf8(tool.readAllStandardError())};
}
} // namespace

class TestRecordsTool : public QObject {
    Q_OBJECT
private slots:
    void whatAFolderMayHoldIsListedSafely()
    {
        QTemporaryDir folder;
        const QStringList names{"=HYPERLINK(\"x\")", "+1", "-2", "@SUM(A1)", "\tTab", "\rCR", "Ayse\nDemir", "Ayse\rDemir"};
        for (int i = 0; i < names.size(); ++i)
            write(folder.filePath(QStringLiteral("%1.json").arg(i)), recordOf(names[i]));

        // A record whose totals were edited by hand, and another program's statements.
        QJsonArray edited = QJsonDocument::fromJson(recordOf(QStringLiteral("Bob"))).array();
        QJsonObject end = edited.last().toObject();
        QJsonObject result = end["result"].toObject();
        QJsonObject extensions = result["extensions"].toObject();
        extensions[xapi::extension(xapi::Hints)] = -5;
        result["extensions"] = extensions;
        end["result"] = result;
        edited.replace(edited.size() - 1, end);
        write(folder.filePath(QStringLiteral("8.json")), QJsonDocument(edited).toJson());
        const QJsonObject other{{"id", "6f1b2c3d-0000-4000-8000-000000000000"},
                                {"actor", QJsonObject{{"mbox", "mailto:a@example.org"}}},
                                {"verb", QJsonObject{{"id", "http://adlnet.gov/expapi/verbs/completed"}}},
                                {"object", QJsonObject{{"id", "https://example.org/course"}}}};
        write(folder.filePath(QStringLiteral("9-other.json")), QJsonDocument(QJsonArray{other}).toJson());
        // Names that would block or never end if opened.
        QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("fifo.json"))).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), folder.filePath(QStringLiteral("zero.json"))));

        const Listing csv = list(folder.path(), {QStringLiteral("--csv")});
        QCOMPARE(csv.status, 2);
        QCOMPARE(csv.lines.mid(1, 6), (QStringList{
            "\"'=HYPERLINK(\"\"x\"\")\",startup,check,completed,0:01:05,0,0",
            "'+1,startup,check,completed,0:01:05,0,0",
            "'-2,startup,check,completed,0:01:05,0,0",
            "'@SUM(A1),startup,check,completed,0:01:05,0,0",
            "'\tTab,startup,check,completed,0:01:05,0,0",
            "\"'\rCR\",startup,check,completed,0:01:05,0,0"}));
        QCOMPARE(csv.lines.last(), QStringLiteral("Bob,startup,check,completed,0:01:05,0,0"));
        QVERIFY2(csv.errors.contains("not a run record: " + folder.filePath("9-other.json")), qPrintable(csv.errors));
        QVERIFY2(csv.errors.contains(folder.filePath("fifo.json") + " is not a regular file"), qPrintable(csv.errors));
        QVERIFY2(csv.errors.contains(folder.filePath("zero.json") + " is not a regular file"), qPrintable(csv.errors));

        const Listing plain = list(folder.path(), {});
        QCOMPARE(plain.lines.size(), names.size() + 1);
        QVERIFY(plain.lines[6].startsWith(QStringLiteral("Ayse Demir ")));
        QVERIFY(plain.lines.last().endsWith(QStringLiteral("0 hints")));
    }
};

QTEST_GUILESS_MAIN(TestRecordsTool)
#include "test_records_tool.moc"
