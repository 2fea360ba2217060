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

#include <sys/stat.h>

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

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A course and its German translation, with one text changed by the translator, in folder.
void prepareTranslation(const QDir &folder, const QByteArray &course = Course)
{
    writeBytes(folder.filePath("course.json"), course);
    const Run exported = run(QStringLiteral(KELVORA_COURSE_TOOL), {"texts", "export", folder.filePath("course.json"),
                                                                   "--language", "de", "--output", folder.filePath("de.po")});
    QVERIFY2(exported.status == 0, qPrintable(exported.output));
    writeBytes(folder.filePath("de.po"), readBytes(folder.filePath("de.po")).replace("\"Batterie ein.\"", "\"Akku ein.\""));
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

    // A disk that fills up while the tool writes: the old file stays, the tool says so and fails.
    void everyWriteOnAFullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<QStringList>("arguments"); // DIR: the full disk
        QTest::addColumn<QString>("kept");          // a file that must keep its bytes
        QTest::newRow("a translation imported into the course")
            << QStringList{"texts", "import", "DIR/course.json", "DIR/de.po"} << "course.json";
        QTest::newRow("a translation exported over an older one")
            << QStringList{"texts", "export", "DIR/course.json", "--language", "de", "--output", "DIR/de.po"} << "de.po";
    }
    void everyWriteOnAFullDiskKeepsTheOldFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, kept);
        QTemporaryDir dir;
        const QDir disk(dir.filePath("disk"));
        QVERIFY(QDir().mkpath(disk.path()));
        if (run("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk.path()}).status != 0)
            QSKIP("mounting a small file system is not permitted here");
        struct Unmount {
            QString path;
            ~Unmount() { run("umount", {path}); }
        } unmount{disk.path()};
        prepareTranslation(disk);
        const QByteArray before = readBytes(disk.filePath(kept));
        {
            QFile filler(disk.filePath("filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(1024, 'x');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        }
        const Run full = run(QStringLiteral(KELVORA_COURSE_TOOL), arguments.replaceInStrings("DIR", disk.path()));
        QCOMPARE(full.status, 1);
        QVERIFY2(full.output.contains(disk.filePath(kept)) && full.output.contains("No space left on device"),
                 qPrintable(full.output));
        QCOMPARE(readBytes(disk.filePath(kept)), before);

        // The standard output is checked as a file is.
        const Run toFull = run("sh", {"-c", QStringLiteral("'%1' texts export '%2' --language de >/dev/full")
                                                 .arg(QStringLiteral(KELVORA_COURSE_TOOL), disk.filePath("course.json"))});
        QCOMPARE(toFull.status, 1);
        QVERIFY2(toFull.output.contains("standard output: not written"), qPrintable(toFull.output));
    }

    // Files a translator or a mistake may hand over: refused with a message, the course as it was.
    void hostileTranslationsAreRefusedBeforeAnythingIsWritten_data()
    {
        QTest::addColumn<QByteArray>("from");   // in the exported translation ...
        QTest::addColumn<QByteArray>("to");     // ... replaced by this; "FIFO": de.po is a FIFO
        QTest::addColumn<QString>("message");
        QTest::newRow("a NUL byte in a translation")
            << QByteArray("\"Akku ein.\"") << QByteArray("\"Akku\0 ein.\"", 12) << "de.po:";
        QTest::newRow("an escaped NUL in a translation")
            << QByteArray("\"Akku ein.\"") << QByteArray("\"Akku\\0 ein.\"") << "an escaped NUL character";
        QTest::newRow("a plural entry, of which only the first form would be taken")
            << QByteArray("msgid \"Battery on.\"\nmsgstr \"Akku ein.\"")
            << QByteArray("msgid \"Battery on.\"\nmsgid_plural \"Batteries on.\"\nmsgstr[0] \"Akku ein.\"\n"
                          "msgstr[1] \"Akkus ein.\"")
            << "a plural entry";
        QTest::newRow("a translation that makes the course larger than the trainer reads")
            << QByteArray("\"Akku ein.\"") << "\"" + QByteArray(17 * 1024 * 1024, 'a') + "\"" << "larger than 16777216 bytes";
        QTest::newRow("a FIFO named as the translation") << QByteArray() << QByteArray("FIFO") << "is not a regular file";
    }
    void hostileTranslationsAreRefusedBeforeAnythingIsWritten()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, message);
#ifdef __SANITIZE_ADDRESS__
        // Under AddressSanitizer a 17 MB translation takes minutes to refuse; the plain build's pass covers it.
        if (to.size() > 1024 * 1024)
            QSKIP("too slow under AddressSanitizer");
#endif
        QTemporaryDir dir;
        const QDir folder(dir.path());
        prepareTranslation(folder);
        const QString po = folder.filePath("de.po");
        if (to == "FIFO") {
            QVERIFY(QFile::remove(po));
            QCOMPARE(::mkfifo(QFile::encodeName(po).constData(), 0600), 0);
        } else {
            const QByteArray translation = readBytes(po);
            QVERIFY(translation.contains(from));
            writeBytes(po, QByteArray(translation).replace(from, to));
        }
        const QByteArray before = readBytes(folder.filePath("course.json"));
        const Run imported = run(QStringLiteral(KELVORA_COURSE_TOOL), {"texts", "import", folder.filePath("course.json"), po});
        QCOMPARE(imported.status, 1);
        QVERIFY2(imported.output.contains(message) && imported.output.size() < 2000, qPrintable(imported.output.left(2000)));
        QCOMPARE(readBytes(folder.filePath("course.json")), before);
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
