#include "content/ContentPath.h"
#include "content/ContentPicture.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;

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
    }
    void pictureErrorsNameTheFile()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, mentions);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        try {
            loadContentPicture(name);
            QFAIL("no error was raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(int(error.kind()), kind);
            QCOMPARE(error.subject(), name);
            QVERIFY2(error.message().contains(mentions), qPrintable(error.message()));
        }
        QVERIFY(!loadContentPicture(QStringLiteral("IMAGES\\006.JPG")).isNull());
        QDir::setCurrent(previous);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(ContentPathTest)
#include "test_content_path.moc"
