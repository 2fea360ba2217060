#include "course/CourseJson.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;

namespace {
const char *Course = R"({
  "format": 2, "id": "urn:example:courses:preflight",
  "title": {"en": "Pre-flight check", "de": "Vorflugkontrolle"},
  "languages": [{"tag": "en", "name": "English"}, {"tag": "de", "name": "Deutsch"}, {"tag": "pt-BR", "name": "Português"}],
  "screens": [{
    "id": "prestart", "title": {"en": "Before start", "de": "Vor dem Start"}, "photograph": "images/panel.jpg",
    "text": {"en": "Switch the battery on.", "de": "Batterie einschalten."},
    "steps": [
      {"id": "battery", "target": {"circle": [10, 10, 5]}, "text": {"en": "Battery on.", "de": "Batterie ein."}},
      {"id": "pump", "target": {"circle": [30, 10, 5]}, "text": {"en": "Now the pump."}}
    ],
    "sequence": {"periodMs": 2000, "photographs": ["images/a.jpg"], "text": {"en": "Watch.", "de": "Beobachten."}}
  }]
})";

struct Run {
    int status;
    QString output;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {-1, QStringLiteral("did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, QString::fromUtf8(process.readAll())};
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}
} // namespace

class TestCourseTexts : public QObject {
    Q_OBJECT

private slots:
    // Exported, edited with the gettext tools and sed as a translator's tools would, and imported.
    void translationsMakeTheRoundTripThroughAFileEditedOutside()
    {
        for (const char *tool : {"msgfmt", "msgfilter", "sed"})
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(), tool);
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const QString course = folder.filePath("course.json");
        const QString po = folder.filePath("de.po");
        {
            QFile file(course);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(Course);
        }
        const QString tool = QStringLiteral(KELVORA_COURSE_TOOL);

        Run exported = run(tool, {"texts", "export", course, "--language", "de", "--output", po});
        QVERIFY2(exported.status == 0, qPrintable(exported.output));
        Run checked = run("msgfmt", {"--check", "-o", "/dev/null", po});
        QVERIFY2(checked.status == 0, qPrintable(checked.output));

        // The translator rewords every translation, fills in the missing one, marks one fuzzy,
        // and mistypes a context; meanwhile the author rewrites a source text.
        QVERIFY(run("msgfilter", {"--keep-header", "-i", po, "-o", po, "sed", "-e", "s/Batterie/Akku/"}).status == 0);
        Run edited = run("sed", {"-i", "-e", R"(/^msgctxt "prestart\/pump"/,/^msgstr/ s/^msgstr ""/msgstr "Jetzt die Pumpe."/)",
                                 "-e", R"(/^msgctxt "prestart\/sequence"/ i #, fuzzy)",
                                 "-e", R"(s/^msgstr "Beobachten."/msgstr "Zusehen."/)",
                                 "-e", R"(s/^msgctxt "prestart\/title"/msgctxt "prestart\/titel"/)",
                                 "-e", R"(s/^msgstr "Vor dem Start"/msgstr "Vor dem Anlassen"/)",
                                 "-e", R"(s/^msgstr "Vorflugkontrolle"/msgstr "Vorflugprüfung"/)", po});
        QVERIFY2(edited.status == 0, qPrintable(edited.output));
        QJsonObject expected = readJson(course);
        QJsonObject screen = expected["screens"].toArray()[0].toObject();
        screen["text"] = QJsonObject{{"en", "Turn the battery on."}, {"de", "Batterie einschalten."}};
        expected["screens"] = QJsonArray{screen};
        {
            QFile file(course);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QJsonDocument(expected).toJson());
        }

        Run imported = run(tool, {"texts", "import", course, po});
        QCOMPARE(imported.status, 1); // written, with what did not match reported
        QVERIFY2(imported.output.contains("prestart/titel: the course has no such text"), qPrintable(imported.output));
        QVERIFY2(imported.output.contains("prestart: the course's en text has changed"), qPrintable(imported.output));
        QVERIFY2(imported.output.contains("de: 3 text(s) changed"), qPrintable(imported.output));

        QJsonArray steps = screen["steps"].toArray();
        QJsonObject battery = steps[0].toObject(), pump = steps[1].toObject();
        battery["text"] = QJsonObject{{"en", "Battery on."}, {"de", "Akku ein."}};
        pump["text"] = QJsonObject{{"en", "Now the pump."}, {"de", "Jetzt die Pumpe."}};
        screen["steps"] = QJsonArray{battery, pump};
        expected["screens"] = QJsonArray{screen};
        expected["title"] = QJsonObject{{"en", "Pre-flight check"}, {"de", "Vorflugprüfung"}};
        QFile written(course);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), canonicalCourseJson(expected));
    }

    // A language the trainer has no words of its own for gets its captions from its translator.
    void aNewLanguagesCaptionsComeThroughThePoFile()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const QString course = folder.filePath("course.json");
        const QString po = folder.filePath("pt.po");
        {
            QFile file(course);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(Course);
        }
        const QString tool = QStringLiteral(KELVORA_COURSE_TOOL);
        Run exported = run(tool, {"texts", "export", course, "--language", "pt-BR", "--output", po});
        QVERIFY2(exported.status == 0, qPrintable(exported.output));
        QFile catalogue(po);
        QVERIFY(catalogue.open(QIODevice::ReadOnly));
        const QByteArray text = catalogue.readAll();
        QVERIFY2(text.contains("msgctxt \"captions/continue\"\nmsgid \"Continue\""), text.constData());
        QVERIFY(run("msgen", {"-o", po, po}).status == 0);
        QVERIFY(run("msgfilter", {"--keep-header", "-i", po, "-o", po, "sed", "-e", "s/^/PT /"}).status == 0);

        Run imported = run(tool, {"texts", "import", course, po});
        QVERIFY2(imported.status == 0, qPrintable(imported.output));
        const QJsonObject written = readJson(course);
        const QJsonObject captions = written["languages"].toArray()[2].toObject()["captions"].toObject();
        QCOMPARE(captions.size(), 6);
        QCOMPARE(captions["continue"].toString(), "PT Continue");
        QCOMPARE(written["title"].toObject()["pt-BR"].toString(), "PT Pre-flight check");
    }

    void languagesAreNamedAsTheCourseOrGettextWritesThem_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");

        QTest::newRow("gettext's spelling of a course's tag") << "pt_br" << 0 << "\"Language: pt_BR\\n\"";
        QTest::newRow("a tag the course does not have is named") << "fr" << 1 << "has no language fr (its languages: en, de, pt-BR)";
    }

    void languagesAreNamedAsTheCourseOrGettextWritesThem()
    {
        QFETCH(QString, tag);
        QFETCH(int, status);
        QFETCH(QString, output);
        QTemporaryDir dir;
        const QString course = QDir(dir.path()).filePath("course.json");
        QFile file(course);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Course);
        file.close();
        const Run exported = run(QStringLiteral(KELVORA_COURSE_TOOL), {"texts", "export", course, "--language", tag});
        QCOMPARE(exported.status, status);
        QVERIFY2(exported.output.contains(output), qPrintable(exported.output));
    }
};

QTEST_MAIN(TestCourseTexts)
#include "test_course_texts.moc"
