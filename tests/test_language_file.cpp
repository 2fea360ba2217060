#include "content/LanguageFile.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;

class LanguageFileTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheNumberedLine_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first line, CR LF") << QByteArray("one\r\ntwo\r\n") << 1 << "one";
        QTest::newRow("second line, CR LF") << QByteArray("one\r\ntwo\r\n") << 2 << "two";
        QTest::newRow("last line without terminator") << QByteArray("one\r\ntwo") << 2 << "two";
        QTest::newRow("CR alone ends a line") << QByteArray("one\rtwo\rthree") << 3 << "three";
        QTest::newRow("LF alone ends a line") << QByteArray("one\ntwo\nthree\n") << 2 << "two";
        QTest::newRow("mixed terminators") << QByteArray("a\r\nb\rc\nd") << 4 << "d";
        QTest::newRow("an empty line is an empty explanation") << QByteArray("one\r\n\r\nthree") << 2 << "";
        QTest::newRow("the line after an empty one") << QByteArray("one\r\n\r\nthree") << 3 << "three";
        QTest::newRow("CR LF is one terminator, not two") << QByteArray("a\r\nb") << 2 << "b";
        QTest::newRow("a line longer than the reader's block")
            << QByteArray(100000, 'a') + "\nb" << 1 << QString(100000, u'a');
        QTest::newRow("CR LF split across the reader's blocks")
            << QByteArray(65535, 'a') + "\r\nb" << 2 << "b";
        QTest::newRow("spaces are kept") << QByteArray("  lead and trail  \r\n") << 1 << "  lead and trail  ";
        QTest::newRow("windows-1254 Turkish letters")
            << QByteArray("\xE7\xF0\xFD\xDD\xF6\xFE\xFC \xC7\xD0\xD6\xDE\xDC\r\n") << 1
            << QString::fromUtf8("çğıİöşü ÇĞÖŞÜ");
        QTest::newRow("windows-1254 French letters")
            << QByteArray("\xE9t\xE9, \xE0 c\xF4t\xE9, gar\xE7on\r\n") << 1 << QString::fromUtf8("été, à côté, garçon");
        QTest::newRow("UTF-8 with byte-order mark")
            << QByteArray("\xEF\xBB\xBFone\r\n\xC3\xA7\xC4\x9F\xC4\xB1\r\n") << 2 << QString::fromUtf8("çğı");
        QTest::newRow("UTF-8 without byte-order mark")
            << QByteArray("Ba\xC5\x9Fla \xC3\xA9t\xC3\xA9\n") << 1 << QString::fromUtf8("Başla été");
        QTest::newRow("single bytes that are not UTF-8 stay windows-1254")
            << QByteArray("\xC7\xFDk\xFD\xFE\r\n") << 1 << QString::fromUtf8("Çıkış");
    }
    void readsTheNumberedLine()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, line);
        QFETCH(QString, expected);
        QCOMPARE(readLanguageLine(write(content), line), expected);
    }

    void endsWithAnErrorPastTheLastLine_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("line");
        QTest::newRow("empty file, first line") << QByteArray() << 1;
        QTest::newRow("n lines, line n + 1") << QByteArray("a\r\nb\r\nc\r\n") << 4;
        QTest::newRow("n lines without final terminator, line n + 1") << QByteArray("a\r\nb\r\nc") << 4;
    }
    void endsWithAnErrorPastTheLastLine()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, line);
        const QString path = write(content);
        try {
            readLanguageLine(path, line);
            QFAIL("no error was raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), RuntimeError::Kind::InputPastEndOfFile);
            QVERIFY(error.message().contains(QStringLiteral("Lang1.txt")));
        }
    }

    void aMissingFileIsNamed()
    {
        try {
            readLanguageLine(m_dir.filePath(QStringLiteral("Lang9.txt")), 1);
            QFAIL("no error was raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), RuntimeError::Kind::FileNotFound);
            QVERIFY(error.message().contains(QStringLiteral("Lang9.txt")));
        }
    }

    void thePathIsBuiltFromTheProgramFolder_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("file");
        QTest::newRow("1") << "1" << "Lang1.txt";
        QTest::newRow("3") << "3" << "Lang3.txt";
        QTest::newRow("a number written as 2.0") << "2.0" << "Lang2.txt";
    }
    void thePathIsBuiltFromTheProgramFolder()
    {
        QFETCH(QString, number);
        QFETCH(QString, file);
        QCOMPARE(languageFilePath(number, {}, QStringLiteral("/opt/kelvora")), QStringLiteral("/opt/kelvora/") + file);
    }

    void theFileNameIgnoresLetterCase()
    {
        QTemporaryDir folder;
        QFile file(QDir(folder.path()).filePath(QStringLiteral("lang2.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Start\r\n");
        file.close();
        QCOMPARE(readLanguageLine(languageFilePath(QStringLiteral("2"), {}, folder.path()), 1), QStringLiteral("Start"));
    }

private:
    QString write(const QByteArray &content)
    {
        const QString path = m_dir.filePath(QStringLiteral("Lang1.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        file.write(content);
        return path;
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(LanguageFileTest)
#include "test_language_file.moc"
