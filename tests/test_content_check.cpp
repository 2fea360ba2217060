#include "ContentCheck.h"
#include "content/AssetCatalogue.h"
#include "course/CourseLoader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace kelvora;

using Breakage = std::function<void(QDir pack)>;
Q_DECLARE_METATYPE(Breakage)

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
} // namespace

class TestContentCheck : public QObject {
    Q_OBJECT

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
};

QTEST_MAIN(TestContentCheck)
#include "test_content_check.moc"
