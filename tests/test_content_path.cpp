#include "content/ContentPath.h"
#include "content/ContentPicture.h"
#include "content/PictureCheck.h"
#include "content/PicturesAhead.h"
#include "platform/RuntimeError.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTest>

using namespace kelvora;

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A JPEG as a phone writes a portrait photograph: the pixels stored on their
// side, with EXIF orientation 6 (turn a quarter clockwise to show it).
QByteArray sidewaysJpeg(const QImage &stored)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    stored.save(&buffer, "JPEG", 95);
    const QByteArray exif = QByteArray::fromHex("ffe10022" "457869660000" "4d4d002a00000008"
                                                "0001" "011200030000000100060000" "00000000");
    return jpeg.insert(2, exif); // after the start of image
}
} // namespace

class ContentPathTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDir root(m_dir.path());
        root.mkpath(QStringLiteral("images"));
        root.mkpath(QStringLiteral("Sounds"));
        root.mkpath(QStringLiteral("folder.jpg"));
        for (const char *file : {"images/005.jpg", "images/KokpitB.bmp", "Sounds/Dugme3.wav", "images/corrupt.jpg"}) {
            QFile out(root.filePath(QLatin1String(file)));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write("not a picture");
        }
        QImage(4, 4, QImage::Format_RGB32).save(root.filePath(QStringLiteral("images/006.jpg")));
        QVERIFY(m_outside.isValid());
        writeFile(m_outside.filePath(QStringLiteral("secret.jpg")), "not the course's");
        QVERIFY(QFile::link(m_outside.filePath(QStringLiteral("secret.jpg")), root.filePath(QStringLiteral("images/out.jpg"))));
        QVERIFY(QFile::link(m_outside.path(), root.filePath(QStringLiteral("elsewhere"))));
        QVERIFY(QFile::link(QStringLiteral("006.jpg"), root.filePath(QStringLiteral("images/in.jpg"))));

        // Whole pictures and cut copies of them: the decoders would draw what they got.
        QImage photo(320, 240, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb((x * 7) & 255, (y * 3) & 255, (x ^ y) & 255));
        for (const char *format : {"jpg", "bmp"}) {
            const QString whole = root.filePath(QStringLiteral("images/whole.") + QLatin1String(format));
            QVERIFY(photo.save(whole));
            QFile in(whole);
            QVERIFY(in.open(QIODevice::ReadOnly));
            const QByteArray bytes = in.readAll();
            writeFile(root.filePath(QStringLiteral("images/half.") + QLatin1String(format)), bytes.first(bytes.size() / 2));
            writeFile(root.filePath(QStringLiteral("images/head.") + QLatin1String(format)), bytes.first(1024));
        }
    }

    void resolvesWithoutRegardToCase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("as written on disk") << "images\\005.jpg" << "images/005.jpg";
        QTest::newRow("folder in another case") << "Images\\005.jpg" << "images/005.jpg";
        QTest::newRow("file and folder in another case") << "sounds\\dugme3.wav" << "Sounds/Dugme3.wav";
        QTest::newRow("file with a lower-case letter") << "images\\Kokpitb.bmp" << "images/KokpitB.bmp";
        QTest::newRow("forward slashes") << "images/005.jpg" << "images/005.jpg";
        QTest::newRow("a missing file") << "images\\019.jpg" << "";
        QTest::newRow("a missing folder") << "pictures\\005.jpg" << "";
        QTest::newRow("a folder where a file is asked for") << "folder.jpg" << "";
        QTest::newRow("a name that leaves the folder") << "images\\..\\images\\005.jpg" << "";
        QTest::newRow("an empty name") << "" << "";
        QTest::newRow("a link to a file out of the folder") << "images\\out.jpg" << "";
        QTest::newRow("a file in a linked folder out of the folder") << "elsewhere\\secret.jpg" << "";
        QTest::newRow("a link within the folder") << "images\\in.jpg" << "images/in.jpg";
    }
    void resolvesWithoutRegardToCase()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const QString resolved = resolveContentPath(name, m_dir.path());
        QCOMPARE(resolved, expected.isEmpty() ? QString() : m_dir.filePath(expected));
    }

    void pictureErrorsNameTheFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("missing") << "images\\019.jpg" << int(RuntimeError::Kind::FileNotFound) << "images/019.jpg";
        QTest::newRow("not a picture") << "images\\corrupt.jpg" << int(RuntimeError::Kind::BadPicture) << "corrupt.jpg";
        QTest::newRow("a JPEG cut in half") << "images\\half.jpg" << int(RuntimeError::Kind::BadPicture) << "half.jpg";
        QTest::newRow("the first kilobyte of a JPEG") << "images\\head.jpg" << int(RuntimeError::Kind::BadPicture) << "head.jpg";
        QTest::newRow("a BMP cut in half") << "images\\half.bmp" << int(RuntimeError::Kind::BadPicture) << "half.bmp";
    }
    void pictureErrorsNameTheFile()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, mentions);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        try {
            loadContentPicture({name}, m_dir.path());
            QFAIL("no error was raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(int(error.kind()), kind);
            QCOMPARE(error.subject(), name);
            QVERIFY2(error.message().contains(mentions), qPrintable(error.message()));
        }
        QVERIFY(!loadContentPicture({QStringLiteral("IMAGES\\006.JPG")}, m_dir.path()).isNull());
        QVERIFY(!loadContentPicture({QStringLiteral("images\\whole.jpg")}, m_dir.path()).isNull());
        QVERIFY(!loadContentPicture({QStringLiteral("images\\whole.bmp")}, m_dir.path()).isNull());
        QDir::setCurrent(previous);
    }

    // A picture read ahead is what reading it now would give: the same pixels,
    // fitted as asked, the same error for a damaged file, and the new file
    // where it was replaced in between.
    void picturesReadAheadAreWhatTheFilesHoldWhenShown()
    {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        const QString replaced = QStringLiteral("images/replaced.png");
        QVERIFY(QImage(40, 30, QImage::Format_RGB32).save(replaced));
        const QImage whole = loadContentPicture({QStringLiteral("images\\whole.jpg")}, m_dir.path());
        const QSize box(100, 100);
        readPicturesAhead({{QStringLiteral("images\\whole.jpg")},
                           {QStringLiteral("images\\whole.jpg"), box},
                           {QStringLiteral("images\\half.jpg")},
                           {QStringLiteral("images\\replaced.png")}},
                          AheadKeeping::AsDecoded, m_dir.path());
        QThread::msleep(20);
        QImage replacement(50, 30, QImage::Format_RGB32);
        replacement.fill(Qt::red);
        QVERIFY(replacement.save(replaced));

        QCOMPARE(loadContentPicture({QStringLiteral("images\\whole.jpg")}, m_dir.path()), whole);
        QCOMPARE(loadContentPicture({QStringLiteral("images\\whole.jpg"), box}, m_dir.path()).size(), box);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, loadContentPicture({QStringLiteral("images\\half.jpg")}, m_dir.path()));
        QCOMPARE(loadContentPicture({QStringLiteral("images\\replaced.png")}, m_dir.path()).size(), replacement.size());

        // Kept compact: three bytes a pixel, the same pixels.
        readPicturesAhead({{QStringLiteral("images\\whole.jpg")}}, AheadKeeping::Compact, m_dir.path());
        const QImage compact = loadContentPicture({QStringLiteral("images\\whole.jpg")}, m_dir.path());
        QCOMPARE(compact.depth(), 24);
        QCOMPARE(compact.convertToFormat(whole.format()), whole);
        QDir::setCurrent(previous);
    }

    // Trainer pages, read ahead or not, the editor's canvas, the storyboard and
    // the checker all read pictures through these.
    void aPortraitPhonePhotographIsShownUpright()
    {
        QImage stored(640, 480, QImage::Format_RGB32); // shown: the top half on the right
        stored.fill(Qt::blue);
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 640; ++x)
                stored.setPixel(x, y, qRgb(255, 0, 0));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        const QString path = QStringLiteral("images/portrait.jpg");
        writeFile(path, sidewaysJpeg(stored));
        const auto upright = [](const QImage &shown, int left, int right, int y) {
            return qRed(shown.pixel(left, y)) < 60 && qBlue(shown.pixel(left, y)) > 200 &&
                   qRed(shown.pixel(right, y)) > 200 && qBlue(shown.pixel(right, y)) < 60;
        };

        QCOMPARE(pictureSize(path), QSize(480, 640));
        QCOMPARE(PictureChecks::shared().check(path).size, QSize(480, 640));
        QString problem;
        const QImage whole = readCompletePicture(path, problem);
        QCOMPARE(whole.size(), QSize(480, 640));
        QVERIFY(upright(whole, 100, 380, 320));
        // Fitted into a square box: decoded small, then turned, black bars beside it.
        const QSize box(100, 100);
        const QImage fitted = loadContentPicture({QStringLiteral("images\\portrait.jpg"), box}, m_dir.path());
        QCOMPARE(fitted.size(), box);
        QCOMPARE(fitted.pixel(4, 50), qRgb(0, 0, 0));
        QVERIFY(upright(fitted, 25, 75, 50));
        // A box a little larger than a quarter: decoded at the quarter, then brought to the box's size.
        const QImage nearQuarter = readCompletePicture(path, problem, QSize(123, 164));
        QCOMPARE(nearQuarter.size(), QSize(123, 164));
        QVERIFY(upright(nearQuarter, 20, 100, 80));
        readPicturesAhead({{QStringLiteral("images\\portrait.jpg"), box}}, AheadKeeping::AsDecoded, m_dir.path());
        QCOMPARE(loadContentPicture({QStringLiteral("images\\portrait.jpg"), box}, m_dir.path()), fitted);
        QDir::setCurrent(previous);
    }

    // A check is kept only while the file is unchanged: a photograph cut short
    // after it passed is reported.
    void aPictureChangedAfterItsCheckIsCheckedAgain()
    {
        PictureChecks checks;
        const QString path = m_dir.filePath(QStringLiteral("images/checked.jpg"));
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("images/whole.jpg")), path));
        QCOMPARE(checks.check(path).problem, QString());
        QCOMPARE(checks.check(path).size, QSize(320, 240));
        QVERIFY(QFile::resize(path, QFileInfo(path).size() / 2));
        const PictureCheckResult cut = checks.check(path);
        QVERIFY2(!cut.problem.isEmpty(), "a photograph cut short passed its check");
        QCOMPARE(cut.size, QSize());
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_outside;
};

QTEST_GUILESS_MAIN(ContentPathTest)
#include "test_content_path.moc"
