#include "AssetCatalogue.h"
#include "content/ContentPath.h"
#include "course/CourseAssets.h"
#include "course/CourseLoader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

#include <sndfile.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace kelvora;

namespace {
const QString ExitClick = QStringLiteral("sounds\\dugme3.wav");

// "Images\\005.jpg" to "Images\\012.jpg": a series the screens write out name by name.
QStringList series(const QString &folder, int first, int last)
{
    QStringList names;
    for (int n = first; n <= last; ++n)
        names << QStringLiteral("%1\\%2.jpg").arg(folder).arg(n, 3, 10, QLatin1Char('0'));
    return names;
}

// A name built the way screens 5, 6 and 10 build it: "images\\0" and a counter.
QStringList built(int first, int last)
{
    QStringList names;
    for (int n = first; n <= last; ++n)
        names << QStringLiteral("images\\0") + QString::number(n) + QStringLiteral(".jpg");
    return names;
}

QString distDir()
{
    return QStringLiteral(KELVORA_DIST_DIR);
}

struct Pcm {
    int sampleRate = 0;
    int format = 0;
    std::vector<short> samples;
};

Pcm readSound(const QString &path)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return {};
    Pcm pcm{info.samplerate, info.format, std::vector<short>(static_cast<std::size_t>(info.frames * info.channels))};
    sf_read_short(file, pcm.samples.data(), static_cast<sf_count_t>(pcm.samples.size()));
    sf_close(file);
    return pcm;
}

// Pixels where some colour channel differs by more than JPEG noise could make it.
int changedPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            count += d > 48;
        }
    }
    return count;
}
} // namespace

class TestAssetCatalogue : public QObject {
    Q_OBJECT

private slots:
    void screensUseTheirFiles_data();
    void screensUseTheirFiles();
    void packHoldsEachFileOnce();
    void namesFoldIntoPackPaths_data();
    void namesFoldIntoPackPaths();
    void picturesHaveTheirSizes();

    void packOnDiskAnswersEveryName();
    void picturesDecodeAtTheirSize();
    void startPictureKeepsTheLabelClearOfTheStrip();
    void eachPhotographChangesTheView_data();
    void eachPhotographChangesTheView();
    void soundsLastTheirLength_data();
    void soundsLastTheirLength();
    void loopsJoinWithoutAClick_data();
    void loopsJoinWithoutAClick();
    void languageFilesKeepTheirLetters_data();
    void languageFilesKeepTheirLetters();
};

void TestAssetCatalogue::screensUseTheirFiles_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("insets");
    QTest::addColumn<QStringList>("photographs");
    QTest::addColumn<QStringList>("cues");
    QTest::addColumn<QStringList>("directSounds");

    auto row = [](const char *name, int screen, QStringList insets, QStringList photographs, QStringList cues,
                  QStringList sounds) {
        QTest::newRow(name) << screen << insets << photographs << cues << (QStringList{ExitClick} + sounds);
    };
    row("the start screen shows 000 and clicks on Exit", 0, {}, {"images\\000.jpg"}, {}, {});
    row("screen 1 only shows 001", 1, {"images\\KokpitD.bmp"}, {"images\\001.jpg"}, {}, {});
    row("screen 2 swaps 002 for 003", 2, {"images\\KokpitC.bmp"}, {"images\\002.jpg", "Images\\003.jpg"}, {"Dugme1"}, {});
    row("screen 3 walks 004 to 012", 3, {"images\\KokpitB.bmp"},
        QStringList{"images\\004.jpg"} + series("Images", 5, 12), {"Dugme2", "Dugme4", "Dugme1"}, {});
    row("screen 4 swaps 013 for 014", 4, {"images\\KokpitF.bmp"}, {"images\\013.jpg", "Images\\014.jpg"}, {"Dugme4"}, {});
    row("screen 5 counts 018 to 021 after the starter", 5, {"images\\Kokpitb.bmp", "images\\KokpitD.bmp"},
        QStringList{"images\\015.jpg", "Images\\016.jpg", "images\\017.jpg"} + built(18, 21), {"Dugme3"},
        {"sounds\\JFS20.wav", "sounds\\20loop.wav"});
    row("screen 6 counts 026 to 033 while spooling up", 6, {"images\\KokpitC.bmp", "images\\KokpitD.bmp"},
        QStringList{"images\\024.jpg", "images\\025.jpg"} + built(26, 33), {},
        {"sounds\\Dugme3.wav", "sounds\\20to70.wav", "sounds\\70loop.wav"});
    row("screen 7 walks 034 to 042", 7, {"images\\KokpitG.bmp"}, QStringList{"images\\034.jpg"} + series("Images", 35, 42),
        {"Dugme2", "Dugme1", "Dugme4"}, {"sounds\\70loop.wav"});
    row("screen 8 walks 043 to 047", 8, {"images\\KokpitF.bmp"}, QStringList{"images\\043.jpg"} + series("Images", 44, 47),
        {"Dugme5"}, {"sounds\\70loop.wav"});
    row("screen 9 only points at 048", 9, {"images\\KokpitD.bmp"}, {"images\\048.jpg"}, {}, {});
    row("screen 10 counts presses through 050 to 055", 10, {"images\\KokpitD.bmp"},
        QStringList{"images\\049.jpg"} + built(50, 55), {}, {"sounds\\dugme5.wav", "sounds\\70loop.wav"});
    row("screen 11 walks 056 to 065", 11, {"images\\KokpitD.bmp"}, QStringList{"images\\056.jpg"} + series("Images", 57, 65),
        {"Dugme2", "Dugme1", "Dugme4"}, {"sounds\\70loop.wav"});
    row("screen 12 goes to 067 and back", 12, {"images\\KokpitD.bmp"}, {"images\\066.jpg", "images\\067.jpg"},
        {"Dugme2", "Dugme1"}, {"sounds\\70loop.wav"});
    row("screen 13 swaps 068 for 069", 13, {"images\\KokpitA.bmp"}, {"images\\068.jpg", "images\\069.jpg"}, {"Dugme2"},
        {"sounds\\70loop.wav"});
    row("screen 14 only points at 070", 14, {"images\\KokpitC.bmp"}, {"images\\070.jpg"}, {}, {});
    row("screen 15 only points at 071", 15, {"images\\KokpitD.bmp"}, {"images\\071.jpg"}, {}, {});
    row("screen 16 only points at 072", 16, {"images\\KokpitE.bmp"}, {"images\\072.jpg"}, {}, {});
    row("screen 17 returns from 073 to 068", 17, {"images\\KokpitA.bmp"}, {"images\\073.jpg", "images\\068.jpg"},
        {"Dugme2"}, {"sounds\\70loop.wav"});
    row("screen 18 walks 075 to 078", 18, {"images\\KokpitD.bmp"}, QStringList{"images\\075.jpg"} + series("Images", 76, 78),
        {"Dugme2", "Dugme1"}, {"sounds\\70loop.wav"});
}

void TestAssetCatalogue::screensUseTheirFiles()
{
    QFETCH(int, screen);
    QFETCH(QStringList, insets);
    QFETCH(QStringList, photographs);
    QFETCH(QStringList, cues);
    QFETCH(QStringList, directSounds);

    const ScreenAssets &assets = screenAssets(screen);
    QCOMPARE(assets.insets, insets);
    QCOMPARE(assets.photographs, photographs);
    QCOMPARE(assets.cues, cues);
    QCOMPARE(assets.directSounds, directSounds);
    QCOMPARE(assets.otherPictures, screen == 6 ? QStringList{"images\\cougar.jpg"} : QStringList{});
}

void TestAssetCatalogue::packHoldsEachFileOnce()
{
    QStringList expected{"Lang1.txt", "Lang2.txt", "Lang3.txt", "images/cougar.jpg"};
    for (int n = 0; n <= 78; ++n) {
        if (n != 22 && n != 23 && n != 74)
            expected << QStringLiteral("images/%1.jpg").arg(n, 3, 10, QLatin1Char('0'));
    }
    for (QChar letter : QStringLiteral("ABCDEFG"))
        expected << QStringLiteral("images/Kokpit%1.bmp").arg(letter);
    for (const char *sound : {"Dugme1", "Dugme2", "Dugme3", "Dugme4", "Dugme5", "JFS20", "20loop", "20to70", "70loop"})
        expected << QStringLiteral("Sounds/%1.wav").arg(QLatin1String(sound));

    QStringList paths;
    for (const PackFile &file : packFiles())
        paths << file.path;
    expected.sort();
    paths.sort();
    QCOMPARE(paths, expected);
    QCOMPARE(paths.size(), 76 + 1 + 7 + 9 + 3);
    // The generator writes the pack from this catalogue and the checker reads the built-in course: the two agree.
    QCOMPARE(coursePackFiles(loadCourse(BuiltInCourseFile)), packFiles());
}

void TestAssetCatalogue::namesFoldIntoPackPaths_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("packPath");
    QTest::newRow("a capital folder name is the images folder") << "Images\\005.jpg" << "images/005.jpg";
    QTest::newRow("a lower-case inset letter is the capital one") << "images\\Kokpitb.bmp" << "images/KokpitB.bmp";
    QTest::newRow("the exit click is the rotary cue's file") << "sounds\\dugme3.wav" << "Sounds/Dugme3.wav";
    QTest::newRow("the press counter's click is the rocker cue's file") << "sounds\\dugme5.wav" << "Sounds/Dugme5.wav";
    QTest::newRow("a cue plays from the sound folder") << cueSoundName("Dugme1") << "Sounds/Dugme1.wav";
    QTest::newRow("an unused number is in no pack") << "images\\074.jpg" << "";
}

void TestAssetCatalogue::namesFoldIntoPackPaths()
{
    QFETCH(QString, name);
    QFETCH(QString, packPath);
    QCOMPARE(packPathOf(name), packPath);
}

void TestAssetCatalogue::picturesHaveTheirSizes()
{
    for (const PackFile &file : packFiles()) {
        QSize expected;
        if (file.path == QLatin1String("images/000.jpg"))
            expected = QSize(1022, 768);
        else if (file.path == QLatin1String("images/cougar.jpg"))
            expected = QSize(169, 249);
        else if (file.path.endsWith(QLatin1String(".bmp")))
            expected = QSize(207, 221);
        else if (file.path.endsWith(QLatin1String(".jpg")))
            expected = QSize(1024, 768);
        QVERIFY2(file.pictureSize == expected, qPrintable(file.path));
    }
}

void TestAssetCatalogue::packOnDiskAnswersEveryName()
{
    for (const ScreenAssets &assets : assetCatalogue()) {
        QStringList names = assets.insets + assets.photographs + assets.otherPictures + assets.directSounds;
        for (const QString &cue : assets.cues)
            names << cueSoundName(cue);
        for (const QString &name : names)
            QVERIFY2(!resolveContentPath(name, distDir()).isEmpty(), qPrintable(contentLookupDetail(name, distDir())));
    }
    for (const QString &name : languageFileNames())
        QVERIFY2(QFile::exists(QDir(distDir()).filePath(name)), qPrintable(name));
}

void TestAssetCatalogue::picturesDecodeAtTheirSize()
{
    for (const PackFile &file : packFiles()) {
        if (!file.pictureSize.isValid())
            continue;
        const QImage image(QDir(distDir()).filePath(file.path));
        QVERIFY2(!image.isNull(), qPrintable(file.path));
        QVERIFY2(image.size() == file.pictureSize, qPrintable(file.path));
    }
}

// "Current Language:" is dark text on the apron up to its colon; the language
// name beside it is white on the painted strip.
void TestAssetCatalogue::startPictureKeepsTheLabelClearOfTheStrip()
{
    const QImage start(QDir(distDir()).filePath(QStringLiteral("images/000.jpg")));
    QVERIFY(!start.isNull());
    for (int y = 586; y <= 600; ++y) {
        const QString row = QStringLiteral(" in row %1").arg(y);
        for (int x = 642; x <= 733; ++x)
            QVERIFY2(qGray(start.pixel(x, y)) > 110, qPrintable(QStringLiteral("dark under the label") + row));
        for (int x = 737; x <= 879; ++x)
            QVERIFY2(qGray(start.pixel(x, y)) < 80, qPrintable(QStringLiteral("light under the name") + row));
    }
}

void TestAssetCatalogue::eachPhotographChangesTheView_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    for (const ScreenAssets &assets : assetCatalogue()) {
        for (qsizetype i = 1; i < assets.photographs.size(); ++i) {
            const QString name = QStringLiteral("screen %1 goes from %2 to %3")
                                     .arg(assets.screen)
                                     .arg(assets.photographs.at(i - 1), assets.photographs.at(i));
            QTest::newRow(qPrintable(name)) << assets.photographs.at(i - 1) << assets.photographs.at(i);
        }
    }
    QTest::newRow("screen 12 comes back from 067 to 066") << "images\\067.jpg" << "images\\066.jpg";
}

void TestAssetCatalogue::eachPhotographChangesTheView()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    const QImage a = QImage(resolveContentPath(before, distDir())).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(resolveContentPath(after, distDir())).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!a.isNull() && !b.isNull());
    // More than a caption's digit or compression noise: a switch or a needle moving.
    const int changed = changedPixels(a, b);
    QVERIFY2(changed > 300, qPrintable(QStringLiteral("only %1 pixels changed").arg(changed)));
}

void TestAssetCatalogue::soundsLastTheirLength_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("longest");
    for (int n = 1; n <= 5; ++n)
        QTest::newRow(qPrintable(QStringLiteral("switch click %1 is short").arg(n)))
            << QStringLiteral("Sounds/Dugme%1.wav").arg(n) << 0.1 << 0.4;
    QTest::newRow("the starter spools for some seconds") << "Sounds/JFS20.wav" << 5.0 << 7.0;
    QTest::newRow("the 20 percent loop is a short loop") << "Sounds/20loop.wav" << 1.0 << 3.0;
    QTest::newRow("the spool-up fills the timed sequence") << "Sounds/20to70.wav" << 28.0 << 32.0;
    QTest::newRow("the idle loop is a short loop") << "Sounds/70loop.wav" << 1.0 << 3.0;
}

void TestAssetCatalogue::soundsLastTheirLength()
{
    QFETCH(QString, file);
    QFETCH(double, shortest);
    QFETCH(double, longest);
    const Pcm pcm = readSound(QDir(distDir()).filePath(file));
    QCOMPARE(pcm.sampleRate, 44100);
    QCOMPARE(pcm.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    const double seconds = double(pcm.samples.size()) / pcm.sampleRate;
    QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
    const auto loudest = std::max_element(pcm.samples.begin(), pcm.samples.end(),
                                          [](short a, short b) { return std::abs(a) < std::abs(b); });
    QVERIFY2(std::abs(*loudest) > 3000, "the sound is all but silent");
}

void TestAssetCatalogue::loopsJoinWithoutAClick_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("the 20 percent loop joins smoothly") << "Sounds/20loop.wav";
    QTest::newRow("the idle loop joins smoothly") << "Sounds/70loop.wav";
}

void TestAssetCatalogue::loopsJoinWithoutAClick()
{
    QFETCH(QString, file);
    const Pcm pcm = readSound(QDir(distDir()).filePath(file));
    QVERIFY(pcm.samples.size() > 1000);
    std::vector<int> steps;
    for (std::size_t n = 1; n < pcm.samples.size(); ++n)
        steps.push_back(std::abs(pcm.samples[n] - pcm.samples[n - 1]));
    std::sort(steps.begin(), steps.end());
    const int usualStep = steps[steps.size() * 99 / 100];
    const int joinStep = std::abs(pcm.samples.front() - pcm.samples.back());
    QVERIFY2(joinStep <= usualStep, qPrintable(QStringLiteral("join %1, 99th percentile %2").arg(joinStep).arg(usualStep)));
}

void TestAssetCatalogue::languageFilesKeepTheirLetters_data()
{
    QTest::addColumn<QString>("languageFile");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("ownLetters");
    QTest::newRow("Turkish keeps its dotless i, s cedilla and soft g") << "Lang1.txt" << "tr.txt" << QStringLiteral("ışğİŞĞ");
    QTest::newRow("English is plain") << "Lang2.txt" << "en.txt" << QString();
    QTest::newRow("French keeps its accents") << "Lang3.txt" << "fr.txt" << QStringLiteral("éèàçêô");
}

void TestAssetCatalogue::languageFilesKeepTheirLetters()
{
    QFETCH(QString, languageFile);
    QFETCH(QString, source);
    QFETCH(QString, ownLetters);

    QFile file(QDir(distDir()).filePath(languageFile));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    QCOMPARE(bytes.count("\r"), bytes.count("\r\n"));
    QVERIFY(bytes.count("\r\n") >= 50);

    QStringDecoder decoder("windows-1254");
    const QString text = decoder(bytes);
    QFile utf8(QDir(QStringLiteral(KELVORA_TEXTS_DIR)).filePath(source));
    QVERIFY(utf8.open(QIODevice::ReadOnly));
    QString expected = QString::fromUtf8(utf8.readAll());
    expected.remove(QChar(0xFEFF));
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!expected.endsWith(QLatin1Char('\n')))
        expected += QLatin1Char('\n');
    QCOMPARE(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), expected);

    if (!ownLetters.isEmpty()) {
        const bool hasOwnLetter = std::any_of(ownLetters.begin(), ownLetters.end(), [&](QChar c) { return text.contains(c); });
        QVERIFY2(hasOwnLetter, "none of the language's own letters survived");
    }
}

QTEST_GUILESS_MAIN(TestAssetCatalogue)
#include "test_asset_catalogue.moc"
