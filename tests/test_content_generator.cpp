#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Run {
    int exitCode = -1;
    QString errors;
};

// Writes tr.txt, en.txt and fr.txt (UTF-8 as given) and runs the generator on them.
Run generate(const QTemporaryDir &work, const QMap<QString, QByteArray> &texts)
{
    QDir(work.path()).mkpath(QStringLiteral("texts"));
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        QFile file(work.filePath(QStringLiteral("texts/") + it.key()));
        file.open(QIODevice::WriteOnly);
        file.write(it.value());
    }
    QProcess generator;
    generator.start(QStringLiteral(KELVORA_CONTENT_GEN),
                    {work.filePath(QStringLiteral("pack")), work.filePath(QStringLiteral("texts"))});
    generator.waitForFinished(120000);
    return {generator.exitCode(), QString::fromUtf8(generator.readAllStandardError())};
}

QByteArray numberedLines(const char *word, int count, const char *ending = "\n")
{
    QByteArray text;
    for (int n = 1; n <= count; ++n)
        text += QByteArray(word) + ' ' + QByteArray::number(n) + ending;
    return text;
}
} // namespace

class TestContentGenerator : public QObject {
    Q_OBJECT

private slots:
    void badTextsStopTheGenerator_data();
    void badTextsStopTheGenerator();
    void editorsLineEndsAndMarksAreNotCarriedOver();
    void twoRunsWriteTheSameBytes();
};

void TestContentGenerator::badTextsStopTheGenerator_data()
{
    QTest::addColumn<QByteArray>("turkish");
    QTest::addColumn<QByteArray>("french");
    QTest::addColumn<QStringList>("mentions");

    QByteArray outsideCodePage = numberedLines("Satır", 50);
    outsideCodePage.replace("Satır 7", "Satır 7 \xC4\x81"); // a-macron has no windows-1254 byte
    QTest::newRow("a letter outside the code page is named with its file and line")
        << outsideCodePage << numberedLines("Ligne", 50) << QStringList{"tr.txt:7", "U+0101"};
    QTest::newRow("a text too short for a whole run is named")
        << numberedLines("Satır", 50) << numberedLines("Ligne", 49) << QStringList{"fr.txt", "49 lines"};
    QByteArray strayReturn = numberedLines("Ligne", 50);
    strayReturn.replace("Ligne 3", "Ligne\r3");
    QTest::newRow("a carriage return inside a line is named")
        << numberedLines("Satır", 50) << strayReturn << QStringList{"fr.txt:3", "carriage return"};
}

void TestContentGenerator::badTextsStopTheGenerator()
{
    QFETCH(QByteArray, turkish);
    QFETCH(QByteArray, french);
    QFETCH(QStringList, mentions);
    QTemporaryDir work;
    const Run run = generate(work, {{"tr.txt", turkish}, {"en.txt", numberedLines("Line", 50)}, {"fr.txt", french}});
    QCOMPARE(run.exitCode, 1);
    for (const QString &mention : mentions)
        QVERIFY2(run.errors.contains(mention), qPrintable(run.errors));
}

void TestContentGenerator::editorsLineEndsAndMarksAreNotCarriedOver()
{
    QTemporaryDir work;
    const Run run = generate(work, {{"tr.txt", "\xEF\xBB\xBF" + numberedLines("Satır", 50, "\r\n")},
                                    {"en.txt", numberedLines("Line", 51).chopped(1)},
                                    {"fr.txt", numberedLines("Ligne", 50)}});
    QCOMPARE(run.exitCode, 0);
    QFile turkish(work.filePath(QStringLiteral("pack/Lang1.txt")));
    QVERIFY(turkish.open(QIODevice::ReadOnly));
    const QByteArray bytes = turkish.readAll();
    QVERIFY(bytes.startsWith("Sat\xFDr 1\r\nSat\xFDr 2\r\n"));
    QVERIFY(!bytes.contains("\r\r"));
    QFile english(work.filePath(QStringLiteral("pack/Lang2.txt")));
    QVERIFY(english.open(QIODevice::ReadOnly));
    QVERIFY(english.readAll().endsWith("Line 50\r\nLine 51\r\n"));
}

void TestContentGenerator::twoRunsWriteTheSameBytes()
{
    QTemporaryDir first, second;
    const QMap<QString, QByteArray> texts{{"tr.txt", numberedLines("Satır", 50)},
                                          {"en.txt", numberedLines("Line", 50)},
                                          {"fr.txt", numberedLines("Ligne", 50)}};
    QCOMPARE(generate(first, texts).exitCode, 0);
    QCOMPARE(generate(second, texts).exitCode, 0);
    QDirIterator files(first.filePath(QStringLiteral("pack")), QDir::Files, QDirIterator::Subdirectories);
    int count = 0;
    while (files.hasNext()) {
        const QString path = files.next();
        QFile a(path);
        QFile b(QString(path).replace(first.path(), second.path()));
        QVERIFY2(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly), qPrintable(path));
        QVERIFY2(a.readAll() == b.readAll(), qPrintable(path));
        ++count;
    }
    QCOMPARE(count, 96);
}

QTEST_GUILESS_MAIN(TestContentGenerator)
#include "test_content_generator.moc"
